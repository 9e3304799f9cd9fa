#pragma once

#include "tokens/MetaDataSource.h"

// Attributes of a PDF document read with poppler: number of pages, the first page's size in
// points, its information dictionary (title, author, subject, keywords, creator, producer,
// creation date) and whether it is encrypted. A locked document tells only its security.
class DocumentMetaData : public MetaDataSource {
public:
    using MetaDataSource::MetaDataSource;

    // Keywords as people type them into a PDF's properties: separated by commas or semicolons.
    static QStringList keywords(const QString &text);

protected:
    bool supplies(const QString &key) const override;
    Values read(const QByteArray &nativePath) const override;
};
