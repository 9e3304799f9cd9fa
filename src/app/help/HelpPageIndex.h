#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QUrl>

// The help pages in reading order, with their titles and plain text for searching.
class HelpPageIndex {
public:
    struct Page {
        QString relativePath;
        QString title;
        QUrl url;
    };
    struct SearchHit {
        Page page;
        int occurrences = 0;
    };

    // Orders the pages as "index.html" links to them (the index first); pages it does not
    // link follow by path.
    explicit HelpPageIndex(const QMap<QString, QUrl> &pages);

    const QList<Page> &pages() const { return pages_; }
    // The pages that hold every word of the query (case-insensitive), most occurrences first.
    QList<SearchHit> search(const QString &query);

private:
    QString plainText(const Page &page);

    QList<Page> pages_;
    QMap<QString, QString> plainTextByPath_;  // read on the first search
};
