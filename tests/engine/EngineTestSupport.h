#pragma once

#include <gtest/gtest.h>

#include <QStringList>

#include "engine/ZKRenamer.h"
#include "engine/ZKRenamingDelegate.h"

// A controller stand-in that holds the step list and counts what the steps asked of it.
class RecordingDelegate : public ZKRenamingDelegate {
public:
    QList<ZKRenamerPtr> &renamers() override { return renamers_; }
    void updateRenamerLayoutAndRenameNames(bool renameNames) override {
        ++relayouts;
        if (renameNames) ++relayoutsWithNames;
    }
    void updateRenameNames() override { ++immediateUpdates; }
    void updateRenameNamesAfterEnforcedDelay(bool enforced) override { ++delayedUpdates; }
    // Records the question and its prototype; answers promptAnswer (null: no dialog).
    QString promptedParameter(const QString &question, const QString &prototype) override {
        prompts.append({question, prototype});
        return promptAnswer;
    }
    bool useFreeSpacingMode() override { return freeSpacing; }

    void resetCounts() { relayouts = relayoutsWithNames = immediateUpdates = delayedUpdates = 0; }

    QList<ZKRenamerPtr> renamers_;
    bool freeSpacing = false;
    QString promptAnswer;
    QList<QStringList> prompts;
    int relayouts = 0;
    int relayoutsWithNames = 0;
    int immediateUpdates = 0;
    int delayedUpdates = 0;
};

// Registers the engine defaults, installs a RecordingDelegate as the application's delegate
// and leaves no user default, removed step or "Default.tva" behind.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void setUserDefault(const QString &key, bool value);
    void writeDefaultSteps(const QVariantList &archives);
    // Log lines written during the test.
    QStringList logLines;

    RecordingDelegate delegate;
};

// Runs one step over an item of the given name and answers the working name it leaves.
QString renamed(ZKRenamer &renamer, const QString &name, bool *syntaxError = nullptr);

// A step of one operation with the given settings (an archive with "Task" set).
ZKRenamerPtr stepWith(int operation, QVariantMap settings = {});
