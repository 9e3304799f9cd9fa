#include "engine/AdvancedEvaluation.h"

#include "common/PathExtension.h"
#include "common/Unicode.h"
#include "engine/AdvancedFunctionHandlers.h"
#include "engine/AdvancedFunctions.h"
#include "engine/ZKRenamer.h"
#include "tokens/DateDescription.h"
#include "tokens/ZKFileItem.h"
#include "tokens/ZKProxyManager.h"

using Kind = AdvancedValueSource::Kind;

AdvancedPreparation::AdvancedPreparation(const QString &editorText)
    : prototype(Unicode::nfc(editorText.trimmed())), program(AdvancedProgram::compile(prototype)) {}

AdvancedEvaluation::AdvancedEvaluation(AdvancedPreparation &preparation, ZKRenamer &step,
                                       ZKFileItem *file, qint64 index, qint64 count)
    : preparation_(preparation),
      step_(step),
      file_(file),
      index_(index),
      count_(count),
      currentDate_(DateDescription::resetCanonicalCurrentDate(false)),
      arguments_(preparation.program.constants) {}

QString AdvancedEvaluation::nameForName(const QString &name, bool *didFail) {
    currentName_ = PathExtension::stringByDeletingAlphaNumericPathExtension(
        name, file_ ? file_->name() : name, &extension_);
    QString result;
    for (const AdvancedCall &call : preparation_.program.calls) {
        if (failed_) break;
        QString value = valueOfCall(call);
        switch (call.use) {
            case AdvancedCall::Use::Argument:
                addArgument(value);
                break;
            case AdvancedCall::Use::CurrentName:
                currentName_ = value;
                break;
            case AdvancedCall::Use::Result:
                result = value;
                break;
        }
    }
    // A failed evaluation leaves the name as it was, whatever a function handed back.
    if (failed_) {
        if (didFail) *didFail = true;
        return name;
    }
    return result.isEmpty() ? name : result;
}

void AdvancedEvaluation::addArgument(const QString &value) {
    argumentsLength_ += value.size();
    // Values copied again and again by hand-written placeholders stay bounded in sum.
    if (argumentsLength_ > AdvancedFunctionHandlers::kMaximumArgumentsLength)
        fail(AdvancedFunctionHandlers::valueTooLong());
    arguments_ << value;
}

QDateTime AdvancedEvaluation::creationDate() const {
    return file_ ? file_->creationDate() : currentDate_;
}

QDateTime AdvancedEvaluation::modificationDate() const {
    return file_ ? file_->modificationDate() : currentDate_;
}

void AdvancedEvaluation::fail(const QString &message) {
    step_.logAdvancedRenamingError(message);
    failed_ = true;
}

QString AdvancedEvaluation::valueOfCall(const AdvancedCall &call) {
    if (!call.errors.isEmpty()) {
        for (const QString &message : call.errors) fail(message);
        return QString();
    }
    QStringList values;
    values.reserve(call.values.size());
    for (const AdvancedValueSource &source : call.values) values << value(source);
    return AdvancedFunctions::evaluate(call.function, call.functionText, values, *this);
}

QString AdvancedEvaluation::value(const AdvancedValueSource &source) const {
    const QString dotExtension = extension_.isEmpty() ? QString() : QLatin1Char('.') + extension_;
    switch (source.kind) {
        case Kind::Argument:
            return arguments_.value(source.argument);
        case Kind::NameAndExtension:
            return currentName_ + dotExtension;
        case Kind::Name:
            return currentName_;
        case Kind::Extension:
            return extension_;
        case Kind::DotExtension:
            return dotExtension;
        case Kind::Token:
            return ZKProxyManager::proxyManager().resolveProxy(source.type, file_);
    }
    return QString();
}
