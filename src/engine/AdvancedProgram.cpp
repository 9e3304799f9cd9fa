// Rewriting a prototype into calls. Each stage scans the text once from left to right; the
// results are those of rescanning the rewritten text from its start after every rewrite,
// since a rewrite never touches the text before it.

#include "engine/AdvancedProgram.h"

#include "common/TextCase.h"
#include "engine/AdvancedFunctions.h"
#include "engine/AdvancedMessages.h"
#include "engine/AdvancedScanning.h"
#include "engine/SequenceNotation.h"
#include "tokens/ZKMetaDataType.h"

using namespace AdvancedScanning;
using Kind = AdvancedValueSource::Kind;

namespace {

const QString kQuote = QStringLiteral("\"");
const QChar kBackslash = QLatin1Char('\\');
const QString kArgumentPrefix = QStringLiteral("argument ");

class Compiler {
public:
    explicit Compiler(AdvancedProgram &program) : program_(program) {}

    void compile(const QString &prototype);

private:
    bool moveStringConstantsToArguments(QString &text);
    void compileCalls(const QString &text);
    bool takeCall(QString &left, qsizetype closing, const QString &text, qsizetype *end);
    AdvancedCall call(const QString &text, AdvancedCall::Use use) const;
    bool addVariable(const QString &inner, AdvancedCall &call) const;
    void addErrorCall(const QStringList &errors);

    AdvancedProgram &program_;
    qsizetype argumentCounter_ = 0;
};

QString constantValue(QString inner) {
    inner.replace(QStringLiteral("\\\""), kQuote);
    inner.replace(kBackslashPlaceholder, QString(kBackslash));
    return inner;
}

qsizetype skipWhitespace(const QString &text, qsizetype position, qsizetype end) {
    while (position < end && text.at(position).isSpace()) ++position;
    return position;
}

qsizetype trimmedEnd(const QString &text, qsizetype start, qsizetype end) {
    while (end > start && text.at(end - 1).isSpace()) --end;
    return end;
}

// The variables a prototype may name besides the catalogue's display names.
std::optional<Kind> nameVariable(const QString &name) {
    if (name == QLatin1String("name.extension")) return Kind::NameAndExtension;
    if (name == QLatin1String("name")) return Kind::Name;
    if (name == QLatin1String("extension")) return Kind::Extension;
    if (name == QLatin1String(".extension")) return Kind::DotExtension;
    return std::nullopt;
}

QString aliased(const QString &name) {
    if (name == QLatin1String("parent")) return QStringLiteral("name of parent folder");
    if (name == QLatin1String("number of files")) return QStringLiteral("number of items");
    if (name == QLatin1String("number of files in parent folder"))
        return QStringLiteral("number of items in parent folder");
    return name;
}

}  // namespace

QString advancedArgumentPlaceholder(qsizetype number) {
    return QStringLiteral("<argument %1>").arg(number);
}

AdvancedProgram AdvancedProgram::compile(const QString &prototype) {
    AdvancedProgram program;
    Compiler(program).compile(prototype);
    return program;
}

void Compiler::compile(const QString &prototype) {
    QString text = prototype;
    repeatedlyReplaceOccurrencesOfString(text, QStringLiteral("\\\\"), kBackslashPlaceholder);
    if (!moveStringConstantsToArguments(text)) {
        addErrorCall({AdvancedMessages::stringConstantHasNoEnd()});
        return;
    }
    repeatedlyReplaceOccurrencesOfString(text, QStringLiteral("  "), QStringLiteral(" "));
    compileCalls(TextCase::lower(text));
}

bool Compiler::moveStringConstantsToArguments(QString &text) {
    QString rewritten;
    rewritten.reserve(text.size());
    qsizetype copied = 0;
    for (;;) {
        QString inner;
        bool unterminated = false;
        const std::optional<Range> constant =
            rangeOfFirstStringWithPrefix(text, kQuote, kQuote, copied, &inner, &unterminated);
        if (!constant) {
            if (unterminated) return false;
            break;
        }
        rewritten += QStringView(text).sliced(copied, constant->start - copied);
        rewritten += advancedArgumentPlaceholder(argumentCounter_++);
        program_.constants << constantValue(inner);
        copied = constant->end;
    }
    rewritten += QStringView(text).sliced(copied);
    text = rewritten;
    return true;
}

