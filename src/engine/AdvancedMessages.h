#pragma once

#include <QString>

#include "common/Translations.h"

// The messages the Advanced language lists for the user, spelled as shown (translated: they
// are shown in the list of errors, never put into names).
namespace AdvancedMessages {

TORVANE_NAMESPACE_TR(AdvancedMessages)

inline QString stringConstantHasNoEnd() { return tr("string constant has no end"); }
inline QString bracketsMustBeBalanced() {
    return tr("\"[\" and \"]\" function brackets must be balanced");
}
inline QString unknownFunction() { return tr("unknown function"); }
inline QString unknownError() { return tr("unknown error"); }

inline QString variableError(const QString &callText) {
    return tr("variable error in expression <%1>").arg(callText);
}
inline QString failedToParse(const QString &innerText) {
    return tr("failed to parse expression \"%1\"").arg(innerText);
}
inline QString argumentOutOfBounds(qint64 index, qint64 counter) {
    return tr("argument out of bounds: %1 >= %2").arg(index).arg(counter);
}
inline QString unknownVariable(const QString &displayName) {
    return tr("unknown variable: <%1>").arg(displayName);
}
inline QString cannotComprehend(const QString &functionText) {
    return tr("cannot comprehend expression \"%1\"").arg(functionText);
}

}  // namespace AdvancedMessages
