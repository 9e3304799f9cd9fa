#include "app/filelist/QuickPreview.h"

#include <fcntl.h>
#include <unistd.h>

#include <QBuffer>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Larger images are not worth reading for a quick look.
constexpr qint64 kMaximumImageBytes = 256 * 1024 * 1024;

// Reads through the exact bytes of the path, so names that are not UTF-8 work too.
QImage readImage(const QByteArray &nativePath) {
    QFile file;
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }
    if (file.size() > kMaximumImageBytes) return {};
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    return reader.read();
}

QUrl fileUrl(const QByteArray &nativePath) {
    return QUrl::fromEncoded("file://" + nativePath.toPercentEncoding("/"), QUrl::StrictMode);
}

}  // namespace

bool QuickPreview::preview(const QByteArray &nativePath, QWidget *parent) {
    const QString path = QFile::decodeName(nativePath);
    if (QFileInfo(path).isDir()) return false;
    const QImage image = readImage(nativePath);
    if (image.isNull()) return QDesktopServices::openUrl(fileUrl(nativePath));
    auto *window = new QuickPreview(image, QFileInfo(path).fileName(), parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return true;
}

QuickPreview::QuickPreview(const QImage &image, const QString &title, QWidget *parent)
    : QDialog(parent) {
    setWindowTitle(title);
    setObjectName(QStringLiteral("quickPreview"));
    const QScreen *screen = parent ? parent->screen() : nullptr;
    const QSize available = screen ? screen->availableSize() * 0.8 : QSize(1024, 768);
    QPixmap pixmap = QPixmap::fromImage(image);
    if (pixmap.width() > available.width() || pixmap.height() > available.height())
        pixmap = pixmap.scaled(available, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    auto *label = new QLabel;
    label->setPixmap(pixmap);
    label->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    label->setToolTip(tr("%1 \u00D7 %2 pixels").arg(image.width()).arg(image.height()));
}

void QuickPreview::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

void QuickPreview::mousePressEvent(QMouseEvent *event) {
    close();
    QDialog::mousePressEvent(event);
}
