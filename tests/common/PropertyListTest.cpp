#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPoint>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>
#include <QtEndian>
#include <clocale>
#include <limits>
#include <string>

#include "common/PropertyList.h"
#include "support/TestEnvironment.h"

using PropertyList::Format;

namespace {

const Format kBothForms[] = {Format::Binary, Format::Xml};

const char *formName(Format format) { return format == Format::Binary ? "binary" : "XML"; }

QVariant roundTrip(const QVariant &value, Format format) {
    QString error;
    const QByteArray data = PropertyList::toData(value, format, &error);
    EXPECT_FALSE(data.isEmpty()) << formName(format) << ": " << error.toStdString();
    const QVariant back = PropertyList::fromData(data, &error);
    EXPECT_TRUE(back.isValid()) << formName(format) << ": " << error.toStdString();
    return back;
}

QDateTime utc(const char *iso) {
    QDateTime date = QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODateWithMs);
    date.setTimeSpec(Qt::UTC);
    return date;
}

// A binary property list of `count` arrays, each holding the next; the last one is empty.
// Object references point forward, or at the object itself when `cycle` is set.
QByteArray nestedBinaryArrays(int count, bool cycle = false) {
    QByteArray data("bplist00");
    QList<quint32> offsets;
    char buffer[8];
    for (int i = 0; i < count; ++i) {
        offsets.append(quint32(data.size()));
        if (i == count - 1 && !cycle) {
            data.append(char(0xA0));
            continue;
        }
        data.append(char(0xA1));
        qToBigEndian(quint32(cycle && i == count - 1 ? i : i + 1), buffer);
        data.append(buffer, 4);
    }
    const quint64 table = quint64(data.size());
    for (const quint32 offset : offsets) {
        qToBigEndian(offset, buffer);
        data.append(buffer, 4);
    }
    data.append(QByteArray(6, '\0'));
    data.append(char(4)).append(char(4));
    for (const quint64 field : {quint64(count), quint64(0), table}) {
        qToBigEndian(field, buffer);
        data.append(buffer, 8);
    }
    return data;
}

QByteArray nestedXmlArrays(int depth, const QByteArray &between = QByteArray()) {
    return "<?xml version=\"1.0\"?><plist version=\"1.0\">" +
           ("<array>" + between).repeated(depth) + QByteArray("</array>").repeated(depth) +
           "</plist>";
}

QVariant nestedLists(int depth) {
    QVariant value = QVariantList();
    for (int i = 1; i < depth; ++i) value = QVariantList{value};
    return value;
}

}  // namespace

TEST(PropertyListTest, EveryTypeRoundTripsThroughBothForms) {
    const QByteArray bytes("\0\x01\xff binary", 10);
    const QVariantMap original{
        {"Yes", true},
        {"No", false},
        {"Zero", qint64(0)},
        {"Answer", qint64(42)},
        {"Minus One", qint64(-1)},
        {"First Number", qint64(-3)},
        {"Smallest", std::numeric_limits<qint64>::min()},
        {"Largest", std::numeric_limits<qint64>::max()},
        {"Real", 1.5},
        {"Negative Real", -0.1},
        {"Huge Real", 1e300},
        {"Unicode", QString::fromUtf8("Grüße, 日本語 🎉 e\u0301")},
        {"Spaces", QStringLiteral("  two\tlines\n and <markup> & \"quotes\"  ")},
        {"Empty String", QString()},
        {"Data", bytes},
        {"Empty Data", QByteArray()},
        {"Date", utc("2023-04-05T06:07:08Z")},
        {"Empty Array", QVariantList()},
        {"Empty Dictionary", QVariantMap()},
        {"Key <&> \"é\"", QStringLiteral("odd key")},
        {"Nested",
         QVariantList{QVariantMap{{"Task", qint64(110)}, {"Rename: Sequence: Type", qint64(2)}},
                      QVariantList{true, qint64(1), QStringLiteral("1")}}},
    };
    for (const Format format : kBothForms) {
        const QVariant back = roundTrip(original, format);
        ASSERT_EQ(back.typeId(), QMetaType::QVariantMap) << formName(format);
        const QVariantMap map = back.toMap();
        EXPECT_EQ(map.keys(), original.keys()) << formName(format);
        for (auto it = original.constBegin(); it != original.constEnd(); ++it) {
            const QVariant value = map.value(it.key());
            EXPECT_EQ(value.typeId(), it.value().typeId())
                << formName(format) << " " << it.key().toStdString();
            EXPECT_EQ(value, it.value()) << formName(format) << " " << it.key().toStdString();
        }
    }
}

