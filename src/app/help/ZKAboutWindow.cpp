#include "app/help/ZKAboutWindow.h"

#include <unicode/uversion.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/help/ZKHelpWindow.h"

namespace {

struct Library {
    const char *name;
    const char *use;
    const char *licence;
    const char *url;
};

// What Torvane is built on, as its Debian packages license it.
constexpr Library kLibraries[] = {
    {"Qt 6", "windows, files, events", "GNU LGPL 3", "https://www.qt.io/"},
    {"ICU", "regular expressions, case mapping, dates, sorting", "Unicode License",
     "https://icu.unicode.org/"},
    {"libplist", "property lists", "GNU LGPL 2.1 or later", "https://libimobiledevice.org/"},
    {"GLib and GIO", "moving items to the Trash", "GNU LGPL 2.1 or later",
     "https://gitlab.gnome.org/GNOME/glib"},
    {"Exiv2", "photo metadata", "GNU GPL 2 or later", "https://exiv2.org/"},
    {"TagLib", "audio tags", "GNU LGPL 2.1 or MPL 1.1", "https://taglib.org/"},
    {"Poppler", "PDF metadata", "GNU GPL 2 or later", "https://poppler.freedesktop.org/"},
    {"FFmpeg", "audio and video metadata",
     "GNU LGPL 2.1 or later (GNU GPL 2 or later as "
     "Debian builds it)",
     "https://ffmpeg.org/"},
};

QString creditsHtml() {
    QString rows;
    for (const Library &library : kLibraries)
        rows += QStringLiteral("<tr><td><a href=\"%4\">%1</a></td><td>%2</td><td>%3</td></tr>")
                    .arg(QString::fromUtf8(library.name), QString::fromUtf8(library.use),
                         QString::fromUtf8(library.licence), QString::fromUtf8(library.url));
    return QObject::tr(
               "<p>Torvane is built with these libraries (Qt %1, ICU %2):</p>"
               "<table cellspacing=\"0\" cellpadding=\"3\"><tr><th align=\"left\">Library</th>"
               "<th align=\"left\">Used for</th><th align=\"left\">Licence</th></tr>%3</table>"
               "<p>Torvane does not look for updates itself: your distribution's package "
               "manager keeps it up to date.</p>")
        .arg(QString::fromLatin1(qVersion()), QStringLiteral(U_ICU_VERSION), rows);
}

}  // namespace

ZKAboutWindow::ZKAboutWindow(QWidget *parent) : QDialog(parent), credits_(new QTextBrowser) {
    setWindowTitle(tr("About Torvane"));
    setObjectName(QStringLiteral("aboutWindow"));
    auto *icon = new QLabel;
    icon->setPixmap(QApplication::windowIcon().pixmap(96, 96));
    icon->setAlignment(Qt::AlignTop);
    auto *title = new QLabel(
        tr("<h2>Torvane</h2><p>Version %1</p><p>Renames many files and folders at once, with a "
           "live preview of every new name.</p><p><a href=\"help\">Torvane Help</a></p>")
            .arg(version()));
    title->setObjectName(QStringLiteral("aboutTitle"));
    title->setWordWrap(true);
    connect(title, &QLabel::linkActivated, this, [] { ZKHelpWindow::showHelp(); });
    credits_->setOpenExternalLinks(true);
    credits_->setHtml(creditsHtml());

    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(title, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(credits_, 1);
    layout->addWidget(buttons);
    resize(620, 520);
}

QString ZKAboutWindow::version() { return QStringLiteral(TORVANE_VERSION); }

void ZKAboutWindow::showAbout() {
    static ZKAboutWindow *window = new ZKAboutWindow;
    window->show();
    window->raise();
    window->activateWindow();
}
