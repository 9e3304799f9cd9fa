#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include "cli/CommandHelp.h"
#include "engine/ZKRenamingDelegate.h"

// Steps given as options on the command line, one step per operation option and in the
// order given: `--find a --replace b --case lower:extension` is a Find and Replace step and a
// Change Case step. Modifiers (--regex, --include-extension, ...) change the step made by the
// operation option before them. The steps are built through the step's own settings, so
// their archives are those the window would store for the same choices.
class StepOptions {
public:
    // Takes the step option at arguments[*index] (and its value); false when it is not one.
    // *error is set for a step option with a bad or missing value, or a modifier that does not
    // follow an operation it belongs to.
    bool take(const QStringList &arguments, qsizetype *index, QString *error);

    bool isEmpty() const { return steps_.isEmpty(); }
    // The step archives, as a steps file holds them.
    QVariantList archives() const;
    // --print-steps: write the steps file instead of listing anything.
    bool printSteps() const { return printSteps_; }

    // The options that take a value, and those that do not (for completion and the manual).
    static const QStringList &valueOptions();
    static const QStringList &flagOptions();
    static QString usage(CommandHelp::Language language = CommandHelp::Language::English);
    // The values of --case and --sequence; empty for other options.
    static QStringList choicesOf(const QString &option);

private:
    // The step made by the last operation option when it is one of `operations`; else null
    // with *error naming what the modifier needs.
    ZKRenamer *lastStep(const QString &modifier, const QList<int> &operations, QString *error);
    bool takeOperation(const QString &option, const QString &value, QString *error);
    bool takeModifier(const QString &option, const QString &value, QString *error);

    QList<ZKRenamerPtr> steps_;
    QStringList stepOptionNames_;  // the option that made each step
    bool printSteps_ = false;
};
