#include "engine/SequenceGroups.h"

qint64 SequenceGroups::indexOfFile(const QString &identifier, const ZKFileItem *file) {
    if (!incrementing_) incrementing_.emplace();
    QList<const ZKFileItem *> &files = (*incrementing_)[identifier];
    if (files.isEmpty() || files.last() != file) files.append(file);
    return files.size() - 1;
}

std::optional<qint64> SequenceGroups::totalForIdentifier(const QString &identifier) {
    if (totals_) {
        const auto total = totals_->constFind(identifier);
        if (total != totals_->constEnd()) return *total;
    }
    checkTotals_ = true;
    return std::nullopt;
}

bool SequenceGroups::cleanUpAfterUpdatingAndAnalyze(bool analyze) {
    totals_.reset();
    if (incrementing_) {
        if (analyze && checkTotals_) {
            totals_.emplace();
            totals_->reserve(incrementing_->size());
            for (auto group = incrementing_->cbegin(); group != incrementing_->cend(); ++group) {
                totals_->insert(group.key(), group.value().size());
            }
            incrementing_.reset();
            return true;
        }
        incrementing_.reset();
    }
    checkTotals_ = false;
    return false;
}
