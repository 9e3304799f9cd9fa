#pragma once

#include <QString>
#include <QTextStream>

#include "common/HelperThread.h"

// Whether the commands that touch files may ask on the terminal about interrupted runs;
// runCli sets it from standard input (a terminal or not). Off by default.
void setUnfinishedJournalOfferInteractive(bool interactive);

// Called first by the commands that touch files (preview, rename), so that nobody builds on
// a half-renamed folder unawares. On a terminal (see above) it offers to finish or undo every
// rename run that died half-way (UnfinishedRunOffer, asked on the terminal); otherwise it
// tells on `err` about such runs (and about journals that cannot be read), with the advice
// to run `torvane-cli finish` or `torvane-cli revert`. Answers whether any was left
// unfinished or unreadable.
bool reportUnfinishedJournal(QTextStream &err);

// The same report, with the journals read on a thread of their own while the command lists
// its items; the warnings are printed by print(), or when the report goes out of scope. The
// offer on a terminal is made at once, before anything is listed: its answer may move files.
class UnfinishedJournalReport {
public:
    explicit UnfinishedJournalReport(QTextStream &err);
    ~UnfinishedJournalReport();
    UnfinishedJournalReport(const UnfinishedJournalReport &) = delete;
    UnfinishedJournalReport &operator=(const UnfinishedJournalReport &) = delete;

    void print();

private:
    QTextStream &err_;
    HelperThread reader_;
    QString warnings_;
};
