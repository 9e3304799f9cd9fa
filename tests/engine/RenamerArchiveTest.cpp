#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "common/PropertyList.h"
#include "engine/EngineDefaults.h"
#include "engine/ZKRenamer.h"
#include "tokens/TokenList.h"

using S = RenamerSetting;
using namespace RenamerKeys;

class RenamerArchiveTest : public EngineTest {};

TEST_F(RenamerArchiveTest, DefaultStepArchivesToNothing) {
    ZKRenamer renamer;
    EXPECT_EQ(renamer.operation(), FindAndReplaceOperation);
    EXPECT_TRUE(renamer.archiveWithIrrelevantSettings(true, true, true).isEmpty());
    EXPECT_TRUE(renamer.archiveData().isEmpty());
    EXPECT_FALSE(renamer.pushOnRemovedRenamersStack());
    EXPECT_TRUE(ZKRenamer::removedRenamersStack().isEmpty());
}

TEST_F(RenamerArchiveTest, NewStepHasTheTableDefaults) {
    ZKRenamer renamer;
    EXPECT_TRUE(renamer.switchValue(S::IgnoreCase));
    EXPECT_FALSE(renamer.switchValue(S::QueryIsRegEx));
    EXPECT_TRUE(renamer.switchValue(S::Expanded));
    EXPECT_TRUE(renamer.switchValue(S::SetExtensionChangeOnly));
    EXPECT_EQ(renamer.integerValue(S::RemoveStart), 1);
    EXPECT_EQ(renamer.integerValue(S::RemoveLength), 0);
    EXPECT_EQ(renamer.integerValue(S::ChangeCaseName), 2);
    EXPECT_EQ(renamer.integerValue(S::TitleCaseExceptionCutOff), 2);
    EXPECT_EQ(renamer.integerValue(S::SequenceFirstNumber), 1);
    EXPECT_EQ(renamer.integerValue(S::SequenceStepValue), 1);
    EXPECT_TRUE(renamer.tokenListValue(S::InsertString).isEmpty());
}

// A step with settings away from their defaults in every kind, negative numbers included.
static ZKRenamerPtr busySequenceStep() {
    const QVariantList prefix = {QStringLiteral("Trip "), TokenList::dictionaryByWrappingProxyValue(
                                                              "name: pre-rename: name")};
    return ZKRenamer::renamerWithArchive(QVariantMap{
        {kTask, qint64(SequenceOperation)},
        {kSequenceType, qint64(TermSequence)},
        {kSequenceTerms, QStringLiteral("spring\nsummer")},
        {kSequenceTerms + kReflectedPathSuffix, QStringLiteral("/home/me/terms.txt")},
        {kInsertString, prefix},
        {kSequenceSuffix, QVariantList{QStringLiteral("-end")}},
        {kSequencePreserveExtension, false},
        {kSequenceFirstNumber, qint64(-5)},
        {kSequenceStepValue, qint64(-2)},
        {kRemoveStart, qint64(-3)},
        {kExpanded, false},
        {kAdvancedPrototype, QStringLiteral("[uppercase <name>]")},
    });
}

TEST_F(RenamerArchiveTest, ArchiveSurvivesBothPropertyListForms) {
    const ZKRenamerPtr original = busySequenceStep();
    const QVariantMap archive = original->archiveWithIrrelevantSettings(true, true, true);
    EXPECT_EQ(archive.value(kSequenceFirstNumber).toLongLong(), -5);
    EXPECT_EQ(archive.value(kSequenceTerms + kReflectedPathSuffix).toString(),
              "/home/me/terms.txt");
    for (PropertyList::Format format : {PropertyList::Format::Binary, PropertyList::Format::Xml}) {
        const QVariant parsed = PropertyList::fromData(PropertyList::toData(archive, format));
        ASSERT_EQ(parsed.typeId(), QMetaType::QVariantMap);
        const ZKRenamerPtr copy = ZKRenamer::renamerWithArchive(parsed.toMap());
        EXPECT_TRUE(copy->isEqualToRenamer(*original, true, true, true));
        EXPECT_EQ(copy->integerValue(S::RemoveStart), -3);
        EXPECT_EQ(copy->integerValue(S::SequenceStepValue), -2);
        EXPECT_EQ(copy->tokenListValue(S::InsertString), original->tokenListValue(S::InsertString));
        EXPECT_EQ(copy->sequenceTermsReflectedPath(), "/home/me/terms.txt");
        EXPECT_FALSE(copy->switchValue(S::Expanded));
        EXPECT_EQ(copy->archiveWithIrrelevantSettings(true, true, true), archive);
    }
}

