#include "tokens/DocumentMetaData.h"

#include <QSet>

#include "tokens/MetaDataParsers.h"

namespace {

const QSet<QString> &documentKeys() {
    // clang-format off
    static const QSet<QString> keys{
        "kMDItemNumberOfPages", "kMDItemTitle", "kMDItemAuthors", "kMDItemCreator",
        "kMDItemSubject", "kMDItemKeywords", "kMDItemPageWidth", "kMDItemPageHeight",
        "kMDItemContentCreationDate", "kMDItemEncodingApplications", "kMDItemSecurityMethod"};
    // clang-format on
    return keys;
}

}  // namespace

bool DocumentMetaData::supplies(const QString &key) const { return documentKeys().contains(key); }

MetaDataSource::Values DocumentMetaData::read(const QByteArray &nativePath) const {
    return MetaDataParsers::parse(MetaDataParsers::Kind::Document, nativePath, QMimeType());
}
