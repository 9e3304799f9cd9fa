#pragma once

#include <QChar>
#include <QString>
#include <QVariantList>

// A token list as one plain string, each token standing as one object-replacement
// character: what a token field holds for each of its positions.
namespace TokenTextEditing {

inline constexpr QChar kTokenCharacter = QChar(0xFFFC);

// The list's literal text with kTokenCharacter in place of each token.
QString editingText(const QVariantList &list);

}  // namespace TokenTextEditing
