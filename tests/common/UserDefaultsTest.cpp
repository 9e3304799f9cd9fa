#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPoint>
#include <QThread>
#include <memory>

#include "common/ApplicationSupport.h"
#include "common/LogCapture.h"
#include "common/PropertyList.h"
#include "common/UserDefaults.h"
#include "support/TestEnvironment.h"

namespace {

class UserDefaultsTest : public ::testing::Test {
protected:
    QString storePath() const { return dir_.filePath("config/com.quorlix.Torvane.plist"); }

    std::unique_ptr<UserDefaults> openStore() const {
        return std::make_unique<UserDefaults>(storePath());
    }

    QVariantMap fileContent() const { return PropertyList::readFile(storePath()).toMap(); }

    QStringList folderEntries() const {
        return QDir(dir_.filePath("config")).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    // Runs the event loop until the condition holds (or a generous deadline passes).
    template <typename Condition>
    static bool processEventsUntil(Condition condition) {
        QDeadlineTimer deadline(10000);
        while (!condition() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(10);
        }
        return condition();
    }

    TestDir dir_;
};

}  // namespace

TEST_F(UserDefaultsTest, MissingKeysReadAsRegisteredValuesElseTheirTypesDefault) {
    auto defaults = openStore();
    EXPECT_FALSE(defaults->objectForKey("Missing").isValid());
    EXPECT_FALSE(defaults->boolForKey("Missing"));
    EXPECT_EQ(defaults->integerForKey("Missing"), 0);
    EXPECT_EQ(defaults->doubleForKey("Missing"), 0.0);
    EXPECT_TRUE(defaults->stringForKey("Missing").isNull());
    EXPECT_TRUE(defaults->arrayForKey("Missing").isEmpty());
    EXPECT_TRUE(defaults->dictionaryForKey("Missing").isEmpty());

    defaults->registerDefaults({{"Flag", true}, {"Count", 5}, {"Name", QStringLiteral("x")}});
    EXPECT_TRUE(defaults->boolForKey("Flag"));
    EXPECT_EQ(defaults->integerForKey("Count"), 5);
    EXPECT_EQ(defaults->objectForKey("Count").typeId(), QMetaType::LongLong);
    EXPECT_FALSE(defaults->hasPersistentValueForKey("Flag"));

    defaults->setBool(false, "Flag");
    EXPECT_FALSE(defaults->boolForKey("Flag"));
    EXPECT_TRUE(defaults->hasPersistentValueForKey("Flag"));
    defaults->removeObjectForKey("Flag");
    EXPECT_TRUE(defaults->boolForKey("Flag"));

    // The registered layer is never written.
    defaults->setInteger(7, "Stored");
    ASSERT_TRUE(defaults->synchronize());
    EXPECT_EQ(fileContent(), (QVariantMap{{"Stored", qint64(7)}}));
}

TEST_F(UserDefaultsTest, NumbersAndStringsConvertBetweenTypedReads) {
    auto defaults = openStore();
    const QVariantMap values{{"One", 1},
                             {"Zero", 0},
                             {"Half", 0.5},
                             {"True", true},
                             {"Real", -3.9},
                             {"Text", QStringLiteral("42abc")},
                             {"Array", QVariantList{1}}};
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        defaults->setObject(it.value(), it.key());

    EXPECT_TRUE(defaults->boolForKey("One"));
    EXPECT_FALSE(defaults->boolForKey("Zero"));
    EXPECT_TRUE(defaults->boolForKey("Half"));
    EXPECT_FALSE(defaults->boolForKey("Array"));
    EXPECT_EQ(defaults->integerForKey("True"), 1);
    EXPECT_EQ(defaults->integerForKey("Real"), -3);
    EXPECT_EQ(defaults->integerForKey("Text"), 42);
    EXPECT_EQ(defaults->doubleForKey("True"), 1.0);
    EXPECT_EQ(defaults->doubleForKey("One"), 1.0);
    EXPECT_EQ(defaults->stringForKey("One"), "1");
    EXPECT_EQ(defaults->stringForKey("True"), "1");
    EXPECT_EQ(defaults->stringForKey("Half"), "0.5");
    EXPECT_TRUE(defaults->stringForKey("Array").isNull());
    EXPECT_TRUE(defaults->dictionaryForKey("Array").isEmpty());
    EXPECT_EQ(defaults->arrayForKey("Array"), QVariantList{qint64(1)});

    for (const char *yes : {"YES", "true", "1", "y", "T", "  +0012", "9 lives"}) {
        defaults->setObject(QString::fromLatin1(yes), "String");
        EXPECT_TRUE(defaults->boolForKey("String")) << yes;
    }
    for (const char *no : {"NO", "false", "0", "", "-0", "0.5", "nope"}) {
        defaults->setObject(QString::fromLatin1(no), "String");
        EXPECT_FALSE(defaults->boolForKey("String")) << no;
    }
    const struct {
        const char *text;
        qint64 integer;
        double real;
    } numbers[] = {{" 12", 12, 12.0},  {"-7.5x", -7, -7.5},
                   {"2.5e1", 2, 25.0}, {"abc", 0, 0.0},
                   {".5", 0, 0.5},     {"99999999999999999999", INT64_MAX, 1e20}};
    for (const auto &number : numbers) {
        defaults->setObject(QString::fromLatin1(number.text), "Number");
        EXPECT_EQ(defaults->integerForKey("Number"), number.integer) << number.text;
        EXPECT_DOUBLE_EQ(defaults->doubleForKey("Number"), number.real) << number.text;
    }
}

TEST_F(UserDefaultsTest, ValuesKeepTheirPropertyListTypesAcrossAReload) {
    auto defaults = openStore();
    defaults->setObject(5, "Int");
    defaults->setObject(QStringList{"a", "b"}, "List");
    defaults->setBool(true, "Bool");
    defaults->setInteger(1, "One");
    defaults->setInteger(-1, "Sort Strategy");
    EXPECT_EQ(defaults->objectForKey("Int").typeId(), QMetaType::LongLong);
    EXPECT_EQ(defaults->objectForKey("List").typeId(), QMetaType::QVariantList);
    defaults.reset();

    const auto reloaded = openStore();
    EXPECT_EQ(reloaded->objectForKey("Bool"), QVariant(true));
    EXPECT_EQ(reloaded->objectForKey("Bool").typeId(), QMetaType::Bool);
    EXPECT_EQ(reloaded->objectForKey("One").typeId(), QMetaType::LongLong);
    EXPECT_EQ(reloaded->integerForKey("Sort Strategy"), -1);
    EXPECT_EQ(reloaded->arrayForKey("List"), (QVariantList{"a", "b"}));
}

TEST_F(UserDefaultsTest, InvalidValuesRemoveKeysAndUnstorableValuesAreRefused) {
    auto defaults = openStore();
    defaults->setBool(true, "Key");
    defaults->setObject(QVariant(), "Key");
    EXPECT_FALSE(defaults->hasPersistentValueForKey("Key"));

    LogCapture log;
    defaults->setObject(QPoint(1, 2), "Point");
    EXPECT_FALSE(defaults->hasPersistentValueForKey("Point"));
    EXPECT_TRUE(log.contains("Point")) << log.lines().join('\n').toStdString();
    // The refused value does not keep the rest from being written.
    defaults->setBool(true, "Other");
    EXPECT_TRUE(defaults->synchronize());
    EXPECT_EQ(fileContent(), (QVariantMap{{"Other", true}}));
}

TEST_F(UserDefaultsTest, ValueChangedIsEmittedOnlyForRealChanges) {
    auto defaults = openStore();
    QStringList changes;
    QObject::connect(defaults.get(), &UserDefaults::valueChanged,
                     [&changes](const QString &key) { changes.append(key); });
    defaults->setBool(true, "A");
    defaults->setBool(true, "A");
    defaults->setInteger(1, "A");  // the same number, but no longer a boolean
    defaults->setObject(QVariantList{true}, "B");
    defaults->setObject(QVariantList{1}, "B");
    defaults->setObject(QVariantList{1}, "B");
    defaults->removeObjectForKey("A");
    defaults->removeObjectForKey("A");
    defaults->setObject(QVariant(), "Never Set");
    EXPECT_EQ(changes, (QStringList{"A", "A", "B", "B", "A"}));
}

TEST_F(UserDefaultsTest, WritesWaitForTheEventLoopAndLeaveNoTemporaryFiles) {
    auto defaults = openStore();
    defaults->setBool(true, "Debounced");
    defaults->setInteger(2, "Debounced Too");
    EXPECT_FALSE(QFile::exists(storePath()));
    ASSERT_TRUE(processEventsUntil([this] { return QFile::exists(storePath()); }));
    EXPECT_EQ(fileContent(), (QVariantMap{{"Debounced", true}, {"Debounced Too", qint64(2)}}));
    EXPECT_EQ(folderEntries(), QStringList{"com.quorlix.Torvane.plist"});

    // The destructor flushes what is still pending.
    defaults->setBool(false, "Debounced");
    defaults.reset();
    EXPECT_EQ(fileContent().value("Debounced"), QVariant(false));
    EXPECT_EQ(folderEntries(), QStringList{"com.quorlix.Torvane.plist"});
}

TEST_F(UserDefaultsTest, WritesFromAWorkerThreadAreWrittenByTheOwningThread) {
    auto defaults = openStore();
    std::unique_ptr<QThread> worker(QThread::create([&defaults] {
        for (int i = 0; i < 100; ++i) {
            defaults->setInteger(i, "Worker");
            defaults->boolForKey("Worker");
        }
    }));
    worker->start();
    for (int i = 0; i < 100; ++i) defaults->setInteger(i, "Main");
    worker->wait();
    ASSERT_TRUE(processEventsUntil([this] { return QFile::exists(storePath()); }));
    EXPECT_EQ(fileContent().value("Worker"), QVariant(qint64(99)));
    EXPECT_EQ(fileContent().value("Main"), QVariant(qint64(99)));
}

TEST_F(UserDefaultsTest, ACorruptStoreIsSetAsideWithItsBytesIntact) {
    const QByteArray damaged("<?xml version=\"1.0\"?><plist><dict><key>Half");
    dir_.makeFile("config/com.quorlix.Torvane.plist", damaged);
    LogCapture log;
    auto defaults = openStore();
    EXPECT_FALSE(defaults->hasPersistentValueForKey("Half"));
    const QStringList entries = folderEntries();
    ASSERT_EQ(entries.size(), 1) << entries.join(' ').toStdString();
    ASSERT_TRUE(entries[0].startsWith("com.quorlix.Torvane.plist.corrupt-"));
    const QString asidePath = dir_.filePath("config/" + entries[0]);
    EXPECT_TRUE(log.contains(asidePath)) << log.lines().join('\n').toStdString();

    defaults->setBool(true, "Fresh");
    ASSERT_TRUE(defaults->synchronize());
    EXPECT_EQ(fileContent(), (QVariantMap{{"Fresh", true}}));
    QFile aside(asidePath);
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), damaged);

    // A property list that is no dictionary is set aside too, under a name of its own.
    defaults.reset();
    PropertyList::writeFile(storePath(), QVariantList{1, 2}, PropertyList::Format::Xml);
    defaults = openStore();
    EXPECT_EQ(folderEntries().filter(".corrupt-").size(), 2);
    EXPECT_FALSE(QFile::exists(storePath()));
}

