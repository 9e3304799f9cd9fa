#include "run/RenameRunLoop.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>

#include "common/Log.h"
#include "common/PathExtension.h"
#include "common/TextCase.h"
#include "interaction/ZKUserInteraction.h"
#include "journal/RunJournal.h"
#include "platform/FileAttributes.h"
#include "platform/LetterCase.h"
#include "run/ItemMover.h"
#include "run/MovesAhead.h"
#include "run/RenameAlerts.h"

namespace {

// Free names for an item moved out of the way: "<path>_0" to "<path>_9999".
constexpr int asideNameCount = 10000;

RenameRunLoop::Clock monotonicClock() {
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    return [timer] { return timer->elapsed(); };
}

}  // namespace

RenameRunLoop::RenameRunLoop(const QList<ZKFileRepresentationPtr> &records, ZKUserInteraction &user,
                             ItemMover &mover, Clock clock)
    : records_(records),
      user_(user),
      mover_(mover),
      clock_(clock ? std::move(clock) : monotonicClock()),
      folderContents_(
          std::any_of(records.cbegin(), records.cend(),
                      [](const ZKFileRepresentationPtr &record) { return record->isFolder(); })
              ? std::make_optional<ListedFolderContents>(records)
              : std::nullopt) {}

RenameRunLoop::~RenameRunLoop() {
    mover_.setMovesAhead(nullptr);
    mover_.setJournal(nullptr);
    mover_.setFolderNames(nullptr);
}

QList<JournalMove> RenameRunLoop::plannedMoves() {
    indexRelevantRecords();
    return planned_;
}

bool RenameRunLoop::run(qsizetype relevantCount, RunJournal &journal) {
    relevantCount_ = relevantCount;
    indexRelevantRecords();
    // Every step on disk is journalled where it is made.
    mover_.setJournal(&journal);
    mover_.setFolderNames(&folderNames_);
    user_.setRenameButtonState(
        ZKRenameButtonState::stopButton(1.0 / double(relevantCount_ + 1), tr("Renaming...")));
    startMovesAhead();
    if (whileMovesStart_) whileMovesStart_();
    const bool successful = renameInOrder();
    settleMovesAhead();
    return successful;
}

bool RenameRunLoop::renameInOrder() {
    bool successful = true;
    qsizetype done = 0;
    const qsizetype last = records_.size() - 1;
    const auto turnEnded = [this](qsizetype index) {
        if (turnObserver_) turnObserver_(index, outcomes_);
    };
    for (qsizetype index = 0; index <= last; ++index) {
        // The last record is checked even when it is not renamed, so the end shows.
        const bool planned = isPending(records_.at(index).get());
        if (!planned && index != last) {
            turnEnded(index);
            continue;
        }
        if (checkForStop(index, done, index == last)) return false;
        if (!planned) {
            turnEnded(index);
            continue;
        }

        bool renamed = false;
        const bool goOn = renameRecord(index, &renamed);
        ++done;
        successful = successful && renamed;
        turnEnded(index);
        if (!goOn) return false;
    }
    return successful;
}

void RenameRunLoop::indexRelevantRecords() {
    if (indexed_) return;
    indexed_ = true;
    // Before any move, in one quick pass: the folders are those listed, most of them read
    // once for all their items. The run itself looks by path, as it moves by path.
    // The relevant records first, so that the tables get their room at once: growing them
    // rehashes and copies them.
    QList<qsizetype> relevant;
    for (qsizetype index = 0; index < records_.size(); ++index)
        if (records_.at(index)->hasRelevantRenameNameWithError(nullptr)) relevant.append(index);
    // The folder of the first item, where most runs work, is read while the plan is made:
    // every item counts once where it is and once where it goes.
    if (!relevant.isEmpty())
        folderNames_.readAheadFolderOf(records_.at(relevant.first())->nativePath(),
                                       2 * relevant.size());
    planned_.reserve(relevant.size());
    indexedPaths_.reserve(relevant.size());
    outcomes_.reserve(relevant.size());
    planPositions_.fill(-1, records_.size());
    for (const qsizetype index : std::as_const(relevant)) {
        const ZKFileRepresentationPtr &record = records_.at(index);
        outcomes_.insert(record.get(), RenameOutcome::NotReached);
        planPositions_[index] = planned_.size();
        planned_.append({record->nativePath(), record->nativeRenamePath()});
        folderNames_.expect(planned_.last().from);
        folderNames_.expect(planned_.last().to);
    }
    for (qsizetype at = 0; at < relevant.size(); ++at) {
        JournalMove &planned = planned_[at];
        const FileAttributes::FileIdentity identity = folderNames_.identity(planned.from);
        if (identity.valid) {
            // Recovery knows the item again by these should the record of its move be lost.
            planned.device = identity.device;
            planned.inode = identity.inode;
        }
        indexedPaths_.append({records_.at(relevant.at(at))->path(), relevant.at(at)});
    }
    plannedRecords_ = relevant;
}

void RenameRunLoop::startMovesAhead() {
    prepareMovesAhead();
    if (!movesAhead_) return;
    movesAhead_->start();
    mover_.setMovesAhead(movesAhead_.get());
}

