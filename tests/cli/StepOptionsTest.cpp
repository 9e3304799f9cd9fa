#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "cli/CliTestSupport.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

// Steps given as options: what a user expects each option to do to a name.

namespace {

class StepOptionsTest : public testing::Test {
protected:
    // The new names of the files (made in "box") under the step options.
    QStringList preview(const QStringList &names, const QStringList &options) {
        for (const QString &name : names) dir.makeFile("box/" + name);
        const CliRun run = runCliInProcess(QStringList{"preview", "--json"} + options +
                                           QStringList{"--", dir.filePath("box")});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        QDir(dir.filePath("box")).removeRecursively();
        return run.newNames();
    }

    TestDir dir;
};

TEST_F(StepOptionsTest, FindAndReplaceWithItsModifiers) {
    EXPECT_EQ(preview({"a.b.c.txt"}, {"--find", ".", "--replace", "_"}), QStringList{"a_b_c.txt"});
    EXPECT_EQ(preview({"a.b.c.txt"}, {"--find", ".", "--replace", "_", "--whole-name"}),
              QStringList{"a_b_c_txt"});
    EXPECT_EQ(preview({"Aa.txt"}, {"--find", "a", "--case-sensitive"}), QStringList{"A.txt"});
    EXPECT_EQ(preview({"IMG_0012.txt"}, {"--find=IMG_(\\d+)", "--regex", "--replace=Photo $1"}),
              QStringList{"Photo 0012.txt"});
}

TEST_F(StepOptionsTest, PositionsPrefixSuffixAndExtensions) {
    EXPECT_EQ(preview({"abcdef.txt"}, {"--remove", "2:2:from-end"}), QStringList{"abcf.txt"});
    EXPECT_EQ(preview({"short.txt"}, {"--insert", "a@b@6"}), QStringList{"shorta@b.txt"});
    EXPECT_EQ(preview({"x.txt"}, {"--prefix", "1-", "--suffix", "-2"}), QStringList{"1-x-2.txt"});
    EXPECT_EQ(preview({"x.txt"}, {"--suffix", "~", "--include-extension"}), QStringList{"x.txt~"});
    EXPECT_EQ(preview({"README"}, {"--set-extension", "md"}), QStringList{"README"});
    EXPECT_EQ(preview({"README"}, {"--set-extension", "md", "--add-missing"}),
              QStringList{"README.md"});
    EXPECT_EQ(preview({"IMG_1.jpg"}, {"--compose", "Holiday", "--drop-extension"}),
              QStringList{"Holiday"});
}

TEST_F(StepOptionsTest, CaseModesByPart) {
    EXPECT_EQ(preview({"IMG.JPG"}, {"--case", "lower"}), QStringList{"img.jpg"});
    EXPECT_EQ(preview({"IMG.JPG"}, {"--case", "lower:extension"}), QStringList{"IMG.jpg"});
    EXPECT_EQ(preview({"photo.JPEG"}, {"--case", "upper:name,lower:extension"}),
              QStringList{"PHOTO.jpeg"});
    EXPECT_EQ(preview({"the lord of the rings.txt"}, {"--case", "title"}),
              QStringList{"The Lord of The Rings.txt"});
    EXPECT_EQ(preview({"the lord of the rings.txt"}, {"--case", "title", "--short-words", "0"}),
              QStringList{"The Lord Of The Rings.txt"});
}

TEST_F(StepOptionsTest, SequencesWithTokensCountPerGroup) {
    dir.makeFile("box/a/1.txt");
    dir.makeFile("box/a/2.txt");
    dir.makeFile("box/b/3.txt");
    const CliRun run = runCliInProcess(
        {"preview", "--json", "--sequence", "letters:C:1:0", "--sequence-prefix",
         "<name OF parent folder>-", "--group-by", "<Name of Parent Folder>", dir.filePath("box")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.newNames(), QStringList({"a-C.txt", "a-D.txt", "b-C.txt"}));
    QDir(dir.filePath("box")).removeRecursively();
    EXPECT_EQ(preview({"a.txt", "b.txt", "c.txt"}, {"--sequence", "terms", "--terms", "x, y"}),
              QStringList({"x.txt", "y.txt", "x.txt"}));
    EXPECT_EQ(preview({"n.txt"}, {"--prefix", "\\<x \\\\<Name>-"}), QStringList{"<x \\n-n.txt"});
    EXPECT_EQ(preview({"a.txt"}, {"--advanced", "[uppercase <name>]"}), QStringList{"A"});
}

TEST_F(StepOptionsTest, MistakesAreNamedAndNothingRuns) {
    dir.makeFile("box/a.txt");
    const auto failure = [this](const QStringList &options) {
        const CliRun run =
            runCliInProcess(QStringList{"rename", "--yes"} + options + QStringList{dir.path()});
        EXPECT_EQ(run.status, 2) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains("usage: torvane-cli rename")) << run.err.toStdString();
        return run.err;
    };
    EXPECT_TRUE(failure({"--prefix", "<Nme of Parent Foldr>"}).contains("<Name of Parent Folder>"));
    EXPECT_TRUE(failure({"--prefix", "a<b"}).contains("never closed"));
    EXPECT_TRUE(failure({"--regex", "--find", "x"}).contains("--find"));
    EXPECT_TRUE(failure({"--prefix", "x", "--replace", "y"}).contains("not the step of --prefix"));
    EXPECT_TRUE(failure({"--remove", "3"}).contains("START:LENGTH"));
    EXPECT_TRUE(failure({"--case", "title:extension"}).contains("extension"));
    EXPECT_TRUE(failure({"--sequence", "hex"}).contains("lower-roman"));
    const QString steps = writeStepsFile(dir.path(), {findAndReplace("a", "b")});
    EXPECT_TRUE(failure({"--steps", steps, "--prefix", "x"}).contains("cannot be combined"));
    EXPECT_TRUE(failure({"--config", steps, "--prefix", "x"}).contains("cannot be combined"));
    EXPECT_TRUE(QFile::exists(dir.filePath("box/a.txt")));
}

TEST_F(StepOptionsTest, PrintedStepsWorkAsAStepsFile) {
    const QStringList options{"--find",
                              "(\\d+)",
                              "--regex",
                              "--replace",
                              "#$1",
                              "--suffix",
                              " <Name of Parent Folder>",
                              "--case",
                              "upper:name"};
    const CliRun printed = runCliInProcess(QStringList{"preview", "--print-steps"} + options);
    ASSERT_EQ(printed.status, 0) << printed.err.toStdString();
    EXPECT_TRUE(printed.out.contains("<key>Rename: Find/Replace: Query is RegEx</key>"));
    QFile file(dir.filePath("printed.tva"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(printed.out.toUtf8());
    file.close();
    const QStringList fromOptions = preview({"take 12.txt"}, options);
    EXPECT_EQ(fromOptions, QStringList{"TAKE #12 BOX.txt"});
    EXPECT_EQ(preview({"take 12.txt"}, {"--steps", file.fileName()}), fromOptions);
}

}  // namespace
