#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QRegularExpression>
#include <QTimeZone>

#include "common/UserDefaults.h"
#include "support/FakeFileItem.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"
#include "tokens/DateDescription.h"
#include "tokens/MetaDataAdditionFormat.h"
#include "tokens/TokenList.h"
#include "tokens/ZKProxyManager.h"
#include "tokens/ZKProxyResolutionHelper.h"

namespace {

class FakeItem : public MetaDataItem {
public:
    explicit FakeItem(QVariantMap attributes) : attributes_(std::move(attributes)) {}
    QVariant copyAttribute(const QString &key) const override { return attributes_.value(key); }

private:
    QVariantMap attributes_;
};

// Items by path; counts how often an item was asked for.
class FakeStore : public MetaDataStore {
public:
    explicit FakeStore(QHash<QString, QVariantMap> items, int *requests)
        : items_(std::move(items)), requests_(requests) {}
    MetaDataItemPtr createItem(const QString &path) override {
        ++*requests_;
        if (!items_.contains(path)) return nullptr;
        return std::make_shared<FakeItem>(items_.value(path));
    }

private:
    QHash<QString, QVariantMap> items_;
    int *requests_;
};

class FakeHelper : public ZKProxyResolutionHelper {
public:
    bool ignoreInvisibleFiles() const override { return true; }
    bool ignoreAliases() const override { return false; }
    bool ignoreFileAtPath(const QByteArray &nativePath, bool, bool, HiddenItems *) const override {
        return nativePath.mid(nativePath.lastIndexOf('/') + 1).startsWith('.');
    }
    qsizetype numberOfFileRepresentations() const override { return 42; }
    QString commonPrefix() override { return QStringLiteral("IMG_"); }
};

QVariantMap token(const QString &type, QVariantMap settings = {}) {
    settings.insert(TokenList::kProxyKey, type);
    return settings;
}

class ZKProxyManagerTest : public testing::Test {
protected:
    void SetUp() override { useItems({}); }
    void TearDown() override {
        manager().setMetaDataStore(nullptr);
        manager().setHelper(nullptr);
        UserDefaults::standardUserDefaults().removeObjectForKey(
            MetaDataAdditionFormat::kAdditionFormatKey);
    }
    static ZKProxyManager &manager() { return ZKProxyManager::proxyManager(); }
    void useItems(QHash<QString, QVariantMap> items) {
        requests = 0;
        manager().setMetaDataStore(std::make_unique<FakeStore>(std::move(items), &requests));
    }
    QString resolve(const QVariantList &list, ZKFileItem *file) {
        return manager().resolveWrappedProxies(list, file);
    }
    QString resolve(const QVariantMap &proxy, ZKFileItem *file) {
        return resolve(QVariantList{proxy}, file);
    }