void RenameRunLoop::prepareMovesAhead() {
    if (movesAheadPrepared_) return;
    movesAheadPrepared_ = true;
    indexRelevantRecords();
    // A stop in a short run stays exact.
    constexpr qsizetype shortestStretch = MovesAhead::shortestStretch;
    if (!mover_.movesOnRealDisk() || planned_.size() < shortestStretch) return;
    auto ahead = std::make_unique<MovesAhead>();
    ahead->reserve(planned_.size());
    for (qsizetype place = 0; place < planned_.size(); ++place) {
        const JournalMove &planned = planned_.at(place);
        if (!canBeMadeAhead(place) ||
            !ahead->add(planned.from, planned.to,
                        records_.at(plannedRecords_.at(place))->listedFolder()))
            break;
    }
    if (ahead->size() >= shortestStretch) movesAhead_ = std::move(ahead);
}

bool RenameRunLoop::canBeMadeAhead(qsizetype place) {
    const JournalMove &planned = planned_.at(place);
    const ZKFileRepresentation &record = *records_.at(plannedRecords_.at(place));
    // Without its identity the move could not be found again by recovery; a folder carries
    // listed items along; a change of letter case goes through a temporary name.
    if ((planned.device == 0 && planned.inode == 0) || record.isFolder() ||
        planned.from == planned.to ||
        ItemMover::isEqualToNativePath(planned.from, planned.to, true))
        return false;
    // Two moves to one target cannot both be made: the second fails ahead, as it would here.
    return folderNames_.isKnownFree(planned.to);
}

void RenameRunLoop::settleMovesAhead() {
    if (!movesAhead_) return;
    movesAhead_->halt();
    mover_.setMovesAhead(nullptr);
    for (const qsizetype place : movesAhead_->untaken()) {
        const JournalMove &planned = planned_.at(place);
        const ZKFileRepresentationPtr &record = records_.at(plannedRecords_.at(place));
        mover_.recordMoveMadeAhead({planned.from, planned.to});
        record->didMoveTo(planned.to);
        outcomes_.insert(record.get(), RenameOutcome::Renamed);
    }
    movesAhead_.reset();
}

const QHash<RenameRunLoop::IdentityKey, QList<qsizetype>> &RenameRunLoop::relevantByIdentity() {
    // Made from the plan when an occupant first needs it; most runs meet none.
    if (!identitiesIndexed_) {
        identitiesIndexed_ = true;
        for (qsizetype index = 0; index < records_.size(); ++index) {
            if (planPositions_.at(index) < 0) continue;
            const JournalMove &planned = planned_.at(planPositions_.at(index));
            if (planned.device != 0 || planned.inode != 0)
                relevantByIdentity_[{planned.device, planned.inode}].append(index);
        }
    }
    return relevantByIdentity_;
}

const QHash<QString, QList<qsizetype>> &RenameRunLoop::relevantByLowercasePath() {
    // Lower-casing every path costs ICU work per record; most runs never need it.
    if (!indexedPaths_.isEmpty()) {
        for (const auto &[path, index] : std::as_const(indexedPaths_))
            relevantByLowercasePath_[TextCase::lower(path)].append(index);
        indexedPaths_.clear();
    }
    return relevantByLowercasePath_;
}

bool RenameRunLoop::isPending(const ZKFileRepresentation *record) const {
    const RenameOutcome current = outcome(record);
    return current == RenameOutcome::NotReached || current == RenameOutcome::MovedAside;
}

bool RenameRunLoop::checkForStop(qsizetype index, qsizetype done, bool force) {
    const qint64 now = clock_();
    if (!force && lastStopCheck_ && now - *lastStopCheck_ <= stopCheckInterval) return false;
    lastStopCheck_ = now;
    const ZKFileRepresentation &record = *records_.at(index);
    if (user_.stopRequested()) {
        // Nothing more is made ahead while the user is asked; the loop goes on without it.
        if (movesAhead_) movesAhead_->halt();
        ZKRenameButtonState pressed = ZKRenameButtonState::stopButton(0, QString());
        pressed.highlighted = true;
        pressed.progress = std::min(done + 1, relevantCount_ + 1) / double(relevantCount_ + 1);
        user_.setRenameButtonState(pressed);
        if (user_.runAlert(RenameAlerts::stopAlert()).button == 1) return true;
    }
    showProgress(record, done);
    return false;
}

void RenameRunLoop::showProgress(const ZKFileRepresentation &record, qsizetype done) {
    // A last record that is not renamed comes after all others: the counts stay in range.
    const qsizetype step = std::min(done + 2, relevantCount_ + 1);
    const QString description = tr("Renaming %1 (%2 of %3)")
                                    .arg(record.name())
                                    .arg(std::min(done + 1, relevantCount_))
                                    .arg(relevantCount_);
    user_.setRenameButtonState(
        ZKRenameButtonState::stopButton(step / double(relevantCount_ + 1), description));
}

