#include <gtest/gtest.h>

#include <QTimeZone>

#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"
#include "tokens/DocumentMetaData.h"
#include "tokens/FileMetaDataStore.h"

namespace {

// A PDF of the given objects (numbered from 1; the first is the catalogue, the last the
// information dictionary) with a correct cross-reference table.
QByteArray pdfOf(const QList<QByteArray> &objects) {
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype table = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R /Info " +
           QByteArray::number(objects.size()) + " 0 R >>\nstartxref\n" + QByteArray::number(table) +
           "\n%%EOF\n";
    return pdf;
}

const QByteArray twoPages = pdfOf({
    "<< /Type /Catalog /Pages 2 0 R >>",
    "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 /MediaBox [0 0 595 842] >>",
    "<< /Type /Page /Parent 2 0 R >>",
    "<< /Type /Page /Parent 2 0 R >>",
    "<< /Title (Annual Report) /Author (Ann Example) /Subject (Figures) "
    "/Keywords (sales, 2024; north) /Creator (Writer) /Producer (Printer 1.0) "
    "/CreationDate (D:20240501134510Z) >>",
});

}  // namespace

TEST(DocumentMetaDataTest, PagesAndInformationOfAPdf) {
    TestDir dir;
    const QString path = dir.makeFile("report.pdf", twoPages);
    const MetaDataItemPtr item = FileMetaDataStore().createItem(path);
    ASSERT_NE(item, nullptr);
    const auto value = [&](const char *key) { return item->copyAttribute(key); };

    EXPECT_EQ(value("kMDItemContentType").toString(), "application/pdf");
    EXPECT_EQ(value("kMDItemNumberOfPages"), QVariant(qint64(2)));
    EXPECT_DOUBLE_EQ(value("kMDItemPageWidth").toDouble(), 595);
    EXPECT_DOUBLE_EQ(value("kMDItemPageHeight").toDouble(), 842);
    EXPECT_EQ(value("kMDItemTitle").toString(), "Annual Report");
    EXPECT_EQ(value("kMDItemAuthors").toString(), "Ann Example");
    EXPECT_EQ(value("kMDItemSubject").toString(), "Figures");
    EXPECT_EQ(value("kMDItemKeywords"), QVariant(QVariantList{"sales", "2024", "north"}));
    EXPECT_EQ(value("kMDItemCreator").toString(), "Writer");
    EXPECT_EQ(value("kMDItemEncodingApplications").toString(), "Printer 1.0");
    EXPECT_EQ(value("kMDItemSecurityMethod").toString(), "None");
    EXPECT_EQ(value("kMDItemContentCreationDate").toDateTime(),
              QDateTime(QDate(2024, 5, 1), QTime(13, 45, 10), QTimeZone::utc()));
}

TEST(DocumentMetaDataTest, DamagedPdfsHaveNoValues) {
    TestDir dir;
    QByteArray badTable = twoPages;
    badTable.replace("xref", "xre?");
    const QByteArray endless = pdfOf({"<< /Type /Catalog /Pages 2 0 R >>",
                                      "<< /Type /Pages /Kids [2 0 R] /Count 1 >>", "<< >>"});
    for (const QByteArray &content : {twoPages.left(200), QByteArray("%PDF-1.4\n"),
                                      badTable.left(badTable.size() - 40), endless}) {
        const QString path = dir.makeFile("damaged.pdf", content);
        const MetaDataItemPtr item = FileMetaDataStore().createItem(path);
        ASSERT_NE(item, nullptr);
        EXPECT_FALSE(item->copyAttribute("kMDItemTitle").isValid());
        EXPECT_FALSE(item->copyAttribute("kMDItemPageWidth").isValid());
    }
}

TEST(DocumentMetaDataTest, KeywordsSplitAtCommasAndSemicolons) {
    EXPECT_EQ(DocumentMetaData::keywords(" a, b ;c,,"), QStringList({"a", "b", "c"}));
    EXPECT_EQ(DocumentMetaData::keywords(""), QStringList());
}
