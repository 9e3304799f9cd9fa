// Measures sorting the file list, apart from the scan: COUNT records named like
// "IMG_000123 Holiday photo.jpg" in 1,000 folders, made in a shuffled order as a directory
// listing gives them. Prints the time of making every name's collation key alone, of the
// sort by name, and of sorting that sorted list again descending, which reads the records
// in an order far from the one they were made in (as the window's re-sorting does). No file
// is made: the records only carry paths in a scratch folder.
//
//   sort_bench [COUNT ...]      (default 100000 1000000)

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>
#include <vector>

#include "common/LocalizedCompare.h"
#include "listing/FileListSorting.h"

namespace {

QList<ZKFileRepresentationPtr> shuffledRecords(const QString &root, qsizetype count) {
    std::vector<qsizetype> numbers(count);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), QRandomGenerator(20261208));
    QList<ZKFileRepresentationPtr> records;
    records.reserve(count);
    const FileAttributes::ItemType file{false, false};
    for (qsizetype number : numbers) {
        const QString path = QStringLiteral("%1/Folder %2/IMG_%3 Holiday photo.jpg")
                                 .arg(root)
                                 .arg(number % 1000)
                                 .arg(number, 6, 10, QChar(u'0'));
        records.append(ZKFileRepresentation::fileRepresentationWithNativePath(
            path.toUtf8(), nullptr, FileAttributes::FileIdentity{}, file, path));
    }
    return records;
}

double secondsOf(const std::function<void()> &work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    if (!scratch.isValid()) return 1;
    QList<qsizetype> counts;
    for (int i = 1; i < argc; ++i) counts.append(QByteArray(argv[i]).toLongLong());
    if (counts.isEmpty()) counts = {100000, 1000000};
    for (qsizetype count : counts) {
        QList<ZKFileRepresentationPtr> records = shuffledRecords(scratch.path(), count);
        std::vector<uint8_t> keys;
        const double keying = secondsOf([&records, &keys] {
            for (const ZKFileRepresentationPtr &record : records)
                LocalizedCompare::appendSortKey(record->name(), &keys);
        });
        const double sorting =
            secondsOf([&records] { FileListSorting::sort(records, ZKSortPriorities()); });
        ZKSortPriorities descending;
        descending.setPrimaryInverted(true);
        const double resorting =
            secondsOf([&records, &descending] { FileListSorting::sort(records, descending); });
        std::printf(
            "%9lld items: keys alone %.3f s (%.0f bytes each), sort by name %.3f s, "
            "again descending %.3f s\n",
            static_cast<long long>(count), keying, double(keys.size()) / count, sorting, resorting);
    }
    return 0;
}
