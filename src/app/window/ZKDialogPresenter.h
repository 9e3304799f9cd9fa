#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "interaction/ZKUserInteraction.h"

class QWidget;

// The dialogs the window shows for the controller: alerts, the open dialog and the question of
// an Advanced "prompt". Each one blocks until answered, as a sheet on the given window. The
// window takes real dialogs (ZKWidgetDialogPresenter); tests give scripted answers.
class ZKDialogPresenter {
public:
    virtual ~ZKDialogPresenter() = default;

    // The first button is the default one; a "Cancel" button also answers Escape.
    virtual ZKAlertAnswer runAlert(QWidget *window, const ZKAlert &alert) = 0;
    // Files and folders to list, several at once ("Populate"); empty when cancelled.
    virtual QStringList runOpenPanel(QWidget *window, bool resolveAliases) = 0;
    // The text typed for the question; none when cancelled.
    virtual std::optional<QString> promptForParameter(QWidget *window, const QString &question) = 0;

    // Where to save a file of the one extension ("Export"); none when cancelled.
    virtual std::optional<QString> runSavePanel(QWidget *window, const QString &button,
                                                const QString &extension,
                                                const QString &suggestedName) {
        return std::nullopt;
    }
    // One file of the given extensions ("Import"); none when cancelled.
    virtual std::optional<QString> runFileOpenPanel(QWidget *window, const QString &button,
                                                    const QStringList &extensions) {
        return std::nullopt;
    }
    // A name for a preset or snippet, proposed as given; none when cancelled.
    virtual std::optional<QString> askForName(QWidget *window, const QString &title,
                                              const QString &proposed) {
        return std::nullopt;
    }
    // The folder chosen in the "Unlock" dialog; none when dismissed (or no dialog is shown).
    virtual std::optional<QString> runFolderUnlockPanel(QWidget *window,
                                                        const ZKFolderUnlockRequest &request) {
        return std::nullopt;
    }
    // One folder, which may be made in the dialog (where presets and snippets go); none when
    // cancelled.
    virtual std::optional<QString> runFolderChoicePanel(QWidget *window, const QString &title,
                                                        const QString &button,
                                                        const QString &startFolder) {
        return std::nullopt;
    }
    // A save dialog for a droplet or a service: its prompt (title), the proposed name, the
    // starting folder and the one allowed extension. The chosen path, or none when cancelled.
    struct CreationPanel {
        QString prompt;
        QString proposedName;
        QString folder;
        QString extension;
    };
    virtual std::optional<QString> runCreationPanel(QWidget *window, const CreationPanel &panel) {
        return std::nullopt;
    }
};
