#include "cli/RecordPrinter.h"

#include "cli/JsonLine.h"

namespace {

// The error a record shows, "" when none.
QString errorOf(const ZKFileRepresentation &record)
{
    QString error;
    record.hasRelevantRenameNameWithError(&error);
    return error;
}

}  // namespace

void RecordPrinter::print(const ZKFileRepresentation &record,
                          const QList<std::pair<QString, QString>> &extra)
{
    out_ << (json_ ? jsonLine(record, extra) : plainLine(record, extra)) << '\n';
}

QString RecordPrinter::lightName(ZKStatusLight light)
{
    switch (light) {
    case ZKStatusLight::Green: return QStringLiteral("green");
    case ZKStatusLight::Yellow: return QStringLiteral("yellow");
    case ZKStatusLight::Red: return QStringLiteral("red");
    case ZKStatusLight::Grey: break;
    }
    return QStringLiteral("grey");
}

QString RecordPrinter::plainLine(const ZKFileRepresentation &record,
                                 const QList<std::pair<QString, QString>> &extra) const
{
    QString line = QStringLiteral("[%1]").arg(lightName(record.statusLight())).leftJustified(9);
    line += record.name();
    if (record.hasRenameName() && record.renameName() != record.name())
        line += QStringLiteral(" -> ") + record.renameName();
    QStringList notes;
    const QString error = errorOf(record);
    if (!error.isEmpty()) notes << error;
    notes << record.warnings();
    for (const auto &[key, value] : extra) notes << key + ": " + value;
    if (!notes.isEmpty()) line += QStringLiteral("  (") + notes.join("; ") + ")";
    return line;
}

QString RecordPrinter::jsonLine(const ZKFileRepresentation &record,
                                const QList<std::pair<QString, QString>> &extra) const
{
    const QString error = errorOf(record);
    JsonLine line;
    line.add("path", record.path())
        .add("name", record.name())
        .addNullable("newName", record.hasRenameName() ? record.renameName() : QString())
        .add("light", lightName(record.statusLight()))
        .add("warnings", record.warnings())
        .addNullable("error", error.isEmpty() ? QString() : error)
        .add("interim", record.intermediateNames());
    for (const auto &[key, value] : extra) line.add(key, value);
    return line.toString();
}
