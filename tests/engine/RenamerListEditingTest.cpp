#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "engine/EngineDefaults.h"
#include "engine/RenamerCollections.h"
#include "engine/ZKRenamer.h"

using S = RenamerSetting;
using namespace RenamerKeys;

class RenamerListEditingTest : public EngineTest {
protected:
    ZKRenamerPtr listed(int operation, QVariantMap settings = {}) {
        ZKRenamerPtr renamer = stepWith(operation, settings);
        delegate.renamers_.append(renamer);
        return renamer;
    }
};

TEST_F(RenamerListEditingTest, RemovedStepsComeBackInTheirFormerOrder) {
    listed(RemoveOperation, {{kRemoveLength, qint64(1)}});
    listed(InsertOperation, {{kInsertString, QStringLiteral("x")}});
    listed(AddSuffixOperation, {{kExpanded, false}});
    const QVariantList before = RenamerCollections::archivesFromRenamers(delegate.renamers_);

    delegate.renamers_.first()->remove(-1);
    EXPECT_TRUE(delegate.renamers_.isEmpty());
    EXPECT_EQ(delegate.relayoutsWithNames, 1);
    EXPECT_EQ(ZKRenamer::removedRenamersStack().size(), 3);

    for (int i = 0; i < 3; ++i) {
        delegate.renamers_.append(ZKRenamer::renamerWithArchive(std::nullopt));
    }
    EXPECT_TRUE(RenamerCollections::isEqualToRenamerArchives(
        RenamerCollections::archivesFromRenamers(delegate.renamers_), before, true));
    // Removed steps return expanded.
    EXPECT_TRUE(delegate.renamers_.last()->switchValue(S::Expanded));
    // With the stack empty a new step has the defaults.
    EXPECT_EQ(ZKRenamer::renamerWithArchive(std::nullopt)->operation(), FindAndReplaceOperation);
}

TEST_F(RenamerListEditingTest, RemovingOneStepPushesOnlyIt) {
    listed(RemoveOperation, {{kRemoveLength, qint64(1)}});
    const ZKRenamerPtr middle = listed(InsertOperation, {{kInsertString, QStringLiteral("x")}});
    listed(AddPrefixOperation);
    middle->remove();
    ASSERT_EQ(delegate.renamers_.size(), 2);
    EXPECT_EQ(delegate.renamers_[1]->operation(), AddPrefixOperation);
    EXPECT_TRUE(ZKRenamer::renamerPoppedFromRemovedRenamersStack()->isEqual(middle.get()));
    EXPECT_EQ(ZKRenamer::renamerPoppedFromRemovedRenamersStack(), nullptr);
}

TEST_F(RenamerListEditingTest, DisabledStackKeepsNothing) {
    setUserDefault(EngineDefaults::kDisableRemovedRenamersStack, true);
    const ZKRenamerPtr step = listed(RemoveOperation, {{kRemoveLength, qint64(1)}});
    EXPECT_FALSE(step->pushOnRemovedRenamersStack());
    step->remove();
    EXPECT_TRUE(delegate.renamers_.isEmpty());
    EXPECT_TRUE(ZKRenamer::removedRenamersStack().isEmpty());
}

TEST_F(RenamerListEditingTest, NewStepComesFromTheFirstDefaultArchive) {
    writeDefaultSteps({QVariantMap{{kTask, qint64(103)}, {kInsertString, QStringLiteral("_x")}},
                       QVariantMap{{kTask, qint64(2)}}});
    const ZKRenamerPtr fresh = ZKRenamer::renamerWithArchive(std::nullopt);
    EXPECT_EQ(fresh->operation(), AddSuffixOperation);
    EXPECT_EQ(fresh->tokenListValue(S::InsertString), QVariantList{"_x"});

    // The removed-steps stack comes first.
    ASSERT_TRUE(
        stepWith(RemoveOperation, {{kRemoveLength, qint64(9)}})->pushOnRemovedRenamersStack());
    EXPECT_EQ(ZKRenamer::renamerWithArchive(std::nullopt)->integerValue(S::RemoveLength), 9);
}

