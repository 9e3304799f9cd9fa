#pragma once

#include <QMainWindow>
#include <QPointer>

class ZKControllingDragView;
class ZKDialogPresenter;
class ZKMainMenu;
class ZKPreferencesWindow;

// The application's one window, titled "Torvane": the controlling view with its menu bar.
// Closing it hides it; with "Quit When Closed" on it also asks the application to end. It
// cannot close while a scan or rename run holds it (Escape or Stop ends those first).
class ZKMainWindow : public QMainWindow {
    Q_OBJECT
public:
    // presenter (not owned) shows the view's dialogs; null takes real ones.
    explicit ZKMainWindow(ZKDialogPresenter *presenter = nullptr, QWidget *parent = nullptr);
    ~ZKMainWindow() override;

    ZKControllingDragView *dragView() const { return view_; }
    ZKMainMenu *mainMenu() const { return menu_; }
    // Opens (or raises) the preferences.
    ZKPreferencesWindow *showPreferences();

signals:
    // The application should save and quit (the view asked, the window closed with
    // "Quit When Closed", or the Quit command).
    void terminateRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    ZKControllingDragView *view_;
    ZKMainMenu *menu_;
    QPointer<ZKPreferencesWindow> preferences_;
};
