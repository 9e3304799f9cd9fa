// The per-file operations of ZKRenamer.

#include <algorithm>

#include "common/PathExtension.h"
#include "common/TextCase.h"
#include "common/Unicode.h"
#include "engine/FindAndReplace.h"
#include "engine/NameEditing.h"
#include "engine/ZKExtendedRegularExpression.h"
#include "engine/ZKRenamer.h"
#include "tokens/TokenList.h"
#include "tokens/ZKFileItem.h"

using S = RenamerSetting;

namespace {

// Base and extension of a working name, relative to the item's on-disk name.
QString splitName(ZKFileItem *file, const QString &name, QString *extension) {
    return PathExtension::stringByDeletingAlphaNumericPathExtension(name, file->name(), extension);
}

QString joinName(const QString &base, const QString &extension) {
    return PathExtension::stringByGracefullyAppendingPathExtension(base, extension);
}

qint64 zeroBasedStart(qint64 start) { return start > 0 ? start - 1 : 0; }

}  // namespace

void ZKRenamer::processFileRepresentation(ZKFileItem *file, qint64 index, qint64 count,
                                          bool *syntaxError) {
    if (operation() == FindAndReplaceOperation) {
        processFindAndReplace(file, syntaxError);
        return;
    }
    if (operation() == AdvancedOperation) {
        processAdvanced(file, index, count, syntaxError);
        return;
    }
    if (!file) return;
    if (operation() == SequenceOperation) {
        file->setIntermediateName(sequenced(file, index, count));
        return;
    }
    file->setIntermediateName(renamedName(file, file->intermediateName()));
}

bool ZKRenamer::namesItemsIndependently() const {
    // Without tokens a text is resolved without the proxies and their caches.
    const auto plain = [](const QVariantList &text) {
        return std::none_of(text.cbegin(), text.cend(), TokenList::isWrappedProxy);
    };
    switch (operation()) {
        case RemoveOperation:
        case ChangeCaseOperation:
            return true;
        case InsertOperation:
        case AddPrefixOperation:
        case AddSuffixOperation:
            return plain(insertString_);
        case SetExtensionOperation:
            return plain(setExtensionExtension_);
        case FindAndReplaceOperation:
            // Its compiled patterns are working state: other threads name with a copy.
            return plain(target_) && plain(replacement_);
        default:
            return false;
    }
}

ZKRenamerPtr ZKRenamer::forAnotherThread(const ZKRenamerPtr &step) {
    // The operation's own settings are all it reads; its working state starts empty.
    auto copy = std::make_shared<ZKRenamer>();
    copy->initializeControlsWithArchive(step->archiveWithIrrelevantSettings(false, true, true));
    copy->renamingDelegate_ = step->renamingDelegate_;
    // Every name copies the step's texts: two threads copying one shared string both write
    // its reference count, and the processors pass it back and forth at each name.
    for (const RenamerSetting setting : RenamerSettings::all()) {
        if (RenamerSettings::kind(setting) != RenamerSettingKind::TokenText) continue;
        for (QVariant &element : *copy->tokenField(setting)) {
            if (element.typeId() != QMetaType::QString) continue;
            const QString text = element.toString();
            element = QString(text.constData(), text.size());
        }
    }
    return copy;
}

void ZKRenamer::processFindAndReplace(ZKFileItem *file, bool *syntaxError) {
    // Without a file the target is still checked, so that a step list with no files shows
    // its errors.
    const QString name = file ? file->intermediateName() : QString();
    const std::optional<QString> replaced = findAndReplace(file, name, syntaxError);
    if (file) file->setIntermediateName(replaced.value_or(name));
}

QString ZKRenamer::resolved(RenamerSetting setting, ZKFileItem *file) const {
    return TokenList::resolvedStringValue(*tokenField(setting), file);
}

