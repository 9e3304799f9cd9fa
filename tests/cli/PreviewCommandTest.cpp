#include <gtest/gtest.h>

#include <QFile>
#include <csignal>

#include "cli/CliTestSupport.h"
#include "cli/InterruptFlag.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

namespace {

const QVariantMap kLowerCaseExtension{
    {"Task", 2}, {"Rename: Change Case: Name", 0}, {"Rename: Change Case: Extension", 2}};

class PreviewCommandTest : public testing::Test {
protected:
    TestDir dir;
};

TEST_F(PreviewCommandTest, PlainLinesShowLightNameAndNewName) {
    const QString a = dir.makeFile("IMG_0012.JPG");
    const QString b = dir.makeFile("notes.txt");
    const QString steps =
        writeStepsFile(dir.path(), {findAndReplace("IMG_", "Photo "), kLowerCaseExtension});
    const CliRun run = runCliInProcess({"preview", "--steps", steps, a, b});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.lines(),
              QStringList({"[green]  IMG_0012.JPG -> Photo 0012.jpg", "[grey]   notes.txt"}));
}

TEST_F(PreviewCommandTest, JsonLinesCarryEveryFieldInOrderGiven) {
    const QString missing = dir.makeFile("later/a:b.TXT");
    const QString dotted = dir.makeFile("draft.txt");
    const QString steps = writeStepsFile(
        dir.path(), {findAndReplace("draft", ".draft"), kLowerCaseExtension}, /*binary=*/true);
    const CliRun run = runCliInProcess({"preview", "--json", "--steps", steps, missing, dotted});
    ASSERT_EQ(run.status, 0) << run.err;
    const QList<QJsonObject> lines = run.jsonLines();
    ASSERT_EQ(lines.size(), 2);

    EXPECT_EQ(lines[0]["path"].toString(), missing);
    EXPECT_EQ(lines[0]["name"].toString(), "a:b.TXT");
    EXPECT_EQ(lines[0]["newName"].toString(), "a:b.txt");
    EXPECT_EQ(lines[0]["light"].toString(), "green");
    EXPECT_EQ(lines[0]["interim"].toArray().size(), 2);
    EXPECT_TRUE(lines[0]["error"].isNull());

    EXPECT_EQ(lines[1]["light"].toString(), "red");
    EXPECT_EQ(lines[1]["error"].toString(), "Resulting filename would make the file invisible");
}

TEST_F(PreviewCommandTest, CleanedNamesAreYellowWithTheirWarning) {
    const QString a = dir.makeFile("x.txt");
    const QVariantMap suffix{{"Task", 103}, {"Rename: Insert: String", QVariantList{"/v"}}};
    const CliRun run =
        runCliInProcess({"preview", "--json", "--steps", writeStepsFile(dir.path(), {suffix}), a});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject line = run.jsonLines().value(0);
    EXPECT_EQ(line["newName"].toString(), "x:v.txt");
    EXPECT_EQ(line["light"].toString(), "yellow");
    EXPECT_EQ(line["warnings"].toArray().first().toString(),
              "Replaced slash with colon to make Unix happy");
    EXPECT_EQ(line["interim"].toArray().first().toString(), "x/v.txt");
}

TEST_F(PreviewCommandTest, InvalidRegularExpressionWithdrawsEveryNewName) {
    const QString a = dir.makeFile("a.txt");
    const QString steps =
        writeStepsFile(dir.path(), {kLowerCaseExtension, findAndReplace("(", "x", true)});
    const CliRun run = runCliInProcess({"preview", "--json", "--steps", steps, a});
    EXPECT_EQ(run.status, 3);
    EXPECT_TRUE(run.err.contains("step 2 (Find and Replace)")) << run.err;
    ASSERT_EQ(run.jsonLines().size(), 1);
    EXPECT_TRUE(run.jsonLines()[0]["newName"].isNull());
    EXPECT_EQ(run.jsonLines()[0]["light"].toString(), "grey");
}

TEST_F(PreviewCommandTest, UnusableStepsFileIsBadInput) {
    const QString a = dir.makeFile("a.txt");
    const QString notArray = dir.makeFile("dict.tva", "<plist version=\"1.0\"><dict/></plist>");
    const QString garbage = dir.makeFile("garbage.tva", "\x01\x02 not a plist");
    const QString stringItem = writeStepsFile(dir.path(), {QVariant("Task")});

    for (const QString &steps : {dir.filePath("missing.tva"), notArray, garbage, stringItem}) {
        const CliRun run = runCliInProcess({"preview", "--steps", steps, a});
        EXPECT_EQ(run.status, 2) << steps.toStdString();
        EXPECT_TRUE(run.err.contains(steps)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_EQ(runCliInProcess({"preview", a}).status, 2);
    EXPECT_EQ(runCliInProcess({"preview", "--steps", stringItem}).status, 2);
    EXPECT_EQ(runCliInProcess({"frobnicate"}).status, 2);
}

TEST_F(PreviewCommandTest, NamesAreComparedInComposedForm) {
    // "é" spelled as e + combining accent on disk; the steps see and produce the composed form.
    const QString decomposed = dir.makeFile(QString::fromUtf8("cafe\xCC\x81.txt"));
    const QString steps =
        writeStepsFile(dir.path(), {findAndReplace(QString::fromUtf8("caf\xC3\xA9"), "bar")});
    const CliRun run = runCliInProcess({"preview", "--json", "--steps", steps, decomposed});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.jsonLines()[0]["newName"].toString(), "bar.txt");
    EXPECT_TRUE(QFile::exists(decomposed));
}

TEST_F(PreviewCommandTest, ProgramExitsWithTheCommandStatus) {
    const QString a = dir.makeFile("a.txt");
    const QString steps = writeStepsFile(dir.path(), {findAndReplace("a", "b")});
    const CliRun run = runCliProgram({"preview", "--steps", steps, a});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.lines(), QStringList({"[green]  a.txt -> b.txt"}));
    EXPECT_EQ(runCliProgram({"preview", "--steps", dir.filePath("none.tva"), a}).status, 2);
}

