#pragma once

#include <QStringList>

#include "EngineTestSupport.h"

// What one computation pass of an Advanced step made of a list of files.
struct AdvancedOutcome {
    QStringList names;
    bool syntaxError = false;
    // The error list after the pass, "" when there is none.
    QString errors;
};

// Runs an Advanced step through its entry point, as a computation pass does.
class AdvancedTest : public EngineTest {
protected:
    // One pass over files of these names (none: the run without files).
    AdvancedOutcome run(const QString &prototype, const QStringList &names);
    // The new name of a single file, with every error the evaluation logged.
    QString named(const QString &prototype, const QString &name = QStringLiteral("name.ext"));
    // The error list of a prototype that fails on a single file.
    QString errorsOf(const QString &prototype, const QString &name = QStringLiteral("name.ext"));

    ZKRenamerPtr step;
};
