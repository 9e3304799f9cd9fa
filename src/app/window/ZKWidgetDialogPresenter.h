#pragma once

#include <QCoreApplication>

#include "app/window/ZKDialogPresenter.h"

// The real dialogs: message boxes, a file dialog that takes files and folders alike, and an
// input dialog, each window-modal on the main window.
class ZKWidgetDialogPresenter : public ZKDialogPresenter {
    Q_DECLARE_TR_FUNCTIONS(ZKWidgetDialogPresenter)

public:
    ZKAlertAnswer runAlert(QWidget *window, const ZKAlert &alert) override;
    QStringList runOpenPanel(QWidget *window, bool resolveAliases) override;
    std::optional<QString> promptForParameter(QWidget *window, const QString &question) override;
    std::optional<QString> runSavePanel(QWidget *window, const QString &button,
                                        const QString &extension,
                                        const QString &suggestedName) override;
    std::optional<QString> runFileOpenPanel(QWidget *window, const QString &button,
                                            const QStringList &extensions) override;
    std::optional<QString> askForName(QWidget *window, const QString &title,
                                      const QString &proposed) override;
    std::optional<QString> runFolderUnlockPanel(QWidget *window,
                                                const ZKFolderUnlockRequest &request) override;
    std::optional<QString> runFolderChoicePanel(QWidget *window, const QString &title,
                                                const QString &button,
                                                const QString &startFolder) override;
    std::optional<QString> runCreationPanel(QWidget *window, const CreationPanel &panel) override;
};
