#include "SequenceTestSupport.h"

#include <memory>
#include <vector>

#include "EngineTestSupport.h"
#include "support/FakeFileItem.h"
#include "tokens/TokenList.h"

namespace {

QStringList onePass(ZKRenamer &step, const QStringList &names, const QStringList &identifiers) {
    std::vector<std::unique_ptr<FakeFileItem>> items;
    QStringList results;
    for (qsizetype index = 0; index < names.size(); ++index) {
        if (!identifiers.isEmpty()) {
            step.setTokenListValue(RenamerSetting::SequenceIdentifier,
                                   TokenList::fromString(identifiers.at(index)));
        }
        items.push_back(std::make_unique<FakeFileItem>(names.at(index)));
        step.processFileRepresentation(items.back().get(), index, names.size(), nullptr);
        results.append(items.back()->intermediateName());
    }
    return results;
}

}  // namespace

QStringList computedNames(ZKRenamer &step, const QStringList &names, const QStringList &identifiers,
                          int *passes) {
    QStringList results = onePass(step, names, identifiers);
    if (passes) *passes = 1;
    if (step.cleanUpAfterUpdatingAndAnalyzeSequenceIdentifiers(true)) {
        results = onePass(step, names, identifiers);
        EXPECT_FALSE(step.cleanUpAfterUpdatingAndAnalyzeSequenceIdentifiers(false));
        if (passes) *passes = 2;
    }
    return results;
}

ZKRenamerPtr sequenceStep(QVariantMap settings) {
    return stepWith(SequenceOperation, std::move(settings));
}
