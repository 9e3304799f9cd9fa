#pragma once

#include <unicode/locid.h>

#include <QString>

// The user's locales as the POSIX environment names them, for ICU formatters. ICU's own
// default locale follows only one category; dates and numbers each follow their own.
namespace EnvironmentLocale {

// The locale of a category ("LC_TIME", "LC_NUMERIC"): LC_ALL, else the category, else LANG,
// without encoding and modifier ("de_DE.UTF-8@euro" gives "de_DE"). "" when the environment
// names none or the C locale.
QString localeNameForCategory(const char *category);

// The first language the user prefers for texts: the first entry of LANGUAGE (which the C
// locale disables), else the LC_MESSAGES locale. "" when there is none.
QString firstPreferredLanguage();

// The ICU locale of such a name ("en-US" and "en_US" alike); the root locale for "".
icu::Locale icuLocale(const QString &name);

// Whether ICU has data for the locale or at least for its language.
bool isAvailableInIcu(const icu::Locale &locale);

}  // namespace EnvironmentLocale
