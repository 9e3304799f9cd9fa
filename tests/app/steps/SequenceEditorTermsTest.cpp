#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>

#include "SequenceEditorFixture.h"
#include "app/steps/Eventually.h"
#include "app/steps/TermsImportDialog.h"
#include "app/steps/ZKTextFileReadingTextField.h"

// The terms field: imports through its button, reflecting the file or not, following the
// file on disk while shown, ending the reflection on a user edit or a lost file, and
// keeping its terms when a file holds no text.
class SequenceEditorTermsTest : public SequenceEditorFixture {
protected:
    ZKTextFileReadingTextField *termsWithImportOf(const QString &path, bool reflect) {
        ZKSequenceEditor *editor = useSequence(
            {{"Rename: Sequence: Type", TermSequence}, {"Rename: Sequence: Terms", "old"}});
        ZKTextFileReadingTextField *terms = editor->termsField();
        terms->setImportChooser([this, path, reflect](QWidget *, const QString &reflected) {
            reflectedPathOffered = reflected;
            return std::optional<TermsImportChoice>({path, reflect});
        });
        return terms;
    }
    static void write(const QString &path, const QByteArray &content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    ZKTextFileReflection &reflection() const { return step().sequenceTermsField(); }

    QString reflectedPathOffered = QStringLiteral("<not asked>");
};

TEST_F(SequenceEditorTermsTest, ReflectedFileIsFollowedUntilTheUserTypes) {
    const QString path = dir.makeFile("terms.txt", "red\r\ngreen\r\n");
    ZKTextFileReadingTextField *terms = termsWithImportOf(path, true);
    QTest::mouseClick(terms->importButton(), Qt::LeftButton);
    EXPECT_EQ(reflectedPathOffered, "") << "nothing reflected before";
    EXPECT_EQ(terms->toPlainText(), "red\ngreen\n");
    EXPECT_TRUE(terms->importButton()->isChecked()) << "the button shows the reflection";
    EXPECT_EQ(step().sequenceTermsReflectedPath(), path);
    EXPECT_TRUE(terms->statusText().contains(path));
    EXPECT_TRUE(reflection().observesReflectedFile()) << "the field is shown";
    EXPECT_EVENTUALLY_EQ(newName("beta.txt"), QString("green.txt"), 3000);

    write(path, "blue\nwhite\n");
    EXPECT_EVENTUALLY_EQ(terms->toPlainText(), QString("blue\nwhite\n"), 5000);
    EXPECT_EVENTUALLY_EQ(newName("alpha.txt"), QString("blue.txt"), 3000);

    terms->moveCursor(QTextCursor::Start);
    QTest::keyClicks(terms, "pale ");
    EXPECT_EQ(step().sequenceTermsReflectedPath(), "") << "typing ends the reflection";
    EXPECT_FALSE(terms->importButton()->isChecked());
    EXPECT_EQ(terms->statusText(), "");
    EXPECT_EQ(terms->toPlainText(), "pale blue\nwhite\n");
    write(path, "black\n");
    EXPECT_EQ(reflection().updatedText(), "pale blue\nwhite\n") << "the file is not read again";
    EXPECT_EVENTUALLY_EQ(newName("alpha.txt"), QString("pale blue.txt"), 3000);
    EXPECT_FALSE(step()
                     .archiveWithIrrelevantSettings(false, true, true)
                     .contains("Rename: Sequence: Terms (Reflected Path)"));
}

TEST_F(SequenceEditorTermsTest, ImportWithoutReflectionLoadsTheFileOnce) {
    const QString path = dir.makeFile("terms.csv", "one, two");
    ZKTextFileReadingTextField *terms = termsWithImportOf(path, false);
    terms->importTerms();
    EXPECT_EQ(terms->toPlainText(), "one, two");
    EXPECT_EQ(step().sequenceTermsReflectedPath(), "");
    EXPECT_FALSE(terms->importButton()->isChecked());
    EXPECT_EVENTUALLY_EQ(newName("beta.txt"), QString("two.txt"), 3000);

    write(path, "three");
    EXPECT_EQ(reflection().updatedText(), "one, two");
    EXPECT_FALSE(reflection().observesReflectedFile() &&
                 reflection().isRegisteredForApplicationDidBecomeActiveNotification());
}

TEST_F(SequenceEditorTermsTest, FileWithoutTextKeepsTheTermsAndSaysSo) {
    const QString path = dir.makeFile("picture.txt", QByteArray("\x89PNG\0\0\x01\x02", 8));
    ZKTextFileReadingTextField *terms = termsWithImportOf(path, true);
    terms->importTerms();
    EXPECT_EQ(terms->toPlainText(), "old");
    EXPECT_EQ(step().stringValue(RenamerSetting::SequenceTerms), "old");
    EXPECT_EQ(step().sequenceTermsReflectedPath(), "") << "no reflection of a file without text";
    auto *message = terms->findChild<QMessageBox *>("termsImportFailure");
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->isVisible());
    EXPECT_TRUE(message->text().contains("picture.txt"));
    EXPECT_TRUE(message->informativeText().contains("unchanged"));
    message->close();
}

