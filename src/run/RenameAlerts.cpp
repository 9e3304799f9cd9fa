#include "run/RenameAlerts.h"

namespace {

const QString kCancel = QStringLiteral("Cancel");

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
    return (folders ? QStringLiteral("%1 items") : QStringLiteral("%1 files")).arg(count);
}

}  // namespace

namespace RenameAlerts {

ZKAlert renameAgainAlert() {
    return alertWith(ZKAlertKind::RunConfirmation,
                     QStringLiteral("Are you sure you want to do this again?"),
                     QStringLiteral("You just used the exact same configuration."),
                     {QStringLiteral("Rename Again"), kCancel});
}

ZKAlert removeExtensionAlert(qsizetype count, const QString &firstName) {
    const QString message =
        count == 1
            ? QStringLiteral("Are you sure you want to remove the filename extension from %1?")
                  .arg(firstName)
            : QStringLiteral(
                  "Are you sure you want to remove the filename extensions from %1 files?")
                  .arg(count);
    return alertWith(ZKAlertKind::RunConfirmation, message,
                     QStringLiteral("Files without filename extensions may not open properly."),
                     {QStringLiteral("Rename and Remove Extension"), kCancel});
}

ZKAlert warningsAlert() {
    return alertWith(
        ZKAlertKind::RunConfirmation,
        QStringLiteral("Some resulting filenames may not be what you expect them to be..."),
        QStringLiteral("If you want to check before renaming, look for files with yellow "
                       "indicator lights. Hover your mouse over them to see details."),
        {QStringLiteral("Rename Anyway"), kCancel});
}

ZKAlert chickenAlert(const QString &renameButtonTitle) {
    ZKAlert alert = alertWith(ZKAlertKind::RunConfirmation, trimmingPunctuation(renameButtonTitle),
                              QStringLiteral("Are you sure?"), {QStringLiteral("Rename"), kCancel});
    alert.suppressionButtonTitle = QStringLiteral("Do not show this message again");
    return alert;
}

QString trimmingPunctuation(const QString &text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).isPunct()) ++begin;
    while (end > begin && text.at(end - 1).isPunct()) --end;
    return text.mid(begin, end - begin);
}

ZKAlert stopAlert() {
    return alertWith(
        ZKAlertKind::StopRun, QStringLiteral("Stop?"),
        QStringLiteral(
            "Stopping now will not undo processing steps that have already taken place."),
        {QStringLiteral("Continue"), QStringLiteral("Stop")});
}

ZKAlert stopScanningAlert() {
    ZKAlert alert = stopAlert();
    alert.informativeText = QStringLiteral("Aren't these the files you are looking for?");
    return alert;
}

ZKAlert revertAlert(qsizetype revertible, qsizetype count, bool folders,
                    const QString &originalName) {
    QString message;
    if (revertible == count && count == 1) {
        message = QStringLiteral("Revert %1...").arg(originalName);
    } else if (revertible == count) {
        message =
            (folders ? QStringLiteral("Revert %1 Items...") : QStringLiteral("Revert %1 Files..."))
                .arg(count);
    } else {
        message = (folders ? QStringLiteral("Revert %1 of %2 Items...")
                           : QStringLiteral("Revert %1 of %2 Files..."))
                      .arg(revertible)
                      .arg(count);
    }
    return alertWith(ZKAlertKind::Revert, message,
                     QStringLiteral("You can always try again, right?"),
                     {QStringLiteral("Revert"), kCancel});
}

ZKAlert journalFailureAlert(const QString &error) {
    ZKAlert alert =
        alertWith(ZKAlertKind::RunCannotGoOn, QStringLiteral("Cannot rename"),
                  QStringLiteral("Torvane encountered the following error:\n\n") + error,
                  {QStringLiteral("Stop")});
    alert.style = ZKAlert::Style::Critical;
    return alert;
}

ZKAlert folderBusyAlert(const QString &folder) {
    ZKAlert alert = alertWith(
        ZKAlertKind::RunCannotGoOn, QStringLiteral("Cannot rename"),
        QStringLiteral("Nothing was renamed: another rename run is moving items in \"%1\". "
                       "Please try again when it has ended.")
            .arg(folder),
        {QStringLiteral("Stop")});
    alert.style = ZKAlert::Style::Critical;
    return alert;
}

QString notificationTitle(bool isRevert) {
    return isRevert ? QStringLiteral("Reverted") : QStringLiteral("Finished Renaming");
}

QString notificationText(qsizetype relevant, qsizetype count, bool folders,
                         const QString &singleName) {
    if (relevant < count)
        return (folders ? QStringLiteral("%1 of %2 items") : QStringLiteral("%1 of %2 files"))
            .arg(relevant)
            .arg(count);
    if (count == 1) return singleName;
    return counted(count, folders);
}

ZKAlert cannotRenameAlert(const QString &name, const QString &informativeText) {
    ZKAlert alert;
    alert.kind = ZKAlertKind::RunCannotGoOn;
    alert.style = ZKAlert::Style::Critical;
    alert.messageText = QStringLiteral("Cannot rename %1").arg(name);
    alert.informativeText = informativeText;
    alert.buttons = {QStringLiteral("Stop")};
    return alert;
}

QString cannotRenameText(const QString &name, const QString &error, bool sandboxed) {
    if (!error.isEmpty())
        return QStringLiteral("Torvane encountered the following error:\n\n") + error;
    if (sandboxed)
        return QStringLiteral(
                   "This is most likely due to a failed attempt to ask the sandbox for renaming "
                   "rights. Alternatively, there may be some other file permissions issue.\n\n"
                   "If you can rename %1 in your file manager while not being able to do so in "
                   "Torvane, please let us know about it.")
            .arg(name);
    return QStringLiteral(
               "This is most likely due to a file permissions issue. However, if you can rename "
               "%1 in your file manager while not being able to do so in Torvane, please let us "
               "know about it.")
        .arg(name);
}

}  // namespace RenameAlerts