TEST_F(RenamerArchiveTest, ArchiveDataMakesAnEqualStep) {
    const ZKRenamerPtr original = busySequenceStep();
    const QByteArray data = original->archiveData();
    ASSERT_FALSE(data.isEmpty());
    EXPECT_TRUE(data.startsWith("bplist"));
    EXPECT_TRUE(ZKRenamer::renamerWithData(data)->isEqual(original.get()));
}

TEST_F(RenamerArchiveTest, IrrelevantTextAndNumericSettingsFollowTheirFlags) {
    const ZKRenamerPtr renamer = ZKRenamer::renamerWithArchive(QVariantMap{
        {kTask, qint64(RemoveOperation)},
        {kRemoveLength, qint64(4)},
        {kTarget, QVariantList{QStringLiteral("x")}},
    });
    const QVariantMap relevantOnly = renamer->archiveWithIrrelevantSettings(false, true, true);
    EXPECT_EQ(relevantOnly.value(kRemoveLength).toLongLong(), 4);
    EXPECT_FALSE(relevantOnly.contains(kTarget));
    EXPECT_TRUE(renamer->archiveWithIrrelevantSettings(true, true, true).contains(kTarget));
    EXPECT_FALSE(renamer->archiveWithIrrelevantSettings(true, false, true).contains(kTarget));
    EXPECT_FALSE(
        renamer->archiveWithIrrelevantSettings(false, true, false).contains(kRemoveLength));
    // Switches and choices are always written.
    EXPECT_EQ(renamer->archiveWithIrrelevantSettings(false, false, false).value(kTask).toInt(),
              RemoveOperation);
}

TEST_F(RenamerArchiveTest, ReflectedPathIsKeptWithEmptyTerms) {
    const ZKRenamerPtr renamer =
        stepWith(SequenceOperation, {{kSequenceType, qint64(TermSequence)}});
    renamer->setSequenceTermsReflectedPath("/home/me/empty.csv");
    const QVariantMap archive = renamer->archiveWithIrrelevantSettings(false, true, true);
    EXPECT_FALSE(archive.contains(kSequenceTerms));
    EXPECT_EQ(archive.value(kSequenceTerms + kReflectedPathSuffix).toString(),
              "/home/me/empty.csv");
}

TEST_F(RenamerArchiveTest, NumbersAndChoicesReadBackAs32BitSigned) {
    const ZKRenamerPtr renamer = ZKRenamer::renamerWithArchive(QVariantMap{
        {kRemoveLength, (qint64(1) << 32) + 1},
        {kRemoveStart, (qint64(1) << 32) - 1},
        {kSequenceFirstNumber, qint64(1) << 31},
        {kTask, (qint64(1) << 32) + RemoveOperation},
        {kInsertStart, 7.9},
    });
    EXPECT_EQ(renamer->integerValue(S::RemoveLength), 1);
    EXPECT_EQ(renamer->integerValue(S::RemoveStart), -1);
    EXPECT_EQ(renamer->integerValue(S::SequenceFirstNumber), -(qint64(1) << 31));
    EXPECT_EQ(renamer->operation(), RemoveOperation);
    EXPECT_EQ(renamer->integerValue(S::InsertStart), 7);
}

TEST_F(RenamerArchiveTest, FirstNumberHolds64BitsUntilArchived) {
    ZKRenamer renamer;
    const qint64 big = qint64(1) << 40;
    renamer.setNumberValue(S::SequenceFirstNumber, big);
    EXPECT_EQ(renamer.integerValue(S::SequenceFirstNumber), big);
    EXPECT_EQ(renamer.archiveWithIrrelevantSettings(true, true, true).value(kSequenceFirstNumber),
              QVariant(big));
}

