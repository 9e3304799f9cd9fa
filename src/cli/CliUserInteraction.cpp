#include "cli/CliUserInteraction.h"

#include <cstdio>

#include "cli/CommandHelp.h"
#include "cli/InterruptFlag.h"

ZKAlertAnswer CliUserInteraction::runAlert(const ZKAlert &alert) {
    const std::optional<int> stop = stopButtonOf(alert);
    if (stopAsked_ && stop) {
        stopAsked_ = false;
        return {*stop, false};
    }
    printAlert(alert);
    if (const std::optional<int> answer = answerByPolicy(alert)) {
        err_ << "  -> " << alert.buttons.at(*answer) << '\n';
        err_.flush();
        return {*answer, false};
    }
    if (interactive_) return {askForButton(alert), false};
    return ZKSilentUserInteraction::runAlert(alert);
}

std::optional<int> CliUserInteraction::answerByPolicy(const ZKAlert &alert) const {
    if (alert.kind == ZKAlertKind::ExistingItem) {
        switch (existingItemPolicy_) {
            case ExistingItemPolicy::Ask:
                return std::nullopt;
            case ExistingItemPolicy::Skip:
                return ExistingItemButton::Skip;
            case ExistingItemPolicy::Replace:
                return ExistingItemButton::Replace;
            case ExistingItemPolicy::Stop:
                // Without "Cancel" the item can only be left where it is.
                return alert.buttons.size() > ExistingItemButton::Cancel
                           ? ExistingItemButton::Cancel
                           : ExistingItemButton::Skip;
        }
    }
    // The confirmations before a run go ahead with their first button.
    if (confirmRuns_ && alert.kind == ZKAlertKind::RunConfirmation) return 0;
    return std::nullopt;
}

void CliUserInteraction::showAlertLater(const ZKAlert &alert) { printAlert(alert); }

bool CliUserInteraction::stopRequested() {
    if (!InterruptFlag::isSet()) return false;
    stopAsked_ = true;
    return true;
}

void CliUserInteraction::postNotification(const QString &title, const QString &text) {
    err_ << title << ": " << text << '\n';
    err_.flush();
}

std::optional<QString> CliUserInteraction::promptForParameter(const QString &question) {
    if (!asksPrompts_) {
        err_ << CommandHelp::tr("warning: no terminal to ask \"%1\"; the answer is empty\n")
                    .arg(question);
        err_.flush();
        return QString();
    }
    if (progress_) progress_->clear();
    err_ << question << '\n' << CommandHelp::tr("Answer: ");
    err_.flush();
    QTextStream in(stdin);
    const QString line = in.readLine();
    if (line.isNull()) return std::nullopt;
    return line;
}

void CliUserInteraction::setRenameButtonState(const ZKRenameButtonState &state) {
    if (progress_) progress_->show(state.description.isEmpty() ? state.title : state.description);
}

void CliUserInteraction::printAlert(const ZKAlert &alert) {
    if (progress_) progress_->clear();
    err_ << alert.messageText << '\n';
    if (!alert.informativeText.isEmpty()) err_ << alert.informativeText << '\n';
    err_.flush();
}

int CliUserInteraction::askForButton(const ZKAlert &alert) {
    QTextStream in(stdin);
    for (;;) {
        for (qsizetype i = 0; i < alert.buttons.size(); ++i)
            err_ << QStringLiteral("  %1) %2%3\n")
                        .arg(i + 1)
                        .arg(alert.buttons[i], i == 0 ? CommandHelp::tr(" (default)") : QString());
        err_ << CommandHelp::tr("Choice: ");
        err_.flush();
        const QString line = in.readLine();
        if (line.isNull()) return 0;  // end of input: the default
        if (line.trimmed().isEmpty()) return 0;
        bool ok = false;
        const int choice = line.trimmed().toInt(&ok);
        if (ok && choice >= 1 && choice <= alert.buttons.size()) return choice - 1;
        err_ << CommandHelp::tr("Please answer with a number from 1 to %1.\n")
                    .arg(alert.buttons.size());
    }
}
