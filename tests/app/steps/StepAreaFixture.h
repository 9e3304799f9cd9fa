#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <memory>

#include "app/steps/ZKConfigurationCollectionView.h"
#include "app/steps/ZKOperationEditor.h"
#include "app/steps/ZKRenamerSettingsView.h"
#include "app/tokens/ZKProxyField.h"
#include "common/UserDefaults.h"
#include "controller/ZKRenamingController.h"
#include "engine/ZKRenamer.h"
#include "support/QtPrinters.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestEnvironment.h"
#include "tokens/TokenList.h"

// A user who also stands in for the window: the controller's layout and selection
// notifications reach the step area as they do in the application.
class StepAreaInteraction : public ScriptedUserInteraction {
public:
    ZKConfigurationCollectionView *area = nullptr;

    void wire(ZKRenamingController &controller) {
        watch(controller);
        QObject::connect(&controller, &ZKRenamingController::renamerLayoutChanged, [this] {
            if (area) area->relayout();
        });
        QObject::connect(&controller, &ZKRenamingController::renamerSelectionChanged,
                         [this](bool focusStepArea) {
                             if (area) area->reflectSelection(focusStepArea);
                         });
    }
};

// A controller listing "alpha.txt" and "beta.txt", with the step area shown over it.
class StepAreaFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ZKRenamingController::registerControllerDefaults();
        ZKRenamingController::resetFirstLayoutFlag();
        ZKRenamer::removedRenamersStack().clear();
        controller = std::make_unique<ZKRenamingController>(&ui);
        ui.wire(*controller);
        dir.makeFile(QStringLiteral("alpha.txt"));
        dir.makeFile(QStringLiteral("beta.txt"));
        ASSERT_TRUE(controller->populateWithPaths({dir.path()}, false, false));
        area = std::make_unique<ZKConfigurationCollectionView>(*controller);
        ui.area = area.get();
        area->resize(640, 520);
        area->show();
    }

    void TearDown() override {
        ui.area = nullptr;
        area.reset();
        controller.reset();
        UserDefaults::standardUserDefaults().removeObjectForKey(
            ZKRenamingController::alwaysSelectAddedStepsKey);
        ZKRenamer::removedRenamersStack().clear();
    }

    static ZKRenamerPtr findAndReplace(const QString &target, const QString &replacement = {}) {
        return ZKRenamer::renamerWithArchive(
            QVariantMap{{QStringLiteral("Rename: Find/Replace: Target"), target},
                        {QStringLiteral("Rename: Find/Replace: Replacement"), replacement}});
    }
    static ZKRenamerPtr stepWith(const QVariantMap &archive) {
        return ZKRenamer::renamerWithArchive(archive);
    }

    // Puts the steps in place the way a loaded configuration does: laid out and computed.
    void useSteps(const QList<ZKRenamerPtr> &steps) {
        controller->setRenamers(steps);
        controller->updateRenamerLayoutAndRenameNames(true);
    }
    // Steps "1", "2", ... : Find and Replace steps told apart by their targets.
    void useNumberedSteps(int count) {
        QList<ZKRenamerPtr> steps;
        for (int i = 1; i <= count; ++i) steps.append(findAndReplace(QString::number(i)));
        useSteps(steps);
    }
    // The targets of the steps in list order ("" for steps of other operations).
    QStringList targets() const {
        QStringList list;
        for (const ZKRenamerPtr &step : controller->renamers())
            list.append(TokenList::plainText(step->tokenListValue(RenamerSetting::Target)));
        return list;
    }
    // Whether the views show the controller's steps, in order.
    bool viewsMatchSteps() const {
        const auto &views = area->configurationViews();
        if (views.size() != controller->renamers().size()) return false;
        for (qsizetype i = 0; i < views.size(); ++i) {
            if (views.at(i)->renamer() != controller->renamers().at(i)) return false;
        }
        return true;
    }

    ZKRenamerSettingsView *view(int index) const { return area->configurationViews().at(index); }
    // The control of a setting in the current editor of a step's view.
    template <typename Control>
    Control *control(int index, RenamerSetting setting) const {
        ZKOperationEditor *editor = view(index)->editor();
        return editor ? editor->findChild<Control *>(RenamerSettings::key(setting)) : nullptr;
    }
    // A number field.
    QLineEdit *field(int index, RenamerSetting setting) const {
        return control<QLineEdit>(index, setting);
    }
    // The field of a text setting that may hold tokens.
    ZKProxyField *tokenField(int index, RenamerSetting setting) const {
        return control<ZKProxyField>(index, setting);
    }
    // Chooses a menu item by its tag, as a click in the pop-up does.
    static void choose(QComboBox *combo, int tag) {
        ASSERT_TRUE(combo);
        const int item = combo->findData(tag);
        ASSERT_GE(item, 0);
        combo->setCurrentIndex(item);
    }

    QString newName(const QString &name) const {
        for (const ZKFileRepresentationPtr &record : controller->fileRepresentations()) {
            if (record->name() == name) return record->renameName();
        }
        return QStringLiteral("<not listed>");
    }

    // Every top-level computation redraws the list once.
    int computations() const { return ui.fileListDisplays; }

    StepAreaInteraction ui;
    TestDir dir;
    std::unique_ptr<ZKRenamingController> controller;
    std::unique_ptr<ZKConfigurationCollectionView> area;
};
