#include "run/RecentFolderChecks.h"

RecentFolderChecks::RecentFolderChecks() { clock_.start(); }

bool RecentFolderChecks::Fact::isFreshFor(const QByteArray &other, qint64 now) const {
    return foundAt >= 0 && now - foundAt <= lifetime && folder == other;
}

void RecentFolderChecks::Fact::forgetAt(const QByteArray &path) {
    if (foundAt < 0) return;
    if (folder.startsWith(path) && (folder.size() == path.size() || folder.at(path.size()) == '/'))
        foundAt = -1;
}

bool RecentFolderChecks::isKnownListedFolder(const QByteArray &folder,
                                             const FileAttributes::FileIdentity &listed) const {
    return listed_.isFreshFor(folder, clock_.elapsed()) && listedIdentity_ == listed;
}

void RecentFolderChecks::rememberListedFolder(const QByteArray &folder,
                                              const FileAttributes::FileIdentity &listed) {
    listed_ = {folder, clock_.elapsed()};
    listedIdentity_ = listed;
}

bool RecentFolderChecks::isKnownWritable(const QByteArray &folder) const {
    return writable_.isFreshFor(folder, clock_.elapsed());
}

void RecentFolderChecks::rememberWritable(const QByteArray &folder) {
    writable_ = {folder, clock_.elapsed()};
}

void RecentFolderChecks::forgetAt(const QByteArray &path) {
    listed_.forgetAt(path);
    writable_.forgetAt(path);
}

void RecentFolderChecks::clear() {
    listed_.foundAt = -1;
    writable_.foundAt = -1;
}
