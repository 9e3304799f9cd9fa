#pragma once

#include <QTextStream>

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
