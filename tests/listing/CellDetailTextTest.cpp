#include <gtest/gtest.h>

#include <QFile>
#include <QLocale>

#include "common/UserDefaults.h"
#include "listing/CellDetailText.h"
#include "platform/ExtendedAttributes.h"
#include "platform/FileAttributes.h"
#include "records/ZKFileRepresentation.h"
#include "support/TestEnvironment.h"
#include "tokens/NumberFormatting.h"

using namespace CellDetailText;

class CellDetailTextTest : public testing::Test {
protected:
    // Dates follow Qt's default locale, sizes the environment's numeric locale.
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        savedEnvironmentLocale = qgetenv("LC_ALL");
        qputenv("LC_ALL", "en_US.UTF-8");
        NumberFormatting::resetSharedFormatter();
    }
    void TearDown() override {
        QLocale::setDefault(savedLocale);
        if (savedEnvironmentLocale.isNull())
            qunsetenv("LC_ALL");
        else
            qputenv("LC_ALL", savedEnvironmentLocale);
        NumberFormatting::resetSharedFormatter();
    }

    ZKFileRepresentationPtr file(const QString &relative, qsizetype size = 0) {
        return ZKFileRepresentation::fileRepresentationWithPath(
            dir.makeFile(relative, QByteArray(size, 'x')), nullptr);
    }

    ZKFileRepresentationPtr folder(const QString &relative) {
        return ZKFileRepresentation::fileRepresentationWithPath(dir.makeFolder(relative), nullptr);
    }

    QLocale savedLocale;
    QByteArray savedEnvironmentLocale;
    TestDir dir;
};

TEST_F(CellDetailTextTest, DetailModeFollowsSortOrderUnlessChosenForSelectableLists) {
    const QList<quint64> byStrategy = {0, 0, 1, 2, 3, 4, 5};
    for (int strategy = 0; strategy <= 6; ++strategy)
        EXPECT_EQ(modeForSortStrategy(strategy), byStrategy.at(strategy)) << strategy;
    EXPECT_EQ(modeForSortStrategy(99), 0u);
    EXPECT_EQ(modeForSortStrategy(-1), 0u);

    EXPECT_EQ(cellDisplayModeFor(true, 2, 3, 5), 3u);
    EXPECT_EQ(cellDisplayModeFor(true, 2, 0, 5), 0u);
    EXPECT_EQ(cellDisplayModeFor(true, 2, -1, 5), 4u);  // not chosen
    EXPECT_EQ(cellDisplayModeFor(true, 1, 3, 5), 4u);   // no detail line in this layout
    EXPECT_EQ(cellDisplayModeFor(false, 2, 3, 2), 1u);  // rows cannot be selected
    EXPECT_EQ(cellDisplayModeFor(true, 2, 6, 5), 0u);   // out of range reads as the path
}

TEST_F(CellDetailTextTest, DetailModeReadsUserDefaultsWithTheirRegisteredMeaning) {
    UserDefaults defaults(dir.filePath("defaults.plist"));
    // Nothing set: selection allowed, layout 0, no detail mode chosen.
    EXPECT_EQ(cellDisplayMode(defaults, 3), 2u);
    defaults.setInteger(2, ListLayoutKey);
    EXPECT_EQ(cellDisplayMode(defaults, 3), 2u);
    defaults.setInteger(5, DetailModeKey);
    EXPECT_EQ(cellDisplayMode(defaults, 3), 5u);
    defaults.setBool(false, AllowFileSelectionKey);
    EXPECT_EQ(cellDisplayMode(defaults, 3), 2u);
}

TEST_F(CellDetailTextTest, CalendarDatesUseTwelveHourClockWithoutPadding) {
    EXPECT_EQ(calendarDate(QDateTime(QDate(2024, 3, 5), QTime(15, 7))), "March 5, 2024; 3:07 PM");
    EXPECT_EQ(calendarDate(QDateTime(QDate(2023, 12, 25), QTime(0, 5))),
              "December 25, 2023; 12:05 AM");
    EXPECT_EQ(calendarDate(QDateTime(QDate(2022, 7, 14), QTime(12, 30))),
              "July 14, 2022; 12:30 PM");
    EXPECT_EQ(calendarDate(QDateTime(QDate(2022, 7, 14), QTime(11, 59))),
              "July 14, 2022; 11:59 AM");
    EXPECT_EQ(calendarDate(FileAttributes::distantPast()), "(Unknown)");
    EXPECT_EQ(calendarDate(QDateTime()), "(Unknown)");
}

TEST_F(CellDetailTextTest, PathDateAndSizeLines) {
    const ZKFileRepresentationPtr record = file("sub/report.txt", 1500);
    EXPECT_EQ(detailText(*record, PathMode), record->readablePath());
    EXPECT_TRUE(detailText(*record, PathMode).endsWith(QString::fromUtf8("sub \u25B8 report.txt")));
    EXPECT_EQ(detailText(*record, 9), record->readablePath());
    EXPECT_EQ(detailText(*record, SizeMode), "Size: 1.5 KB (1500 Bytes)");
    EXPECT_EQ(detailText(*file("empty"), SizeMode), "Size: - (0 Bytes)");

    const QString path = dir.makeFile("dated");
    QFile dated(path);
    ASSERT_TRUE(dated.open(QIODevice::ReadWrite));
    ASSERT_TRUE(dated.setFileTime(QDateTime(QDate(2023, 1, 15), QTime(9, 45)),
                                  QFileDevice::FileModificationTime));
    dated.close();
    const ZKFileRepresentationPtr datedRecord =
        ZKFileRepresentation::fileRepresentationWithPath(path, nullptr);
    EXPECT_EQ(detailText(*datedRecord, ModificationDateMode),
              "Modified: January 15, 2023; 9:45 AM");
    EXPECT_TRUE(detailText(*datedRecord, CreationDateMode).startsWith("Created: "));
}

TEST_F(CellDetailTextTest, CommentLine) {
    const ZKFileRepresentationPtr plain = file("plain");
    EXPECT_EQ(detailText(*plain, CommentMode), "Comment: (None)");
    const QString path = dir.makeFile("commented");
    if (!ExtendedAttributes::setComment(path, QString::fromUtf8("Caf\u00e9 menu"), nullptr))
        GTEST_SKIP() << "no user attributes in " << dir.path().toStdString();
    const ZKFileRepresentationPtr commented =
        ZKFileRepresentation::fileRepresentationWithPath(path, nullptr);
    EXPECT_EQ(detailText(*commented, CommentMode), QString::fromUtf8("Comment: Caf\u00e9 menu"));
}

TEST_F(CellDetailTextTest, TypeLineForFoldersPackagesAndFiles) {
    EXPECT_EQ(detailText(*folder("pictures"), TypeMode), "Extension: (None) | Type: (Folder)");
    EXPECT_EQ(detailText(*folder("release.v2"), TypeMode), "Extension: v2 | Type: (Folder)");
    EXPECT_EQ(detailText(*folder("Tool.app"), TypeMode), "Extension: app | Type: (Package)");
    EXPECT_EQ(detailText(*file("notes.txt"), TypeMode),
              "Extension: txt | Type: (None) | Creator: (None)");
    EXPECT_EQ(detailText(*file("README"), TypeMode),
              "Extension: (None) | Type: (None) | Creator: (None)");
    EXPECT_EQ(detailText(*file(".profile"), TypeMode),
              "Extension: (None) | Type: (None) | Creator: (None)");
}