TEST_F(SequenceEditorTermsTest, LostFileEndsTheReflectionAndKeepsTheTerms) {
    const QString path = dir.makeFile("terms.txt", "red\ngreen");
    ZKTextFileReadingTextField *terms = termsWithImportOf(path, true);
    terms->importTerms();
    ASSERT_EQ(step().sequenceTermsReflectedPath(), path);

    QFile::remove(path);
    controller->updateRenameNames();
    EXPECT_EQ(step().sequenceTermsReflectedPath(), "");
    EXPECT_EQ(terms->toPlainText(), "red\ngreen");
    EXPECT_EQ(newName("beta.txt"), "green.txt");
    EXPECT_TRUE(terms->statusText().contains("can no longer be read")) << terms->statusText();
    auto *status = view(0)->editor()->findChild<QLabel *>("termsStatus");
    ASSERT_TRUE(status);
    EXPECT_TRUE(status->isVisible());
    EXPECT_EQ(status->text(), terms->statusText());

    QTest::keyClicks(terms, "!");
    EXPECT_EQ(terms->statusText(), "") << "the message has been seen";
}

TEST_F(SequenceEditorTermsTest, FileIsObservedOnlyWhileTheFieldIsShown) {
    const QString path = dir.makeFile("terms.txt", "red");
    ZKTextFileReadingTextField *terms = termsWithImportOf(path, true);
    terms->importTerms();
    EXPECT_TRUE(reflection().observesReflectedFile());

    choose(menu(RenamerSetting::SequenceType), NumberSequence);
    EXPECT_FALSE(terms->isVisible());
    EXPECT_FALSE(reflection().observesReflectedFile());
    EXPECT_FALSE(reflection().isRegisteredForApplicationDidBecomeActiveNotification());

    choose(menu(RenamerSetting::SequenceType), TermSequence);
    EXPECT_TRUE(reflection().observesReflectedFile());
    EXPECT_TRUE(reflection().isRegisteredForApplicationDidBecomeActiveNotification());

    terms->importTerms();
    EXPECT_EQ(reflectedPathOffered, path) << "the dialog starts from the reflected file";
}

TEST_F(SequenceEditorTermsTest, ImportDialogOffersTextFilesAndTheReflectionSwitch) {
    const QString path = dir.makeFile("lists/terms.txt", "a");
    TermsImportDialog reflecting(nullptr, path);
    EXPECT_EQ(reflecting.windowTitle(), "Import Terms");
    EXPECT_TRUE(reflecting.testOption(QFileDialog::DontUseNativeDialog))
        << "the check box needs Qt's own dialog";
    EXPECT_EQ(reflecting.fileMode(), QFileDialog::ExistingFile);
    ASSERT_EQ(reflecting.nameFilters().size(), 1);
    EXPECT_TRUE(reflecting.nameFilters().first().contains("*.txt"));
    EXPECT_TRUE(reflecting.nameFilters().first().contains("*.csv"));
    EXPECT_EQ(reflecting.directory().absolutePath(), dir.filePath("lists"));
    QCheckBox *reflect = reflecting.reflectSwitch();
    EXPECT_EQ(reflect->text(), "Reflect file changes automatically");
    EXPECT_TRUE(reflect->isChecked());
    EXPECT_TRUE(reflecting.isAncestorOf(reflect));
    EXPECT_TRUE(reflecting.layout()->indexOf(reflect) >= 0) << "laid out in the dialog";

    TermsImportDialog plain(nullptr, QString());
    EXPECT_FALSE(plain.reflectSwitch()->isChecked());
}

TEST_F(SequenceEditorTermsTest, FileInTheHomeFolderIsNamedWithATilde) {
    const QString folder = QDir::home().filePath("Terms For Test");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + "/colours.txt";
    write(path, "red\n");
    ZKTextFileReadingTextField *terms = termsWithImportOf(path, true);
    terms->importTerms();
    EXPECT_EQ(step().sequenceTermsReflectedPath(), "~/Terms For Test/colours.txt");
    EXPECT_EQ(terms->statusText(), "Reflecting “~/Terms For Test/colours.txt”");
    EXPECT_TRUE(terms->toolTip().contains("~/Terms For Test/colours.txt"));
    QDir(folder).removeRecursively();
}