TEST_F(UserDefaultsTest, AStoreThatCannotBeReadIsNeverOverwritten) {
    // A folder where the file should be cannot be read, even by the super-user.
    dir_.makeFolder("config/com.quorlix.Torvane.plist");
    LogCapture log;
    auto defaults = openStore();
    EXPECT_FALSE(log.lines().isEmpty());
    defaults->setBool(true, "Kept In Memory");
    EXPECT_TRUE(defaults->boolForKey("Kept In Memory"));
    EXPECT_FALSE(defaults->synchronize());
    EXPECT_TRUE(QFileInfo(storePath()).isDir());
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(UserDefaultsTest, StandardDefaultsAreSharedAndReadAnewAfterAReset) {
    UserDefaults::resetStandardUserDefaults();
    UserDefaults &standard = UserDefaults::standardUserDefaults();
    EXPECT_EQ(&standard, &UserDefaults::standardUserDefaults());
    const QString path = ApplicationSupport::configFolder() + "/com.quorlix.Torvane.plist";
    EXPECT_EQ(standard.filePath(), path);
    standard.setObject(QStringLiteral("kept"), "Standard Test");
    UserDefaults::resetStandardUserDefaults();  // flushes; `standard` is gone now
    EXPECT_EQ(PropertyList::readFile(path).toMap().value("Standard Test"),
              QVariant(QStringLiteral("kept")));
    EXPECT_EQ(UserDefaults::standardUserDefaults().stringForKey("Standard Test"), "kept");
    UserDefaults::standardUserDefaults().removeObjectForKey("Standard Test");
    UserDefaults::resetStandardUserDefaults();
}
