#pragma once

#include <QTextStream>

// Tells on `err` about rename runs that died half-way (and about journals that cannot be
// read), with the advice to run `torvane-cli revert`. Answers whether there was any. Commands
// that touch files call it first, so that nobody builds on a half-renamed folder unawares.
bool reportUnfinishedJournal(QTextStream &err);
