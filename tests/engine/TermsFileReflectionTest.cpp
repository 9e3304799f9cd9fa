#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include "EngineTestSupport.h"
#include "SequenceTestSupport.h"
#include "common/ApplicationActivation.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

using S = RenamerSetting;
using namespace RenamerKeys;

class TermsFileReflectionTest : public EngineTest {
protected:
    // A terms step that reflects a file of the given content.
    ZKRenamerPtr reflectingStep(const QByteArray &content) {
        path = dir.makeFile("terms.txt", content);
        ZKRenamerPtr step = sequenceStep({{kSequenceType, qint64(TermSequence)},
                                          {kSequencePreserveExtension, false},
                                          {kSequenceTerms, "typed"},
                                          {kSequenceTerms + kReflectedPathSuffix, path}});
        return step;
    }

    void rewrite(const QByteArray &content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    static QStringList names(int count) {
        QStringList list;
        for (int index = 0; index < count; ++index) list.append(QString::number(index));
        return list;
    }

    // Runs the event loop until the condition holds or five seconds have passed.
    static bool eventually(const std::function<bool()> &condition) {
        QDeadlineTimer deadline(5000);
        while (!condition() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        return condition();
    }

    TestDir dir;
    QString path;
};

TEST_F(TermsFileReflectionTest, EveryComputationReadsTheFileAgain) {
    const ZKRenamerPtr step = reflectingStep("red\ngreen");
    EXPECT_EQ(computedNames(*step, names(3)), QStringList({"red", "green", "red"}));
    EXPECT_EQ(step->stringValue(S::SequenceTerms), "red\ngreen");
    // The field's change is told on the next turn of the event loop, not during the
    // computation.
    EXPECT_EQ(delegate.delayedUpdates, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(delegate.delayedUpdates, 1);

    rewrite("blue, black");
    EXPECT_EQ(computedNames(*step, names(3)), QStringList({"blue", "black", "blue"}));
    // Windows line ends give the same terms as line feeds, and an unchanged file tells nothing.
    rewrite("blue\r\nblack\r\n");
    EXPECT_EQ(computedNames(*step, names(2)), QStringList({"blue", "black"}));
    QCoreApplication::processEvents();
    delegate.resetCounts();
    EXPECT_EQ(computedNames(*step, names(2)), QStringList({"blue", "black"}));
    QCoreApplication::processEvents();
    EXPECT_EQ(delegate.delayedUpdates, 0);
    EXPECT_EQ(step->sequenceTermsReflectedPath(), path);
}

TEST_F(TermsFileReflectionTest, FileInAnyDetectedEncoding) {
    const ZKRenamerPtr step =
        reflectingStep(QByteArray("\xFF\xFE"
                                  "a\0\n\0"
                                  "\xE9\0",
                                  8));
    EXPECT_EQ(computedNames(*step, names(2)), QStringList({"a", QStringLiteral("\u00e9")}));
}

TEST_F(TermsFileReflectionTest, VanishedFileDropsTheReflectionAndKeepsTheLastText) {
    const ZKRenamerPtr step = reflectingStep("one\ntwo");
    EXPECT_EQ(computedNames(*step, names(2)), QStringList({"one", "two"}));
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(computedNames(*step, names(2)), QStringList({"one", "two"}));
    EXPECT_TRUE(logLines.contains("cannot read terms file: " + path)) << logLines.join("|");
    EXPECT_EQ(step->sequenceTermsReflectedPath(), "");
    EXPECT_FALSE(step->archiveWithIrrelevantSettings(true, true, true)
                     .contains(kSequenceTerms + kReflectedPathSuffix));
    // The file coming back changes nothing any more.
    rewrite("three");
    EXPECT_EQ(computedNames(*step, names(1)), QStringList({"one"}));
}

TEST_F(TermsFileReflectionTest, FileThatIsNoTextKeepsTextAndReflection) {
    const ZKRenamerPtr step = reflectingStep(QByteArray("\0\1\2", 3));
    EXPECT_EQ(computedNames(*step, names(1)), QStringList({"typed"}));
    EXPECT_EQ(computedNames(*step, names(1)), QStringList({"typed"}));
    EXPECT_EQ(logLines.count("terms file is not text: " + path), 1);
    EXPECT_EQ(step->sequenceTermsReflectedPath(), path);
    rewrite("fixed");
    EXPECT_EQ(computedNames(*step, names(1)), QStringList({"fixed"}));
}

TEST_F(TermsFileReflectionTest, TypingEndsTheReflection) {
    const ZKRenamerPtr step = reflectingStep("from file");
    EXPECT_EQ(computedNames(*step, names(1)), QStringList({"from file"}));
    // Setting the same text (a widget echoing the file's text) is no edit.
    step->setStringValue(S::SequenceTerms, "from file");
    EXPECT_EQ(step->sequenceTermsReflectedPath(), path);
    step->setStringValue(S::SequenceTerms, "typed again");
    EXPECT_EQ(step->sequenceTermsReflectedPath(), "");
    rewrite("changed file");
    EXPECT_EQ(computedNames(*step, names(1)), QStringList({"typed again"}));
}

TEST_F(TermsFileReflectionTest, ImportingWithAndWithoutReflection) {
    const QString file = dir.makeFile("import.csv", "x,y");
    const ZKRenamerPtr step =
        sequenceStep({{kSequenceType, qint64(TermSequence)}, {kSequencePreserveExtension, false}});
    ZKTextFileReflection &field = step->sequenceTermsField();
    int changes = 0;
    QObject::connect(&field, &ZKTextFileReflection::textDidChange, [&] { ++changes; });

    ASSERT_TRUE(field.importTextFile(file, false));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(delegate.delayedUpdates, 1);
    EXPECT_EQ(step->stringValue(S::SequenceTerms), "x,y");
    EXPECT_FALSE(step->archiveWithIrrelevantSettings(true, true, true)
                     .contains(kSequenceTerms + kReflectedPathSuffix));
    QFile::remove(file);
    EXPECT_EQ(computedNames(*step, names(2)), QStringList({"x", "y"}));

    // A file under the home folder is remembered with "~" and read back through it.
    const QString home = QDir::homePath() + "/terms.txt";
    QFile homeFile(home);
    ASSERT_TRUE(homeFile.open(QIODevice::WriteOnly));
    homeFile.write("p\nq");
    homeFile.close();
    ASSERT_TRUE(field.importTextFile(home, true));
    EXPECT_EQ(step->sequenceTermsReflectedPath(), "~/terms.txt");
    const QVariantMap archive = step->archiveWithIrrelevantSettings(false, true, true);
    EXPECT_EQ(archive.value(kSequenceTerms + kReflectedPathSuffix), "~/terms.txt");
    const ZKRenamerPtr restored = ZKRenamer::renamerWithArchive(archive);
    homeFile.open(QIODevice::WriteOnly);
    homeFile.write("r");
    homeFile.close();
    EXPECT_EQ(computedNames(*restored, names(2)), QStringList({"r", "r"}));
    QFile::remove(home);
}

TEST_F(TermsFileReflectionTest, ImportOfAFileThatIsNoTextLosesNothing) {
    const ZKRenamerPtr step = reflectingStep("kept");
    const QString binary = dir.makeFile("photo.jpg", QByteArray("\xFF\xD8\0\0", 4));
    QString error;
    EXPECT_FALSE(step->sequenceTermsField().importTextFile(binary, true, &error));
    EXPECT_EQ(error, "terms file is not text: " + binary);
    EXPECT_EQ(step->stringValue(S::SequenceTerms), "typed");
    EXPECT_EQ(step->sequenceTermsReflectedPath(), path);
    EXPECT_FALSE(step->sequenceTermsField().importTextFile(dir.filePath("gone.txt"), false));
    EXPECT_EQ(step->sequenceTermsReflectedPath(), path);
}

TEST_F(TermsFileReflectionTest, ActivationOfTheApplicationReadsTheFile) {
    const ZKRenamerPtr step = reflectingStep("first");
    // Steps that are not shown do not react.
    EXPECT_FALSE(
        step->sequenceTermsField().isRegisteredForApplicationDidBecomeActiveNotification());
    step->sequenceTermsField().setObservesReflectedFile(true);
    EXPECT_TRUE(step->sequenceTermsField().isRegisteredForApplicationDidBecomeActiveNotification());
    rewrite("second");
    ApplicationActivation::shared().postApplicationDidBecomeActive();
    EXPECT_EQ(step->stringValue(S::SequenceTerms), "second");
    QCoreApplication::processEvents();
    EXPECT_EQ(delegate.delayedUpdates, 1);
    // Without a reflection nothing observes the activation.
    step->setStringValue(S::SequenceTerms, "mine");
    EXPECT_FALSE(
        step->sequenceTermsField().isRegisteredForApplicationDidBecomeActiveNotification());
    rewrite("third");
    ApplicationActivation::shared().postApplicationDidBecomeActive();
    EXPECT_EQ(step->stringValue(S::SequenceTerms), "mine");
}

TEST_F(TermsFileReflectionTest, WatchedFileChangesRecomputeNames) {
    const ZKRenamerPtr step = reflectingStep("first");
    step->sequenceTermsField().setObservesReflectedFile(true);
    rewrite("second");
    EXPECT_TRUE(eventually([&] { return step->stringValue(S::SequenceTerms) == "second"; }));
    EXPECT_TRUE(eventually([&] { return delegate.delayedUpdates >= 1; }));

    // An editor that saves by replacing the file.
    const QString replacement = dir.makeFile("terms.txt.new", "third");
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::rename(replacement, path));
    EXPECT_TRUE(eventually([&] { return step->stringValue(S::SequenceTerms) == "third"; }));
    rewrite("fourth");
    EXPECT_TRUE(eventually([&] { return step->stringValue(S::SequenceTerms) == "fourth"; }));
    EXPECT_EQ(step->sequenceTermsReflectedPath(), path);
}
