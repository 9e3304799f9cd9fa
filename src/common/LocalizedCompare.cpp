#include "common/LocalizedCompare.h"

#include <unicode/coll.h>
#include <unicode/locid.h>

#include <QLocale>
#include <memory>
#include <vector>

#include "common/AsciiSortKeys.h"
#include "common/Unicode.h"

namespace LocalizedCompare {

namespace {

icu::Locale userLocale() {
    const QString name = QLocale::system().name();
    // "C" and "POSIX" name no language; ICU would guess one from the environment instead.
    if (name.isEmpty() || name == u"C" || name == u"POSIX") return icu::Locale::getRoot();
    const icu::Locale locale(name.toLatin1().constData());
    return locale.isBogus() ? icu::Locale::getRoot() : locale;
}

std::unique_ptr<icu::Collator> makeCollator(const icu::Locale &locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(locale, status));
    if (U_FAILURE(status)) return nullptr;
    // Secondary strength ignores letter case but keeps accents apart.
    collator->setStrength(icu::Collator::SECONDARY);
    collator->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_ON, status);
    return U_SUCCESS(status) ? std::move(collator) : nullptr;
}

// Built once; every thread works on its own clone, since a collator keeps per-call state.
const icu::Collator *prototype() {
    static const std::unique_ptr<icu::Collator> collator = [] {
        std::unique_ptr<icu::Collator> made = makeCollator(userLocale());
        return made ? std::move(made) : makeCollator(icu::Locale::getRoot());
    }();
    return collator.get();
}

icu::Collator *collator() {
    thread_local const std::unique_ptr<icu::Collator> clone(prototype() ? prototype()->clone()
                                                                        : nullptr);
    return clone.get();
}

// Read from the first thread's clone, then only read: shared by every thread.
const AsciiSortKeys *asciiKeys() {
    static const std::unique_ptr<AsciiSortKeys> table = []() -> std::unique_ptr<AsciiSortKeys> {
        if (!collator()) return nullptr;
        auto made = std::make_unique<AsciiSortKeys>(*collator());
        return made->isUsable() ? std::move(made) : nullptr;
    }();
    return table.get();
}

}  // namespace

int compare(const QString &a, const QString &b) {
    icu::Collator *c = collator();
    if (!c) return a.compare(b, Qt::CaseInsensitive);
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result = c->compare(Unicode::toIcu(a), Unicode::toIcu(b), status);
    if (U_FAILURE(status)) return a.compare(b, Qt::CaseInsensitive);
    return static_cast<int>(result);
}

QByteArray sortKey(const QString &string) {
    thread_local std::vector<uint8_t> buffer;
    buffer.clear();
    const qsizetype size = appendSortKey(string, &buffer);
    return QByteArray(reinterpret_cast<const char *>(buffer.data()), size);
}

qsizetype appendSortKey(const QString &string, std::vector<uint8_t> *keys) {
    const size_t start = keys->size();
    icu::Collator *c = collator();
    if (!c) {
        const QByteArray folded = string.toCaseFolded().toUtf8();
        keys->insert(keys->end(), folded.cbegin(), folded.cend());
        return folded.size();
    }
    const auto *source = reinterpret_cast<const UChar *>(string.utf16());
    const auto length = static_cast<int32_t>(string.size());
    // Most names are plain ASCII, whose keys a table writes far faster than the collator.
    if (const AsciiSortKeys *ascii = asciiKeys()) {
        const qsizetype size = ascii->append(source, length, keys);
        if (size >= 0) return size;
    }
    // Written in place with room for most keys; a longer one is written again at its size.
    const int32_t room = 3 * length + 16;
    keys->resize(start + size_t(room));
    int32_t size = c->getSortKey(source, length, keys->data() + start, room);
    if (size > room) {
        keys->resize(start + size_t(size));
        size = c->getSortKey(source, length, keys->data() + start, size);
    }
    // The size counts the terminating zero byte, which adds nothing to the order.
    size = qMax(0, size - 1);
    keys->resize(start + size_t(size));
    return size;
}

}  // namespace LocalizedCompare
