#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "journal/RunJournal.h"

// What a journal's first line and last records tell, read without the rest of the file.
struct JournalSummary {
    QString path;
    // The format version (JournalFormat): 1 to 4.
    int version = 0;
    // An undo journal records the moves that undid an earlier journal.
    bool isUndo = false;
    // For an undo journal, the file name of the journal it undoes.
    QString undoneJournal;
    QDateTime started;  // UTC
    qint64 pid = 0;
    qint64 plannedCount = 0;
    // The run ended and said so; a journal that is not closed belongs to a run that died (or
    // is still going).
    bool closed = false;
    // A run journal whose moves were undone since.
    bool undone = false;
};

// The whole content of a journal.
struct Journal {
    JournalSummary summary;
    QList<JournalMove> planned;
    // The moves that happened, in the order they happened.
    QList<JournalMove> done;
    // The move announced last and never confirmed, in a journal that is not closed: the run
    // may have died before, during or after it. Only the disk can tell (JournalRecovery).
    std::optional<JournalMove> inFlight;
    // The number of moves announced, for numbering further ones.
    qint64 intentCount = 0;
    // The length of the whole records; a torn last record starts here and is ignored.
    qint64 validLength = 0;
};

// The run journals in the state folder: naming, listing, reading and pruning.
namespace JournalStore {

// Journals kept: older closed ones are removed when a new journal starts.
inline constexpr int keptJournals = 20;

// ApplicationSupport::stateFolder().
QString folder();

// A fresh file name for a journal that starts now; `sequence` tells apart names taken
// meanwhile. Names sort in the order the journals started.
QString journalFileName(bool isUndo, int sequence);

// Every journal of the folder, oldest first.
QStringList journalPaths();

// The first line and the end of a journal. False with *error naming the path when it is no
// journal of ours or is damaged (other than a torn last record).
bool readSummary(const QString &path, JournalSummary *summary, QString *error);

// The whole journal, checked record by record. A record cut short by a crash while it was
// appended is ignored when it is the last one; any other damage makes the journal unreadable
// (false with *error naming the path and the line), since recovery must never guess.
bool read(const QString &path, Journal *journal, QString *error);

// Removes the oldest closed journals beyond the last `keep`, and the temporary files of
// journals whose process died while writing them. Unfinished and unreadable journals stay.
void prune(int keep = keptJournals);

}  // namespace JournalStore
