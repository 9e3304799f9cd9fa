#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "engine/ZKRenamer.h"
#include "support/FakeFileItem.h"
#include "tokens/TokenList.h"

using S = RenamerSetting;
using namespace RenamerKeys;

class StandardOperationsTest : public EngineTest {
protected:
    static ZKRenamerPtr removal(qint64 start, qint64 length, qint64 direction = 0) {
        return stepWith(
            RemoveOperation,
            {{kRemoveStart, start}, {kRemoveLength, length}, {kRemoveDirection, direction}});
    }
    static ZKRenamerPtr insertion(const QString &text, qint64 start, qint64 direction = 0) {
        return stepWith(
            InsertOperation,
            {{kInsertString, text}, {kInsertStart, start}, {kInsertDirection, direction}});
    }
    static ZKRenamerPtr caseChange(qint64 name, qint64 extension, QVariantMap more = {}) {
        more.insert(kChangeCaseName, name);
        more.insert(kChangeCaseExtension, extension);
        return stepWith(ChangeCaseOperation, more);
    }
};

static const QString kEmoji = QStringLiteral("\U0001F600");

TEST_F(StandardOperationsTest, RemoveCountsFromEitherEndOfTheBase) {
    EXPECT_EQ(renamed(*removal(1, 2), "abcdef.txt"), "cdef.txt");
    EXPECT_EQ(renamed(*removal(1, 2, 1), "abcdef.txt"), "abcd.txt");
    EXPECT_EQ(renamed(*removal(2, 2, 1), "abcdef.txt"), "abcf.txt");
    EXPECT_EQ(renamed(*removal(5, 10), "abcdef.txt"), "abcd.txt");
    EXPECT_EQ(renamed(*removal(-4, 1), "abc.txt"), "bc.txt");
    EXPECT_EQ(renamed(*removal(10, 3), "short.txt"), "short.txt");
    EXPECT_EQ(renamed(*removal(1, 0), "short.txt"), "short.txt");
    EXPECT_EQ(renamed(*removal(1, -2), "short.txt"), "short.txt");
}

TEST_F(StandardOperationsTest, InsertAtPositionsOfTheBase) {
    EXPECT_EQ(renamed(*insertion("X", 6), "short.txt"), "shortX.txt");
    EXPECT_EQ(renamed(*insertion("X", 7), "short.txt"), "short.txt");
    EXPECT_EQ(renamed(*insertion("X", 1, 1), "short.txt"), "shortX.txt");
    EXPECT_EQ(renamed(*insertion("X", 2, 1), "short.txt"), "shorXt.txt");
    EXPECT_EQ(renamed(*insertion("X", 0), "short.txt"), "Xshort.txt");
    EXPECT_EQ(renamed(*insertion("", 1), "short.txt"), "short.txt");
}

TEST_F(StandardOperationsTest, CharactersBeyondTheBmpCountTwoAndStayWhole) {
    const QString name = kEmoji + "abc.txt";
    EXPECT_EQ(renamed(*removal(3, 1), name), kEmoji + "bc.txt");
    EXPECT_EQ(renamed(*insertion("X", 3), name), kEmoji + "Xabc.txt");
    // A position inside the character never splits it.
    EXPECT_EQ(renamed(*removal(2, 1), name), "abc.txt");
    EXPECT_EQ(renamed(*removal(1, 1), name), "abc.txt");
    EXPECT_EQ(renamed(*insertion("X", 2), name), "X" + kEmoji + "abc.txt");
    EXPECT_EQ(renamed(*removal(1, 1, 1), "ab" + kEmoji + ".txt"), "ab.txt");
}

TEST_F(StandardOperationsTest, PrefixAndSuffix) {
    EXPECT_EQ(renamed(*stepWith(AddPrefixOperation, {{kInsertString, "new "}}), "a.txt"),
              "new a.txt");
    EXPECT_EQ(renamed(*stepWith(AddPrefixOperation), "a.txt"), "a.txt");
    EXPECT_EQ(renamed(*stepWith(AddSuffixOperation, {{kInsertString, "_v2"}}), "a.tar.gz"),
              "a.tar_v2.gz");
    EXPECT_EQ(renamed(*stepWith(AddSuffixOperation,
                                {{kInsertString, "_v2"}, {kSuffixPreserveExtension, false}}),
                      "a.txt"),
              "a.txt_v2");
}

TEST_F(StandardOperationsTest, WorkingNameThatIsAllExtensionKeepsIt) {
    const ZKRenamerPtr suffix = stepWith(AddSuffixOperation, {{kInsertString, "x"}});
    FakeFileItem photo("photo.jpg");
    photo.setIntermediateName(".jpg");
    suffix->processFileRepresentation(&photo, 0, 1, nullptr);
    EXPECT_EQ(photo.intermediateName(), "x.jpg");
    EXPECT_EQ(renamed(*suffix, ".profile"), ".profilex");
}

