#include "engine/ZKERETemplate.h"

#include <QHash>
#include <QMutex>
#include <QStringList>

#include "common/LastAnswer.h"
#include "common/Log.h"

const QString ZKERETemplate::kPlaceholder =
    QStringLiteral("/:com.quorlix.ZKEREConversionPlaceholder:/");

namespace {

using TemplateCache = QHash<QString, std::shared_ptr<const ZKERETemplate>>;

QMutex &cacheLock() {
    static QMutex lock;
    return lock;
}

TemplateCache &cache() {
    static TemplateCache templates;
    return templates;
}

QString piecesDescription(const QStringList &pieces) {
    return QStringLiteral("(\"") + pieces.join(QStringLiteral("\", \"")) + QStringLiteral("\")");
}

}  // namespace

std::shared_ptr<const ZKERETemplate> ZKERETemplate::templateWithString(
    const std::optional<QString> &templateString) {
    static ClearingCount clearings;
    // Every name of a list asks for the same template, from two threads at once.
    thread_local LastAnswer<QString, std::shared_ptr<const ZKERETemplate>> lastAnswer;
    const quint64 clearing = clearings.current();
    if (templateString) {
        if (const auto *kept = lastAnswer.find(*templateString, clearing)) return *kept;
    }

    const QMutexLocker locker(&cacheLock());
    if (!templateString) {
        cache().clear();
        clearings.cleared();
        lastAnswer.forget();
        return nullptr;
    }
    std::shared_ptr<const ZKERETemplate> &cached = cache()[*templateString];
    if (!cached) cached = std::make_shared<const ZKERETemplate>(*templateString);
    lastAnswer.keep(clearing, *templateString, cached);
    return cached;
}

ZKERETemplate::ZKERETemplate(const QString &templateString)
    : stringWithPlaceholders_(templateString),
      conversions_(ZKEREConversion::conversionsInString(templateString)) {
    // Later ranges move by what the earlier replacements changed in length.
    qsizetype shift = 0;
    for (const std::unique_ptr<ZKEREConversion> &conversion : conversions_) {
        const ZKEREConversion::Range range = conversion->range();
        stringWithPlaceholders_.replace(range.location + shift, range.length, kPlaceholder);
        shift += kPlaceholder.size() - range.length;
    }
}

QString ZKERETemplate::applyConversionsToString(const std::optional<QString> &replacement) const {
    if (!replacement) return QString();
    if (conversions_.empty()) return *replacement;
    const QStringList pieces = replacement->split(kPlaceholder, Qt::KeepEmptyParts);
    const qsizetype expected = qsizetype(conversions_.size()) + 1;
    if (pieces.size() != expected) {
        Log::line(QStringLiteral("[ZKExtendedRegularExpression] case conversion inconsistency: "
                                 "%1 fragments expected, %2 found: %3")
                      .arg(QString::number(expected), QString::number(pieces.size()),
                           piecesDescription(pieces)));
        return *replacement;
    }
    QString converted = pieces.first();
    for (qsizetype i = 1; i < pieces.size(); ++i)
        converted += conversions_[size_t(i - 1)]->convertedPiece(pieces[i]);
    return converted;
}
