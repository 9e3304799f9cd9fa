#include <gtest/gtest.h>

#include <QBuffer>

#include "cli/RecordPrinter.h"

// A stream on a device gets the lines in large pieces, past the stream's own buffer: the bytes
// must be those the stream writes itself of the same text, in order. Among the lines, a
// character past the first plane and a surrogate left alone at a line's end.
TEST(RecordPrinterTest, LinesThroughADeviceAreTheStreamsOwnBytesInOrder) {
    const auto print = [](QTextStream &out, bool json) {
        out << "before\n";
        RecordPrinter printer(out, json);
        for (int i = 0; i < 3000; ++i) {  // several pieces of 64 KB
            RecordPrinter::Line line;
            line.name = QStringLiteral("a\U0001F600 %1").arg(i);
            if (i % 7 == 0) line.name += QChar(0xD83D);
            if (i % 7) line.newName = line.name + ".txt";
            printer.print(line, i % 7 ? QList<std::pair<QString, QString>>{{"outcome", "done"}}
                                      : QList<std::pair<QString, QString>>{});
        }
        printer.flush();
        out << "after\n";
        out.flush();
    };
    for (const bool json : {false, true}) {
        QString text;
        QTextStream onString(&text);
        print(onString, json);
        QBuffer expected, buffer;
        expected.open(QIODevice::WriteOnly);
        QTextStream(&expected) << text;
        buffer.open(QIODevice::WriteOnly);
        QTextStream onDevice(&buffer);
        print(onDevice, json);
        EXPECT_EQ(buffer.data(), expected.data()) << json;
    }
}