TEST_F(RenamerListEditingTest, DefaultRenamersConvertAllDefaultArchives) {
    QList<ZKRenamerPtr> renamers;
    RenamerCollections::addDefaultRenamers(renamers);
    ASSERT_EQ(renamers.size(), 1);
    EXPECT_TRUE(renamers[0]->archiveWithIrrelevantSettings(true, true, true).isEmpty());

    writeDefaultSteps(
        {QVariantMap{
             {kTask, qint64(1)}, {kRemoveLength, qint64(1)}, {kInsertString, QStringLiteral("x")}},
         QVariantMap{{kTask, qint64(2)}}});
    renamers.clear();
    RenamerCollections::addDefaultRenamers(renamers);
    ASSERT_EQ(renamers.size(), 3);
    EXPECT_EQ(renamers[2]->operation(), ChangeCaseOperation);
}

TEST_F(RenamerListEditingTest, DuplicateIsInsertedAfterTheOriginal) {
    listed(RemoveOperation);
    const ZKRenamerPtr original =
        listed(InsertOperation, {{kInsertString, QStringLiteral("x")}, {kExpanded, false}});
    listed(AddPrefixOperation);
    const ZKRenamerPtr copy = original->duplicate();
    ASSERT_NE(copy, nullptr);
    ASSERT_EQ(delegate.renamers_.size(), 4);
    EXPECT_EQ(delegate.renamers_[2], copy);
    EXPECT_TRUE(copy->isEqual(original.get()));
    EXPECT_TRUE(copy->switchValue(S::Expanded));
    EXPECT_TRUE(logLines.isEmpty());
}

TEST_F(RenamerListEditingTest, DuplicateOfAnUnlistedStepIsAppended) {
    listed(RemoveOperation);
    const ZKRenamerPtr zombie = stepWith(AddSuffixOperation);
    const ZKRenamerPtr copy = zombie->duplicate();
    ASSERT_EQ(delegate.renamers_.size(), 2);
    EXPECT_EQ(delegate.renamers_.last(), copy);
    ASSERT_EQ(logLines.size(), 1);
    EXPECT_TRUE(logLines.first().startsWith("zombie duplicate: <ZKRenamer: Add Suffix 0x"));
}

TEST_F(RenamerListEditingTest, ForgettingNumericSettingsOnQuitResetsRemove) {
    const QList<ZKRenamerPtr> steps = {stepWith(RemoveOperation, {{kRemoveStart, qint64(4)},
                                                                  {kRemoveLength, qint64(2)},
                                                                  {kRemoveDirection, qint64(1)}}),
                                       stepWith(InsertOperation, {{kInsertString, "x"}})};
    setUserDefault(EngineDefaults::kForgetNumericSettingsOnQuit, true);
    QList<ZKRenamerPtr> restored =
        RenamerCollections::renamersFromArchives(RenamerCollections::archivesForNextLaunch(steps));
    ASSERT_EQ(restored.size(), 2);
    EXPECT_EQ(restored[0]->integerValue(S::RemoveStart), 1);
    EXPECT_EQ(restored[0]->integerValue(S::RemoveLength), 0);
    EXPECT_EQ(restored[0]->integerValue(S::RemoveDirection), 1);
    EXPECT_EQ(restored[1]->tokenListValue(S::InsertString), QVariantList{"x"});

    setUserDefault(EngineDefaults::kForgetTextSettingsOnQuit, true);
    restored =
        RenamerCollections::renamersFromArchives(RenamerCollections::archivesForNextLaunch(steps));
    EXPECT_TRUE(restored[1]->tokenListValue(S::InsertString).isEmpty());
    // Every other use of archives keeps both.
    EXPECT_EQ(RenamerCollections::archivesFromRenamers(steps)[0].toMap().value(kRemoveLength),
              QVariant(qint64(2)));
}
