#include "parsers/ExivReading.h"

#include <cmath>

namespace ExivReading {

namespace {

QString fromStd(const std::string &text) {
    QString result = QString::fromStdString(text);
    while (result.endsWith(QChar(0))) result.chop(1);
    return result.trimmed();
}

const Exiv2::Value *valueOf(const Exiv2::ExifData &data, const char *key, long n) {
    const Exiv2::Exifdatum *datum = exifDatum(data, key);
    if (!datum || datum->count() <= n) return nullptr;
    return &datum->value();
}

QStringList exifTexts(Exiv2::Image &image, const char *key) {
    const QString value = text(image.exifData(), key);
    return value.isEmpty() ? QStringList() : QStringList{value};
}

QStringList iptcTexts(Exiv2::Image &image, const char *key) {
    QStringList result;
    for (const Exiv2::Iptcdatum &datum : image.iptcData()) {
        if (datum.key() != key) continue;
        const QString value = fromStd(datum.toString());
        if (!value.isEmpty()) result.append(value);
    }
    return result;
}

QStringList xmpTexts(Exiv2::Image &image, const char *key) {
    Exiv2::XmpData &data = image.xmpData();
    const auto found = data.findKey(Exiv2::XmpKey(key));
    if (found == data.end()) return {};
    QStringList result;
    if (const auto *alternatives = dynamic_cast<const Exiv2::LangAltValue *>(&found->value())) {
        if (alternatives->value_.empty()) return {};
        const auto fallback = alternatives->value_.find("x-default");
        const auto chosen =
            fallback != alternatives->value_.end() ? fallback : alternatives->value_.begin();
        result.append(fromStd(chosen->second));
    } else if (dynamic_cast<const Exiv2::XmpArrayValue *>(&found->value())) {
        for (long i = 0; i < found->count(); ++i) result.append(fromStd(found->toString(i)));
    } else {
        result.append(fromStd(found->toString()));
    }
    result.removeAll(QString());
    return result;
}

}  // namespace

const Exiv2::Exifdatum *exifDatum(const Exiv2::ExifData &data, const char *key) {
    try {
        const auto found = data.findKey(Exiv2::ExifKey(key));
        return found == data.end() ? nullptr : &*found;
    } catch (...) {
        return nullptr;
    }
}

std::optional<double> number(const Exiv2::ExifData &data, const char *key, long n) {
    const Exiv2::Value *value = valueOf(data, key, n);
    if (!value) return std::nullopt;
    const Exiv2::TypeId type = value->typeId();
    if (type == Exiv2::unsignedRational || type == Exiv2::signedRational) {
        const Exiv2::Rational rational = value->toRational(n);
        if (rational.second == 0) return std::nullopt;
        return double(rational.first) / double(rational.second);
    }
    const double result = value->toFloat(n);
    if (!value->ok() || !std::isfinite(result)) return std::nullopt;
    return result;
}

std::optional<qint64> integer(const Exiv2::ExifData &data, const char *key, long n) {
    const Exiv2::Value *value = valueOf(data, key, n);
    if (!value) return std::nullopt;
#if EXIV2_TEST_VERSION(0, 28, 0)
    const qint64 result = value->toInt64(n);
#else
    const qint64 result = value->toLong(n);
#endif
    if (!value->ok()) return std::nullopt;
    return result;
}

QString text(const Exiv2::ExifData &data, const char *key) {
    const Exiv2::Exifdatum *datum = exifDatum(data, key);
    return datum ? fromStd(datum->toString()) : QString();
}

QString printed(const Exiv2::ExifData &data, const char *key) {
    const Exiv2::Exifdatum *datum = exifDatum(data, key);
    return datum ? fromStd(datum->print(&data)) : QString();
}

QByteArray bytes(const Exiv2::ExifData &data, const char *key) {
    const Exiv2::Exifdatum *datum = exifDatum(data, key);
    if (!datum || datum->size() <= 0) return QByteArray();
    QByteArray result(qsizetype(datum->size()), Qt::Uninitialized);
    datum->copy(reinterpret_cast<Exiv2::byte *>(result.data()), Exiv2::littleEndian);
    return result;
}

QStringList texts(Exiv2::Image &image, const char *key) {
    try {
        const QLatin1String family(key);
        if (family.startsWith(QLatin1String("Exif."))) return exifTexts(image, key);
        if (family.startsWith(QLatin1String("Iptc."))) return iptcTexts(image, key);
        if (family.startsWith(QLatin1String("Xmp."))) return xmpTexts(image, key);
    } catch (...) {
    }
    return {};
}

QStringList firstTexts(Exiv2::Image &image, std::initializer_list<const char *> keys) {
    for (const char *key : keys) {
        const QStringList found = texts(image, key);
        if (!found.isEmpty()) return found;
    }
    return {};
}

}  // namespace ExivReading