QByteArray RenameRunLoop::targetOf(qsizetype index) const {
    const ZKFileRepresentation &record = *records_.at(index);
    const qsizetype position = planPositions_.value(index, -1);
    // Where the plan found the item, its target is the planned one; a folder above it moved
    // since puts the target beside where it is now.
    if (position >= 0 && planned_.at(position).from == record.nativePath())
        return planned_.at(position).to;
    return record.nativeRenamePath();
}

bool RenameRunLoop::renameRecord(qsizetype index, bool *renamed) {
    const ZKFileRepresentationPtr record = records_.at(index);
    const QByteArray target = targetOf(index);
    QByteArray oldPath = record->nativePath();
    bool cancel = false;
    bool moved = false;
    // Most targets are free, which the folder's names, read once, tell without a look-up. One
    // that someone else took since is found by the move itself.
    bool occupied = !folderNames_.isKnownFree(target) && FileAttributes::exists(target);
    if (!occupied) {
        mover_.noteFreeTarget(target);
        moved =
            !mover_.journalFailed() && record->renameToNativePath(target, false, &cancel, mover_);
        occupied = !moved && mover_.targetTakenAfterAll();
        mover_.noteFreeTarget(QByteArray());
    }
    // The record moved out of this one's way, and where it was.
    ZKFileRepresentationPtr madeWay;
    QByteArray madeWayFrom;
    if (occupied) {
        if (const ZKFileRepresentationPtr other = laterRecordAtTarget(index, target)) {
            madeWayFrom = other->nativePath();
            if (moveAside(other, target, &cancel)) madeWay = other;
            if (cancel) {
                outcomes_.insert(record.get(), RenameOutcome::Failed);
                return false;
            }
        }
        oldPath = record->nativePath();
        moved = !mover_.journalFailed() &&
                record->renameToNativePath(target, FileAttributes::exists(target), &cancel, mover_);
    }
    if (mover_.journalFailed()) cancel = true;
    if (moved) {
        *renamed = true;
        outcomes_.insert(record.get(), RenameOutcome::Renamed);
        fixFolderSideEffectsForFileRepresentation(*record, oldPath, record->nativePath());
        return !cancel;
    }
    outcomes_.insert(record.get(), cancel ? RenameOutcome::Failed : RenameOutcome::Skipped);
    // The way was made for nothing: the item goes back under its own name, which is free.
    if (madeWay && !FileAttributes::exists(madeWayFrom) && relocate(madeWay, madeWayFrom, &cancel))
        outcomes_.insert(madeWay.get(), RenameOutcome::NotReached);
    return !cancel;
}

ZKFileRepresentationPtr RenameRunLoop::laterRecordAtTarget(qsizetype index,
                                                           const QByteArray &target) {
    const FileAttributes::FileIdentity identity = FileAttributes::identity(target);
    if (!identity.valid) return nullptr;
    const QString lowercaseTarget = TextCase::lower(records_.at(index)->renamePath());
    const auto &byIdentity = relevantByIdentity();
    const auto found = byIdentity.constFind({identity.device, identity.inode});
    if (found != byIdentity.constEnd()) {
        for (const qsizetype later : *found) {
            const ZKFileRepresentationPtr &candidate = records_.at(later);
            if (later > index && isPending(candidate.get()) &&
                candidate->lowercasePath() == lowercaseTarget)
                return candidate;
        }
    }
    for (const qsizetype later : relevantByLowercasePath().value(lowercaseTarget)) {
        const ZKFileRepresentationPtr &candidate = records_.at(later);
        if (later > index && isPending(candidate.get()) &&
            LetterCase::isSourceApartFromCase(candidate->nativePath(), target))
            return candidate;
    }
    return nullptr;
}

bool RenameRunLoop::moveAside(const ZKFileRepresentationPtr &record, const QByteArray &target,
                              bool *cancel) {
    const QByteArray from = record->nativePath();
    for (int number = 0; number < asideNameCount; ++number) {
        const QByteArray aside = from + '_' + QByteArray::number(number);
        if (FileAttributes::exists(aside)) continue;
        if (!relocate(record, aside, cancel)) return false;
        Log::line(QStringLiteral("avoiding collision: %1")
                      .arg(PathExtension::lastPathComponent(QFile::decodeName(target))));
        outcomes_.insert(record.get(), RenameOutcome::MovedAside);
        return true;
    }
    return false;
}

bool RenameRunLoop::relocate(const ZKFileRepresentationPtr &record, const QByteArray &to,
                             bool *cancel) {
    const QByteArray from = record->nativePath();
    // A rename keeps the inode and with it the comment: there is none to give back.
    const bool moved = mover_.moveToPath(from, to, QString(), cancel);
    if (mover_.journalFailed()) *cancel = true;
    if (!moved) return false;
    record->setNativePath(to);
    fixFolderSideEffectsForFileRepresentation(*record, from, to);
    return true;
}

void RenameRunLoop::fixFolderSideEffectsForFileRepresentation(const ZKFileRepresentation &record,
                                                              const QByteArray &oldPath,
                                                              const QByteArray &newPath) {
    // Packages are folders too: listed items inside one must follow it just the same, or
    // their turn would find them vanished.
    if (record.isFolder() && folderContents_) folderContents_->folderDidMove(oldPath, newPath);
}
