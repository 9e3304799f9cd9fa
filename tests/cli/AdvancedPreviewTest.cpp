#include <gtest/gtest.h>

#include "cli/CliTestSupport.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

namespace {

QVariantMap advancedStep(const QString &prototype) {
    return {{"Task", 9}, {"Rename: Advanced: Prototpye", prototype}};
}

class AdvancedPreviewTest : public testing::Test {
protected:
    CliRun preview(const QString &prototype) {
        return runCliInProcess({"preview", "--json", "--steps",
                                writeStepsFile(dir.path(), {advancedStep(prototype)}),
                                dir.filePath("photos")});
    }

    TestDir dir;
};

TEST_F(AdvancedPreviewTest, PrototypeNamesEveryFile) {
    dir.makeFile("photos/Holiday Photo.jpg");
    dir.makeFile("photos/Beach.png");
    const CliRun run = preview("[concatenate [uppercase <name>], \"_\", [sequence], <.extension>]");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.newNames(), QStringList({"BEACH_1.png", "HOLIDAY PHOTO_2.jpg"}));
}

TEST_F(AdvancedPreviewTest, PromptWithoutTerminalTakesTheEmptyAnswerWithAWarning) {
    dir.makeFile("photos/a.jpg");
    const CliRun run = preview("[concatenate <name> [prompt \"Which season?\"] \"!\"]");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.newNames(), QStringList({"a!"}));
    EXPECT_TRUE(run.err.contains("warning: no terminal to ask \"Which season?\"")) << run.err;
}

TEST_F(AdvancedPreviewTest, PromptOnATerminalAsksOnceForTheWholeList) {
    dir.makeFile("photos/a.jpg");
    dir.makeFile("photos/b.jpg");
    const QString steps = writeStepsFile(
        dir.path(), {advancedStep("[concatenate <name> [prompt \"Which season?\"] \"!\"]")});
    const CliRun run =
        runCliOnTerminal({"preview", "--steps", steps, dir.filePath("photos")}, {"Autumn"});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.count("Which season?"), 1) << run.out;
    EXPECT_TRUE(run.out.contains("aAutumn!")) << run.out;
    EXPECT_TRUE(run.out.contains("bAutumn!")) << run.out;

    // The end of input is no answer: the step fails instead of guessing one.
    const CliRun closed =
        runCliOnTerminal({"preview", "--steps", steps, dir.filePath("photos")}, {"\x04"});
    EXPECT_TRUE(closed.out.contains("cannot prompt for string")) << closed.out;
    EXPECT_FALSE(closed.out.contains("a!")) << closed.out;
}

TEST_F(AdvancedPreviewTest, BrokenPrototypeIsReportedAndRenamesNothing) {
    dir.makeFile("photos/a.jpg");
    const CliRun run = preview("[uppercase <name>]]");
    EXPECT_EQ(run.status, 3);
    EXPECT_TRUE(
        run.err.contains("step 1 (Advanced): the prototype has errors:\n- \"[\" and \"]\" "
                         "function brackets must be balanced\n"))
        << run.err;
}

}  // namespace