TEST_F(PreviewCommandTest, FoldersAreScannedSortedAndNamedTogether) {
    dir.makeFile("shoot/b/file10.txt");
    dir.makeFile("shoot/a/file2.txt");
    dir.makeFile("shoot/a/.secret.txt");
    dir.makeFile("shoot/a/file1.txt");
    const QString steps = writeStepsFile(dir.path(), {findAndReplace("file\\d+", "same", true)});
    const QString shoot = dir.filePath("shoot");

    const CliRun byName = runCliInProcess({"preview", "--steps", steps, shoot});
    ASSERT_EQ(byName.status, 0) << byName.err;
    // Names collide only within one folder; file2 sorts before file10 by its number.
    EXPECT_EQ(byName.lines(),
              QStringList({"[red]    file1.txt -> same.txt  (Resulting filename isn't unique)",
                           "[red]    file2.txt -> same.txt  (Resulting filename isn't unique)",
                           "[green]  file10.txt -> same.txt"}))
        << byName.out;

    const CliRun descending =
        runCliInProcess({"preview", "--sort", "path", "--descending", "--include-invisible",
                         "--json", "--steps", steps, shoot});
    QStringList names;
    for (const QJsonObject &line : descending.jsonLines()) names << line["name"].toString();
    EXPECT_EQ(names, QStringList({"file10.txt", "file2.txt", "file1.txt", ".secret.txt"}));

    const CliRun foldersOnly =
        runCliInProcess({"preview", "--no-list-files", "--list-folders", "--steps", steps, shoot});
    EXPECT_EQ(foldersOnly.lines(), QStringList({"[grey]   a", "[grey]   b", "[grey]   shoot"}))
        << foldersOnly.out;
}

TEST_F(PreviewCommandTest, CollisionsAreRefusedOrNumbered) {
    dir.makeFile("f/x1.txt");
    dir.makeFile("f/x2.txt");
    dir.makeFile("f/x3.txt");
    dir.makeFile("f/keep.txt");
    const QString steps = writeStepsFile(dir.path(), {findAndReplace("x\\d", "A", true)});
    const QString folder = dir.filePath("f");

    const CliRun refused =
        runCliInProcess({"preview", "--filter", "problems", "--steps", steps, folder});
    EXPECT_EQ(refused.lines().size(), 3) << refused.out;
    EXPECT_TRUE(refused.out.contains("[red]    x1.txt -> A.txt  (Resulting filename isn't unique)"))
        << refused.out;

    const CliRun numbered = runCliInProcess(
        {"preview", "--auto-uniqueify", "--filter", "modified", "--steps", steps, folder});
    EXPECT_EQ(
        numbered.lines(),
        QStringList({"[yellow] x1.txt -> A.txt  (Resulting filename wouldn't be unique)",
                     "[yellow] x2.txt -> A (1).txt  (Resulting filename wouldn't be unique)",
                     "[yellow] x3.txt -> A (2).txt  (Resulting filename wouldn't be unique)"}))
        << numbered.out;
}

TEST_F(PreviewCommandTest, BadListingOptionsAreBadInput) {
    const QString steps = writeStepsFile(dir.path(), {findAndReplace("a", "b")});
    for (const QStringList &options :
         {QStringList{"--sort", "colour"}, QStringList{"--filter"}, QStringList{"--frobnicate"}}) {
        const CliRun run =
            runCliInProcess(QStringList{"preview", "--steps", steps} + options + QStringList{"."});
        EXPECT_EQ(run.status, 2) << options.join(' ');
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST_F(PreviewCommandTest, InterruptedScanPrintsNothingAndExits130) {
    dir.makeFile("tree/a.txt");
    const QString steps = writeStepsFile(dir.path(), {findAndReplace("a", "b")});
    InterruptFlag::install();
    std::raise(SIGINT);
    const CliRun run = runCliInProcess({"preview", "--steps", steps, dir.filePath("tree")});
    InterruptFlag::reset();
    EXPECT_EQ(run.status, 130);
    EXPECT_TRUE(run.out.isEmpty()) << run.out;
}

}  // namespace

TEST_F(PreviewCommandTest, ColonsAreShownAndMatchedAsTheyAreOnDisk) {
    const QString notes = dir.makeFile("12:30 notes.txt");
    const CliRun run = runCliInProcess(
        {"preview", "--steps", writeStepsFile(dir.path(), {findAndReplace(":", "h")}), notes});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.lines(), QStringList({"[green]  12:30 notes.txt -> 12h30 notes.txt"}));
}
