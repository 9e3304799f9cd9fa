#pragma once

#include <QTextStream>
#include <optional>

#include "files/ZKFileRepresentation.h"

// Prints records as the CLI's output lines: plain text for people, or one JSON object per
// line for scripts. The format is relied on by scripts: keep it stable.
class RecordPrinter {
public:
    RecordPrinter(QTextStream &out, bool json) : out_(out), json_(json) {}

    // One line for the record; extra members (such as a rename outcome) go at the end.
    void print(const ZKFileRepresentation &record,
               const QList<std::pair<QString, QString>> &extra = {});

    static QString lightName(ZKStatusLight light);

private:
    QString plainLine(const ZKFileRepresentation &record,
                      const QList<std::pair<QString, QString>> &extra) const;
    QString jsonLine(const ZKFileRepresentation &record,
                     const QList<std::pair<QString, QString>> &extra) const;

    QTextStream &out_;
    bool json_;
};
