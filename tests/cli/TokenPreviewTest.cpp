#include <gtest/gtest.h>

#include "cli/CliTestSupport.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"
#include "tokens/TokenList.h"

namespace {

QVariantMap token(const QString &type, QVariantMap settings = {}) {
    settings.insert(TokenList::kProxyKey, type);
    return settings;
}

// An Add Suffix step whose text is the list.
QVariantMap suffix(const QVariantList &list) {
    return {{"Task", 103}, {"Rename: Insert: String", list}};
}

class TokenPreviewTest : public testing::Test {
protected:
    QStringList preview(const QVariantMap &step, const QStringList &options = {}) {
        const CliRun run = runCliInProcess(
            QStringList{"preview", "--json", "--steps", writeStepsFile(dir.path(), {step})} +
            options + QStringList{dir.filePath("box")});
        EXPECT_EQ(run.status, 0) << run.err;
        return run.newNames();
    }

    TestDir dir;
};

TEST_F(TokenPreviewTest, CountsOfTheParentFolderFollowTheListingRules) {
    dir.makeFile("box/a.txt");
    dir.makeFile("box/b.txt");
    dir.makeFile("box/.dot");
    dir.makeFile("box/.hidden", "b.txt\n");
    const QVariantMap count = suffix({" of ", token("parent folder: number of files")});
    // Hidden items are not listed, so they are not counted either.
    EXPECT_EQ(preview(count), QStringList({"a of 1.txt"}));
    // Listed with the hidden ones, they count; and the list's own size is the second token.
    const QVariantMap both = suffix(
        {" ", token("parent folder: number of files"), "-", token("file list: number of files")});
    EXPECT_TRUE(preview(both, {"--include-invisible"}).contains("a 4-4.txt"));
}

}  // namespace
