#include "tokens/ProxySettings.h"

#include "tokens/DateDescription.h"
#include "tokens/TokenList.h"
#include "tokens/ZKMetaDataType.h"

namespace ProxySettings {

namespace {

using T = ZKMetaDataType;

struct IntegerSetting {
    QString key;
    qint64 defaultValue;
};

IntegerSetting integerSetting(Section section) {
    switch (section) {
        case Section::FileSizeFormat:
            return {kFileSizeFormatKey, 0};
        case Section::DurationFormat:
            return {kDurationFormatKey, 0};
        case Section::DateFormat:
            return {kDateFormatKey, 100};
        case Section::TimeFormat:
            return {kTimeFormatKey, 0};
        case Section::AncestorLevel:
            return {kAncestorLevelKey, 1};
        case Section::NumberOfCharacters:
            return {kNumberOfCharactersKey, 1};
        case Section::CharacterSet:
            break;
    }
    return {};
}

QString exclusionKey(qint64 tag) {
    switch (tag) {
        case 0:
            return kExcludeUppercaseKey;
        case 1:
            return kExcludeLowercaseKey;
        case 10:
            return kExcludeDigitsKey;
        default:
            return {};
    }
}

Item choice(qint64 tag, const QString &title, const QString &suffix = QString()) {
    return Item{tag, title, suffix, false};
}

qint64 integerValue(const QVariantMap &token, const IntegerSetting &setting) {
    const QVariant value = token.value(setting.key);
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    return ok ? number : setting.defaultValue;
}

// Checks each item whose tag is the token's current value of the section's setting.
MenuSection choiceSection(const QVariantMap &token, Section section, const QString &heading,
                          QList<Item> items) {
    const qint64 current = integerValue(token, integerSetting(section));
    for (Item &item : items) item.checked = item.tag == current;
    return MenuSection{section, heading, items};
}

QList<Item> numberedItems(qint64 first, qint64 last) {
    QList<Item> items;
    for (qint64 tag = first; tag <= last; ++tag) items.append(choice(tag, QString::number(tag)));
    return items;
}

MenuSection fileSizeSection(const QVariantMap &token, bool bitRate) {
    return choiceSection(
        token, Section::FileSizeFormat, QStringLiteral("Format:"),
        {choice(0, bitRate ? QStringLiteral("Bits per Second") : QStringLiteral("Bytes")),
         choice(1, QStringLiteral("Adaptive"))});
}

MenuSection durationSection(const QVariantMap &token) {
    const QString clock = QStringLiteral("Hours ' Minutes ' Seconds");
    return choiceSection(token, Section::DurationFormat, QStringLiteral("Format:"),
                         {choice(0, QStringLiteral("Seconds")),
                          choice(1, clock, QStringLiteral(" - Variable Width")),
                          choice(2, clock, QStringLiteral(" - Fixed Width"))});
}

MenuSection dateSection(const QVariantMap &token, const QDateTime &now) {
    QList<Item> items{choice(0, QStringLiteral("Omit Date"))};
    for (qint64 tag : {102, 101, 100, 1, 2, 3, 4})
        items.append(choice(tag, DateDescription::descriptionWithDateStyle(now, tag, 0, 0)));
    return choiceSection(token, Section::DateFormat, QStringLiteral("Date Format:"), items);
}

MenuSection timeSection(const QVariantMap &token, const QDateTime &now) {
    QList<Item> items{choice(0, QStringLiteral("Omit Time"))};
    for (qint64 tag : {101, 100, 1, 2, 3, 4}) {
        const QString suffix = tag >= 100 ? QStringLiteral(" (24-Hour Clock)") : QString();
        items.append(
            choice(tag, DateDescription::descriptionWithDateStyle(now, 0, tag, 0), suffix));
    }
    return choiceSection(token, Section::TimeFormat, QStringLiteral("Time Format:"), items);
}

MenuSection characterSetSection(const QVariantMap &token) {
    QList<Item> items{choice(0, QStringLiteral("A-Z")), choice(1, QStringLiteral("a-z")),
                      choice(10, QStringLiteral("0-9"))};
    for (Item &item : items) item.checked = !token.value(exclusionKey(item.tag)).toBool();
    return MenuSection{Section::CharacterSet, QStringLiteral("Eligible Characters:"), items};
}

MenuSection ancestorSection(const QVariantMap &token) {
    QList<Item> items = numberedItems(1, 9);
    items.first().title = QStringLiteral("%1 (Parent)").arg(1);
    return choiceSection(token, Section::AncestorLevel, QStringLiteral("Ancestor Level:"), items);
}

MenuSection numberOfCharactersSection(const QVariantMap &token, bool digits) {
    const QString heading = digits ? QStringLiteral("Minimum Number of Digits:")
                                   : QStringLiteral("Number of Characters:");
    return choiceSection(token, Section::NumberOfCharacters, heading, numberedItems(1, 9));
}

}  // namespace

QList<MenuSection> sections(const QVariantMap &token, const QDateTime &now) {
    const QString type = TokenList::proxyValue(token);
    QList<MenuSection> result;
    if (type.isEmpty()) return result;
    const bool bitRate = T::canCustomizeBitRateFormatForType(type);
    if (bitRate || T::canCustomizeFileSizeFormatForType(type))
        result.append(fileSizeSection(token, bitRate));
    if (T::canCustomizeDurationFormatForType(type)) result.append(durationSection(token));
    if (T::canCustomizeDateFormatForType(type)) {
        result.append(dateSection(token, now));
        result.append(timeSection(token, now));
    }
    if (T::canCustomizeCharacterSetForType(type)) result.append(characterSetSection(token));
    if (T::canCustomizeAncestorForType(type)) result.append(ancestorSection(token));
    const bool digits = T::canCustomizeIntegerDigitsForType(type);
    if (digits || T::canCustomizeNumberOfCharactersForType(type))
        result.append(numberOfCharactersSection(token, digits));
    return result;
}

QVariantMap tokenWithChoice(const QVariantMap &token, Section section, qint64 tag) {
    QVariantMap result = token;
    if (section == Section::CharacterSet) {
        const QString key = exclusionKey(tag);
        if (key.isEmpty()) return result;
        if (result.value(key).toBool())
            result.remove(key);
        else
            result.insert(key, true);
        return result;
    }
    const IntegerSetting setting = integerSetting(section);
    if (tag == setting.defaultValue)
        result.remove(setting.key);
    else
        result.insert(setting.key, tag);
    return result;
}

}  // namespace ProxySettings
