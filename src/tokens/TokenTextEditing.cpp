#include "tokens/TokenTextEditing.h"

#include "tokens/TokenList.h"

namespace TokenTextEditing {

QString editingText(const QVariantList &list) {
    QString text;
    for (const QVariant &element : list) {
        if (TokenList::isWrappedProxy(element))
            text += kTokenCharacter;
        else
            text += element.toString();
    }
    return text;
}

}  // namespace TokenTextEditing
