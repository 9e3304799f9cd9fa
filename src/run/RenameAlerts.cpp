#include "run/RenameAlerts.h"

#include "common/Translations.h"

namespace RenameAlerts {
TORVANE_NAMESPACE_TR(RenameAlerts)
}

namespace {

QString cancelTitle() { return RenameAlerts::tr("Cancel"); }

ZKAlert alertWith(ZKAlertKind kind, const QString &message, const QString &text,
                  const QStringList &buttons) {
    ZKAlert alert;
    alert.kind = kind;
    alert.messageText = message;
    alert.informativeText = text;
    alert.buttons = buttons;
    return alert;
}

QString counted(qsizetype count, bool folders) {
    return (folders ? RenameAlerts::tr("%1 items") : RenameAlerts::tr("%1 files")).arg(count);
}

}  // namespace

namespace RenameAlerts {

ZKAlert renameAgainAlert() {
    return alertWith(ZKAlertKind::RunConfirmation, tr("Are you sure you want to do this again?"),
                     tr("You just used the exact same configuration."),
                     {tr("Rename Again"), cancelTitle()});
}

ZKAlert removeExtensionAlert(qsizetype count, const QString &firstName) {
    const QString message =
        count == 1
            ? tr("Are you sure you want to remove the filename extension from %1?").arg(firstName)
            : tr("Are you sure you want to remove the filename extensions from %1 files?")
                  .arg(count);
    return alertWith(ZKAlertKind::RunConfirmation, message,
                     tr("Files without filename extensions may not open properly."),
                     {tr("Rename and Remove Extension"), cancelTitle()});
}

ZKAlert warningsAlert() {
    return alertWith(ZKAlertKind::RunConfirmation,
                     tr("Some resulting filenames may not be what you expect them to be..."),
                     tr("If you want to check before renaming, look for files with yellow "
                        "indicator lights. Hover your mouse over them to see details."),
                     {tr("Rename Anyway"), cancelTitle()});
}

ZKAlert chickenAlert(const QString &renameButtonTitle) {
    ZKAlert alert = alertWith(ZKAlertKind::RunConfirmation, trimmingPunctuation(renameButtonTitle),
                              tr("Are you sure?"), {tr("Rename"), cancelTitle()});
    alert.suppressionButtonTitle = tr("Do not show this message again");
    return alert;
}

QString trimmingPunctuation(const QString &text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && (text.at(begin).isPunct() || text.at(begin).isSpace())) ++begin;
    while (end > begin && (text.at(end - 1).isPunct() || text.at(end - 1).isSpace())) --end;
    return text.mid(begin, end - begin);
}

ZKAlert stopAlert() {
    return alertWith(
        ZKAlertKind::StopRun, tr("Stop?"),
        tr("Stopping now will not undo processing steps that have already taken place."),
        {tr("Continue"), tr("Stop")});
}

ZKAlert stopScanningAlert() {
    ZKAlert alert = stopAlert();
    alert.informativeText = tr("Aren't these the files you are looking for?");
    return alert;
}

ZKAlert revertAlert(qsizetype revertible, qsizetype count, bool folders,
                    const QString &originalName) {
    QString message;
    if (revertible == count && count == 1) {
        message = tr("Revert %1...").arg(originalName);
    } else if (revertible == count) {
        message = (folders ? tr("Revert %1 Items...") : tr("Revert %1 Files...")).arg(count);
    } else {
        message = (folders ? tr("Revert %1 of %2 Items...") : tr("Revert %1 of %2 Files..."))
                      .arg(revertible)
                      .arg(count);
    }
    return alertWith(ZKAlertKind::Revert, message, tr("You can always try again, right?"),
                     {tr("Revert"), cancelTitle()});
}

ZKAlert journalFailureAlert(const QString &error) {
    ZKAlert alert =
        alertWith(ZKAlertKind::RunCannotGoOn, tr("Cannot rename"),
                  tr("Torvane encountered the following error:\n\n") + error, {tr("Stop")});
    alert.style = ZKAlert::Style::Critical;
    return alert;
}

ZKAlert folderBusyAlert(const QString &folder) {
    ZKAlert alert =
        alertWith(ZKAlertKind::RunCannotGoOn, tr("Cannot rename"),
                  tr("Nothing was renamed: another rename run is moving items in \"%1\". "
                     "Please try again when it has ended.")
                      .arg(folder),
                  {tr("Stop")});
    alert.style = ZKAlert::Style::Critical;
    return alert;
}

QString notificationTitle(bool isRevert) {
    return isRevert ? tr("Reverted") : tr("Finished Renaming");
}

QString notificationText(qsizetype relevant, qsizetype count, bool folders,
                         const QString &singleName) {
    if (relevant < count)
        return (folders ? tr("%1 of %2 items") : tr("%1 of %2 files")).arg(relevant).arg(count);
    if (count == 1) return singleName;
    return counted(count, folders);
}

ZKAlert cannotRenameAlert(const QString &name, const QString &informativeText) {
    ZKAlert alert;
    alert.kind = ZKAlertKind::RunCannotGoOn;
    alert.style = ZKAlert::Style::Critical;
    alert.messageText = tr("Cannot rename %1").arg(name);
    alert.informativeText = informativeText;
    alert.buttons = {tr("Stop")};
    return alert;
}

QString cannotRenameText(const QString &name, const QString &error, bool sandboxed) {
    if (!error.isEmpty()) return tr("Torvane encountered the following error:\n\n") + error;
    if (sandboxed)
        return tr("This is most likely due to a failed attempt to ask the sandbox for renaming "
                  "rights. Alternatively, there may be some other file permissions issue.\n\n"
                  "If you can rename %1 in your file manager while not being able to do so in "
                  "Torvane, please let us know about it.")
            .arg(name);
    return tr("This is most likely due to a file permissions issue. However, if you can rename "
              "%1 in your file manager while not being able to do so in Torvane, please let us "
              "know about it.")
        .arg(name);
}

}  // namespace RenameAlerts
