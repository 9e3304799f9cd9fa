#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-global.h>
#include <poppler/cpp/poppler-page.h>

#include <QDateTime>
#include <QTimeZone>
#include <memory>

#include "parsers/Parsers.h"
#include "tokens/DocumentMetaData.h"

namespace {

// poppler reports every flaw of a damaged document on standard error.
void quietenPoppler() {
    static const bool done = [] {
        poppler::set_debug_error_function([](const std::string &, void *) {}, nullptr);
        return true;
    }();
    Q_UNUSED(done);
}

QString infoText(const poppler::document &document, const char *key) {
    const poppler::byte_array utf8 = document.info_key(key).to_utf8();
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).trimmed();
}

void readInformation(const poppler::document &document, MetaDataSource::Values *values) {
    putText(values, "kMDItemTitle", infoText(document, "Title"));
    putText(values, "kMDItemAuthors", infoText(document, "Author"));
    putText(values, "kMDItemSubject", infoText(document, "Subject"));
    putText(values, "kMDItemCreator", infoText(document, "Creator"));
    putText(values, "kMDItemEncodingApplications", infoText(document, "Producer"));
    const QVariant keywords =
        textValues(DocumentMetaData::keywords(infoText(document, "Keywords")));
    if (keywords.isValid()) values->insert("kMDItemKeywords", keywords);
    const time_t created = document.info_date_t("CreationDate");
    if (created != time_t(-1))
        values->insert("kMDItemContentCreationDate",
                       QDateTime::fromSecsSinceEpoch(qint64(created), QTimeZone::utc()));
}

void readPages(const poppler::document &document, MetaDataSource::Values *values) {
    const int pages = document.pages();
    if (pages <= 0) return;
    values->insert("kMDItemNumberOfPages", qint64(pages));
    const std::unique_ptr<poppler::page> first(document.create_page(0));
    if (!first) return;
    const poppler::rectf box = first->page_rect(poppler::media_box);
    if (box.width() <= 0 || box.height() <= 0) return;
    values->insert("kMDItemPageWidth", box.width());
    values->insert("kMDItemPageHeight", box.height());
}

}  // namespace

MetaDataSource::Values Parsers::document(const QByteArray &nativePath) {
    quietenPoppler();
    MetaDataSource::Values values;
    try {
        const std::unique_ptr<poppler::document> document(
            poppler::document::load_from_file(nativePath.toStdString()));
        if (!document) return values;
        values.insert("kMDItemSecurityMethod", document->is_encrypted()
                                                   ? QStringLiteral("Password Encrypted")
                                                   : QStringLiteral("None"));
        if (document->is_locked()) return values;
        readInformation(*document, &values);
        readPages(*document, &values);
    } catch (...) {
        // A damaged document keeps what was read before the fault.
    }
    return values;
}
