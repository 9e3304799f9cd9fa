#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include "cli/CliTestSupport.h"
#include "cli/CompletionWords.h"
#include "cli/PreviewCommand.h"
#include "cli/RenameCommand.h"
#include "cli/RevertCommand.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

// The conventions of a shell tool: help, version, errors, manual, pipes, colours, completion.

namespace {

TEST(CliShellTest, HelpGoesToStandardOutputAndErrorsNameTheOption) {
    for (const QStringList &arguments : QList<QStringList>{{"--help"},
                                                           {"-h"},
                                                           {"help"},
                                                           {"help", "rename"},
                                                           {"preview", "--help"},
                                                           {"rename", "--yes", "-h"},
                                                           {"revert", "--help"},
                                                           {"finish", "-h"}}) {
        const CliRun run = runCliInProcess(arguments);
        EXPECT_EQ(run.status, 0) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.startsWith("usage: torvane-cli")) << run.out.toStdString();
        EXPECT_TRUE(run.err.isEmpty());
    }
    const CliRun version = runCliInProcess({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(QRegularExpression("^torvane-cli \\d+\\.\\d+").match(version.out).hasMatch());

    for (const QStringList &arguments : QList<QStringList>{
             {"preview", "--bogus", "x"}, {"revert", "--bogus"}, {"rename", "--color=pink", "x"}}) {
        const CliRun run = runCliInProcess(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.err.contains(
            arguments[1].section('=', 1).isEmpty() ? arguments[1] : arguments[1].section('=', 1)))
            << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("usage: torvane-cli " + arguments[0]));
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_EQ(runCliInProcess({"help", "bogus"}).status, 2);
}

// Under German the program's own texts are German; what scripts read stays as it is, and
// the English help still drives completion.
TEST(CliShellTest, OwnTextsFollowTheSessionsLanguageButMachineOutputDoesNot) {
    TestDir dir;
    dir.makeFile("a.txt");
    const QStringList german{"LANGUAGE=de"};
    const QStringList preview{"preview", "--prefix", "x-", dir.filePath("a.txt")};
    for (const QString format : {"--json", "--color=never"}) {
        const CliRun english = runCliProgram(preview + QStringList{format});
        const CliRun translated = runCliProgram(preview + QStringList{format}, {}, german);
        EXPECT_EQ(translated.status, 0) << translated.err;
        EXPECT_EQ(translated.out, english.out);
        EXPECT_TRUE(translated.out.contains("x-a.txt")) << translated.out;
    }

    const CliRun bad = runCliProgram({"preview", "--bogus", "x"}, {}, german);
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(
        bad.err.startsWith(QString::fromUtf8("torvane-cli preview: unbekannte Option: "
                                             "--bogus\nAufruf: torvane-cli preview")))
        << bad.err;
    EXPECT_TRUE(bad.err.contains(QString::fromUtf8("„torvane-cli preview --help“"))) << bad.err;

    const CliRun help = runCliProgram({"rename", "--help"}, {}, german);
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(QRegularExpression("\\n  --yes {35}ohne die Bestätigungen fortfahren\\n")
                    .match(help.out)
                    .hasMatch())
        << help.out;
    // Every option of the English help is still named in the translation.
    QStringList translatedOptions = CompletionWords::optionsOf(help.out);
    QStringList options = CompletionWords::optionsOf(RenameCommand::usage());
    translatedOptions.sort();
    options.sort();
    EXPECT_EQ(translatedOptions, options);
}

// The manual names every option that --help names, so the two cannot drift apart.
TEST(CliShellTest, ManualPageNamesEveryOptionOfTheHelp) {
    QFile page(QStringLiteral(TORVANE_SOURCE_DIR "/resources/man/torvane-cli.1"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    // Roff writes a hyphen as "\-" and switches fonts with "\fB" and the like.
    const QString manual = QString::fromUtf8(page.readAll())
                               .replace("\\-", "-")
                               .remove(QRegularExpression("\\\\f[BIRP]"));
    for (const QString &usage : {PreviewCommand::usage(), RenameCommand::usage(),
                                 RevertCommand::usage(), RevertCommand::finishUsage()}) {
        const QStringList options = CompletionWords::optionsOf(usage);
        EXPECT_TRUE(options.contains("--json"));
        for (const QString &option : options)
            EXPECT_TRUE(QRegularExpression("(?<![\\w-])" + QRegularExpression::escape(option) +
                                           "(?![\\w-])")
                            .match(manual)
                            .hasMatch())
                << option.toStdString();
    }
}

// A PATH argument that is not valid UTF-8 would be decoded into the name of another item:
// the command is refused and nothing is renamed, not even the valid PATHs.
TEST(CliShellTest, ArgumentsThatAreNotUtf8AreRefused) {
    TestDir dir;
    dir.makeFile("keep.JPG");
    const QByteArray bad = QFile::encodeName(dir.filePath("bad")) + "\xff.JPG";
    ::close(::open(bad.constData(), O_CREAT | O_WRONLY, 0644));
    QFile(QFile::decodeName(bad)).open(QIODevice::WriteOnly);
    // xargs hands the bytes over as they are.
    QProcess process;
    process.start("xargs", {"-0", cliProgram(), "rename", "--case", "lower:extension", "--yes"});
    process.write(QFile::encodeName(dir.filePath("keep.JPG")) + '\0' + bad + '\0');
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_NE(process.exitCode(), 0) << err.toStdString();
    EXPECT_TRUE(err.contains("not valid UTF-8: " + dir.filePath("bad") + "%FF.JPG"))
        << err.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath("keep.JPG")));
    EXPECT_TRUE(QFile::exists(QFile::decodeName(bad)));
    EXPECT_EQ(::unlink(bad.constData()), 0);
}

TEST(CliShellTest, PathsFromAPipeAreTakenAsBytes) {
    TestDir dir;
    dir.makeFile("a/IMG 1.JPG");
    dir.makeFile("a/keep.JPG");
    dir.makeFile("a/b/IMG\n2.JPG");
    const QByteArray bad = QFile::encodeName(dir.filePath("a/")) + "bad\xff.JPG";
    ::close(::open(bad.constData(), O_CREAT | O_WRONLY, 0644));
    // The item a decoder that replaces bad bytes would name instead.
    QFile(QFile::decodeName(bad)).open(QIODevice::WriteOnly);
    const QByteArray input = QFile::encodeName(dir.filePath("a/IMG 1.JPG")) + '\0' + bad + '\0' +
                             QFile::encodeName(dir.filePath("a/b/IMG\n2.JPG")) + '\0';
    const CliRun run = runCliProgram(
        {"rename", "-0", "--from-stdin", "--case", "lower:extension", "--yes", "--json"}, input);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    // The newline came through inside its name (which then loses it, as in the window).
    const QStringList names = run.newNames();
    EXPECT_EQ(QSet<QString>(names.cbegin(), names.cend()),
              QSet<QString>({"IMG 1.jpg", "IMG2.jpg"}));
    EXPECT_TRUE(run.err.contains("not valid UTF-8")) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath("a/keep.JPG")));
    EXPECT_TRUE(QFile::exists(QFile::decodeName(bad)));
    EXPECT_EQ(::unlink(bad.constData()), 0);  // also what the folder's removal cannot name

