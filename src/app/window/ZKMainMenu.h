#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class ZKControllingDragView;

// The main window's menu bar: files, editing, the list's display and options, the steps,
// renaming and help. Every command is enabled exactly when it can act; the states are
// brought up to date when a menu opens and whenever the window's state changes, so that key
// equivalents follow the same rules as the items. Actions carry object names ("open",
// "paste", "rename"...) by which tests find them.
class ZKMainMenu : public QObject {
    Q_OBJECT
public:
    ZKMainMenu(QMainWindow &window, ZKControllingDragView &view);

    // Re-reads every title, check mark and enabled state.
    void updateItems();

signals:
    void preferencesRequested();
    void closeRequested();
    void quitRequested();

private:
    QAction *addAction(QMenu *menu, const char *name, const QString &title,
                       const QString &shortcut = QString());
    template <typename Slot>
    QAction *addCommand(QMenu *menu, const char *name, const QString &title,
                        const QString &shortcut, Slot slot);
    QMenu *addMenu(const QString &title);
    void buildFileMenu();
    void buildEditMenu();
    void buildListMenu();
    void addListLayoutMenu(QMenu *listMenu);
    void addDetailModeMenu(QMenu *listMenu);
    void addListToggles(QMenu *listMenu);
    void buildStepsMenu();
    void buildRenameMenu();
    void buildHelpMenu();
    void updateListItems(bool idle);
    void updateClipboardState();
    QAction *action(const char *name) const;

    QMainWindow &window_;
    ZKControllingDragView &view_;
    bool pasteAvailable_ = false;
};
