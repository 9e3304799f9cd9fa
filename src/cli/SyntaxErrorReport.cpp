#include "cli/SyntaxErrorReport.h"

#include "cli/CommandHelp.h"
#include "controller/ZKRenamingController.h"
#include "engine/ZKRenamer.h"

void reportStepSyntaxErrors(ZKRenamingController &controller, QTextStream &err) {
    const QList<ZKRenamerPtr> &renamers = controller.renamers();
    for (qsizetype i = 0; i < renamers.size(); ++i) {
        const ZKRenamer &renamer = *renamers[i];
        if (renamer.operation() == 0 && renamer.targetStatus() == -1)
            err << CommandHelp::tr("step %1 (%2): the target is not a valid regular expression\n")
                       .arg(i + 1)
                       .arg(renamer.operationName());
        if (renamer.operation() == AdvancedOperation && renamer.isAdvancedShowErrorsButtonShown())
            err << CommandHelp::tr("step %1 (%2): the prototype has errors:\n%3")
                       .arg(i + 1)
                       .arg(renamer.operationName(), renamer.advancedErrorMessage().value_or(""));
    }
    err << CommandHelp::tr("no item gets a new name\n");
    err.flush();
}
