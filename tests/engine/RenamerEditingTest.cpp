#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "engine/ZKDefaultRenamingDelegate.h"
#include "engine/ZKRenamer.h"

using S = RenamerSetting;
using namespace RenamerKeys;

class RenamerEditingTest : public EngineTest {};

TEST_F(RenamerEditingTest, LayoutChoicesRelayoutOtherControlsRecomputeAtOnce) {
    ZKRenamer renamer;
    EXPECT_TRUE(renamer.setOperation(ChangeCaseOperation));
    EXPECT_TRUE(renamer.setChoiceValue(S::ChangeCaseName, 4));
    EXPECT_TRUE(renamer.setChoiceValue(S::SequenceType, TermSequence));
    EXPECT_EQ(delegate.relayoutsWithNames, 3);
    EXPECT_EQ(delegate.immediateUpdates, 0);

    delegate.resetCounts();
    renamer.setChoiceValue(S::ChangeCaseExtension, 1);
    renamer.setSwitchValue(S::IgnoreCase, false);
    EXPECT_EQ(delegate.immediateUpdates, 2);
    EXPECT_EQ(delegate.relayouts, 0);

    // An unchanged value asks for nothing.
    delegate.resetCounts();
    renamer.setSwitchValue(S::IgnoreCase, false);
    renamer.setOperation(ChangeCaseOperation);
    EXPECT_EQ(delegate.immediateUpdates + delegate.relayouts, 0);
}

TEST_F(RenamerEditingTest, TypedTextWaitsUnlessTheDelayIsSkipped) {
    ZKRenamer renamer;
    renamer.setTokenListValue(S::Target, {QStringLiteral("a")});
    renamer.setNumberValue(S::RemoveStart, 3);
    renamer.setStringValue(S::AdvancedPrototype, QStringLiteral("[now]"));
    EXPECT_EQ(delegate.delayedUpdates, 3);
    EXPECT_EQ(delegate.immediateUpdates, 0);
    renamer.setTokenListValue(S::Target, {QStringLiteral("b")}, true);
    EXPECT_EQ(delegate.immediateUpdates, 1);
}

TEST_F(RenamerEditingTest, SettersRefuseOtherKindsAndUnknownTags) {
    ZKRenamer renamer;
    EXPECT_FALSE(renamer.setOperation(5));
    EXPECT_FALSE(renamer.setChoiceValue(S::TitleCaseExceptionCutOff, 0));
    EXPECT_FALSE(renamer.setSwitchValue(S::Target, true));
    EXPECT_FALSE(renamer.setNumberValue(S::Task, 100));
    EXPECT_FALSE(renamer.setTokenListValue(S::SequenceTerms, {}));
    EXPECT_FALSE(renamer.setStringValue(S::Target, QStringLiteral("x")));
    EXPECT_EQ(renamer.operation(), FindAndReplaceOperation);
    EXPECT_EQ(delegate.relayouts + delegate.immediateUpdates + delegate.delayedUpdates, 0);
}

TEST_F(RenamerEditingTest, TermsLineEndsBecomeLineFeeds) {
    ZKRenamer renamer;
    renamer.setStringValue(S::SequenceTerms, QStringLiteral("a\r\nb\rc\n\r\nd"));
    EXPECT_EQ(renamer.stringValue(S::SequenceTerms), "a\nb\nc\n\nd");
}

TEST_F(RenamerEditingTest, InsertTextIsSharedAcrossOperations) {
    ZKRenamer renamer;
    renamer.setOperation(InsertOperation);
    renamer.setTokenListValue(S::InsertString, {QStringLiteral("new ")});
    renamer.setOperation(AddPrefixOperation);
    EXPECT_EQ(renamed(renamer, "file.txt"), "new file.txt");
    renamer.setOperation(ComposeOperation);
    EXPECT_EQ(renamed(renamer, "file.txt"), "new .txt");
}

TEST_F(RenamerEditingTest, SettingKeysAndRelevance) {
    ZKRenamer renamer;
    int value = 0;
    EXPECT_EQ(renamer.nameOfSettingForControl(S::TitleCaseExceptionCutOff, &value),
              kTitleCaseExceptionCutOff);
    EXPECT_EQ(value, 2);
    // A zero default leaves the out value as it was.
    value = 7;
    EXPECT_EQ(renamer.nameOfSettingForControl(S::RemoveLength, &value), kRemoveLength);
    EXPECT_EQ(value, 7);
    EXPECT_EQ(renamer.nameOfSettingForControl(S::RemoveLength, false, nullptr), QString());
    EXPECT_EQ(renamer.nameOfSettingForControl(S::RemoveLength, true, nullptr), kRemoveLength);
    EXPECT_EQ(renamer.nameOfSettingForControl(S::Expanded, false, nullptr), kExpanded);

    renamer.setOperation(SequenceOperation);
    EXPECT_TRUE(renamer.isRelevant(S::SequenceMinimumNumberOfDigits));
    EXPECT_FALSE(renamer.isRelevant(S::SequenceTerms));
    EXPECT_TRUE(renamer.isRelevant(S::InsertString));
    renamer.setChoiceValue(S::SequenceType, TermSequence);
    EXPECT_TRUE(renamer.isRelevant(S::SequenceTerms));
    EXPECT_FALSE(renamer.isRelevant(S::SequenceFirstNumber));
    renamer.setChoiceValue(S::SequenceType, LowercaseRomanSequence);
    EXPECT_FALSE(renamer.isRelevant(S::SequenceMinimumNumberOfDigits));
    EXPECT_TRUE(renamer.isRelevant(S::SequenceStepValue));
    EXPECT_FALSE(RenamerSettings::isKeyRelevant(kSequenceTerms + kReflectedPathSuffix,
                                                SequenceOperation, 0, TermSequence));
}

TEST_F(RenamerEditingTest, DelegateFallsBackToTheApplicationsThenTheDefault) {
    ZKRenamer renamer;
    EXPECT_EQ(renamer.renamingDelegate(), &delegate);
    RecordingDelegate own;
    renamer.setRenamingDelegate(&own);
    EXPECT_EQ(renamer.renamingDelegate(), &own);
    renamer.setRenamingDelegate(nullptr);
    ZKRenamer::setApplicationRenamingDelegate(nullptr);
    EXPECT_EQ(renamer.renamingDelegate(), &ZKDefaultRenamingDelegate::sharedDelegate());
    EXPECT_TRUE(ZKDefaultRenamingDelegate::sharedDelegate().useFreeSpacingMode());
}
