#pragma once

#include <QDialog>

class QTextBrowser;

// The About window: the program's name, icon and version, what it is for, the libraries it
// uses with their licences, and a link into the help.
class ZKAboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit ZKAboutWindow(QWidget *parent = nullptr);

    // The application's About window (created on first use), shown and raised.
    static void showAbout();

    // The version this program was built as ("0.1").
    static QString version();
    QTextBrowser *credits() const { return credits_; }

private:
    QTextBrowser *credits_;
};
