// The run journal reader (formats 1 to 3) on any bytes: it reads the journal or names the
// damage; it never crashes, and what it reads is consistent.

#include <cstdlib>

#include "FuzzInput.h"
#include "journal/JournalFormat.h"
#include "journal/JournalStore.h"

namespace {

// Inputs whose first byte is odd hold lines without checksums: they are added, so that the
// fuzzer reaches the records' meaning instead of stopping at the checksum.
QByteArray journalBytes(const QByteArray &input) {
    if (input.isEmpty() || (input[0] & 1) == 0) return input;
    QByteArray journal;
    for (const QByteArray &line : input.mid(1).split('\n'))
        journal += JournalFormat::line(line.split(' '));
    return journal;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes = journalBytes(FuzzInput::bytes(data, size));
    const QString path = FuzzInput::writeScratchFile(QStringLiteral("journal"), bytes);
    JournalSummary summary;
    QString error;
    JournalStore::readSummary(path, &summary, &error);
    Journal journal;
    if (JournalStore::read(path, &journal, &error) &&
        (journal.validLength < 0 || journal.validLength > bytes.size()))
        std::abort();
    QByteArrayList fields;
    for (const QByteArray &line : bytes.split('\n')) JournalFormat::parseLine(line, &fields);
    return 0;
}
