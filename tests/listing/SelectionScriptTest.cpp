#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "listing/SelectionScript.h"

namespace {

class SelectionScriptTest : public testing::Test {
protected:
    void TearDown() override { QFile::remove(SelectionScript::scriptPath()); }

    static void writeScript(const QByteArray &body, bool executable = true) {
        const QString path = SelectionScript::scriptPath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("#!/bin/sh\n" + body);
        file.close();
        QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        if (executable) permissions |= QFileDevice::ExeOwner;
        file.setPermissions(permissions);
    }
};

}  // namespace

TEST_F(SelectionScriptTest, ScriptLivesInTheScriptsFolderOfApplicationSupport) {
    EXPECT_TRUE(SelectionScript::scriptPath().endsWith("/Torvane/Scripts/File Manager Selection"));
}

TEST_F(SelectionScriptTest, MissingScriptTellsWhereToPutIt) {
    const SelectionScript::Result result = SelectionScript::run();
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.paths.isEmpty());
    EXPECT_TRUE(result.error.contains(SelectionScript::scriptPath())) << result.error.toStdString();
}

TEST_F(SelectionScriptTest, OutputLinesBecomePathsTakenLiterally) {
    writeScript("printf '/home/ann/a b.txt\\n\\n/home/ann/$(rm -rf x);.txt \\n/last'\n");
    const SelectionScript::Result result = SelectionScript::run();
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.paths,
              QStringList({"/home/ann/a b.txt", "/home/ann/$(rm -rf x);.txt ", "/last"}));
}

TEST_F(SelectionScriptTest, FailuresAreReportedWithTheirCause) {
    writeScript("echo /a\n", false);
    SelectionScript::Result result = SelectionScript::run();
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains("not executable")) << result.error.toStdString();

    writeScript("echo /a\necho 'no file manager found' >&2\nexit 3\n");
    result = SelectionScript::run();
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.paths.isEmpty());
    EXPECT_TRUE(result.error.contains("exit status 3")) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains("no file manager found")) << result.error.toStdString();
}

TEST_F(SelectionScriptTest, ScriptThatHangsIsEnded) {
    writeScript("echo /a\nexec sleep 60\n");
    const SelectionScript::Result result = SelectionScript::run(300);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains("did not finish")) << result.error.toStdString();
}

TEST(SelectionScriptResultTest, SplitsAtLineFeedsAndDropsEmptyLines) {
    EXPECT_EQ(SelectionScript::pathsFromScriptResult("/a\n\n/b c \n\n"),
              QStringList({"/a", "/b c "}));
    EXPECT_TRUE(SelectionScript::pathsFromScriptResult("").isEmpty());
    EXPECT_TRUE(SelectionScript::pathsFromScriptResult("\n\n").isEmpty());
}
