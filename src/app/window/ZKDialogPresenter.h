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
