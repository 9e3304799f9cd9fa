#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "app/help/LogTail.h"

class QCheckBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Torvane's own log, newest line last: it follows lines as they are written (a watch on the
// file, and a slow poll where the file system sends no notices), shows only the lines that
// hold the filter's text, switches "Debug Logging" and copies the selection or everything
// shown. Only the end of a large log is read; older lines come in when scrolled to the top.
class ZKLogViewer : public QWidget {
    Q_OBJECT
public:
    explicit ZKLogViewer(const QString &logPath, QWidget *parent = nullptr);

    // The application's log viewer (created on first use), shown and raised.
    static void showLog();

    QPlainTextEdit *textView() const { return text_; }
    QLineEdit *filterField() const { return filter_; }
    QCheckBox *debugSwitch() const { return debug_; }
    // Reads what was appended to the file since the last look.
    void refresh();
    // Puts the selection (or every line shown) on the clipboard.
    void copy();

private:
    void reload();
    void loadOlder();
    void showLines();
    bool matches(const QString &line) const;
    void watchFile();
    void appendShown(const QStringList &lines);

    LogTail tail_;
    QStringList lines_;  // every line read so far, oldest first
    QPlainTextEdit *text_;
    QLineEdit *filter_;
    QCheckBox *debug_;
    QLabel *status_;
    QFileSystemWatcher *watcher_;
    QTimer poll_;
};
