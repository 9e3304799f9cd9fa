#pragma once

#include <QList>
#include <QStringList>
#include <functional>

#include "app/window/ZKDialogPresenter.h"

// Dialogs answered from a script: every alert is recorded and answered from the queue (the
// first button once it is empty); onAlert runs while the alert is "open", so a test can look
// at the window in that moment.
class ScriptedDialogPresenter : public ZKDialogPresenter {
public:
    QList<ZKAlertAnswer> answers;
    QStringList openPanelPaths;
    std::function<void(const ZKAlert &)> onAlert;

    std::optional<QString> savePanelPath;
    std::optional<QString> fileOpenPanelPath;
    std::optional<QString> name;
    // The answer of the folder dialog of the collections folder; its title.
    std::optional<QString> folderChoice;
    QString folderChoiceTitle;

    QList<ZKAlert> alerts;
    int openPanels = 0;
    // The suggested name of the latest save panel, the extensions of the latest open panel.
    QString suggestedName;
    QStringList openPanelExtensions;
    // The answer of the droplet and service save dialogs; the panels shown.
    std::optional<QString> creationPath;
    QList<CreationPanel> creationPanels;

    ZKAlertAnswer runAlert(QWidget *, const ZKAlert &alert) override {
        alerts.append(alert);
        if (onAlert) onAlert(alert);
        return answers.isEmpty() ? ZKAlertAnswer() : answers.takeFirst();
    }
    QStringList runOpenPanel(QWidget *, bool) override {
        ++openPanels;
        return openPanelPaths;
    }
    std::optional<QString> promptForParameter(QWidget *, const QString &) override {
        return std::nullopt;
    }
    std::optional<QString> runSavePanel(QWidget *, const QString &, const QString &,
                                        const QString &suggested) override {
        suggestedName = suggested;
        return savePanelPath;
    }
    std::optional<QString> runFileOpenPanel(QWidget *, const QString &,
                                            const QStringList &extensions) override {
        openPanelExtensions = extensions;
        return fileOpenPanelPath;
    }
    std::optional<QString> askForName(QWidget *, const QString &, const QString &) override {
        return name;
    }

    std::optional<QString> runFolderChoicePanel(QWidget *, const QString &title, const QString &,
                                                const QString &) override {
        folderChoiceTitle = title;
        return folderChoice;
    }
    std::optional<QString> runCreationPanel(QWidget *, const CreationPanel &panel) override {
        creationPanels.append(panel);
        return creationPath;
    }
    QStringList messages() const {
        QStringList texts;
        for (const ZKAlert &alert : alerts) texts.append(alert.messageText);
        return texts;
    }
};
