#pragma once

#include <QList>
#include <QString>
#include <optional>

// The token menu's contents below its filter field, as plain data that a menu widget turns
// into items: the suggestions algorithm of the catalogue, without any widget.
struct ProxySuggestionItem {
    enum class Kind { Separator, DisabledItem, Submenu, Type };
    Kind kind = Kind::Type;
    QString title;                        // localised; empty for a separator
    QString type;                         // Type only: the identifier to insert
    QList<ProxySuggestionItem> children;  // Submenu only
};

namespace ProxySuggestions {

inline const QString kKeepTyping =
    QStringLiteral(QT_TRANSLATE_NOOP("ZKMetaDataType", "Keep typing..."));
inline const QString kNoMatches =
    QStringLiteral(QT_TRANSLATE_NOOP("ZKMetaDataType", "There are no matches."));
inline const QString kSearchLengthThresholdKey =
    QStringLiteral("Metadata Search Length Threshold");  // registered default 2

// The items for a filter: none (nullopt) gives "There are no matches." above the full menu;
// an empty filter the full menu; a trimmed filter shorter than the threshold "Keep typing..."
// above the full menu; otherwise the offered types whose display name matches, flat, each
// identifier once, titled with the localised display name. When nothing matches, the answer
// is the one for no filter.
QList<ProxySuggestionItem> suggestions(const std::optional<QString> &filter,
                                       qint64 searchLengthThreshold);

}  // namespace ProxySuggestions