TEST(PropertyListTest, BooleansAndIntegersStayDistinct) {
    const QVariantList original{true, qint64(1), false, qint64(0), qint64(-1)};
    for (const Format format : kBothForms) {
        const QVariantList back = roundTrip(original, format).toList();
        ASSERT_EQ(back.size(), 5) << formName(format);
        const QMetaType::Type expected[] = {QMetaType::Bool, QMetaType::LongLong, QMetaType::Bool,
                                            QMetaType::LongLong, QMetaType::LongLong};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(back[i].typeId(), expected[i]) << formName(format) << " item " << i;
            EXPECT_EQ(back[i], original[i]) << formName(format) << " item " << i;
        }
    }
}

TEST(PropertyListTest, NegativeIntegersAreWrittenAndReadAsNegativeNumbers) {
    const QByteArray xml = PropertyList::toData(QVariantList{qint64(-1), -3}, Format::Xml);
    EXPECT_TRUE(xml.contains("<integer>-1</integer>")) << xml.toStdString();
    EXPECT_TRUE(xml.contains("<integer>-3</integer>")) << xml.toStdString();

    const QByteArray handWritten =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict>"
        "<key>Sort Strategy</key><integer>-1</integer>"
        "<key>Rename: Sequence: First Number</key><integer>-3</integer>"
        "<key>Big</key><integer>9223372036854775807</integer></dict></plist>";
    const QVariantMap map = PropertyList::fromData(handWritten).toMap();
    EXPECT_EQ(map.value("Sort Strategy"), QVariant(qint64(-1)));
    EXPECT_EQ(map.value("Rename: Sequence: First Number"), QVariant(qint64(-3)));
    EXPECT_EQ(map.value("Big"), QVariant(std::numeric_limits<qint64>::max()));

    // In binary form a negative integer takes eight bytes, whatever its magnitude.
    const QByteArray binary = PropertyList::toData(qint64(-1), Format::Binary);
    EXPECT_TRUE(binary.contains(QByteArray("\x13\xff\xff\xff\xff\xff\xff\xff\xff", 9)));
    EXPECT_EQ(PropertyList::fromData(binary), QVariant(qint64(-1)));
}

TEST(PropertyListTest, QtIntegerListAndHashTypesAreWrittenAsPropertyListTypes) {
    const QVariantList original{int(-7),
                                uint(7),
                                qlonglong(-8),
                                qulonglong(8),
                                short(-9),
                                float(0.5),
                                QStringList{"a", "b"},
                                QVariantHash{{"key", QStringLiteral("value")}}};
    for (const Format format : kBothForms) {
        const QVariantList back = roundTrip(original, format).toList();
        ASSERT_EQ(back.size(), original.size());
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(back[i].typeId(), QMetaType::LongLong) << formName(format) << " item " << i;
            EXPECT_EQ(back[i].toLongLong(), original[i].toLongLong()) << formName(format);
        }
        EXPECT_EQ(back[5], QVariant(0.5));
        EXPECT_EQ(back[6], QVariant(QVariantList{QStringLiteral("a"), QStringLiteral("b")}));
        EXPECT_EQ(back[7], QVariant(QVariantMap{{"key", QStringLiteral("value")}}));
    }
}

