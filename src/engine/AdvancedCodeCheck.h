#pragma once

#include <QList>
#include <QString>
#include <functional>

// How the code editor colours a prototype: spans over text that is otherwise grey.
struct AdvancedCodeColouring {
    enum class Role { StringConstant, Variable, Function };
    struct Span {
        qsizetype start = 0;
        qsizetype length = 0;
        Role role = Role::Function;
        bool operator==(const Span &) const = default;
    };
    QList<Span> spans;
};

namespace AdvancedCodeCheck {

// Checks the editor's text for what evaluation cannot find, unknown function names and
// unbalanced square brackets, logging each problem through `log`, and colours it. Answers
// whether the prototype is acceptable: not when `failed` (the evaluation failed) or a
// problem was found.
bool checkAndColour(const QString &text, bool failed,
                    const std::function<void(const QString &)> &log,
                    AdvancedCodeColouring *colouring);

}  // namespace AdvancedCodeCheck