TEST_F(StandardOperationsTest, ChangeCaseTreatsBaseAndExtensionApart) {
    EXPECT_EQ(renamed(*caseChange(1, 2), "photo.JPEG"), "PHOTO.jpeg");
    EXPECT_EQ(renamed(*caseChange(2, 1), "Version 1.5b"), "version 1.5B");
    EXPECT_EQ(renamed(*caseChange(1, 0), QStringLiteral("straße.txt")), "STRASSE.txt");
    EXPECT_EQ(renamed(*caseChange(3, 0), "hello wORLD.txt"), "Hello World.txt");
    EXPECT_EQ(renamed(*caseChange(0, 0), "MiXed.TxT"), "MiXed.TxT");
    EXPECT_EQ(renamed(*caseChange(0, 2), "MiXed.TxT"), "MiXed.txt");
}

TEST_F(StandardOperationsTest, TitleCaseKeepsShortWordsSmall) {
    EXPECT_EQ(renamed(*caseChange(4, 0), "the lord of the rings.txt"), "The Lord of The Rings.txt");
    EXPECT_EQ(renamed(*caseChange(4, 0), "war and PEACE - a novel"), "War And Peace - a Novel");
    EXPECT_EQ(renamed(*caseChange(4, 0,
                                  {{kTitleCaseExceptionCutOff, qint64(3)},
                                   {kTitleCaseExceptionMode, qint64(1)}}),
                      "working with iOS apps"),
              "Working With iOS Apps");
    EXPECT_EQ(renamed(*caseChange(4, 0, {{kTitleCaseExceptionCutOff, qint64(3)}}),
                      "working with iOS apps"),
              "Working With ios Apps");
    // With the exception off every word is capitalised.
    EXPECT_EQ(renamed(*caseChange(4, 0, {{kTitleCaseException, false}}), "the lord of the rings"),
              "The Lord Of The Rings");
}

TEST_F(StandardOperationsTest, SetExtension) {
    const QVariantMap png = {{kSetExtensionExtension, "png"}};
    EXPECT_EQ(renamed(*stepWith(SetExtensionOperation, png), "README"), "README");
    QVariantMap anyName = png;
    anyName.insert(kSetExtensionChangeOnly, false);
    EXPECT_EQ(renamed(*stepWith(SetExtensionOperation, anyName), "README"), "README.png");
    EXPECT_EQ(renamed(*stepWith(SetExtensionOperation, png), "photo.jpeg"), "photo.png");
    EXPECT_EQ(renamed(*stepWith(SetExtensionOperation), "a.txt"), "a");
    EXPECT_EQ(renamed(*stepWith(SetExtensionOperation, png), "notes.txt~"), "notes.txt~");
}

TEST_F(StandardOperationsTest, ComposeReplacesTheBase) {
    EXPECT_EQ(renamed(*stepWith(ComposeOperation), "photo.jpg"), ".jpg");
    EXPECT_EQ(
        renamed(*stepWith(ComposeOperation, {{kComposePreserveExtension, false}}), "photo.jpg"),
        "");
    const ZKRenamerPtr holiday = stepWith(ComposeOperation, {{kInsertString, "Holiday"}});
    EXPECT_EQ(renamed(*holiday, "IMG_1.jpg"), "Holiday.jpg");
    EXPECT_EQ(renamed(*holiday, "notes.txt~"), "Holiday");
}

TEST_F(StandardOperationsTest, OnlyFindAndReplaceActsWithoutAFile) {
    for (int operation : {RemoveOperation, InsertOperation, ChangeCaseOperation,
                          SetExtensionOperation, SequenceOperation, AdvancedOperation}) {
        bool syntaxError = false;
        stepWith(operation)->processFileRepresentation(nullptr, 0, 0, &syntaxError);
        EXPECT_FALSE(syntaxError);
    }
    // Operations without an engine yet pass the name through, and record that they ran.
    FakeFileItem item("a.txt");
    stepWith(AdvancedOperation)->processFileRepresentation(&item, 0, 1, nullptr);
    EXPECT_EQ(item.interimNames(), QStringList{"a.txt"});
}

// A long list is named on two threads only with steps whose name for an item reads nothing
// shared: a token (which may read metadata and caches) or a script keeps the single pass.
TEST_F(StandardOperationsTest, OnlyStepsWithoutTokensOrScriptsNameItemsIndependently) {
    EXPECT_TRUE(removal(2, 3)->namesItemsIndependently());
    EXPECT_TRUE(insertion("plain", 1)->namesItemsIndependently());
    EXPECT_TRUE(stepWith(AddSuffixOperation, {{kInsertString, QVariantList{"a", "b"}}})
                    ->namesItemsIndependently());
    const QVariantList withToken = {QStringLiteral("Trip "),
                                    TokenList::dictionaryByWrappingProxyValue("Date Created")};
    EXPECT_FALSE(
        stepWith(AddPrefixOperation, {{kInsertString, withToken}})->namesItemsIndependently());
    EXPECT_FALSE(
        stepWith(FindAndReplaceOperation, {{kTarget, withToken}})->namesItemsIndependently());
    EXPECT_FALSE(stepWith(AdvancedOperation)->namesItemsIndependently());
    EXPECT_TRUE(stepWith(FindAndReplaceOperation)->namesItemsIndependently());
    EXPECT_TRUE(caseChange(1, 1)->namesItemsIndependently());
}