TEST(PropertyListTest, ValuesAPropertyListCannotHoldAreRefusedWithAReason) {
    const QVariant refused[] = {
        QVariant(),
        QVariant(QPoint(1, 2)),
        QVariant(std::numeric_limits<quint64>::max()),
        QVariant(QString::fromUtf8("cut\0short", 9)),
        QVariantMap{{QString::fromUtf8("cut\0short", 9), true}},
        QVariant(QDateTime()),
        QVariantMap{{"fine", true}, {"inner", QVariantList{QVariant()}}},
        nestedLists(513),
    };
    for (const QVariant &value : refused) {
        for (const Format format : kBothForms) {
            QString error;
            EXPECT_TRUE(PropertyList::toData(value, format, &error).isEmpty()) << formName(format);
            EXPECT_FALSE(error.isEmpty()) << formName(format);
        }
    }
    QString error;
    PropertyList::toData(QVariant(QPoint(1, 2)), Format::Xml, &error);
    EXPECT_TRUE(error.contains("QPoint")) << error.toStdString();
    EXPECT_FALSE(PropertyList::toData(nestedLists(512), Format::Binary).isEmpty());
}

TEST(PropertyListTest, DatesKeepTheirInstantFarFromTheReferenceDate) {
    const QDateTime dates[] = {utc("2000-12-31T23:59:50.250Z"), utc("2023-06-30T12:34:56.789Z"),
                               utc("1850-03-01T00:00:00Z"), utc("2200-01-01T10:00:00.500Z"),
                               utc("0100-01-01T00:00:00Z")};
    for (const QDateTime &date : dates) {
        const QVariant binary = roundTrip(date, Format::Binary);
        EXPECT_EQ(binary.typeId(), QMetaType::QDateTime);
        EXPECT_EQ(binary.toDateTime(), date) << date.toString(Qt::ISODateWithMs).toStdString();
        EXPECT_EQ(binary.toDateTime().timeSpec(), Qt::UTC);
        // The XML form holds whole seconds.
        const QDateTime xml = roundTrip(date, Format::Xml).toDateTime();
        EXPECT_LT(std::abs(xml.msecsTo(date)), 1000)
            << date.toString(Qt::ISODateWithMs).toStdString();
    }
    // Local times are stored as the instant they mean.
    const QDateTime local = utc("2023-06-30T12:00:00Z").toLocalTime();
    EXPECT_EQ(roundTrip(local, Format::Binary).toDateTime(), local);
}

TEST(PropertyListTest, GarbageAndDamagedDataGiveAnErrorAndNoValue) {
    const QByteArray garbage[] = {
        QByteArray(),
        QByteArray("hello world"),
        QByteArray("bplist00"),
        QByteArray("bplist00 and then some noise that is no trailer at all, none at all"),
        QByteArray("<plist version=\"1.0\"><dict><string>a</string><true/></dict></plist>"),
        QByteArray("<plist version=\"1.0\"><array><string>x</array></plist>"),
        QByteArray("<plist version=\"1.0\"><integer>12</string></plist>"),
        QByteArray("<plist version=\"1.0\"><string>&bogus;</string></plist>"),
        QByteArray("<plist version=\"1.0\"><array><true/>"),
        QByteArray("<plist version=\"1.0\"><dict><key>a</key><key>b</key><true/></dict></plist>"),
        QByteArray("\0\0\0\0\0\0\0\0\0", 9),
        nestedBinaryArrays(3, /*cycle=*/true),
    };
    for (const QByteArray &data : garbage) {
        QString error;
        EXPECT_FALSE(PropertyList::fromData(data, &error).isValid()) << data.toStdString();
        EXPECT_FALSE(error.isEmpty()) << data.toStdString();
    }
}

