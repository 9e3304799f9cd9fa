#include "tokens/MetaDataSource.h"

QVariant MetaDataSource::value(const QString &key) {
    if (!supplies(key)) return QVariant();
    if (!values_) values_ = read(path_);
    return values_->value(key);
}

QVariant textValues(const QStringList &texts) {
    if (texts.isEmpty()) return QVariant();
    if (texts.size() == 1) return texts.first();
    QVariantList list;
    for (const QString &text : texts) list.append(text);
    return list;
}

void putText(MetaDataSource::Values *values, const char *key, const QString &text) {
    if (!text.isEmpty()) values->insert(QString::fromLatin1(key), text);
}
