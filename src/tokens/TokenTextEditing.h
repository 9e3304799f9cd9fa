#pragma once

#include <QChar>
#include <QString>
#include <QVariantList>

// Editing a token list in a plain text field: each token stands as one object-replacement
// character, so that typing around tokens keeps them and deleting a token's character
// removes that token.
namespace TokenTextEditing {

inline constexpr QChar kTokenCharacter = QChar(0xFFFC);

// The list's literal text with kTokenCharacter in place of each token.
QString editingText(const QVariantList &list);

// The list after its field changed from editingText(list) to text, taken as one contiguous
// edit (what a keystroke, a paste or a cut does): the tokens whose characters lie outside
// the edited range are kept, in order; the literal text is the new text's; token characters
// that stand for no token (typed or pasted) are dropped.
QVariantList listAfterEdit(const QVariantList &list, const QString &text);

}  // namespace TokenTextEditing
