#include "cli/TerminalProgress.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <QRegularExpression>

namespace {

int terminalColumns() {
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return 80;
}

}  // namespace

TerminalProgress::TerminalProgress(QTextStream &err, bool isTerminal)
    : err_(err), active_(isTerminal) {
    timer_.start();
}

TerminalProgress::~TerminalProgress() { clear(); }

QString TerminalProgress::lineFor(const QString &description, qint64 elapsedMilliseconds) {
    static const QRegularExpression counts(QStringLiteral("\\((\\d+) of (\\d+)\\)$"));
    const double seconds = std::max<qint64>(elapsedMilliseconds, 1) / 1000.0;
    const QRegularExpressionMatch match = counts.match(description);
    if (match.hasMatch()) {
        const qint64 done = match.captured(1).toLongLong();
        return QStringLiteral("renamed %1 of %2, %3/s")
            .arg(done - 1)
            .arg(match.captured(2))
            .arg(qRound64((done - 1) / seconds));
    }
    // The scan reports where it is now and then, not how far it got.
    if (description.startsWith(QLatin1String("Scanning ")))
        return QStringLiteral("scanning, %1 s: %2").arg(qRound64(seconds)).arg(description.mid(9));
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
