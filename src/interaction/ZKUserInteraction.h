#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>

#include "platform/ZKSecurityScopedBookmarkManager.h"

class ZKFileRepresentation;
using ZKFileRepresentationPtr = std::shared_ptr<ZKFileRepresentation>;

// What an alert asks. A shell that answers on the user's behalf (the command line's
// policies, a stop request) decides by kind and by the kind's button order, never by titles.
enum class ZKAlertKind {
    // Information; any button ends it.
    Message,
    // An item already exists at a target: ExistingItemButton order.
    ExistingItem,
    // A confirmation before a run: button 0 goes ahead, button 1 ("Cancel") ends the run.
    RunConfirmation,
    // "Stop?" during a run or a scan: button 0 goes on, button 1 stops.
    StopRun,
    // A locked item: button 0 renames it, 1 renames every locked item, 2 stops.
    UnlockItem,
    // The run cannot go on (an error, a vanished item, a journal that cannot be written):
    // its only button stops.
    RunCannotGoOn,
    // The revert question: button 0 reverts, button 1 cancels.
    Revert,
    // Turning file listing off: button 0 disables it, button 1 keeps listing files.
    DisableFileRenaming,
    // An interrupted run (button 0 finishes it, 1 undoes it, 2 leaves it for later) or an
    // interrupted undo (button 0 finishes it, 1 leaves it for later).
    UnfinishedRun,
    UnfinishedUndo,
    // "Clear History?": button 0 clears, button 1 cancels.
    HistoryPurge,
    // A preset or snippet of that name exists: CollectionItemButton order.
    ExistingCollectionItem,
};

// The buttons of an ExistingCollectionItem alert, in order.
namespace CollectionItemButton {
enum : int { Replace = 0, KeepBoth = 1, Cancel = 2 };
}

// The buttons of an ExistingItem alert, in order; Cancel only where the run can be cancelled.
namespace ExistingItemButton {
enum : int { Replace = 0, ReplaceAll = 1, Skip = 2, SkipAll = 3, Cancel = 4 };
}

// An alert or question shown to the user. The first button is the default one.
struct ZKAlert {
    enum class Style { Warning, Informational, Critical };
    ZKAlertKind kind = ZKAlertKind::Message;

    QString messageText;
    QString informativeText;
    QStringList buttons;
    // Title of a suppression check box ("Do not ask again"); none when empty.
    QString suppressionButtonTitle;
    Style style = Style::Warning;
};

// The user's answer: the index of the button pressed, and the suppression box's state.
struct ZKAlertAnswer {
    int button = 0;
    bool suppressed = false;
};

// The modifier keys held at the moment (Shift adds to the list, Option changes menu items).
struct ZKModifierKeys {
    bool shift = false;
    bool option = false;
};

// What the rename button shows: a title, or a progress display while a scan or run goes on.
struct ZKRenameButtonState {
    QString title;
    bool enabled = false;
    bool showsProgress = false;
    bool indeterminate = true;
    double progress = 0.0;  // 0..1 when determinate
    // 0 renames, 1 reverts.
    int tag = 0;
    // What the progress stands for ("Renaming photo.jpg (2 of 5)").
    QString description;
    // Shown pressed, while the run asks whether to stop.
    bool highlighted = false;
    // The title of the rename command in the menu, which follows the button.
    QString menuItemTitle;

    // The button as "Stop" with a determinate progress, while a run or a reception goes on.
    static ZKRenameButtonState stopButton(double progress, const QString &description) {
        ZKRenameButtonState state;
        state.title = QCoreApplication::translate("ZKRenameButtonState", "Stop");
        state.menuItemTitle = state.title;
        state.enabled = true;
        state.showsProgress = true;
        state.indeterminate = false;
        state.progress = progress;
        state.description = description;
        return state;
    }
};

// One kind of data offered by a pasteboard: its type and its content.
struct ZKPasteboardItem {
    enum class Type { FileNames, Urls, PlainText };
    Type type;
    QVariant data;  // QStringList for file names and URLs, QString for plain text
};

