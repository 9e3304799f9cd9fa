#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "engine/LegacyRenamerConversion.h"
#include "engine/RenamerCollections.h"
#include "engine/ZKRenamer.h"
#include "tokens/TokenList.h"

using S = RenamerSetting;
using namespace RenamerKeys;
using namespace LegacyRenamerKeys;

class LegacyConversionTest : public EngineTest {
protected:
    QList<ZKRenamerPtr> converted(const QVariantMap &archive) {
        QList<ZKRenamerPtr> renamers;
        EXPECT_TRUE(RenamerCollections::addRenamersFromArchive(renamers, archive));
        return renamers;
    }
    static QList<int> operations(const QList<ZKRenamerPtr> &renamers) {
        QList<int> tags;
        for (const ZKRenamerPtr &renamer : renamers) tags.append(renamer->operation());
        return tags;
    }
    static QVariant token(const QString &identifier) {
        return TokenList::dictionaryByWrappingProxyValue(identifier);
    }
};

TEST_F(LegacyConversionTest, RemoveAndInsertSplitsIntoTwoSteps) {
    const QList<ZKRenamerPtr> both = converted({{kTask, qint64(1)},
                                                {kRemoveLength, qint64(3)},
                                                {kRemoveStart, qint64(2)},
                                                {kInsertString, QStringLiteral("new")},
                                                {kInsertStart, qint64(4)}});
    ASSERT_EQ(operations(both), (QList<int>{RemoveOperation, InsertOperation}));
    EXPECT_EQ(both[0]->integerValue(S::RemoveLength), 3);
    EXPECT_EQ(both[0]->integerValue(S::RemoveStart), 2);
    EXPECT_EQ(both[1]->tokenListValue(S::InsertString), QVariantList{"new"});
    EXPECT_EQ(both[1]->integerValue(S::InsertStart), 4);

    const QList<ZKRenamerPtr> removeOnly =
        converted({{kTask, qint64(1)}, {kRemoveLength, qint64(3)}, {kInsertString, QString()}});
    EXPECT_EQ(operations(removeOnly), QList<int>{RemoveOperation});

    // Without a length there is only the Insert step, even with nothing to insert.
    EXPECT_EQ(operations(converted({{kTask, qint64(1)}, {kRemoveLength, qint64(0)}})),
              QList<int>{InsertOperation});
}

TEST_F(LegacyConversionTest, PrefixAndSuffixSplitsIntoTwoSteps) {
    const QList<ZKRenamerPtr> both = converted({{kTask, qint64(5)},
                                                {kPrefix, QStringLiteral("pre-")},
                                                {kSuffix, QVariantList{QStringLiteral("-post")}},
                                                {kAppendExtension, false}});
    ASSERT_EQ(operations(both), (QList<int>{AddPrefixOperation, AddSuffixOperation}));
    EXPECT_EQ(both[0]->tokenListValue(S::InsertString), QVariantList{"pre-"});
    EXPECT_EQ(both[1]->tokenListValue(S::InsertString), QVariantList{"-post"});
    EXPECT_FALSE(both[1]->switchValue(S::SuffixPreserveExtension));
    EXPECT_EQ(renamed(*both[1], "a.txt"), "a.txt-post");

    EXPECT_EQ(operations(converted({{kTask, qint64(5)}, {kPrefix, QStringLiteral("p")}})),
              QList<int>{AddPrefixOperation});
    EXPECT_EQ(operations(converted({{kTask, qint64(5)}})), QList<int>{AddSuffixOperation});
}

TEST_F(LegacyConversionTest, NumberSequenceWithPrefixAndSuffixCarriesTheSuffixOnce) {
    const QList<ZKRenamerPtr> steps = converted({{kTask, qint64(4)},
                                                 {kSequencePrefix, QStringLiteral("Trip ")},
                                                 {kSequenceSuffix, QStringLiteral(" end")},
                                                 {kSequenceAppendExtension, false},
                                                 {kSequenceFirstNumber, qint64(-4)},
                                                 {kInsertString, QStringLiteral("stale")}});
    ASSERT_EQ(operations(steps), (QList<int>{SequenceOperation, AddSuffixOperation}));
    const ZKRenamerPtr &sequence = steps[0];
    EXPECT_EQ(sequence->integerValue(S::SequenceType), NumberSequence);
    EXPECT_EQ(sequence->integerValue(S::SequenceFirstNumber), -4);
    EXPECT_FALSE(sequence->switchValue(S::SequencePreserveExtension));
    EXPECT_EQ(sequence->tokenListValue(S::InsertString), QVariantList{"Trip "});
    EXPECT_TRUE(sequence->tokenListValue(S::SequenceSuffix).isEmpty());
    EXPECT_EQ(steps[1]->tokenListValue(S::InsertString), QVariantList{" end"});
}

TEST_F(LegacyConversionTest, TermSequenceWithOriginalNamesAndNoPrefix) {
    const QList<ZKRenamerPtr> steps = converted({{kTask, qint64(6)},
                                                 {kSequenceTerms, QStringLiteral("a\nb")},
                                                 {kSequenceUseOriginalNameAsPrefix, true},
                                                 {kSequenceUseOriginalNameAsSuffix, true},
                                                 {kInsertString, QStringLiteral("stale")}});
    ASSERT_EQ(operations(steps), (QList<int>{SequenceOperation, AddSuffixOperation}));
    EXPECT_EQ(steps[0]->integerValue(S::SequenceType), TermSequence);
    EXPECT_EQ(steps[0]->stringValue(S::SequenceTerms), "a\nb");
    EXPECT_EQ(steps[0]->tokenListValue(S::InsertString), QVariantList{token(kPreRenameNameToken)});
    EXPECT_EQ(steps[1]->tokenListValue(S::InsertString), QVariantList{token(kPreRenameNameToken)});

    // Neither prefix nor original name: the sequence keeps what the old archive carried.
    const QList<ZKRenamerPtr> bare =
        converted({{kTask, qint64(6)}, {kInsertString, QStringLiteral("kept")}});
    ASSERT_EQ(operations(bare), QList<int>{SequenceOperation});
    EXPECT_EQ(bare[0]->tokenListValue(S::InsertString), QVariantList{"kept"});
}

