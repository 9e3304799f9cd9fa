#include "controller/ZKRenamingController.h"

#include "common/TextCase.h"
#include "common/UserDefaults.h"
#include "controller/ControllerDefaults.h"
#include "engine/EngineDefaults.h"
#include "engine/ZKRenamer.h"
#include "interaction/ZKSilentUserInteraction.h"
#include "listing/CellDetailText.h"
#include "records/CommonPrefix.h"
#include "tokens/ZKProxyManager.h"

namespace {

UserDefaults &defaults() { return UserDefaults::standardUserDefaults(); }

}  // namespace

ZKRenamingController::ZKRenamingController(ZKUserInteraction *userInteraction, QObject *parent)
    : QObject(parent), ui_(userInteraction) {
    if (!ui_) {
        static ZKSilentUserInteraction silent;
        ui_ = &silent;
    }
    useFreeSpacingMode_ = defaults().boolForKey(EngineDefaults::kRegularExpressionFreeSpacing);
    ZKProxyManager::proxyManager().setHelper(this);
}

ZKRenamingController::~ZKRenamingController() {
    if (ZKProxyManager::proxyManager().helper() == this)
        ZKProxyManager::proxyManager().setHelper(nullptr);
    // Steps may outlive their controller (on the removed-steps stack, in other lists).
    for (const ZKRenamerPtr &renamer : std::as_const(renamers_)) {
        if (renamer->renamingDelegate() == this) renamer->setRenamingDelegate(nullptr);
    }
}

void ZKRenamingController::registerControllerDefaults() {
    registerEngineDefaults();
    defaults().registerDefaults({
        {CellDetailText::AllowFileSelectionKey, true},
        {ControllerDefaults::kShiftDragToAddFiles, true},
        {ControllerDefaults::kCopyCsvNames, true},
        {CellDetailText::DetailModeKey, qint64(-1)},
    });
}

void ZKRenamingController::setRenamers(const QList<ZKRenamerPtr> &renamers) {
    renamers_ = renamers;
    adoptRenamers();
}

void ZKRenamingController::adoptRenamers() {
    for (const ZKRenamerPtr &renamer : std::as_const(renamers_)) {
        if (renamer->renamingDelegate() != this) renamer->setRenamingDelegate(this);
    }
    selectedRenamers_.removeIf(
        [this](const ZKRenamerPtr &renamer) { return !renamers_.contains(renamer); });
}

bool ZKRenamingController::ignoreAliases() const {
    if (ignoreAliasesOverride_) return *ignoreAliasesOverride_;
    return defaults().boolForKey(ControllerDefaults::kIgnoreAliases);
}

bool ZKRenamingController::ignoreFileAtPath(const QByteArray &nativePath, bool ignoreInvisibleFiles,
                                            bool ignoreAliases, HiddenItems *hiddenItems) const {
    return ::ignoreFileAtPath(nativePath, ignoreInvisibleFiles, ignoreAliases, hiddenItems);
}

void ZKRenamingController::setIgnoreTrailingGibberish(bool on) {
    ignoreTrailingGibberish_ = on;
    invalidateCommonPrefix();
}

// --- Steps selected for the interim display ------------------------------------------------

QList<ZKRenamerPtr> ZKRenamingController::selectedRenamers() const {
    QList<ZKRenamerPtr> selected;
    for (const ZKRenamerPtr &renamer : renamers_) {
        if (selectedRenamers_.contains(renamer)) selected.append(renamer);
    }
    return selected;
}

bool ZKRenamingController::isRenamerSelected(const ZKRenamerPtr &renamer) const {
    return selectedRenamers_.contains(renamer);
}

void ZKRenamingController::setSelectedRenamers(const QList<ZKRenamerPtr> &renamers) {
    selectedRenamers_.clear();
    for (const ZKRenamerPtr &renamer : renamers) {
        if (renamers_.contains(renamer) && !selectedRenamers_.contains(renamer))
            selectedRenamers_.append(renamer);
    }
    emit fileListNeedsDisplay();
}

