#include <sys/wait.h>
#include <unistd.h>

#include <QDateTime>
#include <QThread>

#include "HistorianTestSupport.h"
#include "collections/ConfigurationFile.h"
#include "collections/FuzzyDate.h"
#include "common/LogCapture.h"
#include "common/PropertyList.h"
#include "engine/RenamerCollections.h"
#include "support/TestEnvironment.h"

namespace {

TEST_F(HistorianTest, CapacityKeepsTheLatestItemsAndOneKeepsNoFile) {
    setCapacity(3);
    for (const char *text : {"a", "b", "c", "d"}) use(text);
    EXPECT_EQ(suffixesInFile(), QStringList({"b", "c", "d"}));

    setCapacity(1);
    use("e");
    EXPECT_FALSE(QFile::exists(HistoryFile::path()));
    // Kept while the application runs.
    EXPECT_EQ(historian().history().size(), 4);

    setCapacity(-1);
    renamers = suffixStep("f");
    EXPECT_FALSE(historian().archiveRenamers());
    EXPECT_EQ(historian().historyMenuStatus(), "History is disabled.");
    EXPECT_FALSE(historian().prepareForNavigation());
}

TEST_F(HistorianTest, UsingAConfigurationAgainCountsAndMovesItToTheEnd) {
    use("a");
    const QVariantMap first = historian().history().first().toMap();
    QThread::msleep(20);
    use("b");
    use("a");
    const QVariantList items = HistoryFile::load(HistoryFile::path());
    ASSERT_EQ(items.size(), 2);
    const QVariantMap again = items.last().toMap();
    EXPECT_EQ(suffixesInFile(), QStringList({"b", "a"}));
    EXPECT_EQ(again.value("Counter").toLongLong(), 2);
    EXPECT_EQ(again.value("Timestamp: First"), first.value("Timestamp: First"));
    EXPECT_GT(again.value("Timestamp: Most Recent").toDouble(),
              first.value("Timestamp: Most Recent").toDouble());
    // The history file is XML.
    QFile file(HistoryFile::path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("<?xml"));
}

TEST_F(HistorianTest, NavigationReachesTheVirtualLatestConfigurationAgain) {
    for (const char *text : {"a", "b", "c"}) use(text);
    renamers = suffixStep("new");
    ASSERT_TRUE(historian().showHistory(true));
    EXPECT_EQ(historian().numberOfNavigationPositions(), 4);
    EXPECT_EQ(historian().currentPosition(), 3);
    ZKHistoryNavigationState state = historian().navigationState();
    EXPECT_EQ(state.smallStatus, "Not Used Yet (4 of 4)");
    EXPECT_EQ(state.mainStatus, "Latest");
    EXPECT_TRUE(state.leftEnabled);
    EXPECT_FALSE(state.rightVisible);

    EXPECT_TRUE(historian().navigateHistoryWithDirection(-1, false));
    EXPECT_EQ(currentSuffix(), "c");
    EXPECT_EQ(historian().navigationState().smallStatus, "Used Once (3 of 4)");
    EXPECT_EQ(historian().navigationState().mainStatus, "Just Now");
    EXPECT_TRUE(historian().navigateHistoryWithDirection(-1, true));
    EXPECT_EQ(currentSuffix(), "a");
    EXPECT_FALSE(historian().navigateHistoryWithDirection(-1, false));  // beyond the start
    EXPECT_EQ(currentSuffix(), "a");
    EXPECT_TRUE(historian().navigateHistoryWithDirection(1, true));
    EXPECT_EQ(currentSuffix(), "new");
    EXPECT_EQ(animations, QList<int>({-1, -1, 1}));

    // A change made elsewhere closes the bar; one made by navigation does not.
    EXPECT_TRUE(historian().isHistoryShown());
    historian().reflectHistoryChange();
    EXPECT_FALSE(historian().isHistoryShown());

    // Opened on the second item, the bar shows position 2 with the left arrow.
    renamers = suffixStep("b");
    ASSERT_TRUE(historian().showHistory(true));
    EXPECT_EQ(historian().currentPosition(), 1);
    EXPECT_TRUE(historian().navigationState().leftEnabled);
}

TEST_F(HistorianTest, ClearingAndDisablingAskFirst) {
    use("a");
    ui.answers = {{1, false}};  // Cancel
    EXPECT_FALSE(historian().changeHistoryCapacity(-1));
    EXPECT_EQ(ZKHistorian::historyCapacity(), 50);
    EXPECT_EQ(historian().history().size(), 1);
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts.first().messageText, "Clear History?");

    EXPECT_TRUE(historian().clearHistory());  // default button: "Clear History"
    EXPECT_TRUE(historian().history().isEmpty());
    EXPECT_FALSE(QFile::exists(HistoryFile::path()));
    EXPECT_EQ(historian().historyMenuStatus(), "History is empty.");
    ASSERT_TRUE(historian().showHistory(true));
    EXPECT_EQ(historian().navigationState().smallStatus, "Start renaming!");
}

