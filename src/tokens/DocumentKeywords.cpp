// How people type keywords into a PDF's properties; the parser module splits them with this.
#include <QRegularExpression>

#include "tokens/DocumentMetaData.h"

QStringList DocumentMetaData::keywords(const QString &text) {
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    QStringList result;
    for (const QString &part : text.split(separators)) {
        const QString keyword = part.trimmed();
        if (!keyword.isEmpty()) result.append(keyword);
    }
    return result;
}
