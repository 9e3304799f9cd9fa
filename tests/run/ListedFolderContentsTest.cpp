#include <gtest/gtest.h>

#include "run/ListedFolderContents.h"
#include "support/QtPrinters.h"

namespace {

ZKFileRepresentationPtr recordAt(const QByteArray &path) {
    return std::make_shared<ZKFileRepresentation>(path);
}

}  // namespace

TEST(ListedFolderContentsTest, RecordsAtAnyDepthFollowAMovedFolderOthersStay) {
    const auto folder = recordAt("/t/box");
    const auto direct = recordAt("/t/box/a");
    // "deep" is inside a folder that is not listed itself.
    const auto deep = recordAt("/t/box/unlisted/b");
    const auto lookalike = recordAt("/t/boxer/c");
    const auto outside = recordAt("/t/d");
    ListedFolderContents contents({folder, direct, deep, lookalike, outside});

    folder->setNativePath("/t/crate");
    contents.folderDidMove("/t/box", "/t/crate");
    EXPECT_EQ(direct->nativePath(), "/t/crate/a");
    EXPECT_EQ(deep->nativePath(), "/t/crate/unlisted/b");
    EXPECT_EQ(lookalike->nativePath(), "/t/boxer/c");
    EXPECT_EQ(outside->nativePath(), "/t/d");
    EXPECT_EQ(deep->originalPath(), "/t/box/unlisted/b");

    // A later move of a folder inside, under its new path, still finds its records; the old
    // path no longer leads anywhere.
    contents.folderDidMove("/t/crate/unlisted", "/t/crate/listed");
    EXPECT_EQ(deep->nativePath(), "/t/crate/listed/b");
    contents.folderDidMove("/t/box", "/t/elsewhere");
    EXPECT_EQ(direct->nativePath(), "/t/crate/a");

    // Names are bytes: a folder whose name is no UTF-8 moves all the same.
    const auto raw = recordAt("/t/\xff/e");
    ListedFolderContents rawContents({raw});
    rawContents.folderDidMove("/t/\xff", "/t/ok");
    EXPECT_EQ(raw->nativePath(), "/t/ok/e");
}
