#include "engine/ZKRenamer.h"

#include <QCoreApplication>
#include <utility>

#include "engine/ZKDefaultRenamingDelegate.h"

using S = RenamerSetting;
using K = RenamerSettingKind;

namespace {

ZKRenamingDelegate *&applicationRenamingDelegate() {
    static ZKRenamingDelegate *delegate = nullptr;
    return delegate;
}

bool relayoutsStepList(RenamerSetting setting) {
    return setting == S::Task || setting == S::SequenceType || setting == S::ChangeCaseName;
}

}  // namespace

ZKRenamer::ZKRenamer() {
    initializeControlsWithArchive(QVariantMap());
    // Terms taken from a reflected file recompute names as typed text does.
    QObject::connect(sequenceTermsField_.get(), &ZKTextFileReflection::textDidChange,
                     sequenceTermsField_.get(), [this] { notifyTextEdit(false); });
}

// --- Names ----------------------------------------------------------------------------------

QString ZKRenamer::operationName(int tag) {
    const char *name = nullptr;
    switch (tag) {
        case FindAndReplaceOperation:
            name = QT_TRANSLATE_NOOP("ZKRenamer", "Find and Replace");
            break;
        case RemoveOperation:
            name = QT_TRANSLATE_NOOP("ZKRenamer", "Remove");
            break;
        case InsertOperation:
            name = QT_TRANSLATE_NOOP("ZKRenamer", "Insert");
            break;
        case AddPrefixOperation:
            name = QT_TRANSLATE_NOOP("ZKRenamer", "Add Prefix");
            break;
        case AddSuffixOperation:
            name = QT_TRANSLATE_NOOP("ZKRenamer", "Add Suffix");
            break;
        case ComposeOperation:
            name = QT_TRANSLATE_NOOP("ZKRenamer", "Compose");
            break;
        case ChangeCaseOperation:
            name = QT_TRANSLATE_NOOP("ZKRenamer", "Change Case");
            break;
        case SetExtensionOperation:
            name = QT_TRANSLATE_NOOP("ZKRenamer", "Set Extension");
            break;
        case SequenceOperation:
            name = QT_TRANSLATE_NOOP("ZKRenamer", "Sequence");
            break;
        case AdvancedOperation:
            name = QT_TRANSLATE_NOOP("ZKRenamer", "Advanced");
            break;
        default:
            return QString();
    }
    return QCoreApplication::translate("ZKRenamer", name);
}

QString ZKRenamer::operationName() const { return operationName(operation()); }

QString ZKRenamer::description() const {
    const QString name = operationName();
    return QStringLiteral("<ZKRenamer: %1 %2>")
        .arg(name.isEmpty() ? QStringLiteral("(null)") : name,
             QString::asprintf("%p", static_cast<const void *>(this)));
}

// --- Delegate -------------------------------------------------------------------------------

ZKRenamingDelegate *ZKRenamer::renamingDelegate() const {
    if (renamingDelegate_) return renamingDelegate_;
    if (applicationRenamingDelegate()) return applicationRenamingDelegate();
    return &ZKDefaultRenamingDelegate::sharedDelegate();
}

void ZKRenamer::setRenamingDelegate(ZKRenamingDelegate *delegate) { renamingDelegate_ = delegate; }

void ZKRenamer::setApplicationRenamingDelegate(ZKRenamingDelegate *delegate) {
    applicationRenamingDelegate() = delegate;
}

// --- Settings -------------------------------------------------------------------------------

QString ZKRenamer::nameOfSettingForControl(RenamerSetting setting, int *defaultValue) const {
    const int value = RenamerSettings::defaultValue(setting);
    if (defaultValue && value != 0) *defaultValue = value;
    return RenamerSettings::key(setting);
}

QString ZKRenamer::nameOfSettingForControl(RenamerSetting setting, bool identifyIfIrrelevant,
                                           int *defaultValue) const {
    if (!identifyIfIrrelevant && !isRelevant(setting)) return QString();
    return nameOfSettingForControl(setting, defaultValue);
}

bool ZKRenamer::isRelevant(RenamerSetting setting) const {
    return RenamerSettings::isRelevant(setting, operation(), static_cast<int>(changeCaseName_),
                                       static_cast<int>(sequenceType_));
}

const bool *ZKRenamer::switchField(RenamerSetting setting) const {
    switch (setting) {
        case S::Expanded:
            return &expanded_;
        case S::IgnoreCase:
            return &ignoreCase_;
        case S::QueryIsRegEx:
            return &queryIsRegEx_;
        case S::PreserveExtensions:
            return &preserveExtensions_;
        case S::SuffixPreserveExtension:
            return &suffixPreserveExtension_;
        case S::ComposePreserveExtension:
            return &composePreserveExtension_;
        case S::TitleCaseException:
            return &titleCaseException_;
        case S::SetExtensionChangeOnly:
            return &setExtensionChangeOnly_;
        case S::SequencePreserveExtension:
            return &sequencePreserveExtension_;
        default:
            return nullptr;
    }
}

const qint64 *ZKRenamer::integerField(RenamerSetting setting) const {
    switch (setting) {
        case S::Task:
            return &task_;
        case S::RemoveStart:
            return &removeStart_;
        case S::RemoveLength:
            return &removeLength_;
        case S::RemoveDirection:
            return &removeDirection_;
        case S::InsertStart:
            return &insertStart_;
        case S::InsertDirection:
            return &insertDirection_;
        case S::ChangeCaseName:
            return &changeCaseName_;
        case S::ChangeCaseExtension:
            return &changeCaseExtension_;
        case S::TitleCaseExceptionMode:
            return &titleCaseExceptionMode_;
        case S::TitleCaseExceptionCutOff:
            return &titleCaseExceptionCutOff_;
        case S::SequenceType:
            return &sequenceType_;
        case S::SequenceMinimumNumberOfDigits:
            return &sequenceMinimumNumberOfDigits_;
        case S::SequenceFirstNumber:
            return &sequenceFirstNumber_;
        case S::SequenceStepValue:
            return &sequenceStepValue_;
        default:
            return nullptr;
    }
}

