#pragma once

#include <QByteArray>
#include <QStringEncoder>
#include <QTextStream>
#include <QVarLengthArray>
#include <memory>
#include <optional>

#include "records/ZKFileRepresentation.h"

// Prints records as the CLI's output lines: plain text for people, or one JSON object per
// line for scripts. The format is relied on by scripts: keep it stable.
class RecordPrinter {
public:
    // What a line shows of a record, taken at one moment: a rename run changes the record,
    // and its line should still tell what was planned.
    struct Line {
        // What most lines lack, kept apart: a rename run keeps a line of every item.
        struct Notes {
            QString error;  // "" when none
            QStringList warnings;
            QStringList interim;
        };

        QString path;
        QString name;
        QString newName;  // null when there is none
        ZKStatusLight light = ZKStatusLight::Grey;
        std::shared_ptr<const Notes> notes;  // null when every note is empty

        const Notes &notesOrNone() const;
    };

    RecordPrinter(QTextStream &out, bool json) : out_(out), json_(json) {}
    // Writes out the lines it holds.
    ~RecordPrinter();
    RecordPrinter(const RecordPrinter &) = delete;
    RecordPrinter &operator=(const RecordPrinter &) = delete;

    // Writes the lines it holds through to the stream's device: due before anything else is
    // written to the stream, and before the process ends without its teardown.
    void flush();

    // Plain lines show their light in its colour (ANSI escapes), for a terminal.
    void setColored(bool colored) { colored_ = colored; }

    static Line lineOf(const ZKFileRepresentation &record);
    // The notes of the record's line alone, none when every one is empty.
    static std::shared_ptr<const Line::Notes> notesOf(const ZKFileRepresentation &record);

    // One line for the record; extra members (such as a rename outcome) go at the end.
    void print(const ZKFileRepresentation &record,
               const QList<std::pair<QString, QString>> &extra = {});
    void print(const Line &line, const QList<std::pair<QString, QString>> &extra = {});

    static QString lightName(ZKStatusLight light);

private:
    static QString colorOf(ZKStatusLight light);
    static const QString &lightColumn(ZKStatusLight light, bool colored);
    // The pieces of a plain line, views of strings that outlive the line.
    using Pieces = QVarLengthArray<QStringView, 16>;
    void plainPieces(const Line &line, const QList<std::pair<QString, QString>> &extra,
                     Pieces *pieces) const;
    QString jsonLine(const Line &line, const QList<std::pair<QString, QString>> &extra) const;
    // One line of these pieces and its end.
    void writeLine(const Pieces &pieces);

    QTextStream &out_;
    bool json_;
    bool colored_ = false;
    // A stream on a device gets its lines as UTF-8 in large pieces: the stream would take each
    // line into a buffer of its own, let that buffer go at every flush and grow it again line
    // by line, and a long run prints a line per item.
    QStringEncoder encoder_{QStringEncoder::Utf8};
    QByteArray held_;
    // A stream on a string gets the text of each line, made in this room.
    QString text_;
};
