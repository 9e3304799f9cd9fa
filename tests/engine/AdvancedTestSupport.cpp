#include "AdvancedTestSupport.h"

#include "engine/RenamerSettings.h"
#include "support/FakeFileItem.h"

AdvancedOutcome AdvancedTest::run(const QString &prototype, const QStringList &names) {
    step = stepWith(AdvancedOperation, {{RenamerKeys::kAdvancedPrototype, prototype}});
    AdvancedOutcome outcome;
    std::vector<std::unique_ptr<FakeFileItem>> items;
    for (const QString &name : names) items.push_back(std::make_unique<FakeFileItem>(name));
    if (items.empty()) step->processFileRepresentation(nullptr, 0, 0, &outcome.syntaxError);
    for (size_t index = 0; index < items.size(); ++index) {
        step->processFileRepresentation(items[index].get(), qint64(index), qint64(items.size()),
                                        &outcome.syntaxError);
        outcome.names << items[index]->intermediateName();
    }
    step->cleanUpAfterUpdatingAndAnalyzeSequenceIdentifiers(true);
    outcome.errors = step->advancedErrorMessage().value_or(QString());
    return outcome;
}

QString AdvancedTest::named(const QString &prototype, const QString &name) {
    const AdvancedOutcome outcome = run(prototype, {name});
    EXPECT_EQ(outcome.errors, "") << prototype.left(200).toStdString();
    return outcome.names.value(0);
}

QString AdvancedTest::errorsOf(const QString &prototype, const QString &name) {
    const AdvancedOutcome outcome = run(prototype, {name});
    EXPECT_TRUE(outcome.syntaxError) << prototype.left(200).toStdString();
    EXPECT_EQ(outcome.names.value(0), name) << "a failed evaluation keeps the name";
    return outcome.errors;
}
