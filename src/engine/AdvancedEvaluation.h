#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "engine/AdvancedProgram.h"
#include "engine/AdvancedRegexCache.h"

class ZKFileItem;
class ZKRenamer;

// What a computation pass prepares once for every file: the prototype as the editor holds it
// (trimmed, NFC), its calls and the regular expressions compiled so far.
struct AdvancedPreparation {
    explicit AdvancedPreparation(const QString &editorText);

    QString prototype;
    AdvancedProgram program;
    AdvancedRegexCache regularExpressions;
};

// The evaluation of a prepared prototype for one file (or for none: the run on an empty
// list). One failure ends it: every later call is skipped.
class AdvancedEvaluation {
public:
    AdvancedEvaluation(AdvancedPreparation &preparation, ZKRenamer &step, ZKFileItem *file,
                       qint64 index, qint64 count);

    // The next name of a file whose working name is `name`: the value of the prototype, or
    // `name` itself when that is empty or the evaluation failed (then *didFail is set).
    QString nameForName(const QString &name, bool *didFail);

    // For the functions.
    ZKRenamer &step() { return step_; }
    AdvancedPreparation &preparation() { return preparation_; }
    ZKFileItem *file() const { return file_; }
    qint64 index() const { return index_; }
    qint64 count() const { return count_; }
    QDateTime currentDate() const { return currentDate_; }
    QDateTime creationDate() const;
    QDateTime modificationDate() const;
    // Logs the message (once per evaluation) and fails the evaluation.
    void fail(const QString &message);
    // Fails the evaluation after a message logged elsewhere.
    void markFailed() { failed_ = true; }

private:
    QString valueOfCall(const AdvancedCall &call);
    void addArgument(const QString &value);
    QString value(const AdvancedValueSource &source) const;

    AdvancedPreparation &preparation_;
    ZKRenamer &step_;
    ZKFileItem *file_;
    qint64 index_;
    qint64 count_;
    QDateTime currentDate_;
    QStringList arguments_;
    qsizetype argumentsLength_ = 0;
    QString currentName_;
    QString extension_;
    bool failed_ = false;
};
