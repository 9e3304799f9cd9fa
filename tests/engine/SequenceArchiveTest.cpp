#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "SequenceTestSupport.h"
#include "common/PropertyList.h"
#include "support/QtPrinters.h"

using S = RenamerSetting;
using namespace RenamerKeys;

class SequenceArchiveTest : public EngineTest {};

TEST_F(SequenceArchiveTest, EverySequenceSettingSurvivesARoundTrip) {
    const QVariantMap settings{{kSequenceType, qint64(LowercaseLetterSequence)},
                               {kSequenceMinimumNumberOfDigits, qint64(4)},
                               {kSequenceFirstNumber, qint64(-7)},
                               {kSequenceStepValue, qint64(3)},
                               {kSequenceTerms, "a\nb"},
                               {kSequenceTerms + kReflectedPathSuffix, "/data/terms.csv"},
                               {kSequenceSuffix, QVariantList{" end"}},
                               {kSequenceIdentifier, QVariantList{"group"}},
                               {kSequencePreserveExtension, false},
                               {kInsertString, QVariantList{"pre "}}};
    const ZKRenamerPtr original = sequenceStep(settings);
    const QVariantMap archive = original->archiveWithIrrelevantSettings(true, true, true);
    QVariantMap expected = settings;
    expected.insert(kTask, qint64(SequenceOperation));
    EXPECT_EQ(archive, expected);

    const QVariant parsed =
        PropertyList::fromData(PropertyList::toData(archive, PropertyList::Format::Binary));
    const ZKRenamerPtr copy = ZKRenamer::renamerWithArchive(parsed.toMap());
    EXPECT_TRUE(copy->isEqualToRenamer(*original, true, true, true));
    EXPECT_EQ(copy->integerValue(S::SequenceFirstNumber), -7);
    EXPECT_EQ(copy->stringValue(S::SequenceTerms), "a\nb");
    EXPECT_EQ(copy->sequenceTermsReflectedPath(), "/data/terms.csv");
    EXPECT_FALSE(copy->switchValue(S::SequencePreserveExtension));
}

TEST_F(SequenceArchiveTest, NumbersAre64BitWhileEditedAnd32BitThroughArchives) {
    const ZKRenamerPtr step = sequenceStep();
    ASSERT_TRUE(step->setNumberValue(S::SequenceFirstNumber, (qint64(1) << 32) + 5));
    ASSERT_TRUE(step->setNumberValue(S::SequenceStepValue, -(qint64(1) << 31) - 1));
    EXPECT_EQ(step->integerValue(S::SequenceFirstNumber), (qint64(1) << 32) + 5);
    const QVariantMap archive = step->archiveWithIrrelevantSettings(false, true, true);
    // Written whole, read back as the low 32 bits, sign-extended.
    EXPECT_EQ(archive.value(kSequenceFirstNumber).toLongLong(), (qint64(1) << 32) + 5);
    const ZKRenamerPtr copy = ZKRenamer::renamerWithArchive(archive);
    EXPECT_EQ(copy->integerValue(S::SequenceFirstNumber), 5);
    EXPECT_EQ(copy->integerValue(S::SequenceStepValue), (qint64(1) << 31) - 1);
    // Defaults are left out; a type that is not on the menu falls back to numbers.
    EXPECT_TRUE(sequenceStep()->archiveWithIrrelevantSettings(true, true, true).size() == 1);
    EXPECT_EQ(sequenceStep({{kSequenceType, qint64(7)}})->integerValue(S::SequenceType),
              NumberSequence);
}

TEST_F(SequenceArchiveTest, RelevanceFollowsTheType) {
    const QVariantMap busy{{kSequenceMinimumNumberOfDigits, qint64(2)},
                           {kSequenceFirstNumber, qint64(5)},
                           {kSequenceTerms, "t"}};
    auto relevantKeys = [&](int type) {
        QVariantMap settings = busy;
        settings.insert(kSequenceType, qint64(type));
        return sequenceStep(settings)->archiveWithIrrelevantSettings(false, true, true).keys();
    };
    EXPECT_EQ(relevantKeys(NumberSequence),
              QStringList({kSequenceFirstNumber, kSequenceMinimumNumberOfDigits, kTask}));
    EXPECT_EQ(relevantKeys(TermSequence), QStringList({kSequenceTerms, kSequenceType, kTask}));
    EXPECT_EQ(relevantKeys(UppercaseRomanSequence),
              QStringList({kSequenceFirstNumber, kSequenceType, kTask}));
}
