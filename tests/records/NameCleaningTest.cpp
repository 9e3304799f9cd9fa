#include <gtest/gtest.h>

#include "records/NameCleaning.h"

using NameCleaning::clean;

TEST(NameCleaningTest, SlashBecomesColonWithWarning) {
    const NameCleaning::Result result = clean(QStringLiteral("a/b/c"));
    EXPECT_EQ(result.name, QStringLiteral("a:b:c"));
    EXPECT_EQ(result.warnings,
              QStringList{QStringLiteral("Replaced slash with colon to make Unix happy")});
}

TEST(NameCleaningTest, LineBreaksAreCountedTogether) {
    const NameCleaning::Result crlf = clean(QStringLiteral("a\r\nb"));
    EXPECT_EQ(crlf.name, QStringLiteral("ab"));
    EXPECT_EQ(crlf.warnings, QStringList{QStringLiteral("Removed line breaks")});

    const NameCleaning::Result lone = clean(QStringLiteral("a\nb"));
    EXPECT_EQ(lone.name, QStringLiteral("ab"));
    EXPECT_EQ(lone.warnings, QStringList{QStringLiteral("Removed line break")});

    EXPECT_EQ(clean(QStringLiteral("\ra")).warnings,
              QStringList{QStringLiteral("Removed line break")});
}

TEST(NameCleaningTest, AllReplacementsInOrderWithOneWarningEach) {
    const NameCleaning::Result result = clean(QStringLiteral("\ta/b\t\nc/d"));
    EXPECT_EQ(result.name, QStringLiteral(" a:b c:d"));
    EXPECT_EQ(result.warnings, (QStringList{QStringLiteral("Removed line break"),
                                            QStringLiteral("Replaced tab with space"),
                                            QStringLiteral("Replaced slash with colon to make "
                                                           "Unix happy")}));
}

TEST(NameCleaningTest, CleanNameIsKeptWithoutWarnings) {
    const NameCleaning::Result result = clean(QStringLiteral("Caf\u00e9: 1.txt"));
    EXPECT_EQ(result.name, QStringLiteral("Caf\u00e9: 1.txt"));
    EXPECT_TRUE(result.warnings.isEmpty());
}

TEST(NameCleaningTest, CleanedFilenameAppliesTheSameReplacements) {
    EXPECT_EQ(NameCleaning::cleanedFilename(QStringLiteral("My/Preset\t2\r\n")),
              QStringLiteral("My:Preset 2"));
    EXPECT_EQ(NameCleaning::cleanedFilename(QString()), QString());
}
