#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>

// The translations of Torvane's texts (and of Qt's own), chosen by the session's locale.
namespace Translations {

// The folder of the compiled translations: installed beside the program's other data, else
// the build folder's, for a program run from where it was built.
QString folder();

// Installs Torvane's and Qt's translations for the locale into the running application;
// false when none was found for Torvane (English, the source language, needs none).
bool install(const QLocale &locale = QLocale());

}  // namespace Translations

// Declares tr() for the functions of a namespace, with the namespace's name as the context
// under which lupdate files their texts (it takes the enclosing namespace as the context).
#define TORVANE_NAMESPACE_TR(Context)                                                       \
    inline QString tr(const char *text, const char *disambiguation = nullptr, int n = -1) { \
        return QCoreApplication::translate(#Context, text, disambiguation, n);              \
    }
