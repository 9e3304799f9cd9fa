#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "journal/RunJournal.h"

// Runs recorded the way the rename run records them, in the isolated state folder.
namespace JournalTestSupport {

// Empties the state folder of journals, so that every test starts with none.
void removeAllJournals();

// Makes the moves in order with no-clobber moves, each announced and confirmed in a new
// journal that is closed at the end; answers its path. With crashAt = i the run dies at move
// i after announcing it, having made it or not: the journal stays unfinished.
enum class Crash { BeforeMove, AfterMove };
QString recordRun(const QList<JournalMove> &moves, int crashAt = -1,
                  Crash crash = Crash::BeforeMove);

QByteArray contentOf(const QByteArray &path);
bool exists(const QByteArray &path);

// Whole-file access for damaging journals.
QByteArray readAll(const QString &path);
void writeAll(const QString &path, const QByteArray &data);

}  // namespace JournalTestSupport
