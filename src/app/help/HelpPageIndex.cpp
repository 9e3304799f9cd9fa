#include "app/help/HelpPageIndex.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>

namespace {

QString readPage(const QUrl &url) {
    QFile file(url.toLocalFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString titleOf(const QString &html, const QString &fallback) {
    static const QRegularExpression title(
        QStringLiteral("<title>(.*?)</title>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = title.match(html);
    const QString text = match.hasMatch()
                             ? QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText()
                             : QString();
    return text.trimmed().isEmpty() ? fallback : text.trimmed();
}

// The pages "index.html" links to, in the order of its links.
QStringList linkedPages(const QString &indexHtml) {
    static const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+\\.html)"));
    QStringList paths;
    for (const QRegularExpressionMatch &match : link.globalMatch(indexHtml))
        if (!paths.contains(match.captured(1))) paths.append(match.captured(1));
    return paths;
}

}  // namespace

HelpPageIndex::HelpPageIndex(const QMap<QString, QUrl> &pages) {
    const QString index = QStringLiteral("index.html");
    QStringList order = {index};
    order += linkedPages(readPage(pages.value(index)));
    for (const QString &path : pages.keys())
        if (!order.contains(path)) order.append(path);
    for (const QString &path : order) {
        if (!pages.contains(path)) continue;
        const QUrl url = pages.value(path);
        pages_.append({path, titleOf(readPage(url), path), url});
    }
}

QString HelpPageIndex::plainText(const Page &page) {
    auto found = plainTextByPath_.find(page.relativePath);
    if (found == plainTextByPath_.end())
        found = plainTextByPath_.insert(
            page.relativePath, QTextDocumentFragment::fromHtml(readPage(page.url)).toPlainText());
    return *found;
}

QList<HelpPageIndex::SearchHit> HelpPageIndex::search(const QString &query) {
    const QStringList words =
        query.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    QList<SearchHit> hits;
    if (words.isEmpty()) return hits;
    for (const Page &page : pages_) {
        const QString text = plainText(page);
        int occurrences = 0;
        for (const QString &word : words) {
            const int count = int(text.count(word, Qt::CaseInsensitive));
            if (count == 0) {
                occurrences = 0;
                break;
            }
            occurrences += count;
        }
        if (occurrences > 0) hits.append({page, occurrences});
    }
    std::stable_sort(hits.begin(), hits.end(), [](const SearchHit &a, const SearchHit &b) {
        return a.occurrences > b.occurrences;
    });
    return hits;
}
