// The Advanced operation of ZKRenamer: a prototype in the Advanced language, prepared once
// per computation pass, evaluated for every file and checked on the pass's first file.

#include "engine/AdvancedEvaluation.h"
#include "engine/AdvancedFunctions.h"
#include "engine/AdvancedMessages.h"
#include "engine/ZKRenamer.h"
#include "tokens/ZKFileItem.h"

namespace {

// The name the prototype is tried on when the list is empty, so that its errors show.
const QString kTestName = QStringLiteral("test.test");

}  // namespace

const QStringList &ZKRenamer::functionTemplates() { return AdvancedFunctions::functionTemplates(); }

AdvancedPreparation &ZKRenamer::advancedPreparation() {
    if (!advancedPreparation_)
        advancedPreparation_ = std::make_shared<AdvancedPreparation>(advancedPrototype_);
    return *advancedPreparation_;
}

void ZKRenamer::processAdvanced(ZKFileItem *file, qint64 index, qint64 count, bool *syntaxError) {
    AdvancedPreparation &preparation = advancedPreparation();
    if (preparation.prototype.isEmpty()) {
        if (!isAdvancedCodeAnalyzed_) {
            colorizeFailedAdvancedRenamingPrototype(false);
            showAdvancedAnalysis(false);
        }
        if (file) file->setIntermediateName(file->intermediateName());
        return;
    }
    beginAdvancedErrorMessage();
    bool failed = false;
    QString next;
    if (file) {
        next = advancedNameForFileRepresentation(file, file->intermediateName(), index, count,
                                                 &failed);
    } else {
        advancedNameForFileRepresentation(nullptr, kTestName, index, count, &failed);
    }
    if (!isAdvancedCodeAnalyzed_) {
        const bool acceptable = colorizeFailedAdvancedRenamingPrototype(failed);
        if (!acceptable) {
            if (syntaxError) *syntaxError = true;
            if (advancedErrorMessage_->isEmpty())
                logAdvancedRenamingError(AdvancedMessages::unknownError());
        }
        showAdvancedAnalysis(!acceptable);
    }
    if (file) file->setIntermediateName(next);
}

void ZKRenamer::showAdvancedAnalysis(bool showErrorsButton) {
    advancedShowErrorsButtonShown_ = showErrorsButton;
    isAdvancedCodeAnalyzed_ = true;
    if (advancedAnalysisObserver_) advancedAnalysisObserver_();
}

QString ZKRenamer::advancedNameForFileRepresentation(ZKFileItem *file, const QString &name,
                                                     qint64 index, qint64 count, bool *didFail) {
    AdvancedEvaluation evaluation(advancedPreparation(), *this, file, index, count);
    return evaluation.nameForName(name, didFail);
}

bool ZKRenamer::colorizeFailedAdvancedRenamingPrototype(bool failed) {
    advancedCodeColouring_ = AdvancedCodeColouring();
    return AdvancedCodeCheck::checkAndColour(
        advancedPrototype_, failed,
        [this](const QString &message) { logAdvancedRenamingError(message); },
        &advancedCodeColouring_);
}

void ZKRenamer::logAdvancedRenamingError(const QString &message) {
    if (!advancedErrorMessage_ || advancedErrorMessage_->contains(message)) return;
    *advancedErrorMessage_ += QStringLiteral("- ") + message + QLatin1Char('\n');
}
