#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "cli/CliTestSupport.h"
#include "common/PropertyList.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"
#include "support/TreeContents.h"

// End to end through the built program: its standard input is no terminal, so nothing is
// asked and only --yes and --on-exists answer the questions.

namespace {

// Swaps the first two characters of every name: "12-a.txt" <-> "21-a.txt".
const QVariantMap kSwapFirstTwo = findAndReplace("^(.)(.)", "$2$1", true);

QMap<QString, QString> outcomesByName(const CliRun &run) {
    QMap<QString, QString> outcomes;
    for (const QJsonObject &line : run.jsonLines())
        outcomes.insert(line["name"].toString(), line["outcome"].toString());
    return outcomes;
}

class RenameCommandTest : public testing::Test {
protected:
    QString steps(const QVariantList &archives) { return writeStepsFile(dir.path(), archives); }

    // Files with distinct contents in a tree under "tree".
    void makeTree() {
        for (const char *name : {"12-a.txt", "21-a.txt", "34-b.txt", "x/56-c.txt", "x/65-c.txt",
                                 "x/y/78-d.txt", "x/y/99-same.txt"})
            dir.makeFile(QStringLiteral("tree/") + name, QByteArray("content of ") + name);
    }

    QMap<QString, QByteArray> tree() const { return filesUnder(dir.filePath("tree")); }

    QString userDefaultsFile() const {
        return qEnvironmentVariable("XDG_CONFIG_HOME") + "/Torvane/com.quorlix.Torvane.plist";
    }

