#pragma once

#include <QByteArray>
#include <QString>
#include <cerrno>
#include <cstring>
#include <functional>

#include "platform/DiskInterface.h"

// The real disk, except where a test says otherwise: moves or trashing fail with a chosen
// errno, and onStep sees every phase of every journalled step (a test stands in for a crash
// there by throwing).
class FaultyDisk : public DiskInterface {
public:
    // Non-zero: every move (or every trashing) fails with this errno and changes nothing.
    int failMovesWith = 0;
    int failTrashWith = 0;
    std::function<void(const QByteArray &source, const QByteArray &target, StepPhase phase)> onStep;

    bool moveWithoutReplacing(const QByteArray &source, const QByteArray &target, QString *error,
                              int *errorNumber) override {
        if (failMovesWith) return fail(failMovesWith, error, errorNumber);
        return real().moveWithoutReplacing(source, target, error, errorNumber);
    }
    bool moveToTrash(const QByteArray &path, QString *error, QByteArray *placedAt) override {
        if (failTrashWith) return fail(failTrashWith, error, nullptr);
        return real().moveToTrash(path, error, placedAt);
    }
    FileAttributes::FileIdentity identity(const QByteArray &path) override {
        return real().identity(path);
    }
    bool exists(const QByteArray &path) override { return real().exists(path); }
    bool isImmutable(const QByteArray &path) override { return real().isImmutable(path); }
    bool setImmutable(const QByteArray &path, bool immutable, QString *error) override {
        return real().setImmutable(path, immutable, error);
    }
    void stepReached(const QByteArray &source, const QByteArray &target, StepPhase phase) override {
        if (onStep) onStep(source, target, phase);
    }

private:
    static bool fail(int errorNumber, QString *error, int *errorNumberOut) {
        if (error) *error = QString::fromLocal8Bit(std::strerror(errorNumber));
        if (errorNumberOut) *errorNumberOut = errorNumber;
        return false;
    }
};
