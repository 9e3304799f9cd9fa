#include "cli/RecordPrinter.h"

#include <QFileDevice>
#include <array>
#include <initializer_list>

#include "cli/JsonLine.h"

RecordPrinter::Line RecordPrinter::lineOf(const ZKFileRepresentation &record) {
    Line line;
    line.path = record.path();
    line.name = record.name();
    if (record.hasRenameName()) line.newName = record.renameName();
    line.light = record.statusLight();
    line.notes = notesOf(record);
    return line;
}

std::shared_ptr<const RecordPrinter::Line::Notes> RecordPrinter::notesOf(
    const ZKFileRepresentation &record) {
    Line::Notes notes;
    record.hasRelevantRenameNameWithError(&notes.error);
    notes.warnings = record.warnings();
    notes.interim = record.intermediateNames();
    if (notes.error.isEmpty() && notes.warnings.isEmpty() && notes.interim.isEmpty()) return {};
    return std::make_shared<const Line::Notes>(std::move(notes));
}

const RecordPrinter::Line::Notes &RecordPrinter::Line::notesOrNone() const {
    static const Notes none;
    return notes ? *notes : none;
}

void RecordPrinter::print(const ZKFileRepresentation &record,
                          const QList<std::pair<QString, QString>> &extra) {
    print(lineOf(record), extra);
}

namespace {

// What is held goes out once it reaches this much.
constexpr qsizetype heldBytes = 64 * 1024;

}  // namespace

RecordPrinter::~RecordPrinter() { flush(); }

void RecordPrinter::print(const Line &line, const QList<std::pair<QString, QString>> &extra) {
    Pieces pieces;
    QString json;
    if (json_) {
        json = jsonLine(line, extra);
        pieces.append(json);
    } else {
        plainPieces(line, extra, &pieces);
    }
    writeLine(pieces);
}

void RecordPrinter::writeLine(const Pieces &pieces) {
    qsizetype size = 0;
    for (const QStringView piece : pieces) size += piece.size();
    // The stream encodes as this printer would where it writes UTF-8 to a device.
    if (!out_.device() || out_.encoding() != QStringConverter::Utf8 ||
        out_.generateByteOrderMark()) {
        text_.resize(size);
        char16_t *to = reinterpret_cast<char16_t *>(text_.data());
        for (const QStringView piece : pieces)
            to = std::copy(piece.utf16(), piece.utf16() + piece.size(), to);
        out_ << text_ << '\n';
        return;
    }
    const qsizetype start = held_.size();
    held_.resize(start + encoder_.requiredSpace(size + 1));
    char *to = held_.data() + start;
    for (const QStringView piece : pieces) to = encoder_.appendToBuffer(to, piece);
    // Through the encoder too: a surrogate left alone at the end of a line is encoded as the
    // stream would.
    to = encoder_.appendToBuffer(to, u"\n");
    held_.resize(to - held_.constData());
    if (held_.size() >= heldBytes) flush();
}

void RecordPrinter::flush() {
    if (held_.isEmpty()) return;
    // What the stream was given before goes first.
    out_.flush();
    QIODevice *device = out_.device();
    if (device->write(held_) != held_.size()) out_.setStatus(QTextStream::WriteFailed);
    if (auto *file = qobject_cast<QFileDevice *>(device)) file->flush();
    held_.resize(0);  // keeps its room
}

QString RecordPrinter::lightName(ZKStatusLight light) {
    switch (light) {
        case ZKStatusLight::Green:
            return QStringLiteral("green");
        case ZKStatusLight::Yellow:
            return QStringLiteral("yellow");
        case ZKStatusLight::Red:
            return QStringLiteral("red");
        case ZKStatusLight::Grey:
            break;
    }
    return QStringLiteral("grey");
}

QString RecordPrinter::colorOf(ZKStatusLight light) {
    switch (light) {
        case ZKStatusLight::Green:
            return QStringLiteral("\033[32m");
        case ZKStatusLight::Yellow:
            return QStringLiteral("\033[33m");
        case ZKStatusLight::Red:
            return QStringLiteral("\033[31m");
        case ZKStatusLight::Grey:
            break;
    }
    return QStringLiteral("\033[2m");  // dim
}

// "[green]  " and the like, padded to one width; made once per light, since a long list
// prints one per line.
const QString &RecordPrinter::lightColumn(ZKStatusLight light, bool colored) {
    static const auto columns = [] {
        std::array<std::array<QString, 2>, 4> made;
        for (const ZKStatusLight each : {ZKStatusLight::Grey, ZKStatusLight::Green,
                                         ZKStatusLight::Yellow, ZKStatusLight::Red}) {
            const QString label = QStringLiteral("[%1]").arg(lightName(each));
            const QString padding = QString(qMax<qsizetype>(0, 9 - label.size()), u' ');
            made[size_t(each)] = {label + padding,
                                  colorOf(each) + label + QStringLiteral("\033[0m") + padding};
        }
        return made;
    }();
    return columns[size_t(light)][colored ? 1 : 0];
}

void RecordPrinter::plainPieces(const Line &line, const QList<std::pair<QString, QString>> &extra,
                                Pieces *into) const {
    // The pieces first, then the line in one go: a long run prints a line per item, and
    // appending piece by piece cost more than the copies themselves.
    Pieces &pieces = *into;
    pieces.append(lightColumn(line.light, colored_));
    pieces.append(line.name);
    if (!line.newName.isNull() && line.newName != line.name) {
        pieces.append(u" -> ");
        pieces.append(line.newName);
    }
    // The notes in one string, without a list of them.
    bool noted = false;
    const auto note = [&](std::initializer_list<QStringView> parts) {
        pieces.append(noted ? u"; " : u"  (");
        pieces.append(parts.begin(), qsizetype(parts.size()));
        noted = true;
    };
    const Line::Notes &notes = line.notesOrNone();
    if (!notes.error.isEmpty()) note({notes.error});
    for (const QString &warning : notes.warnings) note({warning});
    for (const auto &[key, value] : extra) note({key, u": ", value});
    if (noted) pieces.append(u")");
}

QString RecordPrinter::jsonLine(const Line &line,
                                const QList<std::pair<QString, QString>> &extra) const {
    const Line::Notes &notes = line.notesOrNone();
    JsonLine json;
    json.add("path", line.path)
        .add("name", line.name)
        .addNullable("newName", line.newName)
        .add("light", lightName(line.light))
        .add("warnings", notes.warnings)
        .addNullable("error", notes.error.isEmpty() ? QString() : notes.error)
        .add("interim", notes.interim);
    for (const auto &[key, value] : extra) json.add(key, value);
    return json.toString();
}