TEST_F(HistorianTest, ImportingAFileAlreadyInTheHistoryMovesToItsItem) {
    for (const char *text : {"a", "b"}) use(text);
    renamers = suffixStep("current");
    TestDir dir;
    const QString path = dir.filePath("a.tva");
    ASSERT_TRUE(ConfigurationFile::writeAsBinaryToPath(
        {suffixStep("a").first()->archiveWithIrrelevantSettings(false, true, true)}, path));
    EXPECT_TRUE(historian().unarchiveRenamersAtURL(path));
    EXPECT_EQ(currentSuffix(), "a");
    EXPECT_EQ(historian().currentPosition(), 0);
    EXPECT_FALSE(historian().isHistoryShown());
    EXPECT_EQ(historian().history().first().toMap().value("Counter").toLongLong(), 1);

    // A file outside the history replaces the steps; loaded again, it changes nothing.
    const QString other = dir.filePath("z.tva");
    ASSERT_TRUE(ConfigurationFile::writeAsBinaryToPath(
        {suffixStep("z").first()->archiveWithIrrelevantSettings(false, true, true)}, other));
    EXPECT_TRUE(historian().unarchiveRenamersAtURL(other));
    EXPECT_EQ(currentSuffix(), "z");
    animations.clear();
    EXPECT_TRUE(historian().unarchiveRenamersAtURL(other));
    EXPECT_TRUE(animations.isEmpty());

    // Broken files change nothing.
    for (const QByteArray &content :
         {QByteArray("no plist"), PropertyList::toData(QVariantList(), PropertyList::Format::Xml),
          PropertyList::toData(QVariantMap{{"a", 1}}, PropertyList::Format::Binary)}) {
        const QString broken = dir.makeFile("broken.tva", content);
        EXPECT_FALSE(historian().unarchiveRenamersAtURL(broken));
        EXPECT_EQ(currentSuffix(), "z");
    }
}

TEST_F(HistorianTest, DamagedHistoryIsSetAsideAndDamagedItemsDropped) {
    const QString path = HistoryFile::path();
    const QByteArray deep = QByteArray("<plist><array>")
                                .append(QByteArray("<array>").repeated(2000) +
                                        QByteArray("</array>").repeated(2000) + "</array></plist>");
    for (const QByteArray &content : {QByteArray("garbage"), QByteArray("<?xml version"), deep}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        LogCapture log;
        ZKHistorian::resetHistorian();
        historian().setSubject(this);
        use("a");
        EXPECT_TRUE(log.contains("[Historian] set aside damaged history"))
            << content.left(20).toStdString();
        EXPECT_EQ(suffixesInFile(), QStringList({"a"}));
    }
    // A huge file is not even read.
    QFile::remove(path);
    QFile huge(path);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(100 * 1024 * 1024));
    huge.close();
    ZKHistorian::resetHistorian();
    historian().setSubject(this);
    EXPECT_TRUE(historian().history().isEmpty());
    EXPECT_FALSE(QFile::exists(path));

    // Items of the wrong kind go; the good ones stay.
    const QVariantMap good{{"Renamers", QVariantList{QVariantMap{{"Task", 103}}}},
                           {"Counter", "many"}};
    ASSERT_TRUE(PropertyList::writeFile(path, QVariantList{good, 5, QVariantMap{{"Renamers", 1}}},
                                        PropertyList::Format::Xml));
    ZKHistorian::resetHistorian();
    historian().setSubject(this);
    EXPECT_EQ(historian().history().size(), 1);
    EXPECT_EQ(historian().navigationState().smallStatus, "Start renaming!");
    renamers = RenamerCollections::renamersFromArchives(good.value("Renamers").toList());
    use("b");
    EXPECT_EQ(HistoryFile::load(path).size(), 2);
}

TEST_F(HistorianTest, TwoProcessesRecordingAtOnceLoseNoItem) {
    use("first");
    constexpr int kEach = 15;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ZKHistorian::resetHistorian();
        historian().setSubject(this);
        for (int i = 0; i < kEach; ++i) {
            renamers = suffixStep(QStringLiteral("child %1").arg(i));
            historian().archiveRenamers();
        }
        _exit(0);
    }
    for (int i = 0; i < kEach; ++i) use(QStringLiteral("parent %1").arg(i));
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(HistoryFile::load(HistoryFile::path()).size(), 1 + 2 * kEach);
}

TEST(FuzzyDateTest, DescribesRecentDatesInWordsAndOlderOnesByDate) {
    qputenv("LC_TIME", "en_US.UTF-8");
    const QDateTime now(QDate(2024, 3, 10), QTime(9, 16));
    EXPECT_EQ(FuzzyDate::fuzzyDescription(now.addSecs(30), now), "Just Now");
    EXPECT_EQ(FuzzyDate::fuzzyDescription(now.addSecs(-90), now), "1 Minute Ago");
    EXPECT_EQ(FuzzyDate::fuzzyDescription(now.addSecs(-600), now), "10 Minutes Ago");
    EXPECT_EQ(FuzzyDate::fuzzyDescription(now.addSecs(-660), now), "Today - 9:05 AM");
    EXPECT_EQ(FuzzyDate::fuzzyDescription(now.addSecs(-24 * 3600), now), "Yesterday - 9:16 AM");
    EXPECT_EQ(FuzzyDate::fuzzyDescription(now.addDays(-3), now), "March 7, 2024 - 9:16 AM");
}

}  // namespace
