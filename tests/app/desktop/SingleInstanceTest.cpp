#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "app/desktop/SingleInstance.h"
#include "support/TestEnvironment.h"

namespace {

// A private session bus for one test, so that the real desktop's bus is never touched.
class PrivateBus {
public:
    PrivateBus() {
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address=1")});
        if (daemon_.waitForStarted(5000) && daemon_.waitForReadyRead(5000))
            address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    }
    ~PrivateBus() {
        daemon_.kill();
        daemon_.waitForFinished();
    }
    bool isValid() const { return !address_.isEmpty(); }
    // Each start of the program has its own connection to the bus.
    QDBusConnection connect(const QString &name) const {
        return QDBusConnection::connectToBus(address_, name);
    }

private:
    QProcess daemon_;
    QString address_;
};

QDBusConnection noBus() { return QDBusConnection(QStringLiteral("no bus")); }

}  // namespace

TEST(SingleInstance, SecondStartOnTheBusHandsItsPathsToTheFirst) {
    PrivateBus bus;
    if (!bus.isValid()) GTEST_SKIP() << "no dbus-daemon";
    SingleInstance first(bus.connect(QStringLiteral("first")), QString());
    ASSERT_TRUE(first.claim());
    EXPECT_TRUE(first.usesBus());
    QSignalSpy opened(&first, &SingleInstance::openRequested);
    QSignalSpy activated(&first, &SingleInstance::activateRequested);

    SingleInstance second(bus.connect(QStringLiteral("second")), QString());
    EXPECT_FALSE(second.claim());
    ASSERT_TRUE(second.handOver({QStringLiteral("/tmp/a b.txt"), QStringLiteral("/tmp/ä#1")}));
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.at(0).at(0).toStringList(),
              (QStringList{QStringLiteral("/tmp/a b.txt"), QStringLiteral("/tmp/ä#1")}));

    // A start without paths only raises the running window.
    ASSERT_TRUE(second.handOver({}));
    EXPECT_EQ(activated.count(), 1);
    EXPECT_EQ(opened.count(), 1);
}

TEST(SingleInstance, TheNameIsFreeAgainWhenTheFirstInstanceEnds) {
    PrivateBus bus;
    if (!bus.isValid()) GTEST_SKIP() << "no dbus-daemon";
    {
        SingleInstance first(bus.connect(QStringLiteral("gone")), QString());
        ASSERT_TRUE(first.claim());
    }
    SingleInstance next(bus.connect(QStringLiteral("next")), QString());
    EXPECT_TRUE(next.claim());
    SingleInstance third(bus.connect(QStringLiteral("third")), QString());
    EXPECT_FALSE(third.claim());
}

TEST(SingleInstance, WithoutABusTheLocalSocketCarriesTheHandOver) {
    QTemporaryDir folder;
    SingleInstance first(noBus(), folder.path());
    ASSERT_TRUE(first.claim());
    EXPECT_FALSE(first.usesBus());
    QSignalSpy opened(&first, &SingleInstance::openRequested);
    QSignalSpy activated(&first, &SingleInstance::activateRequested);

    SingleInstance second(noBus(), folder.path());
    EXPECT_FALSE(second.claim());
    ASSERT_TRUE(second.handOver({QStringLiteral("/srv/x.txt")}));
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.at(0).at(0).toStringList(), QStringList{QStringLiteral("/srv/x.txt")});
    ASSERT_TRUE(second.handOver({}));
    EXPECT_EQ(activated.count(), 1);

    // The socket admits only its owner.
    const QFileInfo socket(folder.path() + QStringLiteral("/instance.socket"));
    EXPECT_FALSE(socket.permissions() & (QFile::ReadOther | QFile::WriteOther));
}

TEST(SingleInstance, RelativePathsAreMadeAbsoluteBeforeTheHandOver) {
    QTemporaryDir folder;
    SingleInstance first(noBus(), folder.path());
    ASSERT_TRUE(first.claim());
    QSignalSpy opened(&first, &SingleInstance::openRequested);
    SingleInstance second(noBus(), folder.path());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    ASSERT_TRUE(second.handOver({QStringLiteral("sub/../file.txt")}));
    QDir::setCurrent(previous);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.at(0).at(0).toStringList(),
              QStringList{QDir(folder.path()).canonicalPath() + QStringLiteral("/file.txt")});
}
