#include <algorithm>

#include "common/TextCase.h"
#include "records/NameValidation.h"
#include "records/ZKFileRepresentation.h"

namespace {

QStringList sortedCaseInsensitively(QStringList strings) {
    std::stable_sort(strings.begin(), strings.end(), [](const QString &a, const QString &b) {
        return TextCase::compareCaseInsensitive(a, b) < 0;
    });
    return strings;
}

}  // namespace

ZKStatusLight ZKFileRepresentation::statusLight(std::optional<qsizetype> interimIndex) const {
    if (shownIntermediateName(interimIndex)) return intermediateNameStatusLight(*interimIndex);
    QString error;
    if (hasRelevantRenameNameWithError(&error)) {
        return warnings().isEmpty() ? ZKStatusLight::Green : ZKStatusLight::Yellow;
    }
    return error.isEmpty() ? ZKStatusLight::Grey : ZKStatusLight::Red;
}

QString ZKFileRepresentation::toolTip(std::optional<qsizetype> interimIndex) const {
    QString text = name_;
    if (hasRenameName()) text = QStringLiteral("%1 -> %2").arg(name_, renameName_);
    const std::optional<QString> interimName = shownIntermediateName(interimIndex);
    if (interimName && (!hasRenameName() || *interimName != renameName_)) {
        text = tr("%1 (via %2)").arg(text, *interimName);
    }

    QString error;
    if (!hasRelevantRenameNameWithError(&error)) {
        if (error.isEmpty()) return text;
        return tr("%1 - Error: %2").arg(text, error);
    }
    for (const QString &warning : sortedCaseInsensitively(warnings())) {
        text = tr("%1 - Warning: %2").arg(text, warning);
    }
    return text;
}

QString ZKFileRepresentation::description(std::optional<qsizetype> interimIndex) const {
    QString text = tr("Current filename: ") + name_ + u'\n';
    if (const std::optional<QString> interimName = shownIntermediateName(interimIndex)) {
        text += tr("Interim filename: ") + *interimName + u'\n';
    }

    QString error;
    if (hasRelevantRenameNameWithError(&error)) {
        text += tr("Rename to: ") + renameName_;
        if (!warnings().isEmpty()) {
            text += u'\n' + tr("Warning: ") + warnings().join(QStringLiteral(", "));
        }
    } else {
        text += tr("Will not be renamed");
        if (!error.isEmpty()) text += u'\n' + tr("Error: ") + error;
    }
    return text;
}

std::optional<QString> ZKFileRepresentation::shownIntermediateName(
    std::optional<qsizetype> interimIndex) const {
    if (!interimIndex) return std::nullopt;
    if (*interimIndex < 0 || *interimIndex >= intermediateNames_.size()) return std::nullopt;
    return intermediateNames_.at(*interimIndex);
}

ZKStatusLight ZKFileRepresentation::intermediateNameStatusLight(qsizetype index) const {
    const QString &interimName = intermediateNames_.at(index);
    // A name on disk that cannot be renamed stays red whatever a step makes of it.
    if (!nameError().isEmpty() || !NameValidation::errorForName(interimName).isEmpty()) {
        return ZKStatusLight::Red;
    }
    const QString &previousName = index == 0 ? name_ : intermediateNames_.at(index - 1);
    return interimName != previousName ? ZKStatusLight::Green : ZKStatusLight::Grey;
}
