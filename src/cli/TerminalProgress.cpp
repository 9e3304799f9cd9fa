#include "cli/TerminalProgress.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QRegularExpression>

#include "cli/CommandHelp.h"

namespace {

int terminalColumns() {
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return 80;
}

// A text of the core in the session's language as a pattern whose group "aN" holds its %N,
// so that the line is understood whatever order the language puts them in.
QRegularExpression patternOf(const QString &translated) {
    static const QRegularExpression argument(QStringLiteral("%(\\d)"));
    QString pattern = QStringLiteral("^");
    qsizetype literalStart = 0;
    for (const QRegularExpressionMatch &match : argument.globalMatch(translated)) {
        pattern += QRegularExpression::escape(
                       translated.mid(literalStart, match.capturedStart() - literalStart)) +
                   QStringLiteral("(?<a%1>.*)").arg(match.captured(1));
        literalStart = match.capturedEnd();
    }
    return QRegularExpression(pattern + QRegularExpression::escape(translated.mid(literalStart)) +
                              u'$');
}

}  // namespace

TerminalProgress::TerminalProgress(QTextStream &err, bool isTerminal)
    : err_(err), active_(isTerminal) {
    timer_.start();
}

TerminalProgress::~TerminalProgress() { clear(); }

QString TerminalProgress::lineFor(const QString &description, qint64 elapsedMilliseconds) {
    static const QRegularExpression renaming =
        patternOf(QCoreApplication::translate("RenameRunLoop", "Renaming %1 (%2 of %3)"));
    static const QRegularExpression scanning =
        patternOf(QCoreApplication::translate("ZKRenamingController", "Scanning %1"));
    const double seconds = std::max<qint64>(elapsedMilliseconds, 1) / 1000.0;
    const QRegularExpressionMatch counts = renaming.match(description);
    bool isCount = false;
    const qint64 done = counts.captured(u"a2").toLongLong(&isCount);
    if (counts.hasMatch() && isCount) {
        return CommandHelp::tr("renamed %1 of %2, %3/s")
            .arg(done - 1)
            .arg(counts.captured(u"a3"))
            .arg(qRound64((done - 1) / seconds));
    }
    // The scan reports where it is now and then, not how far it got.
    const QRegularExpressionMatch scan = scanning.match(description);
    if (scan.hasMatch())
        return CommandHelp::tr("scanning, %1 s: %2")
            .arg(qRound64(seconds))
            .arg(scan.captured(u"a1"));
    return description;
}

void TerminalProgress::show(const QString &description) {
    if (!active_ || description.isEmpty()) return;
    const qint64 now = timer_.elapsed();
    QString line = lineFor(description, now);
    if (now - lastShown_ < 100) return;
    lastShown_ = now;
    const int columns = terminalColumns() - 1;
    if (line.size() > columns)
        line = line.left(columns / 2 - 1) + u'…' + line.right(columns / 2 - 1);
    err_ << "\r\033[K" << line;
    err_.flush();
    shown_ = true;
}

void TerminalProgress::clear() {
    if (!shown_) return;
    err_ << "\r\033[K";
    err_.flush();
    shown_ = false;
}
