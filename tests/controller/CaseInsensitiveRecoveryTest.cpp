// A change of letter case on a volume that ignores case (exFAT through FUSE, as on camera
// cards), killed between its two steps.

#include <gtest/gtest.h>

#include <QDir>

#include "RenameRunFixture.h"
#include "journal/JournalRecovery.h"
#include "support/ExfatVolume.h"
#include "support/FaultyDisk.h"
#include "support/JournalTestSupport.h"

namespace {

struct Crash {};

class CaseInsensitiveRecoveryTest : public RenameRunFixture {
protected:
    void SetUp() override {
        if (!volume.isMounted())
            GTEST_SKIP() << "no exFAT volume: " << volume.reason().toStdString();
        RenameRunFixture::SetUp();
        JournalTestSupport::removeAllJournals();
        controller->setDiskInterface(disk);
    }

    // Files with distinct contents in the volume, listed.
    void listOnVolume(const QStringList &names) {
        for (const QString &name : names) {
            QFile file(volume.path() + '/' + name);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(contentOf(name));
        }
        ASSERT_TRUE(controller->populateWithPaths({volume.path()}, false, false));
    }

    QStringList names() const { return QDir(volume.path()).entryList(QDir::Files, QDir::Name); }

    ExfatVolume volume;
    FaultyDisk disk;
};

}  // namespace

TEST_F(CaseInsensitiveRecoveryTest, KillBetweenTheTwoStepsIsUndone) {
    listOnVolume({"IMG_1.JPG"});
    useSteps({findAndReplace("IMG", "img")});
    disk.onStep = [](const QByteArray &, const QByteArray &, DiskInterface::StepPhase phase) {
        if (phase == DiskInterface::StepPhase::Recorded) throw Crash();
    };
    EXPECT_THROW(controller->rename(false), Crash);
    disk.onStep = {};
    ASSERT_EQ(names().size(), 1);
    EXPECT_TRUE(names().first().startsWith("com.quorlix.tvt ")) << names().first().toStdString();

    const QList<JournalSummary> open = JournalRecovery::openJournals();
    ASSERT_EQ(open.size(), 1);
    const JournalRecovery::UndoReport undo = JournalRecovery::undo(open.first().path);
    EXPECT_TRUE(undo.isComplete()) << undo.error.toStdString();
    EXPECT_EQ(names(), QStringList{"IMG_1.JPG"});
}
