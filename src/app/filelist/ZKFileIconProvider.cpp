#include "app/filelist/ZKFileIconProvider.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPointer>
#include <QStyle>

#include "records/ZKFileRepresentation.h"

namespace {

// Queued previews beyond this are the oldest requests of rows scrolled away long ago.
constexpr size_t maxQueuedPreviews = 256;
constexpr int maxConcurrentReads = 2;
// Images larger than this are not worth reading for a 64-pixel preview.
constexpr qint64 maxPreviewFileSize = 64 * 1024 * 1024;

// The text after the last dot of a name, lower-cased; "" for none or a leading dot.
QString lowercaseSuffix(const QString &name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.mid(dot + 1).toLower() : QString();
}

QIcon themeIcon(const QMimeType &type, const QIcon &fallback) {
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull()) icon = QIcon::fromTheme(type.genericIconName());
    return icon.isNull() ? fallback : icon;
}

// Previews are kept by path and modification time: after a rename run another file may sit
// at a path whose preview was read before. The path is the one on disk (names may not be in
// composed form there); it holds no NUL, so a NUL separates the two.
QString previewKey(const ZKFileRepresentation &record) {
    return QFile::decodeName(record.nativePath()) + QChar(0) +
           QString::number(record.modificationDate().toMSecsSinceEpoch());
}

QString pathOfKey(const QString &key) { return key.left(key.indexOf(QChar(0))); }

QImage readPreview(const QString &path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > ZKFileIconProvider::previewSize ||
                           size.height() > ZKFileIconProvider::previewSize)) {
        reader.setScaledSize(size.scaled(ZKFileIconProvider::previewSize,
                                         ZKFileIconProvider::previewSize, Qt::KeepAspectRatio));
    }
    QImage image = reader.read();
    if (image.isNull()) return image;
    if (image.width() > ZKFileIconProvider::previewSize ||
        image.height() > ZKFileIconProvider::previewSize) {
        image = image.scaled(ZKFileIconProvider::previewSize, ZKFileIconProvider::previewSize,
                             Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return image;
}

}  // namespace

ZKFileIconProvider::ZKFileIconProvider(QObject *parent) : QObject(parent) {
    // Without a desktop session Qt knows no theme, or only "hicolor", which has no icons for
    // file types; the common default theme then still gives proper icons where it is
    // installed. A desktop's own theme is never replaced.
    const QString systemIcons = QStringLiteral("/usr/share/icons");
    const QString themeName = QIcon::themeName();
    if ((themeName.isEmpty() || themeName == QStringLiteral("hicolor")) &&
        QDir(systemIcons + QStringLiteral("/Adwaita")).exists()) {
        if (!QIcon::themeSearchPaths().contains(systemIcons))
            QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << systemIcons);
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    }
    const QIcon genericFolder = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    folderIcon_ =
        themeIcon(mimeDatabase_.mimeTypeForName(QStringLiteral("inode/directory")), genericFolder);
    previews_.setMaxCost(16 * 1024);  // kilobytes: about a thousand previews
    pool_.setMaxThreadCount(maxConcurrentReads);
}

ZKFileIconProvider::~ZKFileIconProvider() {
    queued_.clear();
    pool_.waitForDone();
}

QIcon ZKFileIconProvider::iconFor(const ZKFileRepresentation &record) {
    if (record.isFolder() && !record.isPackage()) return folderIcon_;
    return kindOf(record.name()).icon;
}

const ZKFileIconProvider::Kind &ZKFileIconProvider::kindOf(const QString &name) {
    const QString suffix = lowercaseSuffix(name);
    auto found = kindsByExtension_.constFind(suffix);
    if (found != kindsByExtension_.constEnd()) return found.value();
    const QMimeType type = mimeDatabase_.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    static const QIcon genericFile = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    const Kind kind{themeIcon(type, genericFile), type.name().startsWith(QLatin1String("image/"))};
    return kindsByExtension_.insert(suffix, kind).value();
}

QPixmap ZKFileIconProvider::previewFor(const ZKFileRepresentation &record) {
    if (record.isFolder()) return {};
    if (!kindOf(record.name()).isImage) return {};
    const QString key = previewKey(record);
    if (QPixmap *preview = previews_.object(key)) return *preview;
    if (unreadable_.contains(key) || queuedOrReading_.contains(key)) return {};

    queued_.push_back(key);
    queuedOrReading_.insert(key);
    if (queued_.size() > maxQueuedPreviews) {
        queuedOrReading_.remove(queued_.front());
        queued_.pop_front();
    }
    startReading();
    return {};
}

void ZKFileIconProvider::startReading() {
    while (reading_ < maxConcurrentReads && !queued_.empty()) {
        const QString key = queued_.back();
        queued_.pop_back();
        ++reading_;
        QPointer<ZKFileIconProvider> self(this);
        const quint64 generation = generation_;
        pool_.start([self, key, generation] {
            const QString path = pathOfKey(key);
            const QFileInfo info(path);
            const QImage image =
                info.isFile() && info.size() <= maxPreviewFileSize ? readPreview(path) : QImage();
            QMetaObject::invokeMethod(
                qApp,
                [self, key, image, generation] {
                    if (!self) return;
                    --self->reading_;
                    if (generation == self->generation_) self->finishReading(key, image);
                    self->startReading();
                },
                Qt::QueuedConnection);
        });
    }
}

void ZKFileIconProvider::finishReading(const QString &key, const QImage &image) {
    queuedOrReading_.remove(key);
    if (image.isNull()) {
        unreadable_.insert(key);
        return;
    }
    const QPixmap preview = QPixmap::fromImage(image);
    // Cost in kilobytes of pixel data.
    previews_.insert(key, new QPixmap(preview),
                     std::max<qsizetype>(1, qsizetype(image.sizeInBytes() / 1024)));
    emit previewReady(pathOfKey(key));
}

void ZKFileIconProvider::clearIconsCache() {
    ++generation_;
    previews_.clear();
    unreadable_.clear();
    queued_.clear();
    queuedOrReading_.clear();
}