// libplist aborts the process on reading a dictionary key that holds a NUL.
TEST(PropertyListTest, DictionaryKeysHoldingANulAreRefusedInsteadOfAborting) {
    QByteArray ascii = PropertyList::toData(QVariantMap{{"ab", true}}, Format::Binary);
    ascii[ascii.indexOf("ab") + 1] = '\0';
    // U+0100 makes the key UTF-16: "a" then 0x01 0x00.
    QByteArray utf16 =
        PropertyList::toData(QVariantMap{{QString::fromUtf8("a\u0100"), 1}}, Format::Binary);
    utf16[utf16.indexOf(QByteArray("\0a\x01\0", 4)) + 2] = '\0';
    // What the step-archive fuzzer found: a NUL in a key of a dictionary nested in an array.
    const QByteArray found = QByteArray::fromHex(
        "62706c6973743030a3110c11d4020304050607090b5f102452656e616d653a2046696e642f5265000000f565"
        "3a2051756572527967202065736945785f102152656e617e653a20fcffffff2f5265706c6163653a20526570"
        "6c6163656d656e745f101c526553616d653a2046696e642f5265706c6163653a20546172676574545461736b"
        "09a1185424322431a10a575e282e29282e291000d20d050e105f101652656e616d653a20496e736572743a20"
        "537472696e67a10f552d646f6e651067d21205130f00000073746564d21415161c51615464617465a3171819"
        "1001234004000000000000d11a1b51624200013241c5f13320000000080c153c607f8485878c8e96989dc0b8"
        "bec021ccd1d3d8dcde0000000000000000000000000000000000000000000000000000000000000000000000"
        "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000e7"
        "eaecef0000000000000101000000000000001d000000000000000000000000000000f8");
    for (const QByteArray &data : {ascii, utf16, found}) {
        QString error;
        EXPECT_FALSE(PropertyList::fromData(data, &error).isValid()) << data.toHex().toStdString();
        EXPECT_TRUE(error.contains("NUL")) << error.toStdString();
    }
    // A NUL inside a value, not a key, does not make the list unreadable (libplist cuts the
    // string there).
    QByteArray value =
        PropertyList::toData(QVariantMap{{"k", QStringLiteral("xy")}}, Format::Binary);
    value[value.indexOf("xy") + 1] = '\0';
    EXPECT_EQ(PropertyList::fromData(value).toMap().value("k").toString().left(1), "x");
}

TEST(PropertyListTest, TruncatedAndCorruptedDataNeverCrashes) {
    const QVariantMap sample{
        {"Renamers", QVariantList{QVariantMap{{"Task", qint64(100)}, {"On", true}},
                                  QVariantMap{{"Name", QStringLiteral("Bild ü")}, {"N", -1}}}},
        {"Date", utc("2020-01-01T00:00:00Z")},
        {"Data", QByteArray("abc")},
        {"Real", 2.5}};
    for (const Format format : kBothForms) {
        const QByteArray data = PropertyList::toData(sample, format);
        for (qsizetype length = 0; length < data.size(); ++length) {
            QString error;
            const QVariant value = PropertyList::fromData(data.left(length), &error);
            if (!value.isValid()) {
                EXPECT_FALSE(error.isEmpty()) << formName(format) << length;
            }
        }
        QRandomGenerator random(1234);
        for (int round = 0; round < 2000; ++round) {
            QByteArray damaged = data;
            for (int flips = 0; flips < 3; ++flips)
                damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
            PropertyList::fromData(damaged);
        }
    }
}

TEST(PropertyListTest, DeeplyNestedDataIsRefusedInsteadOfOverflowingTheStack) {
    QString error;
    EXPECT_FALSE(PropertyList::fromData(nestedXmlArrays(200000), &error).isValid());
    EXPECT_FALSE(error.isEmpty());
    // Closing tags inside comments or CDATA do not close anything.
    EXPECT_FALSE(PropertyList::fromData(nestedXmlArrays(200000, "<!-- </array> -->")).isValid());
    EXPECT_FALSE(PropertyList::fromData(nestedXmlArrays(200000, "<!--> </array> -->")).isValid());
    EXPECT_FALSE(PropertyList::fromData(nestedXmlArrays(200000, "<?x </array> ?>")).isValid());
    EXPECT_FALSE(
        PropertyList::fromData(nestedXmlArrays(200000, "<string><![CDATA[</array>]]></string>"))
            .isValid());
    // Containers inside a comment are no containers.
    const QByteArray commented = "<plist version=\"1.0\"><!-->" +
                                 QByteArray("<array>").repeated(1000) + "--><true/></plist>";
    EXPECT_EQ(PropertyList::fromData(commented), QVariant(true));
    // "<?>" is a whole declaration to libplist: the arrays after it are real.
    const QByteArray declared = "<plist version=\"1.0\"><?>" +
                                QByteArray("<array>").repeated(200000) + "?>" +
                                QByteArray("</array>").repeated(200000) + "</plist>";
    EXPECT_FALSE(PropertyList::fromData(declared).isValid());
    EXPECT_FALSE(PropertyList::fromData(nestedBinaryArrays(200000)).isValid());

    EXPECT_FALSE(PropertyList::fromData(nestedXmlArrays(513)).isValid());
    EXPECT_FALSE(PropertyList::fromData(nestedBinaryArrays(513)).isValid());
    EXPECT_EQ(PropertyList::fromData(nestedXmlArrays(512)), nestedLists(512));
    EXPECT_EQ(PropertyList::fromData(nestedBinaryArrays(512)), nestedLists(512));
    // Many containers side by side are not nesting.
    const QVariantList wide(5000, QVariantMap{{"k", QVariantList{qint64(1)}}});
    for (const Format format : kBothForms) EXPECT_EQ(roundTrip(wide, format).toList(), wide);
}

