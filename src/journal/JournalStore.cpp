#include "journal/JournalStore.h"

#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <functional>

#include "common/ApplicationSupport.h"
#include "common/Log.h"
#include "common/Translations.h"
#include "journal/JournalFormat.h"

namespace JournalStore {

TORVANE_NAMESPACE_TR(JournalStore)

namespace {

const QString runPrefix = QStringLiteral("run-");
const QString undoPrefix = QStringLiteral("undo-");
const QString suffix = QStringLiteral(".journal");
// Temporary files of journals being started: ".journal-<pid>-XXXXXX".
const QString temporaryPrefix = QStringLiteral(".journal-");

// More than the longest record (two paths of PATH_MAX bytes in base64), so the window at the
// end of a journal always holds its last whole records.
constexpr qint64 tailWindow = 64 * 1024;
// Enough for a header and for the last records of most journals; every start of a rename
// looks at the ends of every kept journal, so the larger window is read only when needed.
constexpr qint64 shortWindow = 4 * 1024;

struct Record {
    QByteArrayList fields;
    qint64 lineNumber = 0;
};

QString problemAt(const QString &path, const QString &problem) {
    return tr("cannot read the run journal %1: %2").arg(path, problem);
}

// Hands each checked record of `data` (one per line, its text without the checksum) to
// `take` with its line number. A last line without its line feed, or failing its checksum,
// is a record torn by a crash while it was appended: it is left out and *validLength ends
// before it. Any other damaged line is an error. With `fromMidRecord` the data starts inside
// some record and everything up to the first line feed is skipped.
bool forEachRecord(const QByteArray &data, bool fromMidRecord,
                   const std::function<void(QByteArrayView text, qint64 lineNumber)> &take,
                   qint64 *validLength, QString *problem) {
    qsizetype start = 0;
    if (fromMidRecord) {
        start = data.indexOf('\n') + 1;
        if (start == 0) return *problem = tr("its last record is damaged"), false;
    }
    qint64 lineNumber = 0;
    *validLength = data.size();
    while (start < data.size()) {
        ++lineNumber;
        const qsizetype end = data.indexOf('\n', start);
        const std::optional<QByteArrayView> text =
            end >= 0 ? JournalFormat::checkedText(QByteArrayView(data).sliced(start, end - start))
                     : std::nullopt;
        if (!text) {
            if (end < 0 || end + 1 == data.size()) {
                *validLength = start;
                return true;
            }
            *problem = fromMidRecord ? tr("a record near its end is damaged")
                                     : tr("line %1 is damaged").arg(lineNumber);
            return false;
        }
        take(*text, lineNumber);
        start = end + 1;
    }
    return true;
}

// The records of `data` with their fields, as forEachRecord finds them.
bool splitRecords(const QByteArray &data, bool fromMidRecord, QList<Record> *records,
                  qint64 *validLength, QString *problem) {
    return forEachRecord(
        data, fromMidRecord,
        [records](QByteArrayView text, qint64 lineNumber) {
            records->append({text.toByteArray().split(' '), lineNumber});
        },
        validLength, problem);
}

bool parseHeader(const QByteArrayList &fields, JournalSummary *summary, QString *problem) {
    if (fields.value(0) != JournalFormat::headerKind)
        return *problem = tr("it is not a Torvane run journal"), false;
    if (fields.value(1) == JournalFormat::version)
        summary->version = 4;
    else if (fields.value(1) == JournalFormat::thirdVersion)
        summary->version = 3;
    else if (fields.value(1) == JournalFormat::secondVersion)
        summary->version = 2;
    else if (fields.value(1) == JournalFormat::firstVersion)
        summary->version = 1;
    else
        return *problem = tr("it has version %1, which this Torvane cannot read")
                              .arg(QString::fromLatin1(fields.value(1))),
               false;
    const QByteArray kind = fields.value(2);
    summary->isUndo = kind == JournalFormat::undoJournal;
    summary->started =
        QDateTime::fromString(QString::fromLatin1(fields.value(3)), Qt::ISODateWithMs);
    QByteArray undone;
    const bool valid = (kind == JournalFormat::runJournal || summary->isUndo) &&
                       fields.size() == (summary->isUndo ? 7 : 6) && summary->started.isValid() &&
                       JournalFormat::parseNumber(fields[4], &summary->pid) &&
                       JournalFormat::parseNumber(fields[5], &summary->plannedCount) &&
                       (!summary->isUndo || JournalFormat::decodeBytes(fields[6], &undone));
    if (!valid) return *problem = tr("its header is malformed"), false;
    summary->undoneJournal = QFile::decodeName(undone);
    return true;
}

bool parseMove(const QByteArrayList &fields, qsizetype first, JournalMove *move) {
    return JournalFormat::decodeBytes(fields.value(first), &move->from) &&
           JournalFormat::decodeBytes(fields.value(first + 1), &move->to) &&
           !move->from.isEmpty() && !move->to.isEmpty();
}

// A device or inode number: decimal, as QByteArray::number writes it.
bool parseUnsigned(const QByteArray &field, quint64 *number) {
    bool ok = false;
    *number = field.toULongLong(&ok);
    return ok && QByteArray::number(*number) == field;
}

// A planned move; since version 3 with the device and inode of its item.
bool parsePlanned(const QByteArrayList &fields, const JournalSummary &summary, JournalMove *move) {
    const bool withIdentity = summary.version >= 3 && fields.size() == 5;
    return (fields.size() == 3 || withIdentity) && fields[0] == JournalFormat::planKind &&
           parseMove(fields, 1, move) &&
           (!withIdentity ||
            (parseUnsigned(fields[3], &move->device) && parseUnsigned(fields[4], &move->inode)));
}

// One record of the log that follows the plan, checked against what came before it.
bool applyRecord(const Record &record, Journal *journal) {
    const QByteArrayList &fields = record.fields;
    const QByteArray &kind = fields[0];
    JournalSummary &summary = journal->summary;
    if (summary.undone) return false;
    if (summary.closed) {
        QByteArray undoName;
        summary.undone = kind == JournalFormat::undoneKind && fields.size() == 2 &&
                         JournalFormat::decodeBytes(fields[1], &undoName);
        return summary.undone;
    }
    qint64 sequence = 0;
    const bool isIntent = kind == JournalFormat::intentKind;
    const bool isRestore = kind == JournalFormat::restoreKind;
    const bool isTrash = kind == JournalFormat::trashKind;
    const bool isAsPlanned = kind == JournalFormat::asPlannedKind;
    if (isIntent || isRestore || isTrash || isAsPlanned) {
        // Version 1 knew plain moves only.
        const bool laterVersion = summary.version >= 2;
        JournalMove move;
        bool valid = fields.size() >= 2 && JournalFormat::parseNumber(fields[1], &sequence) &&
                     sequence == journal->intentCount + 1;
        if (isAsPlanned) {
            qint64 place = 0;
            valid = valid && summary.version >= 4 && fields.size() == 3 &&
                    JournalFormat::parseNumber(fields[2], &place) &&
                    place < journal->planned.size();
            if (valid) move = {journal->planned[place].from, journal->planned[place].to};
        } else if (isIntent) {
            valid =
                valid && (fields.size() == 4 || (laterVersion && fields.size() == 5)) &&
                parseMove(fields, 2, &move) &&
                (fields.size() == 4 || (JournalFormat::decodeBytes(fields[4], &move.finalTarget) &&
                                        !move.finalTarget.isEmpty()));
        } else if (isRestore) {
            valid = valid && laterVersion && fields.size() == 4 && parseMove(fields, 2, &move);
            move.kind = JournalMove::Kind::Restore;
        } else {
            quint64 device = 0;
            quint64 inode = 0;
            valid = valid && laterVersion && fields.size() == 5 &&
                    JournalFormat::decodeBytes(fields[2], &move.from) && !move.from.isEmpty() &&
                    parseUnsigned(fields[3], &device) && parseUnsigned(fields[4], &inode);
            move = JournalMove::trash(move.from, device, inode);
        }
        if (!valid) return false;
        // An announced move followed by the next one failed and changed nothing.
        journal->inFlight = move;
        journal->intentCount = sequence;
        return true;
    }
    if (kind == JournalFormat::doneKind) {
        if (fields.size() < 2 || !JournalFormat::parseNumber(fields[1], &sequence) ||
            sequence != journal->intentCount || !journal->inFlight)
            return false;
        JournalMove move = *journal->inFlight;
        // A step to the Trash may tell where the item went.
        const bool withPlace = move.kind == JournalMove::Kind::Trash && fields.size() == 3;
        if (fields.size() != 2 && !withPlace) return false;
        if (withPlace && (!JournalFormat::decodeBytes(fields[2], &move.to) || move.to.isEmpty()))
            return false;
        journal->done << move;
        journal->inFlight.reset();
        return true;
    }
    if (kind == JournalFormat::closedKind && fields.size() == 1) {
        summary.closed = true;
        journal->inFlight.reset();
        return true;
    }
    return false;
}

bool parseJournal(const QList<Record> &records, Journal *journal, QString *problem) {
    if (records.isEmpty()) return *problem = tr("it is empty"), false;
    if (!parseHeader(records[0].fields, &journal->summary, problem)) return false;
    const qint64 planEnd = 1 + journal->summary.plannedCount;
    for (qint64 i = 1; i < records.size(); ++i) {
        const Record &record = records[i];
        JournalMove move;
        const bool valid = i < planEnd ? parsePlanned(record.fields, journal->summary, &move)
                                       : applyRecord(record, journal);
        if (!valid)
            return *problem = tr("line %1 is not what can follow the lines before it")
                                  .arg(record.lineNumber),
                   false;
        if (i < planEnd) journal->planned << move;
    }
    // The header and the plan are written in one piece, before the journal gets its name.
    if (records.size() < planEnd) return *problem = QStringLiteral("its plan is incomplete"), false;
    return true;
}

bool readBytes(QFile &file, qint64 offset, qint64 length, QByteArray *data, QString *problem) {
    if (!file.seek(offset)) return *problem = file.errorString(), false;
    *data = file.read(length);
    if (data->size() != length) return *problem = file.errorString(), false;
    return true;
}

bool openFile(QFile &file, QString *problem) {
    if (file.open(QIODevice::ReadOnly)) return true;
    *problem = file.errorString();
    return false;
}

// The kind of the last whole record, found in a window at the end of the file: the short one,
// or the whole window when the short one holds no whole record or a damaged one.
bool lastRecordKind(QFile &file, QByteArray *kind, QString *problem) {
    const qint64 size = file.size();
    for (const qint64 window : {shortWindow, tailWindow}) {
        const qint64 offset = qMax<qint64>(0, size - window);
        QByteArray data;
        if (!readBytes(file, offset, size - offset, &data, problem)) return false;
        // Every record in the window is checked; only the last one's kind is kept.
        QByteArrayView last;
        qint64 validLength = 0;
        const bool split = forEachRecord(
            data, offset > 0, [&last](QByteArrayView text, qint64) { last = text; }, &validLength,
            problem);
        if (split && !last.isNull()) {
            const qsizetype space = last.indexOf(' ');
            *kind = (space < 0 ? last : last.first(space)).toByteArray();
            return true;
        }
        if (offset == 0 || window == tailWindow) {
            if (split) *problem = QStringLiteral("it holds no whole record");
            return false;
        }
        problem->clear();
    }
    return false;
}

// The first line, without its line feed; false when the header window holds none.
bool headerLine(QFile &file, QByteArray *line, QString *problem) {
    for (const qint64 window : {shortWindow, tailWindow}) {
        QByteArray head;
        if (!readBytes(file, 0, qMin(file.size(), window), &head, problem)) return false;
        const qsizetype end = head.indexOf('\n');
        if (end >= 0) return *line = head.left(end), true;
        if (head.size() < window) break;
    }
    *problem = QStringLiteral("its header is damaged");
    return false;
}

bool isProcessAlive(qint64 pid) {
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno != ESRCH);
}

// ".journal-<pid>-XXXXXX": the pid of the process that wrote it, or 0.
qint64 temporaryFileOwner(const QString &name) {
    const QString rest = name.mid(temporaryPrefix.size());
    return rest.section(QLatin1Char('-'), 0, 0).toLongLong();
}

// The names of the folder's files that start with one of the prefixes and end with the
// suffix, as this program writes them. Wildcard filters would build a regular expression at
// every listing, and the journals are listed as every run starts.
QStringList namesOf(const QDir &dir, QDir::Filters filters, const QStringList &prefixes,
                    const QString &suffix) {
    QStringList names = dir.entryList(filters, QDir::Unsorted);
    names.removeIf([&](const QString &name) {
        return !name.endsWith(suffix) ||
               std::none_of(prefixes.cbegin(), prefixes.cend(), [&](const QString &prefix) {
                   return name.size() >= prefix.size() + suffix.size() && name.startsWith(prefix);
               });
    });
    return names;
}

void removeAbandonedTemporaryFiles() {
    const QDir dir(folder());
    const QStringList names =
        namesOf(dir, QDir::Files | QDir::Hidden, {temporaryPrefix}, QString());
    for (const QString &name : names) {
        if (isProcessAlive(temporaryFileOwner(name))) continue;
        QFile::remove(dir.filePath(name));
    }
}

}  // namespace

