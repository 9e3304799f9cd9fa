#include "engine/AdvancedCodeCheck.h"

#include <QSet>
#include <array>

#include "common/TextCase.h"
#include "engine/AdvancedMessages.h"

namespace AdvancedCodeCheck {

namespace {

using Role = AdvancedCodeColouring::Role;

// The names the check knows, in the order it tries them.
const std::array<QString, 30> &functionNames() {
    static const std::array<QString, 30> names{
        "addintegers", "and",       "capitalize", "concatenate",
        "created",     "decrement", "equal",      "findregularexpression",
        "findregex",   "find",      "if",         "increment",
        "insert",      "letters",   "lowercase",  "modified",
        "not",         "now",       "or",         "pad",
        "prompt",      "random",    "remove",     "romannumerals",
        "sequence",    "term",      "titlecase",  "trim",
        "truncate",    "uppercase"};
    return names;
}

// Enough of the text after a bracket to tell the longest name, lower-cased.
constexpr qsizetype kNameWindow = 32;

class Checker {
public:
    Checker(const QString &text, bool failed, const std::function<void(const QString &)> &log,
            AdvancedCodeColouring &colouring)
        : text_(text), error_(failed), log_(log), colouring_(colouring) {}

    bool run();

private:
    void character(qsizetype position);
    void openingBracket(qsizetype position);
    void closingBracket(qsizetype position);
    void colourFunctionName(qsizetype bracket);
    void report(const QString &message);
    void colour(qsizetype start, qsizetype end, Role role) {
        colouring_.spans.append({start, end - start, role});
    }

    const QString &text_;
    bool error_;
    const std::function<void(const QString &)> &log_;
    AdvancedCodeColouring &colouring_;
    bool inString_ = false;
    bool inVariable_ = false;
    qsizetype start_ = 0;
    qsizetype depth_ = 0;
    QSet<QString> reported_;
};

bool Checker::run() {
    qsizetype backslashes = 0;  // directly before the position
    for (qsizetype position = 0; position < text_.size(); ++position) {
        const bool escaped = backslashes % 2 == 1;
        backslashes = text_.at(position) == QLatin1Char('\\') ? backslashes + 1 : 0;
        if (!escaped) character(position);
    }
    if (depth_ != 0 && !error_) report(AdvancedMessages::bracketsMustBeBalanced());
    return !error_;
}

void Checker::character(qsizetype position) {
    const QChar c = text_.at(position);
    if (c == QLatin1Char('"')) {
        if (inVariable_) return;
        if (inString_)
            colour(start_, position + 1, Role::StringConstant);
        else
            start_ = position;
        inString_ = !inString_;
        return;
    }
    if (inString_) return;
    if (c == QLatin1Char('<')) {
        if (!inVariable_) start_ = position;
        inVariable_ = true;
        return;
    }
    if (c == QLatin1Char('>')) {
        if (inVariable_) colour(start_, position + 1, Role::Variable);
        inVariable_ = false;
        return;
    }
    if (inVariable_) return;
    if (c == QLatin1Char('[')) openingBracket(position);
    if (c == QLatin1Char(']')) closingBracket(position);
}

void Checker::openingBracket(qsizetype position) {
    ++depth_;
    colour(position, position + 1, Role::Function);
    if (position == text_.size() - 1) {
        report(AdvancedMessages::unknownFunction());
        return;
    }
    colourFunctionName(position);
}

void Checker::closingBracket(qsizetype position) {
    if (depth_ <= 0)
        report(AdvancedMessages::bracketsMustBeBalanced());
    else
        colour(position, position + 1, Role::Function);
    --depth_;
}

void Checker::colourFunctionName(qsizetype bracket) {
    qsizetype start = bracket + 1;
    while (start < text_.size() && text_.at(start).isSpace()) ++start;
    const QString head = TextCase::lower(text_.mid(start, kNameWindow));
    for (const QString &name : functionNames()) {
        if (!head.startsWith(name)) continue;
        const qsizetype length = qMin(start - bracket + kNameWindow, text_.size() - bracket);
        const QStringView window = QStringView(text_).sliced(bracket, length);
        const qsizetype found = window.indexOf(name, 0, Qt::CaseInsensitive);
        if (found >= 0) colour(bracket + found, bracket + found + name.size(), Role::Function);
        return;
    }
    report(AdvancedMessages::unknownFunction());
}

void Checker::report(const QString &message) {
    error_ = true;
    // Each message once: a long text of stray brackets would otherwise log it per bracket.
    if (reported_.contains(message)) return;
    reported_.insert(message);
    log_(message);
}

}  // namespace

bool checkAndColour(const QString &text, bool failed,
                    const std::function<void(const QString &)> &log,
                    AdvancedCodeColouring *colouring) {
    AdvancedCodeColouring unused;
    return Checker(text, failed, log, colouring ? *colouring : unused).run();
}

}  // namespace AdvancedCodeCheck
