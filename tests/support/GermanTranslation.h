#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include "common/Translations.h"

// Torvane's German translation, installed for the lifetime of the object (as a German
// session's start installs it).
class GermanTranslation {
public:
    GermanTranslation() {
        loaded_ =
            translator_.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("torvane"),
                             QStringLiteral("_"), Translations::folder());
        if (loaded_) QCoreApplication::installTranslator(&translator_);
    }
    ~GermanTranslation() { QCoreApplication::removeTranslator(&translator_); }
    GermanTranslation(const GermanTranslation &) = delete;
    GermanTranslation &operator=(const GermanTranslation &) = delete;

    bool loaded() const { return loaded_; }

private:
    QTranslator translator_;
    bool loaded_ = false;
};
