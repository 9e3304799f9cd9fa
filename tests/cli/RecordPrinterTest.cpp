#include <gtest/gtest.h>

#include <QBuffer>

#include "cli/RecordPrinter.h"
#include "support/QtPrinters.h"

namespace {

// Lines with the odd ones among them: a character beyond the first plane (two UTF-16 units)
// and a surrogate left alone at the end of a line, which must not spill into the next one.
QList<RecordPrinter::Line> someLines(int count) {
    QList<RecordPrinter::Line> lines;
    for (int i = 0; i < count; ++i) {
        RecordPrinter::Line line;
        line.path = QStringLiteral("/some/folder/file %1.txt").arg(i);
        line.name = i % 7 == 3   ? QStringLiteral("a\U0001F600b %1.txt").arg(i)
                    : i % 7 == 5 ? QStringLiteral("lone %1 ").arg(i) + QChar(0xD83D)
                                 : QStringLiteral("file %1.txt").arg(i);
        if (i % 7 != 5) line.newName = line.name + QStringLiteral(" copy");
        line.light = ZKStatusLight::Green;
        lines.append(line);
    }
    return lines;
}

void print(QTextStream &out, bool json, const QList<RecordPrinter::Line> &lines) {
    out << "before\n";
    {
        RecordPrinter printer(out, json);
        for (const RecordPrinter::Line &line : lines)
            printer.print(line, line.newName.isNull()
                                    ? QList<std::pair<QString, QString>>()
                                    : QList<std::pair<QString, QString>>{{"outcome", "renamed"}});
        printer.flush();
        out << "after\n";
    }
    out.flush();
}

}  // namespace

// A stream on a device gets the lines in large pieces, past the stream's own buffer: the
// bytes must be those the stream would write itself, in the order they were given.
TEST(RecordPrinterTest, LinesThroughADeviceAreTheStreamsOwnBytesInOrder) {
    // Some 200 KB: several pieces go out before the end.
    const QList<RecordPrinter::Line> lines = someLines(3000);
    for (const bool json : {false, true}) {
        QString text;
        QTextStream onString(&text);
        print(onString, json, lines);
        // What the stream itself writes of that text on a device.
        QBuffer expected;
        expected.open(QIODevice::WriteOnly);
        QTextStream(&expected) << text;

        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QTextStream onDevice(&buffer);
        print(onDevice, json, lines);

        EXPECT_GT(buffer.data().size(), 150'000);
        EXPECT_TRUE(buffer.data().startsWith("before\n")) << json;
        EXPECT_TRUE(buffer.data().endsWith("after\n")) << json;
        EXPECT_EQ(buffer.data(), expected.data()) << json;
    }
}