std::optional<qsizetype> ZKRenamingController::indexOfIntermediateNameToDisplay() const {
    if (fileRepresentations_.isEmpty() || !fileRepresentations_.first()->hasIntermediateNames())
        return std::nullopt;
    std::optional<qsizetype> index;
    for (qsizetype i = 0; i < renamers_.size(); ++i) {
        if (!selectedRenamers_.contains(renamers_.at(i))) continue;
        if (index) return std::nullopt;
        index = i;
    }
    return index;
}

void ZKRenamingController::toggleIntermediateNameDisplay() {
    const bool wasShown = indexOfIntermediateNameToDisplay().has_value();
    selectedRenamers_.clear();
    if (!wasShown && !renamers_.isEmpty()) selectedRenamers_.append(renamers_.first());
    emit renamerSelectionChanged(!wasShown);
    emit fileListNeedsDisplay();
}

QString ZKRenamingController::intermediateNameDisplayTitle() {
    return fileRepresentationsToDisplay().size() == 1 ? tr("Show Interim Name")
                                                      : tr("Show Interim Names");
}

bool ZKRenamingController::isIntermediateNameDisplayChecked() const {
    return indexOfIntermediateNameToDisplay().has_value();
}

bool ZKRenamingController::isIntermediateNameDisplayEnabled(bool isMainWindow) const {
    return isMainWindow && !fileRepresentations_.isEmpty() &&
           fileRepresentations_.first()->hasIntermediateNames();
}

// --- Common prefix ---------------------------------------------------------------------------

QString ZKRenamingController::commonPrefix() {
    if (!commonPrefix_) {
        QStringList names;
        names.reserve(fileRepresentations_.size());
        for (const ZKFileRepresentationPtr &record : std::as_const(fileRepresentations_))
            names.append(record->name());
        commonPrefix_ = CommonPrefix::commonPrefixOfNames(names, ignoreTrailingGibberish_);
    }
    return *commonPrefix_;
}

// --- Selection and display -----------------------------------------------------------------

bool ZKRenamingController::allowsFileSelection() const {
    return defaults().boolForKey(CellDetailText::AllowFileSelectionKey);
}

void ZKRenamingController::pushFileRepresentationSelection() {
    if (selectionStackCounter_++ > 0) return;
    if (allowsFileSelection()) selectionCache_ = ui_->selectedFileRepresentations();
}

void ZKRenamingController::popFileRepresentationSelection() {
    if (selectionStackCounter_ == 0 || --selectionStackCounter_ > 0) return;
    if (selectionCache_ && allowsFileSelection()) ui_->selectFileRepresentations(*selectionCache_);
    selectionCache_.reset();
}

void ZKRenamingController::reloadFileListAfterInvalidatingFileRepresentationsToDisplay(
    bool invalidate) {
    SelectionKeeper keeper(*this);
    if (invalidate) invalidateFileRepresentationsToDisplay();
    emit fileListChanged();
}

bool ZKRenamingController::isClearButtonEnabled() const {
    return !paths_.isEmpty() && !isRenaming_;
}

// --- Prompting -------------------------------------------------------------------------------

QString ZKRenamingController::promptedParameter(const QString &parameter,
                                                const QString &prototype) {
    QHash<QString, QString> &answers = promptedParametersByPrototype_[prototype];
    const QString key = TextCase::lower(parameter);
    const auto found = answers.constFind(key);
    if (found != answers.constEnd()) return *found;

    const std::optional<QString> answer = ui_->promptForParameter(
        parameter.isEmpty() ? tr("[prompt] requires user input") : parameter);
    if (!answer) return QString();
    // An empty answer is still an answer: keep it apart from the null "no dialog".
    const QString stored = answer->isNull() ? QStringLiteral("") : *answer;
    answers.insert(key, stored);
    return stored;
}
