#include "help/HelpText.h"

#include <QCoreApplication>

namespace HelpText {

std::optional<QString> helpManagerContentBetweenPrefix(const QString &text, const QString &prefix,
                                                       const QString &suffix) {
    qsizetype start = 0;
    if (!prefix.isEmpty()) {
        const qsizetype found = text.indexOf(prefix, 0, Qt::CaseInsensitive);
        if (found < 0) return std::nullopt;
        start = found + prefix.size();
    }
    qsizetype end = text.size();
    if (!suffix.isEmpty()) {
        end = text.indexOf(suffix, start, Qt::CaseInsensitive);
        if (end < 0) return std::nullopt;
    }
    return text.mid(start, end - start);
}

QString helpManagerDescriptionOrValue(const QVariant &value) {
    if (!value.isValid()) return QCoreApplication::translate("ZKHelpManager", "(No Value)");
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QCoreApplication::translate("ZKHelpManager", "Yes")
                              : QCoreApplication::translate("ZKHelpManager", "No");
    return value.toString();
}

QVariant userDefaultValueFromLinkText(const QString &text) {
    if (text.isEmpty()) return {};
    const QString lower = text.toLower();
    if (lower == u"yes" || lower == u"true") return true;
    if (lower == u"no" || lower == u"false") return false;
    const QString integerPrefix = QStringLiteral("integer:");
    const QString doublePrefix = QStringLiteral("double:");
    if (lower.startsWith(integerPrefix))
        return QVariant::fromValue<qint64>(text.mid(integerPrefix.size()).trimmed().toLongLong());
    if (lower.startsWith(doublePrefix)) return text.mid(doublePrefix.size()).trimmed().toDouble();
    return text;
}

}  // namespace HelpText
