#include "tokens/MetaDataAdditionFormat.h"

#include "common/UserDefaults.h"

namespace MetaDataAdditionFormat {

namespace {

const QString kDefaultFormat = QStringLiteral("%@ + %@");
const QString kPlace = QStringLiteral("%@");

// Fills the places in order; the arguments are never searched for places themselves.
QString fill(const QString &format, const QString &first, const QString &second) {
    QString text;
    const QString arguments[] = {first, second};
    qsizetype from = 0;
    int used = 0;
    for (qsizetype at = format.indexOf(kPlace); at >= 0; at = format.indexOf(kPlace, from)) {
        text += format.mid(from, at - from);
        if (used < 2) text += arguments[used];
        ++used;
        from = at + kPlace.size();
    }
    return text + format.mid(from);
}

}  // namespace

QString join(const QString &result, const QString &next) {
    const QString format = UserDefaults::standardUserDefaults().stringForKey(kAdditionFormatKey);
    return fill(format.isEmpty() ? kDefaultFormat : format, result, next);
}

}  // namespace MetaDataAdditionFormat