TEST(PropertyListTest, FilesAreWrittenAtomicallyIntoNewFolders) {
    TestDir dir;
    const QString path = dir.filePath("new/folder/Default.tva");
    const QVariantList steps{QVariantMap{{"Task", qint64(103)}}};
    QString error;
    ASSERT_TRUE(PropertyList::writeFile(path, steps, Format::Binary, &error))
        << error.toStdString();
    EXPECT_EQ(PropertyList::readFile(path, &error), QVariant(steps));
    EXPECT_EQ(QDir(dir.filePath("new/folder")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Default.tva"});

    // Overwriting replaces the content and leaves no temporary file behind.
    ASSERT_TRUE(PropertyList::writeFile(path, QVariantMap{{"a", true}}, Format::Xml, &error));
    EXPECT_EQ(PropertyList::readFile(path), QVariant(QVariantMap{{"a", true}}));
    EXPECT_EQ(QDir(dir.filePath("new/folder")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Default.tva"});

    // A value that cannot be written leaves the file as it was.
    EXPECT_FALSE(PropertyList::writeFile(path, QVariant(), Format::Xml, &error));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_EQ(PropertyList::readFile(path), QVariant(QVariantMap{{"a", true}}));
}

TEST(PropertyListTest, FileErrorsNameThePath) {
    TestDir dir;
    QString error;
    const QString missing = dir.filePath("missing.plist");
    EXPECT_FALSE(PropertyList::readFile(missing, &error).isValid());
    EXPECT_TRUE(error.contains(missing)) << error.toStdString();

    const QString garbage = dir.makeFile("garbage.plist", "not a plist");
    EXPECT_FALSE(PropertyList::readFile(garbage, &error).isValid());
    EXPECT_TRUE(error.contains(garbage)) << error.toStdString();

    const QString blocker = dir.makeFile("blocker", "a file where a folder should be");
    const QString blocked = blocker + "/inner.plist";
    EXPECT_FALSE(PropertyList::writeFile(blocked, QVariantList(), Format::Xml, &error));
    EXPECT_TRUE(error.contains(blocked)) << error.toStdString();
}

TEST(PropertyListTest, RealsReadTheSameUnderALocaleWithADecimalComma) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    TestDir dir;
    const bool hadLocalePath = qEnvironmentVariableIsSet("LOCPATH");
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        // No German locale installed: build one into a temporary folder.
        QProcess::execute("localedef", {"-i", "de_DE", "-f", "UTF-8", dir.filePath("de_DE.UTF-8")});
        qputenv("LOCPATH", dir.path().toUtf8());
    }
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || *std::localeconv()->decimal_point != ',')
        GTEST_SKIP() << "no locale with a decimal comma can be had here";

    const QByteArray xml =
        "<plist version=\"1.0\"><array><real>2.25</real><real>-1.5e-3</real></array></plist>";
    const QVariant values = PropertyList::fromData(xml);
    const QVariant written = roundTrip(QVariantList{0.5, 1234.125}, Format::Xml);
    std::setlocale(LC_NUMERIC, previous.c_str());
    if (!hadLocalePath) qunsetenv("LOCPATH");
    EXPECT_EQ(values, QVariant(QVariantList{2.25, -0.0015}));
    EXPECT_EQ(written, QVariant(QVariantList{0.5, 1234.125}));
}
