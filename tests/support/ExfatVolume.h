#pragma once

#include <QString>

#include "support/TestEnvironment.h"

// A small exFAT volume mounted through FUSE for the life of the object: a file system that
// ignores letter case and may give one item a new inode number per spelling, as camera cards
// do. Needs root, /dev/fuse, a free loop device, mkfs.exfat and mount.exfat-fuse; where the
// machine cannot give one, isMounted() is false and reason() says why.
class ExfatVolume {
public:
    ExfatVolume();
    ~ExfatVolume();
    ExfatVolume(const ExfatVolume &) = delete;
    ExfatVolume &operator=(const ExfatVolume &) = delete;

    bool isMounted() const { return mounted_; }
    QString reason() const { return reason_; }
    // The mount point.
    QString path() const { return dir_.filePath(QStringLiteral("mnt")); }

private:
    bool run(const QString &program, const QStringList &arguments, QString *output = nullptr);

    TestDir dir_;
    QString loopDevice_;
    bool mounted_ = false;
    QString reason_;
};
