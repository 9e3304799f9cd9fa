#pragma once

#include <QTextStream>

class ZKRenamingController;

// Tells on standard error which steps could not work at all (every new name was withdrawn).
void reportStepSyntaxErrors(ZKRenamingController &controller, QTextStream &err);