TEST_F(LegacyConversionTest, PositiveCapComposesAndCutsThePrefixFromTheStart) {
    const QList<ZKRenamerPtr> steps = converted({{kTask, qint64(4)},
                                                 {kSequenceUseCommonPrefix, true},
                                                 {kSequencePrefix, QStringLiteral("ignored")},
                                                 {kSequenceCap, qint64(5)}});
    ASSERT_EQ(operations(steps),
              (QList<int>{ComposeOperation, RemoveOperation, SequenceOperation}));
    EXPECT_EQ(steps[0]->tokenListValue(S::InsertString), QVariantList{token(kCommonPrefixToken)});
    EXPECT_EQ(steps[1]->integerValue(S::RemoveLength), 5);
    EXPECT_EQ(steps[1]->integerValue(S::RemoveDirection), 0);
    // The capped prefix is read back from the working name, after the name before the run.
    EXPECT_EQ(steps[2]->tokenListValue(S::InsertString),
              (QVariantList{token(kPreRenameNameToken), token(kIntermediateNameToken)}));
}

TEST_F(LegacyConversionTest, NegativeCapCutsFromTheEndAndKeepsOriginalNamePrefix) {
    const QList<ZKRenamerPtr> steps =
        converted({{kTask, qint64(6)},
                   {kSequencePrefix, QVariantList{QStringLiteral("A"), QStringLiteral("B")}},
                   {kSequenceUseOriginalNameAsPrefix, true},
                   {kSequenceCap, qint64(-3)}});
    ASSERT_EQ(operations(steps),
              (QList<int>{ComposeOperation, RemoveOperation, SequenceOperation}));
    EXPECT_EQ(steps[0]->tokenListValue(S::InsertString), (QVariantList{"A", "B"}));
    EXPECT_EQ(steps[1]->integerValue(S::RemoveLength), 3);
    EXPECT_EQ(steps[1]->integerValue(S::RemoveDirection), 1);
    EXPECT_EQ(steps[2]->tokenListValue(S::InsertString),
              (QVariantList{token(kPreRenameNameToken), token(kIntermediateNameToken)}));
}

TEST_F(LegacyConversionTest, CapWithoutPrefixIsIgnored) {
    const QList<ZKRenamerPtr> steps = converted(
        {{kTask, qint64(4)}, {kSequenceUseOriginalNameAsPrefix, true}, {kSequenceCap, qint64(4)}});
    ASSERT_EQ(operations(steps), QList<int>{SequenceOperation});
    EXPECT_EQ(steps[0]->tokenListValue(S::InsertString), QVariantList{token(kPreRenameNameToken)});
}

TEST_F(LegacyConversionTest, CurrentArchivesBecomeOneStep) {
    for (int task : {2, 3, 0, 110, 77}) {
        const QList<ZKRenamerPtr> steps = converted({{kTask, qint64(task)}});
        ASSERT_EQ(steps.size(), 1);
    }
    const QList<ZKRenamerPtr> list = RenamerCollections::renamersFromArchives(
        {QVariantMap{{kTask, qint64(1)}, {kRemoveLength, qint64(1)}, {kInsertString, "x"}},
         QStringLiteral("not an archive"), QVariantMap{{kTask, qint64(2)}}});
    EXPECT_EQ(operations(list),
              (QList<int>{RemoveOperation, InsertOperation, ChangeCaseOperation}));
    EXPECT_EQ(logLines.size(), 1);
}

TEST_F(LegacyConversionTest, UpdatedArchiveMovesKeysAndSetsTheTask) {
    const QVariantMap source = {{"a", 1}, {"b", 2}, {"c", 3}};
    const std::optional<QVariantMap> updated =
        RenamerCollections::updatedArchiveWithDifferingRenamingOperation(QVariant(source), 101,
                                                                         {{"a", "c"}});
    ASSERT_TRUE(updated.has_value());
    EXPECT_EQ(*updated, (QVariantMap{{"b", 2}, {"c", 1}, {kTask, qint64(101)}}));
    QVariantHash hash;
    hash.insert("a", 1);
    EXPECT_TRUE(RenamerCollections::updatedArchiveWithDifferingRenamingOperation(hash, 0, {}));
    EXPECT_FALSE(RenamerCollections::updatedArchiveWithDifferingRenamingOperation(
        QStringLiteral("text"), 0, {}));
    EXPECT_EQ(
        RenamerCollections::renamerFromArchiveWithDifferingRenamingOperation(QVariantList{}, 0, {}),
        nullptr);
}

TEST_F(LegacyConversionTest, LegacyTextLengthCountsStringsAndLists) {
    EXPECT_EQ(RenamerCollections::legacyRenamerTextSettingLength(QStringLiteral("abc")), 3);
    EXPECT_EQ(RenamerCollections::legacyRenamerTextSettingLength(QVariantList{1, 2}), 2);
    EXPECT_EQ(RenamerCollections::legacyRenamerTextSettingLength(qint64(12)), 0);
    EXPECT_EQ(RenamerCollections::legacyRenamerTextSettingLength(QVariant()), 0);
}
