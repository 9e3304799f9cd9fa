#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "engine/EngineDefaults.h"
#include "engine/RenamerCollections.h"
#include "engine/ZKRenamer.h"

using S = RenamerSetting;
using namespace RenamerKeys;
using RenamerCollections::isEqualToRenamerArchive;

class RenamerEqualityTest : public EngineTest {};

TEST_F(RenamerEqualityTest, TitleCaseCutOffCountsOnlyForTitleCase) {
    const ZKRenamerPtr a = stepWith(ChangeCaseOperation, {{kTitleCaseExceptionCutOff, qint64(3)}});
    const ZKRenamerPtr b = stepWith(ChangeCaseOperation, {{kTitleCaseExceptionCutOff, qint64(5)}});
    EXPECT_TRUE(a->isEqualToRenamer(*b, false, true, true));
    EXPECT_FALSE(a->isEqualToRenamer(*b, true, true, true));

    a->setChoiceValue(S::ChangeCaseName, kTitleCaseNameMode);
    b->setChoiceValue(S::ChangeCaseName, kTitleCaseNameMode);
    EXPECT_FALSE(a->isEqualToRenamer(*b, false, true, true));
}

TEST_F(RenamerEqualityTest, ExpansionStateIsNeverCompared) {
    const ZKRenamerPtr a = stepWith(RemoveOperation, {{kExpanded, false}});
    const ZKRenamerPtr b = stepWith(RemoveOperation);
    EXPECT_TRUE(a->isEqualToRenamer(*b, true, true, true));
    EXPECT_TRUE(a->isEqual(b.get()));
    EXPECT_TRUE(isEqualToRenamerArchive({{kExpanded, false}}, {}, true));
}

TEST_F(RenamerEqualityTest, TextAndNumericFlagsLeaveThoseSettingsOut) {
    const ZKRenamerPtr a = stepWith(
        InsertOperation, {{kInsertString, QStringLiteral("a")}, {kInsertStart, qint64(3)}});
    const ZKRenamerPtr b = stepWith(
        InsertOperation, {{kInsertString, QStringLiteral("b")}, {kInsertStart, qint64(4)}});
    EXPECT_TRUE(a->isEqualToRenamer(*b, false, false, false));
    EXPECT_FALSE(a->isEqualToRenamer(*b, false, true, false));
    EXPECT_FALSE(a->isEqualToRenamer(*b, false, false, true));
    EXPECT_FALSE(a->isEqual(nullptr));
}

TEST_F(RenamerEqualityTest, IsEqualFollowsStoreIrrelevantSettings) {
    const ZKRenamerPtr a = stepWith(RemoveOperation, {{kTarget, QStringLiteral("x")}});
    const ZKRenamerPtr b = stepWith(RemoveOperation);
    EXPECT_TRUE(a->isEqual(b.get()));
    setUserDefault(EngineDefaults::kStoreIrrelevantSettings, true);
    EXPECT_FALSE(a->isEqual(b.get()));
}

TEST_F(RenamerEqualityTest, ArchivesCompareByTheirOwnRelevance) {
    // A missing "Task" is Find and Replace.
    EXPECT_TRUE(isEqualToRenamerArchive({{kTarget, "x"}}, {{kTarget, "x"}}, false));
    EXPECT_FALSE(isEqualToRenamerArchive({{kTarget, "x"}}, {{kTarget, "y"}}, false));
    EXPECT_FALSE(isEqualToRenamerArchive({{kTask, qint64(100)}}, {{kTask, qint64(101)}}, false));
    // Irrelevant keys of either side do not count unless asked for.
    const QVariantMap withIrrelevant = {{kTask, qint64(100)}, {kTarget, QStringLiteral("x")}};
    const QVariantMap plain = {{kTask, qint64(100)}};
    EXPECT_TRUE(isEqualToRenamerArchive(withIrrelevant, plain, false));
    EXPECT_TRUE(isEqualToRenamerArchive(plain, withIrrelevant, false));
    EXPECT_FALSE(isEqualToRenamerArchive(plain, withIrrelevant, true));
    // The same number of compared keys is not enough: the keys must match.
    EXPECT_FALSE(isEqualToRenamerArchive({{kTask, qint64(100)}, {kRemoveStart, qint64(2)}},
                                         {{kTask, qint64(100)}, {kRemoveLength, qint64(2)}},
                                         false));
    // Each archive is judged by its own sequence type.
    EXPECT_FALSE(isEqualToRenamerArchive({{kTask, qint64(110)},
                                          {kSequenceType, qint64(1000)},
                                          {kSequenceTerms, QStringLiteral("a")}},
                                         {{kTask, qint64(110)}, {kSequenceType, qint64(1000)}},
                                         false));
}

TEST_F(RenamerEqualityTest, ArchiveValuesCompareByKind) {
    const QVariantMap number = {{kTask, qint64(100)}, {kRemoveStart, qint64(3)}};
    EXPECT_TRUE(isEqualToRenamerArchive(number, {{kTask, 100}, {kRemoveStart, 3}}, false));
    EXPECT_TRUE(
        isEqualToRenamerArchive(number, {{kTask, qint64(100)}, {kRemoveStart, 3.0}}, false));
    EXPECT_FALSE(isEqualToRenamerArchive(
        number, {{kTask, qint64(100)}, {kRemoveStart, QStringLiteral("3")}}, false));
    EXPECT_TRUE(isEqualToRenamerArchive({{kIgnoreCase, false}}, {{kIgnoreCase, qint64(0)}}, false));
}

TEST_F(RenamerEqualityTest, ListsCompareElementByElement) {
    const QList<ZKRenamerPtr> one = {stepWith(RemoveOperation), stepWith(InsertOperation)};
    const QList<ZKRenamerPtr> two = {stepWith(RemoveOperation), stepWith(InsertOperation)};
    const QList<ZKRenamerPtr> swapped = {stepWith(InsertOperation), stepWith(RemoveOperation)};
    EXPECT_TRUE(RenamerCollections::isEqualToRenamers(one, two, false));
    EXPECT_FALSE(RenamerCollections::isEqualToRenamers(one, swapped, false));
    EXPECT_FALSE(RenamerCollections::isEqualToRenamers(one, {one.first()}, false));
    EXPECT_TRUE(RenamerCollections::isEqualToRenamerArchives(
        RenamerCollections::archivesFromRenamers(one),
        RenamerCollections::archivesFromRenamers(two), false));
    EXPECT_FALSE(RenamerCollections::isEqualToRenamerArchives(
        RenamerCollections::archivesFromRenamers(one),
        RenamerCollections::archivesFromRenamers(swapped), false));
}

TEST_F(RenamerEqualityTest, OperationNameOfAListIsSharedOrNothing) {
    EXPECT_EQ(RenamerCollections::operationNameFromRenamers(
                  {stepWith(RemoveOperation), stepWith(RemoveOperation)}),
              "Remove");
    EXPECT_EQ(RenamerCollections::operationNameFromRenamers(
                  {stepWith(RemoveOperation), stepWith(InsertOperation)}),
              QString());
    EXPECT_EQ(RenamerCollections::operationNameFromRenamers({}), QString());
}
