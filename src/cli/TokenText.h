#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>

// Texts of step options as token lists: "<Name of Parent Folder> - " is a token followed by
// literal text. Display names are those of the token menus, matched case-insensitively;
// "\<" writes a literal "<" and "\\<" a backslash before a token. Every other backslash
// stays as it is, so regular expressions pass through untouched.
namespace TokenText {

// The token list of the text; std::nullopt with *error for an unknown display name (the
// message lists the closest ones) or a "<" that is never closed.
std::optional<QVariantList> parse(const QString &text, QString *error);

// Every display name a text may use, in menu order.
QStringList displayNames();

// Up to `count` display names closest to the name, best first.
QStringList closestDisplayNames(const QString &name, int count = 3);

}  // namespace TokenText