    int requests = 0;
    FakeFileItem song{QStringLiteral("/music/album"), QStringLiteral("song.mp3")};
};

TEST_F(ZKProxyManagerTest, ListsJoinTextAndValuesAndMissingValuesLeaveWarnings) {
    useItems({{"/music/album/song.mp3", {{"kMDItemTitle", "Blue"}}}});
    EXPECT_EQ(resolve(QVariantList{"A ", token("kMDItemTitle"), " B"}, &song), "A Blue B");
    EXPECT_EQ(resolve(token("kMDItemAlbum"), &song), "");
    EXPECT_EQ(song.warnings(), QStringList({"No value for attribute \"Album\""}));
    // One item per path, however many tokens ask.
    EXPECT_EQ(requests, 1);

    // An item that cannot be made is remembered as such, without a warning.
    FakeFileItem stranger(QStringLiteral("/elsewhere"), QStringLiteral("x.txt"));
    EXPECT_EQ(resolve(QVariantList{token("kMDItemTitle"), token("kMDItemAlbum")}, &stranger), "");
    EXPECT_EQ(requests, 2);
    EXPECT_TRUE(stranger.warnings().isEmpty());
    manager().clearMetaDataItemsCache();
    resolve(token("kMDItemTitle"), &stranger);
    EXPECT_EQ(requests, 3);

    // Without a file only the file-independent types have values; unknown types have none.
    EXPECT_EQ(manager().nilOrResolveProxy("kMDItemTitle", {}, nullptr), std::nullopt);
    EXPECT_EQ(manager().nilOrResolveProxy("no such type", {}, &song), std::nullopt);
    EXPECT_EQ(manager().nilOrResolveProxy(QString(), {}, &song), std::nullopt);
    EXPECT_EQ(manager().resolveProxy("no such type", &song), "");
}

TEST_F(ZKProxyManagerTest, NamePartsFollowTheExtensionRule) {
    FakeFileItem photo(QStringLiteral("/p"), QStringLiteral("a.b.JPG"));
    photo.setIntermediateName(QStringLiteral("new name.jpeg"));
    EXPECT_EQ(manager().resolveProxy("name: intermediate: name", &photo), "new name");
    EXPECT_EQ(manager().resolveProxy("name: intermediate: .extension", &photo), ".jpeg");
    EXPECT_EQ(manager().resolveProxy("name: pre-rename: name", &photo), "a.b");
    EXPECT_EQ(manager().resolveProxy("name: pre-rename: extension", &photo), "JPG");
    EXPECT_EQ(manager().resolveProxy("name: pre-rename: name.extension", &photo), "a.b.JPG");

    // A working name that is only a dot and an extension is all extension while the name on
    // disk has one.
    photo.setIntermediateName(QStringLiteral(".png"));
    EXPECT_EQ(manager().resolveProxy("name: intermediate: name", &photo), "");
    EXPECT_EQ(manager().resolveProxy("name: intermediate: extension", &photo), "png");
    FakeFileItem plain(QStringLiteral("/p"), QStringLiteral("README"));
    plain.setIntermediateName(QStringLiteral(".png"));
    EXPECT_EQ(manager().resolveProxy("name: intermediate: name", &plain), ".png");
    EXPECT_EQ(manager().nilOrResolveProxy("name: intermediate: .extension", {}, &plain),
              std::nullopt);
}

TEST_F(ZKProxyManagerTest, AncestorFolders) {
    FakeFileItem file(QStringLiteral("/a/b/c"), QStringLiteral("file.txt"));
    const QString parent = QStringLiteral("parent folder: name");
    EXPECT_EQ(resolve(token(parent), &file), "c");
    EXPECT_EQ(resolve(token(parent, {{"Ancestor Level", 2}}), &file), "b");
    EXPECT_EQ(resolve(token(parent, {{"Ancestor Level", 9}}), &file), "/");

    // A decomposed folder name on disk is shown composed, as every name steps see.
    FakeFileItem decomposed(QStringLiteral("/x/Cafe\u0301"), QStringLiteral("menu.txt"));
    EXPECT_EQ(resolve(token(parent), &decomposed), QStringLiteral("Caf\u00E9"));
    // Metadata is read at the path as it is on disk.
    useItems({{QStringLiteral("/x/Cafe\u0301/menu.txt"), {{"kMDItemTitle", "Menu"}}}});
    EXPECT_EQ(resolve(token("kMDItemTitle"), &decomposed), "Menu");
}

TEST_F(ZKProxyManagerTest, CountsOfFolderEntries) {
    TestDir dir;
    dir.makeFile("album/one.mp3");
    dir.makeFile("album/two.mp3");
    dir.makeFile("album/.hidden");
    FakeFileItem track(dir.filePath("album"), QStringLiteral("one.mp3"));
    FakeHelper helper;
    manager().setHelper(&helper);
    const QVariantMap count = token("parent folder: number of files");
    EXPECT_EQ(resolve(count, &track), "2");
    EXPECT_EQ(
        resolve(token("parent folder: number of files", {{"Number Of Characters", 3}}), &track),
        "002");
    // A file has no entries.
    EXPECT_EQ(resolve(token("kMDItemFSNodeCount"), &track), "-");
    EXPECT_EQ(resolve(token("file list: number of files"), &track), "42");
    EXPECT_EQ(resolve(token("common prefix: pre-rename"), nullptr), "IMG_");
    // A link is never counted through, even when taken for a folder.
    ASSERT_EQ(::symlink("/", QFile::encodeName(dir.filePath("album/root")).constData()), 0);
    FakeFileItem link(dir.filePath("album"), QStringLiteral("root"));
    link.setIsFolder(true);
    EXPECT_EQ(resolve(token("kMDItemFSNodeCount"), &link), "0");

    if (::geteuid() != 0) {
        FakeFileItem locked(dir.makeFolder("locked"), QStringLiteral("x"));
        QFile::setPermissions(dir.filePath("locked"), QFileDevice::WriteOwner);
        EXPECT_EQ(resolve(count, &locked), "-");
        EXPECT_EQ(locked.warnings(),
                  QStringList({"Ancestor out of read access scope: " + dir.filePath("locked")}));
        QFile::setPermissions(dir.filePath("locked"), QFileDevice::ReadOwner |
                                                          QFileDevice::WriteOwner |
                                                          QFileDevice::ExeOwner);
    }
}

TEST_F(ZKProxyManagerTest, NumbersStringsAndSeveralValues) {
    useItems({{"/music/album/song.mp3",
               {{"kMDItemAudioTrackNumber", 7},
                {"kMDItemVersion", "007"},
                {"kMDItemRecordingYear", "12"},
                {"kMDItemAuthors", QVariantList{"Ann", "Bob"}},
                {"kMDItemDurationSeconds", 3725.9},
                {"kMDItemAudioBitRate", 128000},
                {"kMDItemHasAlphaChannel", true},
                {"kMDItemLatitude", -33.87}}}});
    EXPECT_EQ(resolve(token("kMDItemAudioTrackNumber", {{"Number Of Characters", 3}}), &song),
              "007");
    EXPECT_EQ(resolve(token("kMDItemAudioTrackNumber"), &song), "7");
    EXPECT_EQ(resolve(token("kMDItemVersion", {{"Number Of Characters", 5}}), &song), "007");
    EXPECT_EQ(resolve(token("kMDItemRecordingYear", {{"Number Of Characters", 3}}), &song), "012");
    EXPECT_EQ(resolve(token("kMDItemDurationSeconds", {{"Duration Format", 1}}), &song), "1'02'05");
    EXPECT_EQ(resolve(token("kMDItemDurationSeconds", {{"Duration Format", 2}}), &song),
              "01'02'05");
    EXPECT_EQ(resolve(token("kMDItemAudioBitRate"), &song), "128000");
    EXPECT_EQ(resolve(token("kMDItemAudioBitRate", {{"File Size Format", 1}}), &song),
              "128 KBit/s");
    EXPECT_EQ(resolve(token("kMDItemHasAlphaChannel"), &song), "1");
    // A negative value keeps its sign instead of wrapping around.
    EXPECT_EQ(resolve(token("kMDItemLatitude"), &song), "-33");

    EXPECT_EQ(resolve(token("kMDItemAuthors"), &song), "Ann + Bob");
    UserDefaults::standardUserDefaults().setObject("%@, %@",
                                                   MetaDataAdditionFormat::kAdditionFormatKey);
    EXPECT_EQ(resolve(token("kMDItemAuthors"), &song), "Ann, Bob");
}

TEST_F(ZKProxyManagerTest, FileSystemValuesComeFromTheRecord) {
    FakeFileItem file(QStringLiteral("/shots"), QStringLiteral("x.jpg"));
    file.setSize(1234567);
    file.setCreationDate(QDateTime(QDate(2024, 5, 1), QTime(13, 45, 10)));
    const QVariantList name{"IMG_", token("kMDItemFSCreationDate"), "_"};
    EXPECT_EQ(resolve(name, &file), "IMG_2024-05-01_");
    EXPECT_EQ(
        resolve(QVariantList{"IMG_", token("kMDItemFSCreationDate", {{"Time Format", 100}}), "_"},
                &file),
        "IMG_2024-05-01 13-45-10_");
    EXPECT_EQ(resolve(token("kMDItemFSSize"), &file), "1234567");
    EXPECT_EQ(resolve(token("kMDItemFSSize", {{"File Size Format", 1}}), &file), "1.2 MB");
    // Display names stand for their types, whatever their letter case.
    EXPECT_EQ(manager().resolveProxyDisplayName("SIZE", &file), "1234567");
    EXPECT_EQ(manager().resolveProxyDisplayName("Sizes", &file), std::nullopt);
    EXPECT_EQ(requests, 0);

    // An unknown creation date is asked of the metadata store.
    FakeFileItem unknown(QStringLiteral("/shots"), QStringLiteral("y.jpg"));
    EXPECT_EQ(resolve(token("kMDItemFSCreationDate"), &unknown), "");
    EXPECT_EQ(requests, 1);
}

TEST_F(ZKProxyManagerTest, OneCurrentDatePerComputation) {
    DateDescription::resetCanonicalCurrentDate(true);
    const QVariantMap now = token("current date", {{"Time Format", 100}});
    const QString first = resolve(now, nullptr);
    const QDateTime canonical = DateDescription::resetCanonicalCurrentDate(false);
    EXPECT_EQ(first, DateDescription::descriptionWithSettings(canonical, now));
    EXPECT_EQ(resolve(now, &song), first);
    EXPECT_EQ(DateDescription::resetCanonicalCurrentDate(false), canonical);
}

TEST_F(ZKProxyManagerTest, RandomCharactersAndDisplayNames) {
    const QString random =
        resolve(token("random characters",
                      {{"Number Of Characters", 6}, {"Exclude A-Z", true}, {"Exclude a-z", true}}),
                &song);
    EXPECT_EQ(random.size(), 6);
    EXPECT_TRUE(QRegularExpression("^[0-9]{6}$").match(random).hasMatch()) << random;
    EXPECT_EQ(resolve(token("random characters", {{"Number Of Characters", 0}}), &song).size(), 1);

    EXPECT_EQ(TokenList::proxyDisplayName(token("parent folder: name", {{"Ancestor Level", 2}})),
              "Name of Ancestor Folder");
    EXPECT_EQ(TokenList::proxyDisplayName(token("kMDItemFSSize")), "Size");
    EXPECT_EQ(TokenList::proxyDisplayName(token("no such type")), "(Unknown)");
    EXPECT_EQ(TokenList::proxyDisplayName(QString("text")), "text");
}

}  // namespace
