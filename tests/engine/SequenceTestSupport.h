#pragma once

#include <QStringList>

#include "engine/ZKRenamer.h"

// One name computation as the controller runs it: every item through the step in list order,
// then the clean-up with analysis, and when the step asks for it a second pass followed by
// the final clean-up. With identifiers, the step's identifier is set to the item's entry
// before the item is processed, standing in for a token that resolves differently per file.
// *passes receives the number of passes run.
QStringList computedNames(ZKRenamer &step, const QStringList &names,
                          const QStringList &identifiers = {}, int *passes = nullptr);

// A Sequence step with the given settings.
ZKRenamerPtr sequenceStep(QVariantMap settings = {});
