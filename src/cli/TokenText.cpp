#include "cli/TokenText.h"

#include <algorithm>

#include "cli/CommandHelp.h"
#include "tokens/TokenInsertion.h"
#include "tokens/TokenList.h"
#include "tokens/ZKMetaDataType.h"

namespace {

void addOffered(const ZKMetaDataType *type, QStringList *names) {
    if (type && type->isOffered() && !names->contains(type->displayName()))
        names->append(type->displayName());
}

qsizetype editDistance(const QString &a, const QString &b) {
    QList<qsizetype> previous(b.size() + 1), current(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j) previous[j] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype substitution = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
        }
        std::swap(previous, current);
    }
    return previous[b.size()];
}

QString unknownNameError(const QString &name) {
    const QStringList closest = TokenText::closestDisplayNames(name);
    // The names stay English: the command line looks tokens up by their English names.
    if (closest.isEmpty())
        return CommandHelp::tr("unknown token <%1> (write \\< for a literal \"<\")").arg(name);
    return CommandHelp::tr("unknown token <%1>; did you mean <%2>? (write \\< for a literal \"<\")")
        .arg(name, closest.join(">, <"));
}

}  // namespace

namespace TokenText {

std::optional<QVariantList> parse(const QString &text, QString *error) {
    QVariantList list;
    QString literal;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' && text.mid(i + 1, 1) == u"<") {
            literal += u'<';
            ++i;
        } else if (c == u'\\' && text.mid(i + 1, 2) == u"\\<") {
            literal += u'\\';
            ++i;  // the "<" after it opens a token
        } else if (c == u'<') {
            const qsizetype end = text.indexOf(u'>', i + 1);
            if (end < 0) {
                *error = CommandHelp::tr(
                             "\"<\" at character %1 opens a token that is never closed "
                             "with \">\" (write \\< for a literal \"<\")")
                             .arg(i + 1);
                return std::nullopt;
            }
            const QString name = text.mid(i + 1, end - i - 1).trimmed();
            const QString type = ZKMetaDataType::typeForLowercaseDisplayName(name.toLower());
            if (type.isEmpty()) {
                *error = unknownNameError(name);
                return std::nullopt;
            }
            TokenInsertion::appendText(list, literal);
            literal.clear();
            list.append(TokenList::dictionaryByWrappingProxyValue(type));
            i = end;
        } else {
            literal += c;
        }
    }
    TokenInsertion::appendText(list, literal);
    return list;
}

QStringList displayNames() {
    QStringList names;
    for (const MetaDataCatalogueEntry &entry : ZKMetaDataType::availableMetaDataTypesByCategory()) {
        if (entry.kind == MetaDataCatalogueEntry::Kind::Type) addOffered(entry.type, &names);
        for (const ZKMetaDataType *type : entry.types) addOffered(type, &names);
    }
    return names;
}

QStringList closestDisplayNames(const QString &name, int count) {
    const QString wanted = name.toLower();
    QList<std::pair<qsizetype, QString>> ranked;
    for (const QString &candidate : displayNames()) {
        const QString lower = candidate.toLower();
        // A name that holds what was typed, or begins much as it, is as close as a name one
        // letter off: "<Name of Parnt>" means "<Name of Parent Folder>".
        const qsizetype distance =
            !wanted.isEmpty() && lower.contains(wanted)
                ? 1
                : std::min(editDistance(wanted, lower),
                           editDistance(wanted, lower.left(wanted.size())) + 1);
        ranked.append({distance, candidate});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QStringList closest;
    for (const auto &[distance, candidate] : ranked) {
        // Far-off names help nobody.
        if (closest.size() == count || distance > std::max<qsizetype>(3, wanted.size() / 2)) break;
        closest << candidate;
    }
    return closest;
}

}  // namespace TokenText