TEST_F(RenamerArchiveTest, WrongKindsAndUnknownTagsFallBack) {
    const ZKRenamerPtr renamer = ZKRenamer::renamerWithArchive(QVariantMap{
        {kIgnoreCase, QStringLiteral("no")},
        {kRemoveLength, QStringLiteral("12")},
        {kSequenceTerms, qint64(3)},
        {kAdvancedPrototype, QVariantList{QStringLiteral("x")}},
        {kTask, qint64(7)},
        {kChangeCaseName, qint64(9)},
        {kTitleCaseExceptionCutOff, qint64(0)},
        {kSequenceType, qint64(12)},
        {QStringLiteral("Unknown Key"), qint64(1)},
    });
    EXPECT_TRUE(renamer->switchValue(S::IgnoreCase));
    EXPECT_EQ(renamer->integerValue(S::RemoveLength), 0);
    EXPECT_TRUE(renamer->stringValue(S::SequenceTerms).isEmpty());
    EXPECT_TRUE(renamer->stringValue(S::AdvancedPrototype).isEmpty());
    // Tags with no menu item select the menu's first item.
    EXPECT_EQ(renamer->operation(), FindAndReplaceOperation);
    EXPECT_EQ(renamer->integerValue(S::ChangeCaseName), 0);
    EXPECT_EQ(renamer->integerValue(S::TitleCaseExceptionCutOff), 1);
    EXPECT_EQ(renamer->integerValue(S::SequenceType), NumberSequence);
}

TEST_F(RenamerArchiveTest, SingleValueWhereTokenListIsExpectedBecomesOneItem) {
    const ZKRenamerPtr renamer = ZKRenamer::renamerWithArchive(QVariantMap{
        {kTarget, QStringLiteral("old")},
        {kReplacement, TokenList::dictionaryByWrappingProxyValue("name: pre-rename: name")},
        {kInsertString, QString()},
    });
    EXPECT_EQ(renamer->tokenListValue(S::Target), QVariantList{QStringLiteral("old")});
    ASSERT_EQ(renamer->tokenListValue(S::Replacement).size(), 1);
    EXPECT_TRUE(TokenList::isWrappedProxy(renamer->tokenListValue(S::Replacement).first()));
    EXPECT_TRUE(renamer->tokenListValue(S::InsertString).isEmpty());
    EXPECT_EQ(renamer->archiveWithIrrelevantSettings(true, true, true).value(kTarget),
              QVariant(QVariantList{QStringLiteral("old")}));
}

TEST_F(RenamerArchiveTest, DataThatIsNoDictionaryActsAsNoArchive) {
    const ZKRenamerPtr removed = stepWith(RemoveOperation, {{kRemoveLength, qint64(2)}});
    ASSERT_TRUE(removed->pushOnRemovedRenamersStack());
    // Garbage brings back the removed step, as a new step without archive would.
    const ZKRenamerPtr fromGarbage = ZKRenamer::renamerWithData("not a property list");
    EXPECT_TRUE(fromGarbage->isEqual(removed.get()));
    const ZKRenamerPtr fromArray = ZKRenamer::renamerWithData(
        PropertyList::toData(QVariantList{qint64(1)}, PropertyList::Format::Binary));
    EXPECT_EQ(fromArray->operation(), FindAndReplaceOperation);
    EXPECT_TRUE(fromArray->archiveWithIrrelevantSettings(true, true, true).isEmpty());
}

TEST_F(RenamerArchiveTest, StoreIrrelevantSettingsWidensArchiveData) {
    const ZKRenamerPtr renamer = stepWith(RemoveOperation, {{kTarget, QStringLiteral("x")}});
    auto dataHasTarget = [&] {
        return PropertyList::fromData(renamer->archiveData()).toMap().contains(kTarget);
    };
    EXPECT_FALSE(dataHasTarget());
    setUserDefault(EngineDefaults::kStoreIrrelevantSettings, true);
    EXPECT_TRUE(dataHasTarget());
}

TEST_F(RenamerArchiveTest, ViewStateFollowsTheSettings) {
    const ZKRenamerPtr renamer =
        stepWith(ChangeCaseOperation, {{kChangeCaseName, qint64(4)}, {kTitleCaseException, false}});
    EXPECT_TRUE(renamer->isTitleCaseExceptionCutOffShown());
    EXPECT_FALSE(renamer->isTitleCaseExceptionDetailEnabled());
    EXPECT_FALSE(renamer->isTargetStatusShown());
    renamer->setSwitchValue(S::QueryIsRegEx, true);
    EXPECT_TRUE(renamer->isTargetStatusShown());
}

TEST_F(RenamerArchiveTest, DescriptionNamesTheOperation) {
    const ZKRenamerPtr renamer = stepWith(AddSuffixOperation);
    EXPECT_TRUE(renamer->description().startsWith("<ZKRenamer: Add Suffix 0x"));
    EXPECT_EQ(ZKRenamer::operationName(5), QString());
    EXPECT_EQ(ZKRenamer::operationName(SequenceOperation), "Sequence");
}