// The button that stops the work at hand, for a stop the user already asked for; none when the
// alert has no such button.
inline std::optional<int> stopButtonOf(const ZKAlert &alert) {
    switch (alert.kind) {
        case ZKAlertKind::StopRun:
            return 1;
        case ZKAlertKind::UnlockItem:
            return 2;
        case ZKAlertKind::RunCannotGoOn:
            return 0;
        default:
            return std::nullopt;
    }
}

// The alert's "Cancel" button, found by kind (titles are translated); none where it has none.
inline std::optional<int> cancelButtonOf(const ZKAlert &alert) {
    switch (alert.kind) {
        case ZKAlertKind::RunConfirmation:
        case ZKAlertKind::Revert:
        case ZKAlertKind::HistoryPurge:
            return 1;
        case ZKAlertKind::ExistingItem:
            if (alert.buttons.size() > ExistingItemButton::Cancel)
                return ExistingItemButton::Cancel;
            return std::nullopt;
        case ZKAlertKind::ExistingCollectionItem:
            return CollectionItemButton::Cancel;
        default:
            return std::nullopt;
    }
}

// The button that cancels, stops or skips, so that nothing is changed on the user's behalf;
// none where the alert has no such button.
inline std::optional<int> safeButtonOf(const ZKAlert &alert) {
    if (const std::optional<int> cancel = cancelButtonOf(alert)) return cancel;
    // Without a Cancel button the run goes on, and the existing item is kept.
    if (alert.kind == ZKAlertKind::ExistingItem) return ExistingItemButton::Skip;
    return stopButtonOf(alert);
}

// Every moment where the controller core needs the user: alerts, questions, progress, the stop
// check, beeps, notifications, the modifier keys and the pasteboard. The window implements it
// with real dialogs, the command line with terminal choices, the tests with scripted answers.
// What the views show is not asked here: the controller announces its changes as signals.
class ZKUserInteraction {
public:
    virtual ~ZKUserInteraction() = default;

    // A modal alert; answers the button pressed.
    virtual ZKAlertAnswer runAlert(const ZKAlert &alert) = 0;
    // An alert shown once the current work is done, without waiting for the answer.
    virtual void showAlertLater(const ZKAlert &alert) = 0;

    // Whether the user asked to stop since the last call (Escape, or a click on the rename
    // button); the request is consumed. Long loops poll this at a throttled rate.
    virtual bool stopRequested() = 0;

    virtual void setRenameButtonState(const ZKRenameButtonState &state) = 0;

    virtual void beep() = 0;
    virtual ZKModifierKeys modifierKeys() = 0;

    // The general pasteboard's contents, in the order of preference of its types.
    virtual QList<ZKPasteboardItem> pasteboardItems() = 0;
    // Writes file names, URLs and text to the general pasteboard.
    virtual void writeToPasteboard(const QStringList &paths, const QStringList &urls,
                                   const QString &text) = 0;

    // Asks for files and folders to list ("Populate"); empty when cancelled.
    virtual QStringList runOpenPanel(bool resolveAliases) = 0;

    // A desktop notification (logged where the desktop has no notification service).
    virtual void postNotification(const QString &title, const QString &text) = 0;
    // Brings the main window to the front when it is visible (before a run or a question).
    virtual void bringMainWindowForward() {}

    // The records of the selected rows, in row order; empty while rows cannot be selected.
    virtual QList<ZKFileRepresentationPtr> selectedFileRepresentations() { return {}; }
    // Selects the displayed rows of these records (by identity); none found: no selection.
    virtual void selectFileRepresentations(const QList<ZKFileRepresentationPtr> &records) {}
    // Asks for the text an Advanced "prompt" needs, showing the question; none when no
    // dialog can be shown.
    virtual std::optional<QString> promptForParameter(const QString &question) {
        return std::nullopt;
    }
    // The "Unlock" dialog of a sandboxed process: the folder the user chose, none when the
    // dialog was dismissed or cannot be shown.
    virtual std::optional<QString> runFolderUnlockPanel(const ZKFolderUnlockRequest &request) {
        return std::nullopt;
    }
};
