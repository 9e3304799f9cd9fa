// Measures the file list with many records on the offscreen platform: the time from a
// recomputation of all names to a fully repainted visible list, the paint time per page
// while scrolling through the list, and the process memory.
//
//   file_list_bench [RECORDS]      (default 100000)

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/filelist/ZKFileList.h"
#include "common/UserDefaults.h"
#include "controller/ZKRenamingController.h"
#include "engine/ZKRenamer.h"
#include "interaction/ZKSilentUserInteraction.h"

namespace {

// Hands the list's selection to the controller the way the window does.
class ForwardingUserInteraction : public ZKSilentUserInteraction {
public:
    ZKFileList *list = nullptr;
    QList<ZKFileRepresentationPtr> selectedFileRepresentations() override {
        return list ? list->selectedFileRepresentations() : QList<ZKFileRepresentationPtr>();
    }
    void selectFileRepresentations(const QList<ZKFileRepresentationPtr> &records) override {
        if (list) list->selectFileRepresentations(records);
    }
};

QString statusValue(const char *field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return QStringLiteral("?");
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field)) return QString::fromLatin1(line.mid(qstrlen(field))).trimmed();
    }
    return QStringLiteral("?");
}

void printMemory(const char *when) {
    std::printf("memory %-28s RSS %s, peak %s\n", when, qPrintable(statusValue("VmRSS:")),
                qPrintable(statusValue("VmHWM:")));
}

bool makeFiles(const QString &folder, int count) {
    for (int i = 0; i < count; ++i) {
        const QByteArray path =
            QFile::encodeName(folder + QStringLiteral("/IMG_%1.JPG").arg(i, 6, 10, QChar(u'0')));
        const int fd = ::open(path.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd < 0) return false;
        ::close(fd);
    }
    return true;
}

struct Figures {
    double median = 0, p95 = 0, max = 0, mean = 0;
};

Figures summarize(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    Figures figures;
    if (samples.empty()) return figures;
    figures.median = samples[samples.size() / 2];
    figures.p95 = samples[std::min(samples.size() - 1, samples.size() * 95 / 100)];
    figures.max = samples.back();
    for (const double sample : samples) figures.mean += sample;
    figures.mean /= double(samples.size());
    return figures;
}

void printFigures(const char *what, const Figures &figures) {
    std::printf("%-44s median %7.2f ms  mean %7.2f ms  p95 %7.2f ms  max %7.2f ms\n", what,
                figures.median, figures.mean, figures.p95, figures.max);
}

// Paints the visible rows of the list into an image, the way a repaint of its window does.
void paintVisibleRows(ZKFileList &list) {
    // A reset list lays its rows out once the event loop runs, as before any real repaint.
    QApplication::processEvents();
    static QImage canvas;
    if (canvas.size() != list.viewport()->size())
        canvas = QImage(list.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    list.viewport()->render(&canvas);
}

double millisecondsOf(const std::function<void()> &work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

void measureRecomputation(ZKRenamingController &controller, ZKFileList &list, const char *label) {
    std::vector<double> computeOnly, total;
    for (int run = 0; run < 7; ++run) {
        double computed = 0;
        total.push_back(millisecondsOf([&] {
            computed = millisecondsOf([&] { controller.updateRenameNamesAndReloadFileList(); });
            paintVisibleRows(list);
        }));
        computeOnly.push_back(computed);
    }
    printFigures(qPrintable(QStringLiteral("%1: computation").arg(label)), summarize(computeOnly));
    printFigures(qPrintable(QStringLiteral("%1: computation + repaint").arg(label)),
                 summarize(total));
}

void measureScrolling(ZKFileList &list, const char *label) {
    QScrollBar *bar = list.verticalScrollBar();
    std::vector<double> pages;
    const int step = std::max(1, bar->pageStep());
    // Page by page through the first 300 pages, then jumps across the whole list.
    bar->setValue(0);
    for (int page = 0; page < 300 && bar->value() < bar->maximum(); ++page) {
        bar->setValue(bar->value() + step);
        pages.push_back(millisecondsOf([&] { paintVisibleRows(list); }));
    }
    for (int jump = 1; jump <= 100; ++jump) {
        bar->setValue(int(qint64(bar->maximum()) * jump / 100));
        pages.push_back(millisecondsOf([&] { paintVisibleRows(list); }));
    }
    printFigures(qPrintable(QStringLiteral("%1: paint per scrolled page").arg(label)),
                 summarize(pages));
}

}  // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir scratch;
    if (!scratch.isValid()) return 1;
    // Keep the user's settings out of it.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("data"))));
    qputenv("XDG_STATE_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("state"))));
    QApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const QString folder = scratch.filePath(QStringLiteral("files"));
    if (!QDir().mkpath(folder) || !makeFiles(folder, count)) {
        std::fprintf(stderr, "cannot create the files\n");
        return 1;
    }
    printMemory("at start");

    ZKRenamingController::registerControllerDefaults();
    ForwardingUserInteraction ui;
    ZKRenamingController controller(&ui);
    ZKFileList list(controller);
    ui.list = &list;
    // The list follows the controller's notifications the way the window's does.
    QObject::connect(&controller, &ZKRenamingController::fileListChanged, &list,
                     &ZKFileList::reloadData);
    QObject::connect(&controller, &ZKRenamingController::fileListNeedsDisplay, &list,
                     &ZKFileList::redisplay);
    list.resize(1280, 800);
    list.show();
    QApplication::processEvents();

    const ZKRenamerPtr step = ZKRenamer::renamerWithArchive(
        QVariantMap{{"Rename: Find/Replace: Query is RegEx", true},
                    {"Rename: Find/Replace: Target", QStringLiteral("^IMG_(\\d+)$")},
                    {"Rename: Find/Replace: Replacement", QStringLiteral("Photo $1")}});
    controller.setRenamers({step});
    const double populated = millisecondsOf([&] {
        controller.populateWithPaths({folder}, false, false);
        paintVisibleRows(list);
    });
    std::printf("%d records listed, %d rows shown\n", int(controller.fileRepresentations().size()),
                list.model()->rowCount());
    std::printf("%-44s %7.2f ms\n", "population (scan, sort, names, first paint)", populated);
    printMemory("after listing");

    measureRecomputation(controller, list, "compact rows");
    measureScrolling(list, "compact rows");

    list.changeListDetailMode(0);
    controller.setSelectedRenamers({step});
    measureRecomputation(controller, list, "detail rows, interim names");
    measureScrolling(list, "detail rows, interim names");
    printMemory("at end");
    return 0;
}
