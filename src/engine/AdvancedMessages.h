#pragma once

#include <QString>

// The messages the Advanced language lists for the user, spelled as shown.
namespace AdvancedMessages {

inline const QString kStringConstantHasNoEnd = QStringLiteral("string constant has no end");
inline const QString kBracketsMustBeBalanced =
    QStringLiteral("\"[\" and \"]\" function brackets must be balanced");
inline const QString kUnknownFunction = QStringLiteral("unknown function");
inline const QString kUnknownError = QStringLiteral("unknown error");

inline QString variableError(const QString &callText) {
    return QStringLiteral("variable error in expression <%1>").arg(callText);
}
inline QString failedToParse(const QString &innerText) {
    return QStringLiteral("failed to parse expression \"%1\"").arg(innerText);
}
inline QString argumentOutOfBounds(qint64 index, qint64 counter) {
    return QStringLiteral("argument out of bounds: %1 >= %2").arg(index).arg(counter);
}
inline QString unknownVariable(const QString &displayName) {
    return QStringLiteral("unknown variable: <%1>").arg(displayName);
}
inline QString cannotComprehend(const QString &functionText) {
    return QStringLiteral("cannot comprehend expression \"%1\"").arg(functionText);
}

}  // namespace AdvancedMessages
