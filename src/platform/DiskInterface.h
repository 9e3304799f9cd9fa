#pragma once

#include <QByteArray>
#include <QString>

#include "platform/FileAttributes.h"

// What a rename run does to the disk, behind one small interface: the real one for the
// program, and fakes in tests that fail on demand or stand in for a crash at any point of a
// journalled step.
class DiskInterface {
public:
    // Where a journalled step stands: its intent recorded, the step made, its completion
    // recorded.
    enum class StepPhase { Announced, Made, Recorded };

    virtual ~DiskInterface() = default;

    // The process-wide real disk.
    static DiskInterface &real();
    // The disk runs and recoveries use: the real one, unless a test program put another in
    // its place to inject failures into the whole program (see installForTests).
    static DiskInterface &current();
    // Test programs only: every later run and recovery uses `disk` (null: the real disk again).
    static void installForTests(DiskInterface *disk);

    // An atomic move that never replaces anything at the target (NoClobberMove::move).
    virtual bool moveWithoutReplacing(const QByteArray &source, const QByteArray &target,
                                      QString *error, int *errorNumber) = 0;
    // Sends the item to the Trash; *placedAt (nullable) tells where it landed ("" unknown).
    virtual bool moveToTrash(const QByteArray &path, QString *error, QByteArray *placedAt) = 0;
    // The identity of the item itself, symbolic links not followed; invalid when missing.
    virtual FileAttributes::FileIdentity identity(const QByteArray &path) = 0;
    virtual bool exists(const QByteArray &path) = 0;
    // Whether an item holds the name: it exists and its folder lists it by some spelling. A
    // FUSE file system answers a name whose item just moved away from the kernel's cache for
    // a moment (its entry timeout); the listing is the file system's own answer.
    virtual bool isTaken(const QByteArray &path);
    // The immutable flag (chattr +i).
    virtual bool isImmutable(const QByteArray &path) = 0;
    virtual bool setImmutable(const QByteArray &path, bool immutable, QString *error) = 0;

    // Told at every phase of a journalled step; the real disk has nothing to do there.
    virtual void stepReached(const QByteArray &source, const QByteArray &target, StepPhase phase) {}
};
