#include <gtest/gtest.h>

#include <QSet>

#include "common/Log.h"
#include "common/UserDefaults.h"
#include "platform/ZKSecurityScopedBookmarkManager.h"
#include "support/TestEnvironment.h"

namespace {

using AccessMode = ZKSecurityScopedBookmarkManager::AccessMode;

// A sandbox that lets the process use only the folders exposed to it (and what lies inside
// them); the unlock dialog exposes the folder the user chooses, as the desktop portal does.
class BookmarkManagerTest : public testing::Test {
protected:
    BookmarkManagerTest() {
        Log::setSink([this](const QString &line) { logLines.append(line); });
        dir.makeFolder("Photos/2023");
        dir.makeFolder("Photos/2024");
        dir.makeFolder("Other");
    }
    ~BookmarkManagerTest() override { Log::setSink({}); }

    ZKSecurityScopedBookmarkManager manager(bool sandboxed) {
        return ZKSecurityScopedBookmarkManager(sandboxed, [this](const QString &path, AccessMode) {
            for (const QString &folder : exposed)
                if (path == folder || path.startsWith(folder + u'/')) return true;
            return false;
        });
    }
    // Answers the unlock dialog with the given folder (none: dismissed), exposing it.
    void answerUnlockWith(ZKSecurityScopedBookmarkManager &bookmarks, std::optional<QString> folder,
                          bool exposes = true) {
        bookmarks.setUnlockPanel([this, folder, exposes](const ZKFolderUnlockRequest &request) {
            requests.append(request);
            if (folder && exposes) exposed.insert(*folder);
            return folder;
        });
    }
    QString path(const QString &relative) const { return dir.filePath(relative); }
    QVariantMap stored() const {
        return UserDefaults::standardUserDefaults().dictionaryForKey("Security-Scoped Bookmarks");
    }

    TestDir dir;
    QSet<QString> exposed;
    QList<ZKFolderUnlockRequest> requests;
    QStringList logLines;
};

}  // namespace

TEST_F(BookmarkManagerTest, AGrantSubsumesTheGrantsInsideItAndCoversLaterRequests) {
    ZKSecurityScopedBookmarkManager bookmarks(true,
                                              [](const QString &, AccessMode) { return true; });
    ASSERT_TRUE(bookmarks.createBookmarkForURL(path("Photos/2023")));
    ASSERT_TRUE(bookmarks.createBookmarkForURL(path("Photos/2024")));
    EXPECT_EQ(stored().keys(), QStringList({path("Photos/2023"), path("Photos/2024")}));

    ASSERT_TRUE(bookmarks.createBookmarkForURL(path("Photos/")));
    EXPECT_EQ(stored().keys(), QStringList({path("Photos")}));
    EXPECT_EQ(QFile::decodeName(stored().value(path("Photos")).toByteArray()), path("Photos"));

    // Inside a granted folder: nothing more is stored, and the request still succeeds.
    ASSERT_TRUE(bookmarks.createBookmarkForURL(path("Photos/2024")));
    EXPECT_EQ(stored().keys(), QStringList({path("Photos")}));

    EXPECT_FALSE(bookmarks.createBookmarkForURL(path("Missing")));
    EXPECT_TRUE(logLines.contains(
        "[Security-Scoped Bookmark Manager] cannot determine path for URL: " + path("Missing")));
    // A new manager (a new launch) reads the grants back.
    ZKSecurityScopedBookmarkManager later(true);
    EXPECT_EQ(later.bookmarksByPath().keys(), QStringList({path("Photos")}));
}

TEST_F(BookmarkManagerTest, OutsideASandboxOnlyPermissionsDecideAndNothingIsAsked) {
    ZKSecurityScopedBookmarkManager bookmarks = manager(false);
    answerUnlockWith(bookmarks, path("Photos"));
    bool cancel = false;
    EXPECT_FALSE(bookmarks.confirmWriteAccessForPath(
        path("Photos/2023"), true, &cancel, nullptr,
        ZKSecurityScopedBookmarkManager::standardSandboxExplanation));
    EXPECT_FALSE(cancel);
    EXPECT_TRUE(requests.isEmpty());

    exposed = {path("Photos")};
    EXPECT_TRUE(bookmarks.confirmReadAccessForPath(path("Photos/2023"), &cancel, nullptr));
    // Via the parent folder of "Photos", which is not exposed.
    EXPECT_FALSE(bookmarks.confirmWriteAccessForPath(path("Photos"), true, &cancel, nullptr));
    EXPECT_TRUE(requests.isEmpty());
    EXPECT_EQ(ZKSecurityScopedBookmarkManager::standardSandboxExplanation("/"), std::nullopt);
}

TEST_F(BookmarkManagerTest, ASandboxedRequestAsksToUnlockTheFolder) {
    ZKSecurityScopedBookmarkManager bookmarks = manager(true);
    const QString item = path("Photos/2023");

    // Without a cancel output the caller wants no dialog.
    answerUnlockWith(bookmarks, std::nullopt);
    EXPECT_FALSE(bookmarks.confirmWriteAccessForPath(item, true, nullptr, nullptr));
    EXPECT_TRUE(requests.isEmpty());

    // Dismissed: cancel is set.
    bool cancel = false;
    EXPECT_FALSE(bookmarks.confirmWriteAccessForPath(
        item, true, &cancel, nullptr, ZKSecurityScopedBookmarkManager::standardSandboxExplanation));
    EXPECT_TRUE(cancel);
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].title, "Unlock Folder");
    EXPECT_EQ(requests[0].prompt, "Unlock");
    EXPECT_EQ(requests[0].folderPath, path("Photos"));
    EXPECT_EQ(requests[0].explanation,
              "Torvane cannot rename 2023 at the moment. This is most likely due to the sandbox "
              "blocking access to Photos, which is the parent folder of 2023. Click \"Unlock\" "
              "to ask the sandbox for permanent access to Photos.");

    // A folder chosen that does not give access is refused, without cancel.
    cancel = false;
    answerUnlockWith(bookmarks, path("Other"));
    EXPECT_FALSE(bookmarks.confirmWriteAccessForPath(item, true, &cancel, nullptr));
    EXPECT_FALSE(cancel);
    EXPECT_TRUE(
        logLines.contains("[Security-Scoped Bookmark Manager] confused by useless "
                          "bookmark for URL: " +
                          path("Other") + " (requested URL: " + path("Photos") + ")"));
    EXPECT_TRUE(stored().isEmpty());

    // Unlocked: granted, and the grant is kept.
    answerUnlockWith(bookmarks, path("Photos"));
    EXPECT_TRUE(bookmarks.confirmReadAccessForPath(path("Photos"), &cancel, nullptr));
    EXPECT_EQ(requests.last().title, "Unlock");
    EXPECT_FALSE(requests.last().explanation.has_value());
    EXPECT_EQ(stored().keys(), QStringList({path("Photos")}));
    EXPECT_FALSE(cancel);
}
