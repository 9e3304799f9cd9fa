#pragma once

#include <QTextStream>
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
    void writePlainLine(const Line &line, const QList<std::pair<QString, QString>> &extra,
                        QString *into) const;
    QString jsonLine(const Line &line, const QList<std::pair<QString, QString>> &extra) const;

    QTextStream &out_;
    bool json_;
    bool colored_ = false;
    // The text of the last plain line, kept for its room: a long run prints a line per item.
    QString plainText_;
};