const QVariantList *ZKRenamer::tokenField(RenamerSetting setting) const {
    switch (setting) {
        case S::Target:
            return &target_;
        case S::Replacement:
            return &replacement_;
        case S::InsertString:
            return &insertString_;
        case S::SetExtensionExtension:
            return &setExtensionExtension_;
        case S::SequenceSuffix:
            return &sequenceSuffix_;
        case S::SequenceIdentifier:
            return &sequenceIdentifier_;
        default:
            return nullptr;
    }
}

const QString *ZKRenamer::stringField(RenamerSetting setting) const {
    switch (setting) {
        case S::AdvancedPrototype:
            return &advancedPrototype_;
        default:
            return nullptr;
    }
}

bool *ZKRenamer::switchField(RenamerSetting setting) {
    return const_cast<bool *>(std::as_const(*this).switchField(setting));
}

qint64 *ZKRenamer::integerField(RenamerSetting setting) {
    return const_cast<qint64 *>(std::as_const(*this).integerField(setting));
}

QVariantList *ZKRenamer::tokenField(RenamerSetting setting) {
    return const_cast<QVariantList *>(std::as_const(*this).tokenField(setting));
}

QString *ZKRenamer::stringField(RenamerSetting setting) {
    return const_cast<QString *>(std::as_const(*this).stringField(setting));
}

bool ZKRenamer::switchValue(RenamerSetting setting) const {
    const bool *field = switchField(setting);
    return field && *field;
}

qint64 ZKRenamer::integerValue(RenamerSetting setting) const {
    const qint64 *field = integerField(setting);
    return field ? *field : 0;
}

QVariantList ZKRenamer::tokenListValue(RenamerSetting setting) const {
    const QVariantList *field = tokenField(setting);
    return field ? *field : QVariantList();
}

QString ZKRenamer::stringValue(RenamerSetting setting) const {
    if (setting == S::SequenceTerms) return sequenceTermsField_->text();
    const QString *field = stringField(setting);
    return field ? *field : QString();
}

// --- Edits ----------------------------------------------------------------------------------

bool ZKRenamer::setOperation(int tag) { return setChoiceValue(S::Task, tag); }

bool ZKRenamer::setSwitchValue(RenamerSetting setting, bool value) {
    bool *field = switchField(setting);
    if (!field) return false;
    if (*field == value) return true;
    *field = value;
    // The disclosure state changes the step's height only.
    if (setting == S::Expanded) {
        renamingDelegate()->updateRenamerLayoutAndRenameNames(false);
    } else {
        renamingDelegate()->updateRenameNames();
    }
    return true;
}

bool ZKRenamer::setChoiceValue(RenamerSetting setting, qint64 tag) {
    if (RenamerSettings::kind(setting) != K::Choice) return false;
    if (!RenamerSettings::isValidChoice(setting, tag)) return false;
    qint64 *field = integerField(setting);
    if (*field == tag) return true;
    *field = tag;
    if (relayoutsStepList(setting)) {
        renamingDelegate()->updateRenamerLayoutAndRenameNames(true);
    } else {
        renamingDelegate()->updateRenameNames();
    }
    return true;
}

bool ZKRenamer::setNumberValue(RenamerSetting setting, qint64 value, bool skipDelay) {
    if (RenamerSettings::kind(setting) != K::Number) return false;
    qint64 *field = integerField(setting);
    if (*field == value) return true;
    *field = value;
    notifyTextEdit(skipDelay);
    return true;
}

bool ZKRenamer::setTokenListValue(RenamerSetting setting, const QVariantList &list,
                                  bool skipDelay) {
    QVariantList *field = tokenField(setting);
    if (!field) return false;
    if (*field == list) return true;
    *field = list;
    notifyTextEdit(skipDelay);
    return true;
}

bool ZKRenamer::setStringValue(RenamerSetting setting, const QString &value, bool skipDelay) {
    if (setting == S::SequenceTerms) {
        QString normalized = value;
        normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        if (sequenceTermsField_->userDidEditText(normalized)) notifyTextEdit(skipDelay);
        return true;
    }
    QString *field = stringField(setting);
    if (!field) return false;
    if (*field == value) return true;
    *field = value;
    notifyTextEdit(skipDelay);
    return true;
}

void ZKRenamer::setSequenceTermsReflectedPath(const QString &path) {
    sequenceTermsField_->setReflectedTextFilePath(path);
}

void ZKRenamer::notifyTextEdit(bool skipDelay) {
    if (skipDelay) {
        renamingDelegate()->updateRenameNames();
    } else {
        renamingDelegate()->updateRenameNamesAfterEnforcedDelay(false);
    }
}

// --- View state -----------------------------------------------------------------------------

bool ZKRenamer::isTargetStatusShown() const { return queryIsRegEx_; }

bool ZKRenamer::isTitleCaseExceptionDetailEnabled() const { return titleCaseException_; }

bool ZKRenamer::isTitleCaseExceptionCutOffShown() const {
    return changeCaseName_ == kTitleCaseNameMode;
}