    const CliRun lines = runCliProgram({"preview", "--from-stdin", "--prefix", "x"},
                                       QFile::encodeName(dir.filePath("a/keep.JPG")) + "\n");
    EXPECT_EQ(lines.status, 0);
    EXPECT_TRUE(lines.out.contains("keep.JPG -> xkeep.JPG"));
    EXPECT_FALSE(lines.out.contains("\033["));
    const CliRun colored =
        runCliProgram({"preview", "--color=always", "--prefix", "x", dir.filePath("a/keep.JPG")},
                      {}, {"NO_COLOR=1"});
    EXPECT_TRUE(colored.out.startsWith("\033[32m[green]\033[0m")) << colored.out.toStdString();
    EXPECT_EQ(runCliProgram({"preview", "--from-stdin", "--prefix", "x"}, "").status, 2);
}

TEST(CliShellTest, CompletionWordsFollowTheProgram) {
    const CliRun options = runCliInProcess({"__complete", "options", "rename"});
    for (const char *option : {"--find", "--on-exists", "--sort", "--from-stdin", "-0"})
        EXPECT_TRUE(options.lines().contains(option)) << option;
    EXPECT_TRUE(
        runCliInProcess({"__complete", "choices", "--case"}).lines().contains("lower:extension"));
    EXPECT_TRUE(
        runCliInProcess({"__complete", "tokens"}).lines().contains("<Name of Parent Folder>"));
}

}  // namespace
