#pragma once

#include <QTextStream>
#include <optional>

#include "cli/TerminalProgress.h"
#include "interaction/ZKSilentUserInteraction.h"

// The controller's user on the command line. Alerts go to standard error; questions are asked
// on the terminal when one is there and otherwise cancelled where they can be. Ctrl-C
// is the stop request, and a "Stop?" question asked after it is answered "Stop".
class CliUserInteraction : public ZKSilentUserInteraction {
public:
    // How the question about an item that already exists at a target is answered.
    enum class ExistingItemPolicy {
        Ask,      // on the terminal, else "Cancel"
        Skip,     // "Skip": that item keeps its name, the run goes on
        Replace,  // "Replace": the occupant goes to the Trash
        Stop,     // "Cancel": the run ends
    };

    CliUserInteraction(QTextStream &err, bool interactive) : err_(err), interactive_(interactive) {}

    void setExistingItemPolicy(ExistingItemPolicy policy) { existingItemPolicy_ = policy; }
    // Answers the confirmations before a rename run with their first button (go ahead).
    void setConfirmRuns(bool on) { confirmRuns_ = on; }
    // Whether an Advanced "prompt" is asked on the terminal; otherwise it gets the empty
    // answer, with a warning on standard error.
    void setAsksPrompts(bool on) { asksPrompts_ = on; }

    // Where scans and runs report how they get on; none by default. Not owned.
    void setProgress(TerminalProgress *progress) { progress_ = progress; }

    ZKAlertAnswer runAlert(const ZKAlert &alert) override;
    void setRenameButtonState(const ZKRenameButtonState &state) override;
    void showAlertLater(const ZKAlert &alert) override;
    bool stopRequested() override;
    void postNotification(const QString &title, const QString &text) override;
    // The answer is one line of standard input; none at the end of the input.
    std::optional<QString> promptForParameter(const QString &question) override;

private:
    // The answer a policy gives to the alert, none when it is to be asked as usual.
    std::optional<int> answerByPolicy(const ZKAlert &alert) const;
    void printAlert(const ZKAlert &alert);
    int askForButton(const ZKAlert &alert);

    QTextStream &err_;
    bool interactive_;
    bool stopAsked_ = false;
    ExistingItemPolicy existingItemPolicy_ = ExistingItemPolicy::Ask;
    bool confirmRuns_ = false;
    bool asksPrompts_ = false;
    TerminalProgress *progress_ = nullptr;
};
