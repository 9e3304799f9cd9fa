#pragma once

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <memory>

#include "common/UserDefaults.h"
#include "controller/ZKRenamingController.h"
#include "engine/ZKRenamer.h"
#include "support/QtPrinters.h"
#include "support/RecordNames.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestEnvironment.h"

// A controller over a scripted user and a temporary folder, with helpers to make steps from
// archives and to find records by name.
class RenamingControllerFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ZKRenamingController::registerControllerDefaults();
        ZKRenamingController::resetFirstLayoutFlag();
        ZKRenamer::removedRenamersStack().clear();
        controller = std::make_unique<ZKRenamingController>(&ui);
        ui.watch(*controller);
    }

    void TearDown() override { controller.reset(); }

    static ZKRenamerPtr findAndReplace(const QString &target, const QString &replacement,
                                       bool regex = false) {
        QVariantMap archive{{"Rename: Find/Replace: Target", target},
                            {"Rename: Find/Replace: Replacement", replacement}};
        if (regex) archive.insert("Rename: Find/Replace: Query is RegEx", true);
        return ZKRenamer::renamerWithArchive(archive);
    }

    // Creates the files (empty) in a folder of the temporary folder (itself when none is
    // named) and lists that folder: sorted by name, names computed.
    void listFiles(const QStringList &names, const QString &folder = QString()) {
        const QString prefix = folder.isEmpty() ? QString() : folder + u'/';
        for (const QString &name : names) dir.makeFile(prefix + name);
        const QString root = folder.isEmpty() ? dir.path() : dir.filePath(folder);
        ASSERT_TRUE(controller->populateWithPaths({root}, false, false));
    }

    void useSteps(const QList<ZKRenamerPtr> &steps) {
        controller->setRenamers(steps);
        controller->updateRenameNames();
    }

    ZKFileRepresentationPtr record(const QString &name) const {
        for (const ZKFileRepresentationPtr &record : controller->fileRepresentations()) {
            if (record->name() == name) return record;
        }
        ADD_FAILURE() << "no record named " << name.toStdString();
        return std::make_shared<ZKFileRepresentation>(QByteArray("/nonexistent"));
    }

    QStringList names(const QList<ZKFileRepresentationPtr> &records) const {
        return namesOf(records);
    }

    QStringList listedNames() const { return names(controller->fileRepresentations()); }

    QString errorOf(const ZKFileRepresentationPtr &record) const {
        QString error;
        record->hasRelevantRenameNameWithError(&error);
        return error;
    }

    // Runs the event loop, so timers fire.
    static void runEventLoop(int milliseconds) {
        QEventLoop loop;
        QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
        loop.exec();
    }

    ScriptedUserInteraction ui;
    TestDir dir;
    std::unique_ptr<ZKRenamingController> controller;
};