    TestDir dir;
};

TEST_F(RenameCommandTest, RenamesATreeWithSwapsAndReportsEveryOutcome) {
    makeTree();
    const QList<QByteArray> contents = sortedContentsUnder(dir.filePath("tree"));
    const CliRun run = runCliProgram(
        {"rename", "--yes", "--json", "--steps", steps({kSwapFirstTwo}), dir.filePath("tree")});
    ASSERT_EQ(run.status, 0) << run.err;

    EXPECT_EQ(sortedContentsUnder(dir.filePath("tree")), contents);
    const QMap<QString, QByteArray> renamed = tree();
    EXPECT_EQ(renamed.value("21-a.txt"), "content of 12-a.txt");
    EXPECT_EQ(renamed.value("12-a.txt"), "content of 21-a.txt");
    EXPECT_EQ(renamed.value("43-b.txt"), "content of 34-b.txt");
    EXPECT_EQ(renamed.value("x/65-c.txt"), "content of x/56-c.txt");
    EXPECT_EQ(renamed.value("x/y/87-d.txt"), "content of x/y/78-d.txt");
    EXPECT_EQ(renamed.value("x/y/99-same.txt"), "content of x/y/99-same.txt");
    EXPECT_EQ(renamed.size(), 7);

    // Lines go out during the run, each once its outcome is final (one moved aside waits for
    // its own turn), in the list's order all the same.
    QStringList names;
    for (const QJsonObject &line : run.jsonLines()) names << line["name"].toString();
    EXPECT_EQ(names, QStringList({"12-a.txt", "21-a.txt", "34-b.txt", "56-c.txt", "65-c.txt",
                                  "78-d.txt", "99-same.txt"}));
    const QMap<QString, QString> outcomes = outcomesByName(run);
    EXPECT_EQ(outcomes.value("12-a.txt"), "renamed");
    EXPECT_EQ(outcomes.value("21-a.txt"), "renamed");
    EXPECT_EQ(outcomes.value("78-d.txt"), "renamed");
    EXPECT_EQ(outcomes.value("99-same.txt"), "unchanged");
    // Lines tell what was planned, and where the item is now.
    for (const QJsonObject &line : run.jsonLines()) {
        if (line["name"].toString() != "34-b.txt") continue;
        EXPECT_EQ(line["newName"].toString(), "43-b.txt");
        EXPECT_EQ(line["currentPath"].toString(), dir.filePath("tree/43-b.txt"));
    }
}

TEST_F(RenameCommandTest, PlainLinesCarryTheOutcome) {
    dir.makeFile("a.txt");
    dir.makeFile("c.txt");
    const CliRun run =
        runCliProgram({"rename", "--yes", "--steps", steps({findAndReplace("a", "b")}),
                       dir.filePath("a.txt"), dir.filePath("c.txt")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.lines(), QStringList({"[green]  a.txt -> b.txt  (outcome: renamed)",
                                        "[grey]   c.txt  (outcome: unchanged)"}));

    // A line with notes of its own lists the outcome after them.
    dir.makeFile("clash/a.txt");
    dir.makeFile("clash/b.txt");
    const CliRun clash = runCliProgram(
        {"rename", "--yes", "--steps", steps({findAndReplace("a", "b")}), dir.filePath("clash")});
    EXPECT_EQ(
        clash.lines(),
        QStringList({"[red]    a.txt -> b.txt  (Resulting filename isn't unique; outcome: "
                     "unchanged)",
                     "[red]    b.txt  (Resulting filename isn't unique; outcome: unchanged)"}));
}

TEST_F(RenameCommandTest, WithoutYesNorTerminalTheConfirmationIsCancelled) {
    dir.makeFile("a.txt", "a");
    const CliRun run = runCliProgram(
        {"rename", "--json", "--steps", steps({findAndReplace("a", "b")}), dir.filePath("a.txt")});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_TRUE(run.err.contains("Are you sure?")) << run.err;
    EXPECT_EQ(outcomesByName(run).value("a.txt"), "skipped");
    EXPECT_TRUE(QFile::exists(dir.filePath("a.txt")));
    EXPECT_FALSE(QFile::exists(dir.filePath("b.txt")));
}

// The core's alerts speak the session's language (LANGUAGE), the choices stay the same.
TEST_F(RenameCommandTest, AlertsFollowTheSessionsLanguage) {
    dir.makeFile("a.txt", "listed");
    dir.makeFile("b.txt", "occupant");
    const CliRun run = runCliProgram(
        {"rename", "--yes", "--steps", steps({findAndReplace("a", "b")}), dir.filePath("a.txt")},
        {}, {"LANGUAGE=de"});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_TRUE(run.err.contains(QString::fromUtf8("„b.txt“ existiert bereits"))) << run.err;
    EXPECT_EQ(filesUnder(dir.path()).value("a.txt"), "listed");
    EXPECT_EQ(filesUnder(dir.path()).value("b.txt"), "occupant");
}

TEST_F(RenameCommandTest, OnExistsDecidesAboutAnUnlistedOccupant) {
    const QString stepsFile = steps({findAndReplace("a", "b")});
    auto renameA = [&](const QStringList &options) {
        dir.makeFile("a.txt", "listed");
        dir.makeFile("b.txt", "occupant");
        return runCliProgram(QStringList{"rename", "--yes", "--json", "--steps", stepsFile} +
                             options + QStringList{dir.filePath("a.txt")});
    };

    // No terminal to ask: the run stops; so does "stop".
    for (const QStringList &options : {QStringList(), QStringList{"--on-exists", "stop"}}) {
        const CliRun run = renameA(options);
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_EQ(outcomesByName(run).value("a.txt"), "failed");
        EXPECT_TRUE(run.err.contains("\"b.txt\" Already Exists")) << run.err;
        EXPECT_EQ(filesUnder(dir.path()).value("a.txt"), "listed");
        EXPECT_EQ(filesUnder(dir.path()).value("b.txt"), "occupant");
    }

    const CliRun skipped = renameA({"--on-exists", "skip"});
    EXPECT_EQ(skipped.status, 1) << skipped.err;
    EXPECT_EQ(outcomesByName(skipped).value("a.txt"), "skipped");
    EXPECT_EQ(filesUnder(dir.path()).value("a.txt"), "listed");
    EXPECT_EQ(filesUnder(dir.path()).value("b.txt"), "occupant");

    // "replace" puts the occupant in the Trash, never deletes it.
    const CliRun replaced = renameA({"--on-exists", "replace"});
    EXPECT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_EQ(outcomesByName(replaced).value("a.txt"), "renamed");
    EXPECT_FALSE(QFile::exists(dir.filePath("a.txt")));
    EXPECT_EQ(filesUnder(dir.path()).value("b.txt"), "listed");
    const QMap<QString, QByteArray> trash =
        filesUnder(qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/files");
    EXPECT_TRUE(trash.values().contains("occupant")) << QStringList(trash.keys()).join(", ");
}

TEST_F(RenameCommandTest, UserSettingsAreLeftAsTheyWere) {
    dir.makeFile("a.txt", "listed");
    dir.makeFile("b.txt", "occupant");
    const QVariant before = PropertyList::readFile(userDefaultsFile());
    const CliRun run = runCliProgram({"rename", "--yes", "--on-exists", "skip", "--steps",
                                      steps({findAndReplace("a", "b")}), dir.filePath("a.txt")});
    EXPECT_EQ(run.status, 1) << run.err;
    const QVariantMap after = PropertyList::readFile(userDefaultsFile()).toMap();
    EXPECT_EQ(QVariant(after), before.isValid() ? before : QVariant(QVariantMap()));
    EXPECT_FALSE(after.contains("Chicken"));
    EXPECT_FALSE(after.contains("Skip All File Replacements (Transient)"));
}

TEST_F(RenameCommandTest, ConfigurationArchiveGivesStepsListingAndConfirmation) {
    dir.makeFile("top/box-one/item.txt", "item");
    const QVariantMap configuration{
        {"Renamers", QVariantList{findAndReplace("-one", "-two")}},
        {"List Folders", true},
        {"List Files", false},
        {"Chicken", false},
    };
    const QString archive = dir.filePath("config.tva");
    ASSERT_TRUE(PropertyList::writeFile(archive, configuration, PropertyList::Format::Xml));
    // No --yes: the configuration asks for no confirmation. Its steps replace --steps.
    const CliRun run =
        runCliProgram({"rename", "--json", "--config", archive, "--steps",
                       steps({findAndReplace("item", "thing")}), dir.filePath("top")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(filesUnder(dir.filePath("top")).keys(), QStringList{"box-two/item.txt"});
    EXPECT_EQ(outcomesByName(run).value("box-one"), "renamed");
    EXPECT_FALSE(outcomesByName(run).contains("item.txt"));
}

TEST_F(RenameCommandTest, BadInputAndUnusableStepsHaveTheirOwnStatus) {
    dir.makeFile("a.txt");
    const QString a = dir.filePath("a.txt");
    const QString good = steps({findAndReplace("a", "b")});
    for (const QStringList &arguments :
         {QStringList{"rename", a}, QStringList{"rename", "--steps", good},
          QStringList{"rename", "--steps", dir.filePath("missing.tva"), a},
          QStringList{"rename", "--steps", good, "--on-exists", "overwrite", a},
          QStringList{"rename", "--steps", good, "--frobnicate", a},
          QStringList{"rename", "--config", good, a}}) {
        const CliRun run = runCliInProcess(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString() << "\n" << run.err;
        EXPECT_TRUE(run.err.contains("usage: torvane-cli rename")) << run.err;
    }
    EXPECT_TRUE(QFile::exists(a));

    const CliRun broken =
        runCliProgram({"rename", "--yes", "--steps", steps({findAndReplace("(", "x", true)}), a});
    EXPECT_EQ(broken.status, 3) << broken.err;
    EXPECT_TRUE(broken.err.contains("not a valid regular expression")) << broken.err;
    EXPECT_TRUE(QFile::exists(a));
}

}  // namespace
