#include "tokens/MetaDataSource.h"

QVariant MetaDataSource::value(const QString &key) {
    if (!supplies(key)) return QVariant();
    if (!values_) values_ = read(path_);
    return values_->value(key);
}
