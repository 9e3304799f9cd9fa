#pragma once

#include <QByteArray>
#include <QList>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "common/HelperThread.h"
#include "journal/RunJournal.h"

// The journal's text of a run's plan, in pieces of a stretch of moves each, encoded by two
// threads and handed out in order. Encoding the plan is the longest wait before a run's first
// move; a second thread halves it. The second thread keeps only a few pieces ahead of the
// writing, so a long plan is never held whole.
class PlanPieces {
public:
    // `header` starts the first piece.
    PlanPieces(const QByteArray &header, const QList<JournalMove> &planned);
    ~PlanPieces();
    PlanPieces(const PlanPieces &) = delete;
    PlanPieces &operator=(const PlanPieces &) = delete;

    // Hands every piece to `write` in order, encoding on this thread too; stops at the first
    // false and answers it.
    bool writeAll(const std::function<bool(QByteArrayView)> &write);

private:
    // The next stretch to encode, none when every one is taken or none may be yet.
    std::optional<size_t> claim();
    void encode(size_t stretch);
    void helpEncoding();

    QByteArray header_;
    const QList<JournalMove> &planned_;
    size_t stretchCount_ = 0;
    std::vector<QByteArray> pieces_;
    std::unique_ptr<std::atomic<bool>[]> encoded_;
    std::atomic<size_t> nextToClaim_{0};
    // Pieces handed to `write` so far; the second thread waits for it to stay close.
    std::atomic<size_t> written_{0};
    std::atomic<bool> stopped_{false};
    HelperThread helper_;
};