std::optional<QString> ZKRenamer::findAndReplace(ZKFileItem *file, const QString &name,
                                                 bool *syntaxError) {
    const QString target = Unicode::nfc(resolved(S::Target, file));
    const icu::RegexPattern *pattern = nullptr;
    if (queryIsRegEx_ && !target.isEmpty()) {
        pattern = patterns_.pattern(target, ignoreCase_, renamingDelegate()->useFreeSpacingMode());
        if (!pattern) {
            targetStatus_ = -1;
            if (syntaxError) *syntaxError = true;
            return std::nullopt;
        }
    }
    targetStatus_ = target.isEmpty() ? 0 : 1;
    if (target.isEmpty() || !file) return std::nullopt;

    const QString replacement = Unicode::nfc(resolved(S::Replacement, file));
    QString extension;
    QString text = preserveExtensions_ ? splitName(file, name, &extension) : name;
    // Names are matched as they are on disk: Linux file managers show a colon as a colon.
    text = pattern ? ZKExtendedRegularExpression::stringByReplacingMatchesInString(
                         patterns_.matcher(), text, replacement)
                   : FindAndReplace::replaceOccurrences(text, target, replacement, ignoreCase_,
                                                        &patterns_);
    return joinName(text, extension);
}

QString ZKRenamer::renamedName(ZKFileItem *file, const QString &name) const {
    switch (operation()) {
        case RemoveOperation:
            return removed(file, name);
        case InsertOperation:
            return inserted(file, name);
        case AddPrefixOperation:
            return resolved(S::InsertString, file) + name;
        case AddSuffixOperation:
            return withSuffix(file, name);
        case ComposeOperation:
            return composed(file, name);
        case ChangeCaseOperation:
            return caseChanged(file, name);
        case SetExtensionOperation:
            return withExtensionSet(file, name);
        default:
            return name;
    }
}

QString ZKRenamer::removed(ZKFileItem *file, const QString &name) const {
    if (removeLength_ <= 0) return name;
    QString extension;
    const QString base = splitName(file, name, &extension);
    return joinName(NameEditing::removing(base, zeroBasedStart(removeStart_), removeLength_,
                                          removeDirection_ == 1),
                    extension);
}

QString ZKRenamer::inserted(ZKFileItem *file, const QString &name) const {
    const QString text = resolved(S::InsertString, file);
    if (text.isEmpty()) return name;
    QString extension;
    const QString base = splitName(file, name, &extension);
    return joinName(
        NameEditing::inserting(base, text, zeroBasedStart(insertStart_), insertDirection_ == 1),
        extension);
}

QString ZKRenamer::withSuffix(ZKFileItem *file, const QString &name) const {
    const QString suffix = resolved(S::InsertString, file);
    const qsizetype dot =
        suffixPreserveExtension_ ? PathExtension::alphaNumericExtensionDot(name, file->name()) : -1;
    if (dot < 0) return name + suffix;
    // Before the extension, in one string made at its size: a step over every listed name.
    QString result(name.size() + suffix.size(), Qt::Uninitialized);
    QChar *to = std::copy_n(name.cbegin(), dot, result.data());
    to = std::copy(suffix.cbegin(), suffix.cend(), to);
    std::copy(name.cbegin() + dot, name.cend(), to);
    return result;
}

QString ZKRenamer::composed(ZKFileItem *file, const QString &name) const {
    const QString extension =
        composePreserveExtension_
            ? PathExtension::alphaNumericPathExtensionFromName(name, file->name())
            : QString();
    return joinName(resolved(S::InsertString, file), extension);
}

QString ZKRenamer::caseChanged(ZKFileItem *file, const QString &name) const {
    if (changeCaseName_ <= 0 && changeCaseExtension_ <= 0) return name;
    QString extension;
    QString base = splitName(file, name, &extension);
    if (changeCaseExtension_ == 2) extension = TextCase::lower(extension);
    if (changeCaseExtension_ == 1) extension = TextCase::upper(extension);
    switch (changeCaseName_) {
        case 1:
            base = TextCase::upper(base);
            break;
        case 2:
            base = TextCase::lower(base);
            break;
        case 3:
            base = TextCase::capitalized(base);
            break;
        case kTitleCaseNameMode:
            base = TextCase::titlecase(
                base, titleCaseException_ ? static_cast<int>(titleCaseExceptionCutOff_) : 0,
                static_cast<int>(titleCaseExceptionMode_));
            break;
        default:
            break;
    }
    return joinName(base, extension);
}

QString ZKRenamer::withExtensionSet(ZKFileItem *file, const QString &name) const {
    QString extension;
    const QString base = splitName(file, name, &extension);
    if (extension.isEmpty() && setExtensionChangeOnly_) return name;
    return joinName(base, resolved(S::SetExtensionExtension, file));
}