QString folder() { return ApplicationSupport::stateFolder(); }

QString journalFileName(bool isUndo, int sequence) {
    // Zero-padded fields keep names in the order the journals started.
    return (isUndo ? undoPrefix : runPrefix) +
           QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss.zzz'Z'")) +
           QStringLiteral("-%1-%2")
               .arg(QCoreApplication::applicationPid(), 7, 10, QLatin1Char('0'))
               .arg(sequence, 4, 10, QLatin1Char('0')) +
           suffix;
}

QStringList journalPaths() {
    const QDir dir(folder());
    QStringList names = namesOf(dir, QDir::Files, {runPrefix, undoPrefix}, suffix);
    // Run and undo journals interleave by the time they started, which follows the prefix.
    const auto startKey = [](const QString &name) { return name.mid(name.indexOf('-') + 1); };
    std::sort(names.begin(), names.end(),
              [&](const QString &a, const QString &b) { return startKey(a) < startKey(b); });
    QStringList paths;
    for (const QString &name : names) paths << dir.filePath(name);
    return paths;
}

bool readSummary(const QString &path, JournalSummary *summary, QString *error) {
    QFile file(path);
    QString problem;
    QByteArray header;
    QByteArray lastKind;
    *summary = JournalSummary();
    summary->path = path;
    QByteArrayList fields;
    if (openFile(file, &problem) && headerLine(file, &header, &problem) &&
        !JournalFormat::parseLine(header, &fields))
        problem = QStringLiteral("its header is damaged");
    if (!problem.isEmpty() || !parseHeader(fields, summary, &problem) ||
        !lastRecordKind(file, &lastKind, &problem)) {
        if (error) *error = problemAt(path, problem);
        return false;
    }
    summary->undone = lastKind == JournalFormat::undoneKind;
    summary->closed = summary->undone || lastKind == JournalFormat::closedKind;
    return true;
}

bool read(const QString &path, Journal *journal, QString *error) {
    QFile file(path);
    QString problem;
    QByteArray data;
    QList<Record> records;
    *journal = Journal();
    journal->summary.path = path;
    const bool valid = openFile(file, &problem) &&
                       readBytes(file, 0, file.size(), &data, &problem) &&
                       splitRecords(data, false, &records, &journal->validLength, &problem) &&
                       parseJournal(records, journal, &problem);
    if (!valid && error) *error = problemAt(path, problem);
    return valid;
}

void prune(int keep) {
    removeAbandonedTemporaryFiles();
    const QStringList paths = journalPaths();
    for (qsizetype i = 0; i < paths.size() - keep; ++i) {
        JournalSummary summary;
        if (!readSummary(paths[i], &summary, nullptr) || !summary.closed) continue;
        if (!QFile::remove(paths[i]))
            Log::line(QStringLiteral("[Journal] cannot remove %1").arg(paths[i]));
    }
}

}  // namespace JournalStore
