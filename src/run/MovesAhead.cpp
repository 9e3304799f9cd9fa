#include "run/MovesAhead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/NativePath.h"
#include "platform/NoClobberMove.h"

namespace {

// Each open folder is a descriptor; a stretch over more folders ends there.
constexpr qsizetype maximumFolders = 64;

}  // namespace

MovesAhead::~MovesAhead() {
    halt();
    for (const int folder : std::as_const(folders_))
        if (folder >= 0) ::close(folder);
}

int MovesAhead::openFolder(QByteArrayView folder, const FileAttributes::FileIdentity &listed) {
    // A run's items come folder by folder.
    if (!moves_.isEmpty() &&
        folder == QByteArrayView(moves_.constLast().from).first(moves_.constLast().nameAt))
        return moves_.constLast().folder;
    const QByteArray path = folder.toByteArray();
    const auto known = folders_.constFind(path);
    if (known != folders_.constEnd()) return *known;
    if (folders_.size() == maximumFolders || !listed.valid) return -1;
    // The folder itself, never a symbolic link put in its place: the moves stay in what the
    // user listed whatever happens to the path meanwhile.
    int descriptor = ::open(path.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info;
    if (descriptor >= 0 && (::fstat(descriptor, &info) != 0 ||
                            !(FileAttributes::FileIdentity{
                                  quint64(info.st_dev), quint64(info.st_ino), true} == listed))) {
        ::close(descriptor);
        descriptor = -1;
    }
    folders_.insert(path, descriptor);
    return descriptor;
}

bool MovesAhead::add(const QByteArray &from, const QByteArray &to,
                     const FileAttributes::FileIdentity &listedFolder) {
    // The folder with its last slash ("/" for an item at the root), where the name starts.
    const qsizetype nameAt = NativePath::lastSlash(from) + 1;
    const QByteArrayView folder = QByteArrayView(from).first(nameAt);
    if (nameAt == 0 || NativePath::lastSlash(to) + 1 != nameAt || !to.startsWith(folder))
        return false;
    const int descriptor = openFolder(folder, listedFolder);
    if (descriptor < 0) return false;
    moves_.append({from, to, descriptor, nameAt});
    return true;
}

void MovesAhead::start() {
    if (moves_.isEmpty()) {
        finished_ = true;
        return;
    }
    worker_ = std::thread([this] { makeMoves(); });
}

void MovesAhead::makeMoves() {
    workerProcessor_ = sched_getcpu();
    for (qsizetype place = 0; place < moves_.size() && !halted_; ++place) {
        if (place - taken_ >= window) {
            std::unique_lock lock(mutex_);
            workerWants_ = place - window + 1;
            changed_.wait(lock, [&] { return halted_ || place - taken_ < window; });
            workerWants_ = nobodyWaits;
            if (halted_) break;
        }
        const Move &move = moves_.at(place);
        if (NoClobberMove::renameWithinFolder(move.folder, move.from.constData() + move.nameAt,
                                              move.to.constData() + move.nameAt) != 0)
            break;
        made_ = place + 1;
        if (place + 1 >= runWants_) {
            std::lock_guard lock(mutex_);
            changed_.notify_all();
        }
    }
    std::lock_guard lock(mutex_);
    finished_ = true;
    changed_.notify_all();
}

bool MovesAhead::take(const QByteArray &from, const QByteArray &to) {
    const qsizetype place = taken_;
    // Over: the stretch is done, or it stopped before this one.
    if (place == moves_.size() || (finished_ && made_ <= place)) return false;
    const Move &next = moves_.at(place);
    if (next.from != from || next.to != to) {
        halt();
        return false;
    }
    if (made_ <= place && !finished_) {
        {
            std::unique_lock lock(mutex_);
            runWants_ = std::min(place + batch, moves_.size());
            changed_.wait(lock, [&] { return finished_ || made_ >= runWants_; });
            runWants_ = nobodyWaits;
        }
        // The worker has run by now.
        if (!runKeptOff_) runKeptOff_.emplace(workerProcessor_);
    }
    if (made_ <= place) return false;
    taken_ = place + 1;
    if (place + 1 >= workerWants_) {
        std::lock_guard lock(mutex_);
        changed_.notify_all();
    }
    return true;
}

void MovesAhead::halt() {
    {
        std::lock_guard lock(mutex_);
        halted_ = true;
        changed_.notify_all();
    }
    if (worker_.joinable()) worker_.join();
    runKeptOff_.reset();
}

QList<qsizetype> MovesAhead::untaken() const {
    QList<qsizetype> places;
    for (qsizetype place = taken_; place < made_; ++place) places.append(place);
    return places;
}
