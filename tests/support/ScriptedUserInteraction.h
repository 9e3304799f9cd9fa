#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

#include "interaction/ZKUserInteraction.h"
#include "records/ZKFileRepresentation.h"

// A user who answers from a script: alerts are recorded and answered from a queue (the
// default button once the queue is empty), a stop is requested at a chosen poll, and every
// other call is recorded for the test to inspect.
class ScriptedUserInteraction : public ZKUserInteraction {
public:
    struct PasteboardWrite {
        QStringList paths;
        QStringList urls;
        QString text;
    };

    // Script.
    QList<ZKAlertAnswer> answers;
    // The poll (1 = the first) at which stopRequested() answers true, once; 0 never.
    int stopAtPoll = 0;
    ZKModifierKeys modifiers;
    QList<ZKPasteboardItem> pasteboard;
    QStringList openPanelPaths;
    QList<ZKFileRepresentationPtr> selection;
    std::optional<QString> promptAnswer;
    // Called with every rename button state, once recorded.
    std::function<void(const ZKRenameButtonState &)> onButtonState;

    // Record.
    QList<ZKAlert> alerts;
    QList<ZKAlert> laterAlerts;
    int stopPolls = 0;
    QList<ZKRenameButtonState> buttonStates;
    int fileListChanges = 0;
    int fileListDisplays = 0;
    int beeps = 0;
    int layoutChanges = 0;
    int iconCacheClears = 0;
    int stepSelectionChanges = 0;
    int stepAreaFocusRequests = 0;
    QList<PasteboardWrite> pasteboardWrites;
    QStringList prompts;
    QList<QPair<QString, QString>> notifications;

    ZKAlertAnswer runAlert(const ZKAlert &alert) override {
        alerts.append(alert);
        return answers.isEmpty() ? ZKAlertAnswer() : answers.takeFirst();
    }
    void showAlertLater(const ZKAlert &alert) override { laterAlerts.append(alert); }
    bool stopRequested() override { return ++stopPolls == stopAtPoll; }
    void setRenameButtonState(const ZKRenameButtonState &state) override {
        buttonStates.append(state);
        if (onButtonState) onButtonState(state);
    }
    void beep() override { ++beeps; }
    ZKModifierKeys modifierKeys() override { return modifiers; }
    QList<ZKPasteboardItem> pasteboardItems() override { return pasteboard; }
    void writeToPasteboard(const QStringList &paths, const QStringList &urls,
                           const QString &text) override {
        pasteboardWrites.append({paths, urls, text});
    }
    QStringList runOpenPanel(bool) override { return openPanelPaths; }
    void postNotification(const QString &title, const QString &text) override {
        notifications.append({title, text});
    }
    QList<ZKFileRepresentationPtr> selectedFileRepresentations() override { return selection; }
    void selectFileRepresentations(const QList<ZKFileRepresentationPtr> &records) override {
        selection = records;
    }
    std::optional<QString> promptForParameter(const QString &question) override {
        prompts.append(question);
        return promptAnswer;
    }

    // Counts what a controller announces to its views.
    template <typename Controller>
    void watch(Controller &controller) {
        QObject::connect(&controller, &Controller::fileListChanged, [this] { ++fileListChanges; });
        QObject::connect(&controller, &Controller::fileListNeedsDisplay,
                         [this] { ++fileListDisplays; });
        QObject::connect(&controller, &Controller::renamerLayoutChanged,
                         [this] { ++layoutChanges; });
        QObject::connect(&controller, &Controller::iconsCacheCleared,
                         [this] { ++iconCacheClears; });
        QObject::connect(&controller, &Controller::renamerSelectionChanged,
                         [this](bool focusStepArea) {
                             ++stepSelectionChanges;
                             if (focusStepArea) ++stepAreaFocusRequests;
                         });
    }

    ZKRenameButtonState lastButtonState() const {
        return buttonStates.isEmpty() ? ZKRenameButtonState() : buttonStates.last();
    }
};