// The rewritten text left of the scan position is kept in `left`: a closing bracket takes
// the call back to its opening bracket out of it and leaves the call's placeholder instead,
// so calls are taken innermost first, in the order of their closing brackets.
void Compiler::compileCalls(const QString &text) {
    QString left;
    left.reserve(text.size());
    qsizetype end = text.size();
    for (qsizetype position = 0; position < end; ++position) {
        const QChar c = text.at(position);
        const bool escaped = !left.isEmpty() && left.back() == kBackslash;
        if (c != QLatin1Char(']') || escaped) {
            left += c;
            continue;
        }
        if (!takeCall(left, position, text, &end)) return;
        // A leading call leaves nothing on the left: the rest is trimmed at both ends.
        if (left.isEmpty()) {
            position = skipWhitespace(text, position + 1, end) - 1;
            end = trimmedEnd(text, position + 1, end);
        }
    }
    // What remains at the top level is a call as well.
    program_.calls << call(left, AdvancedCall::Use::Result);
}

bool Compiler::takeCall(QString &left, qsizetype closing, const QString &text, qsizetype *end) {
    const qsizetype opening =
        left.isEmpty() ? -1
                       : rangeOfNonEscapedString(left, QStringLiteral("["), true, {0, left.size()});
    if (opening < 0) {
        addErrorCall({AdvancedMessages::bracketsMustBeBalanced()});
        return false;
    }
    const QString callText = left.sliced(opening + 1);
    left.truncate(opening);
    const bool spansAll = opening == 0 && closing + 1 == *end;
    if (opening == 0 && !spansAll) {
        program_.calls << call(callText, AdvancedCall::Use::CurrentName);
        return true;
    }
    program_.calls << call(callText, AdvancedCall::Use::Argument);
    left += advancedArgumentPlaceholder(argumentCounter_++);
    return true;
}

AdvancedCall Compiler::call(const QString &text, AdvancedCall::Use use) const {
    AdvancedCall result;
    result.use = use;
    QString rest;
    qsizetype copied = 0;
    for (;;) {
        QString inner;
        bool unterminated = false;
        const std::optional<Range> variable = rangeOfFirstStringWithPrefix(
            text, QStringLiteral("<"), QStringLiteral(">"), copied, &inner, &unterminated);
        if (!variable) {
            if (unterminated)
                result.errors << AdvancedMessages::variableError(rest + text.sliced(copied));
            break;
        }
        rest += QStringView(text).sliced(copied, variable->start - copied);
        copied = variable->end;
        if (!addVariable(inner, result)) break;
    }
    if (!result.errors.isEmpty()) return result;
    rest += QStringView(text).sliced(copied);
    result.functionText = rest.trimmed();
    result.function = AdvancedFunctions::functionForText(result.functionText);
    return result;
}

bool Compiler::addVariable(const QString &inner, AdvancedCall &call) const {
    const QString name = inner.trimmed();
    AdvancedValueSource source;
    if (name.size() >= 10 && name.startsWith(kArgumentPrefix)) {
        const qint64 index = SequenceNotation::leadingInteger(name.sliced(9));
        if (quint64(index) >= quint64(argumentCounter_))
            call.errors << AdvancedMessages::argumentOutOfBounds(index, argumentCounter_);
        source.argument = index;
    } else if (const std::optional<Kind> kind = nameVariable(name)) {
        source.kind = *kind;
    } else {
        const QString displayName = aliased(name);
        source.kind = Kind::Token;
        source.type = ZKMetaDataType::typeForLowercaseDisplayName(displayName);
        if (source.type.isNull()) call.errors << AdvancedMessages::unknownVariable(displayName);
    }
    if (!call.errors.isEmpty()) {
        call.errors << AdvancedMessages::failedToParse(inner);
        return false;
    }
    call.values << source;
    return true;
}

void Compiler::addErrorCall(const QStringList &errors) {
    AdvancedCall call;
    call.errors = errors;
    program_.calls << call;
}
