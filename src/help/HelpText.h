#pragma once

#include <QString>
#include <QVariant>
#include <optional>

// Small text helpers of the help manager.
namespace HelpText {

// The text after the first case-insensitive occurrence of prefix (from the start when prefix
// is empty) up to the first case-insensitive occurrence of suffix after it (to the end when
// suffix is empty); none when a non-empty prefix or suffix is not found.
std::optional<QString> helpManagerContentBetweenPrefix(const QString &text, const QString &prefix,
                                                       const QString &suffix);

// "(No Value)" for none, "Yes" and "No" for booleans, otherwise the value's text.
QString helpManagerDescriptionOrValue(const QVariant &value);

// A help link's value text as a user-default value: "yes"/"true" and "no"/"false" (any case)
// are booleans, "integer:" and "double:" prefixes give numbers, anything else is the text
// itself; an empty text is no value (the default is to be removed).
QVariant userDefaultValueFromLinkText(const QString &text);

}  // namespace HelpText
