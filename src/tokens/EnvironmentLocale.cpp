#include "tokens/EnvironmentLocale.h"

#include <QByteArray>
#include <QStringList>
#include <cstring>

namespace EnvironmentLocale {

namespace {

QString environmentValue(const char *variable) { return QString::fromLocal8Bit(qgetenv(variable)); }

// "de_DE.UTF-8@euro" gives "de_DE"; the C locale names no language.
QString withoutEncodingAndModifier(const QString &value) {
    QString name = value.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    if (name == QLatin1String("C") || name == QLatin1String("POSIX")) return QString();
    return name;
}

}  // namespace

QString localeNameForCategory(const char *category) {
    for (const char *variable : {"LC_ALL", category, "LANG"}) {
        const QString value = environmentValue(variable);
        if (!value.isEmpty()) return withoutEncodingAndModifier(value);
    }
    return QString();
}

QString firstPreferredLanguage() {
    const QString messagesLocale = localeNameForCategory("LC_MESSAGES");
    // As with gettext, LANGUAGE counts only when the messages locale is not C.
    if (!messagesLocale.isEmpty()) {
        const QStringList languages =
            environmentValue("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
        if (!languages.isEmpty()) return withoutEncodingAndModifier(languages.first());
    }
    return messagesLocale;
}

icu::Locale icuLocale(const QString &name) {
    if (name.isEmpty()) return icu::Locale::getRoot();
    QString identifier = name;
    identifier.replace(QLatin1Char('-'), QLatin1Char('_'));
    const icu::Locale locale(identifier.toLatin1().constData());
    return locale.isBogus() ? icu::Locale::getRoot() : locale;
}

bool isAvailableInIcu(const icu::Locale &locale) {
    int32_t count = 0;
    const icu::Locale *available = icu::Locale::getAvailableLocales(count);
    for (int32_t index = 0; index < count; ++index) {
        const char *name = available[index].getName();
        if (std::strcmp(name, locale.getName()) == 0 ||
            std::strcmp(name, locale.getLanguage()) == 0)
            return true;
    }
    return false;
}

}  // namespace EnvironmentLocale
