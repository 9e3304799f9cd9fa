#include "journal/PlanPieces.h"

#include "journal/JournalFormat.h"

namespace {

// Moves per piece: some hundred kilobytes of text, each written while the next is encoded.
constexpr qsizetype kMovesPerStretch = 1024;
// How many pieces may wait encoded for their turn to be written. Writing a piece is quicker
// than encoding one, so two keep the writer busy; each more is fresh memory to fault in.
constexpr size_t kMostPiecesAhead = 2;

// A planned move, with its item's device and inode where they are known.
void appendPlanLine(QByteArray &content, const JournalMove &move) {
    JournalFormat::RecordWriter record(content, JournalFormat::planKind);
    record.bytes(move.from).bytes(move.to);
    if (move.device != 0 || move.inode != 0) record.number(move.device).number(move.inode);
    record.end();
}

}  // namespace

PlanPieces::PlanPieces(const QByteArray &header, const QList<JournalMove> &planned)
    : header_(header),
      planned_(planned),
      stretchCount_(
          size_t(qMax<qsizetype>(1, (planned.size() + kMovesPerStretch - 1) / kMovesPerStretch))),
      pieces_(stretchCount_),
      encoded_(std::make_unique<std::atomic<bool>[]>(stretchCount_)) {
    if (stretchCount_ > 1) helper_ = HelperThread([this] { helpEncoding(); });
}

PlanPieces::~PlanPieces() {
    stopped_ = true;
    written_ = stretchCount_;
    written_.notify_all();
    if (helper_.joinable()) helper_.join();
}

std::optional<size_t> PlanPieces::claim() {
    size_t next = nextToClaim_.load();
    while (next < stretchCount_ && !stopped_) {
        if (next >= written_.load() + kMostPiecesAhead) return std::nullopt;
        if (nextToClaim_.compare_exchange_weak(next, next + 1)) return next;
    }
    return std::nullopt;
}

void PlanPieces::encode(size_t stretch) {
    QByteArray &piece = pieces_[stretch];
    if (stretch == 0) piece = header_;
    const qsizetype first = qsizetype(stretch) * kMovesPerStretch;
    const qsizetype end = qMin(first + kMovesPerStretch, planned_.size());
    // Room for typical lines up front: growing copies the piece.
    piece.reserve(piece.size() + (end - first) * 128);
    for (qsizetype place = first; place < end; ++place) appendPlanLine(piece, planned_[place]);
    encoded_[stretch].store(true, std::memory_order_release);
    encoded_[stretch].notify_one();
}

void PlanPieces::helpEncoding() {
    while (!stopped_ && nextToClaim_.load() < stretchCount_) {
        if (const std::optional<size_t> stretch = claim()) {
            encode(*stretch);
            continue;
        }
        // Far enough ahead: wait for the writing to catch up.
        const size_t seen = written_.load();
        if (nextToClaim_.load() >= seen + kMostPiecesAhead) written_.wait(seen);
    }
}

bool PlanPieces::writeAll(const std::function<bool(QByteArrayView)> &write) {
    for (size_t stretch = 0; stretch < stretchCount_; ++stretch) {
        while (!encoded_[stretch].load(std::memory_order_acquire)) {
            // Encoding a later piece beats waiting for this one.
            if (const std::optional<size_t> other = claim())
                encode(*other);
            else
                encoded_[stretch].wait(false, std::memory_order_acquire);
        }
        const bool fine = write(pieces_[stretch]);
        pieces_[stretch] = QByteArray();
        written_.store(stretch + 1);
        written_.notify_one();
        if (!fine) {
            stopped_ = true;
            return false;
        }
    }
    return true;
}
