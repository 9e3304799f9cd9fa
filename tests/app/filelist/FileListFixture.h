#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "app/filelist/ZKFileList.h"
#include "app/filelist/ZKFileListModel.h"
#include "common/UserDefaults.h"
#include "controller/ZKRenamingController.h"
#include "engine/ZKRenamer.h"
#include "support/RecordNames.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestEnvironment.h"

// A user whose list notifications and selection go to a real file list, the way the window
// wires them.
class ListUserInteraction : public ScriptedUserInteraction {
public:
    ZKFileList *list = nullptr;

    void wire(ZKRenamingController &controller) {
        watch(controller);
        QObject::connect(&controller, &ZKRenamingController::fileListChanged, [this] {
            if (list) list->reloadData();
        });
        QObject::connect(&controller, &ZKRenamingController::fileListNeedsDisplay, [this] {
            if (list) list->redisplay();
        });
    }
    QList<ZKFileRepresentationPtr> selectedFileRepresentations() override {
        return list ? list->selectedFileRepresentations() : QList<ZKFileRepresentationPtr>();
    }
    void selectFileRepresentations(const QList<ZKFileRepresentationPtr> &records) override {
        if (list) list->selectFileRepresentations(records);
    }
};

// A shown file list over a controller that lists files of a temporary folder.
class FileListFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ZKRenamingController::registerControllerDefaults();
        ZKRenamingController::resetFirstLayoutFlag();
        controller = std::make_unique<ZKRenamingController>(&ui);
        ui.wire(*controller);
        list = std::make_unique<ZKFileList>(*controller);
        ui.list = list.get();
        list->resize(800, 400);
        list->show();
        QApplication::processEvents();
    }

    void TearDown() override {
        ui.list = nullptr;
        list.reset();
        controller.reset();
    }

    // Creates the (empty) files and lists the folder, sorted by name.
    void listFiles(const QStringList &names) {
        for (const QString &name : names) dir.makeFile(name);
        ASSERT_TRUE(controller->populateWithPaths({dir.path()}, false, false));
        list->doItemsLayout();
    }

    static ZKRenamerPtr replacing(const QString &target, const QString &replacement) {
        return ZKRenamer::renamerWithArchive(
            QVariantMap{{"Rename: Find/Replace: Target", target},
                        {"Rename: Find/Replace: Replacement", replacement}});
    }

    ZKFileListModel &model() const { return list->fileListModel(); }
    QModelIndex rowIndex(int row) const { return model().index(row); }
    QStringList rowNames() const { return namesOf(model().records()); }
    QStringList selectedNames() const { return namesOf(list->selectedFileRepresentations()); }
    void selectRows(const QList<int> &rows) {
        QList<ZKFileRepresentationPtr> records;
        for (const int row : rows) records.append(model().records().at(row));
        list->selectFileRepresentations(records);
    }
    static UserDefaults &defaults() { return UserDefaults::standardUserDefaults(); }

    TestDir dir;
    ListUserInteraction ui;
    std::unique_ptr<ZKRenamingController> controller;
    std::unique_ptr<ZKFileList> list;
};
