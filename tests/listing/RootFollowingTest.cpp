#include <gtest/gtest.h>

#include "listing/RootFollowing.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

namespace {

ZKFileRepresentationPtr movedRecord(const QString &from, const QString &to) {
    auto record = std::make_shared<ZKFileRepresentation>(QFile::encodeName(from));
    record->setPath(to);
    return record;
}

}  // namespace

TEST(RootFollowingTest, RenamedRootsAndExceptionsFollowTheirItemsOthersStayInOrder) {
    const QList<ZKFileRepresentationPtr> records{
        movedRecord("/t/old", "/t/new"),       // a root
        movedRecord("/t/gone", "/t/moved"),    // an exception
        movedRecord("/t/in/file", "/t/in/x"),  // neither
        std::make_shared<ZKFileRepresentation>(QByteArray("/t/same")),
    };
    QStringList roots{"/t/a", "/t/old", "/t/a", "/t/b"};
    QStringList exceptions{"/t/gone", "/t/keep"};
    RootFollowing::followRenamedItems(records, &roots, &exceptions);

    EXPECT_EQ(roots, QStringList({"/t/a", "/t/b", "/t/new"}));
    EXPECT_EQ(exceptions, QStringList({"/t/keep", "/t/moved"}));
    // Every moved record now starts from where it is.
    for (const ZKFileRepresentationPtr &record : records)
        EXPECT_EQ(record->preRenamePath(), record->path());

    // A second call finds nothing moved since.
    RootFollowing::followRenamedItems(records, &roots, &exceptions);
    EXPECT_EQ(roots, QStringList({"/t/a", "/t/b", "/t/new"}));
}
