#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTextStream>

// One line on standard error that tells how long work is getting on (scanning, renaming),
// rewritten in place and cleared when the work ends. Silent unless standard error is a
// terminal, so logs and pipes stay clean.
class TerminalProgress {
public:
    TerminalProgress(QTextStream &err, bool isTerminal);
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress &) = delete;
    TerminalProgress &operator=(const TerminalProgress &) = delete;

    // What the core reports: "Scanning PATH" or "Renaming NAME (N of M)". Shown at most ten
    // times a second; renaming shows how many of how many and the rate.
    void show(const QString &description);

    // The text of the line, without the terminal's control characters.
    static QString lineFor(const QString &description, qint64 elapsedMilliseconds);

    // Takes the line away, before other text goes to standard error.
    void clear();

private:
    QTextStream &err_;
    bool active_;
    bool shown_ = false;
    qint64 lastShown_ = -1000;
    QElapsedTimer timer_;
};
