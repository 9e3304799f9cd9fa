#include <gtest/gtest.h>

#include "records/TakenPaths.h"
#include "records/ZKFileRepresentation.h"

namespace {

std::unique_ptr<ZKFileRepresentation> file(const QByteArray &path) {
    return std::make_unique<ZKFileRepresentation>(path, FileAttributes::ItemType{false, false});
}

}  // namespace

TEST(TakenPathsTest, PathsEqualUpToLetterCaseShareAHolder) {
    TakenPaths taken(4);
    const auto photo = file("/t/A/Photo.jpg");
    const auto umlaut = file("/t/\xc3\x84rger.txt");  // "Ärger.txt"
    const auto renamed = file("/t/old.txt");
    renamed->setRenameName(QStringLiteral("New.txt"));
    for (ZKFileRepresentation *record : {photo.get(), umlaut.get(), renamed.get()})
        taken.take(EndPath::of(*record), record);

    EXPECT_EQ(taken.holder(EndPath(QStringLiteral("/t/a/PHOTO.JPG"))), photo.get());
    EXPECT_EQ(taken.holder(EndPath(u"/t/a/", u"photo.jpg")), photo.get());
    EXPECT_EQ(taken.holder(EndPath(QStringLiteral("/t/\u00e4rger.TXT"))), umlaut.get());
    EXPECT_EQ(taken.holder(EndPath(QStringLiteral("/t/Arger.txt"))), nullptr);
    // A renamed record holds its new path, not its current one.
    EXPECT_EQ(taken.holder(EndPath(QStringLiteral("/t/NEW.txt"))), renamed.get());
    EXPECT_EQ(taken.holder(EndPath(QStringLiteral("/t/old.txt"))), nullptr);

    const auto later = file("/t/new.TXT");
    taken.take(EndPath::of(*later), later.get());
    EXPECT_EQ(taken.holder(EndPath(QStringLiteral("/t/new.txt"))), later.get());
}

TEST(TakenPathsTest, HashIsThatOfTheLowercasePathWhereverItIsSplit) {
    // Hashed four units at a time: a record's path comes as its folder and its new name, split
    // anywhere in a word. Letters next to 'A' and 'Z' in the table stay as they are.
    for (const QString &path : {QStringLiteral("/t/MiXeD Case_NAME@[`{.TXT"),
                                QStringLiteral("/t/\u00c4rger \u00dc.TXT")}) {
        const quint64 whole = EndPath(path.toLower()).hash();
        for (qsizetype split = 0; split <= path.size(); ++split)
            EXPECT_EQ(
                EndPath(QStringView(path).first(split), QStringView(path).sliced(split)).hash(),
                whole)
                << split;
    }
    EXPECT_NE(EndPath(QStringLiteral("/t/@[")).hash(), EndPath(QStringLiteral("/t/`{")).hash());
    EXPECT_NE(EndPath(QStringLiteral("/t/ab")).hash(),
              EndPath(QStringLiteral("/t/ab\u0000")).hash());
}

TEST(TakenPathsTest, MorePathsThanExpectedAreAllFound) {
    TakenPaths taken(1);
    std::vector<std::unique_ptr<ZKFileRepresentation>> records;
    for (int i = 0; i < 100; ++i) {
        records.push_back(file("/t/File " + QByteArray::number(i)));
        taken.take(EndPath::of(*records.back()), records.back().get());
    }
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(taken.holder(EndPath(QStringLiteral("/t/file %1").arg(i))), records[i].get());
}
