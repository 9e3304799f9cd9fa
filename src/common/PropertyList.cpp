#include "common/PropertyList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <clocale>
#include <limits>

#include "common/PropertyListNesting.h"
#include "common/PropertyListNodes.h"

namespace PropertyList {

namespace {

void setError(QString *error, const QString &message) {
    if (error) *error = message;
}

// libplist reads XML reals with strtod, which follows the locale: under a locale with a
// decimal comma "2.5" would read as 2. Parsing and writing run under the C locale, set for
// the calling thread only.
class ClassicLocale {
public:
    ClassicLocale() : previous_(uselocale(classic())) {}
    ~ClassicLocale() { uselocale(previous_); }
    ClassicLocale(const ClassicLocale &) = delete;
    ClassicLocale &operator=(const ClassicLocale &) = delete;

private:
    static locale_t classic() {
        static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        return locale;
    }
    locale_t previous_;
};

// Parses with libplist after the nesting check; nullptr and *error on failure.
plist_t parse(const QByteArray &data, QString *error) {
    const auto length = uint32_t(data.size());
    const ClassicLocale classic;
    plist_t root = nullptr;
    if (plist_is_binary(data.constData(), length)) {
        if (!PropertyListNesting::binaryDepthWithinLimit(data)) {
            setError(error, QStringLiteral("damaged or too deeply nested binary property list"));
            return nullptr;
        }
        if (!PropertyListNesting::binaryKeysFreeOfNul(data)) {
            setError(error,
                     QStringLiteral("a key of the binary property list holds a NUL character"));
            return nullptr;
        }
        plist_from_bin(data.constData(), length, &root);
        if (!root) setError(error, QStringLiteral("damaged binary property list"));
        return root;
    }
    if (!PropertyListNesting::xmlDepthWithinLimit(data)) {
        setError(error, QStringLiteral("property list nested too deeply"));
        return nullptr;
    }
    plist_from_xml(data.constData(), length, &root);
    if (!root) setError(error, QStringLiteral("not a property list"));
    return root;
}

}  // namespace

QVariant fromData(const QByteArray &data, QString *error) {
    if (data.isEmpty()) {
        setError(error, QStringLiteral("no data"));
        return QVariant();
    }
    if (quint64(data.size()) > std::numeric_limits<uint32_t>::max()) {
        setError(error, QStringLiteral("property list too large"));
        return QVariant();
    }
    plist_t root = parse(data, error);
    if (!root) return QVariant();
    QVariant value = PropertyListNodes::variantFromNode(root, error);
    plist_free(root);
    return value;
}

QByteArray toData(const QVariant &value, Format format, QString *error) {
    QString reason;
    plist_t root = PropertyListNodes::nodeFromVariant(value, &reason);
    if (!root) {
        setError(error, reason);
        return QByteArray();
    }
    char *bytes = nullptr;
    uint32_t length = 0;
    const ClassicLocale classic;
    if (format == Format::Binary)
        plist_to_bin(root, &bytes, &length);
    else
        plist_to_xml(root, &bytes, &length);
    plist_free(root);
    QByteArray data(bytes, bytes ? qsizetype(length) : 0);
    if (bytes) format == Format::Binary ? plist_to_bin_free(bytes) : plist_to_xml_free(bytes);
    if (data.isEmpty()) setError(error, QStringLiteral("the property list cannot be serialised"));
    return data;
}

QVariant readFile(const QString &path, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return QVariant();
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return QVariant();
    }
    QString reason;
    QVariant value = fromData(data, &reason);
    if (!value.isValid()) setError(error, QStringLiteral("cannot read %1: %2").arg(path, reason));
    return value;
}

bool writeFile(const QString &path, const QVariant &value, Format format, QString *error) {
    QString reason;
    const QByteArray data = toData(value, format, &reason);
    if (data.isEmpty()) {
        setError(error, QStringLiteral("cannot write %1: %2").arg(path, reason));
        return false;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        setError(error,
                 QStringLiteral("cannot write %1: cannot create the folder %2").arg(path, folder));
        return false;
    }
    // QSaveFile writes a temporary file beside the target and renames it over the target, so
    // readers see the old or the new content, never a mixture; a failure removes the temporary.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        setError(error, QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        file.cancelWriting();
        return false;
    }
    return true;
}

}  // namespace PropertyList
