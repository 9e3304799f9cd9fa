#pragma once

#include <QCache>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QThreadPool>
#include <deque>

class ZKFileRepresentation;

// Icons of listed items: the desktop icon theme's icon for the item's MIME type (looked up
// by name, so painting never reads the file), and for images a small preview read on a
// worker thread. Previews are asked for only by painted rows and kept by path; the most
// recently asked ones are read first, so scrolling fast does not queue up the whole list.
class ZKFileIconProvider : public QObject {
    Q_OBJECT
public:
    // The edge of a preview in device pixels; painting scales it down.
    static constexpr int previewSize = 64;

    explicit ZKFileIconProvider(QObject *parent = nullptr);
    ~ZKFileIconProvider() override;

    // The theme icon for the item's kind (a folder, or a file by its name's MIME type).
    QIcon iconFor(const ZKFileRepresentation &record);
    // The preview of an image when it has been read; otherwise a null pixmap, and the image
    // is queued for reading (once) when it is one.
    QPixmap previewFor(const ZKFileRepresentation &record);
    // Forgets every preview (a new list may hold other files under the same paths).
    void clearIconsCache();

signals:
    // A preview was read; rows showing that path should be painted again.
    void previewReady(const QString &path);

private:
    // What a file's name tells about it, looked up once per extension.
    struct Kind {
        QIcon icon;
        bool isImage = false;
    };
    const Kind &kindOf(const QString &name);
    void startReading();
    void finishReading(const QString &key, const QImage &image);

    QMimeDatabase mimeDatabase_;
    QHash<QString, Kind> kindsByExtension_;
    QIcon folderIcon_;
    QCache<QString, QPixmap> previews_;
    // Previews and the states below are keyed by path and modification time.
    // Images without a readable preview.
    QSet<QString> unreadable_;
    // Asked for and not read yet; the back is the latest.
    std::deque<QString> queued_;
    QSet<QString> queuedOrReading_;
    int reading_ = 0;
    QThreadPool pool_;
    // Bumped by clearIconsCache so that late results of an older list are dropped.
    quint64 generation_ = 0;
};
