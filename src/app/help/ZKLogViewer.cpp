#include "app/help/ZKLogViewer.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "common/LogFile.h"
#include "common/UserDefaults.h"

namespace {

const QString kDebugLogKey = QStringLiteral("ZKDebugLog");

}  // namespace

ZKLogViewer::ZKLogViewer(const QString &logPath, QWidget *parent)
    : QWidget(parent, Qt::Window),
      tail_(logPath),
      text_(new QPlainTextEdit),
      filter_(new QLineEdit),
      debug_(new QCheckBox(tr("Debug Logging"))),
      status_(new QLabel),
      watcher_(new QFileSystemWatcher(this)) {
    setWindowTitle(tr("Torvane Log"));
    setObjectName(QStringLiteral("logViewer"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    filter_->setPlaceholderText(tr("Filter"));
    filter_->setClearButtonEnabled(true);
    auto *copyButton = new QPushButton(tr("Copy"));
    copyButton->setObjectName(QStringLiteral("copyLog"));

    auto *bar = new QHBoxLayout;
    bar->addWidget(filter_, 1);
    bar->addWidget(debug_);
    bar->addWidget(copyButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(text_, 1);
    layout->addWidget(status_);
    resize(900, 520);

    UserDefaults &defaults = UserDefaults::standardUserDefaults();
    debug_->setChecked(defaults.boolForKey(kDebugLogKey));
    connect(debug_, &QCheckBox::toggled, this,
            [](bool on) { UserDefaults::standardUserDefaults().setBool(on, kDebugLogKey); });
    connect(&defaults, &UserDefaults::valueChanged, this, [this](const QString &key) {
        if (key != kDebugLogKey) return;
        const QSignalBlocker blocker(debug_);
        debug_->setChecked(UserDefaults::standardUserDefaults().boolForKey(kDebugLogKey));
    });
    connect(filter_, &QLineEdit::textChanged, this, &ZKLogViewer::showLines);
    connect(copyButton, &QPushButton::clicked, this, &ZKLogViewer::copy);
    connect(text_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (value == 0 && tail_.hasOlder()) loadOlder();
    });
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &ZKLogViewer::refresh);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &ZKLogViewer::refresh);
    connect(&poll_, &QTimer::timeout, this, &ZKLogViewer::refresh);
    poll_.start(2000);
    reload();
}

void ZKLogViewer::showLog() {
    static ZKLogViewer *viewer = new ZKLogViewer(Log::filePath());
    viewer->refresh();
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

void ZKLogViewer::watchFile() {
    // A rotated file is a new file: the watch follows the name, through its folder.
    const QString folder = QFileInfo(tail_.path()).absolutePath();
    if (!watcher_->directories().contains(folder)) watcher_->addPath(folder);
    if (QFileInfo::exists(tail_.path()) && !watcher_->files().contains(tail_.path()))
        watcher_->addPath(tail_.path());
}

void ZKLogViewer::reload() {
    lines_ = tail_.readTail();
    watchFile();
    showLines();
}

void ZKLogViewer::refresh() {
    bool restarted = false;
    const QStringList newer = tail_.readNewer(&restarted);
    watchFile();
    if (restarted) {
        lines_ = newer;
        showLines();
        return;
    }
    if (newer.isEmpty()) return;
    lines_ += newer;
    appendShown(newer);
}

void ZKLogViewer::loadOlder() {
    const QStringList older = tail_.readOlder();
    if (older.isEmpty()) return;
    lines_ = older + lines_;
    QScrollBar *bar = text_->verticalScrollBar();
    const int fromBottom = bar->maximum() - bar->value();
    showLines();
    // The lines that were at the top stay in place.
    bar->setValue(bar->maximum() - fromBottom);
}

bool ZKLogViewer::matches(const QString &line) const {
    return line.contains(filter_->text(), Qt::CaseInsensitive);
}

void ZKLogViewer::showLines() {
    QStringList shown;
    for (const QString &line : std::as_const(lines_))
        if (matches(line)) shown.append(line);
    const QSignalBlocker blocker(text_->verticalScrollBar());
    text_->setPlainText(shown.join(u'\n'));
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
    status_->setText(QFileInfo::exists(tail_.path())
                         ? tr("%1 of %2 lines read from %3")
                               .arg(shown.size())
                               .arg(lines_.size())
                               .arg(tail_.path())
                         : tr("Nothing has been logged yet (%1).").arg(tail_.path()));
}

void ZKLogViewer::appendShown(const QStringList &lines) {
    QScrollBar *bar = text_->verticalScrollBar();
    // Following the end only while the reader is at the end.
    const bool atEnd = bar->value() == bar->maximum();
    for (const QString &line : lines)
        if (matches(line)) text_->appendPlainText(line);
    if (atEnd) bar->setValue(bar->maximum());
    status_->setText(tr("%1 lines read from %2").arg(lines_.size()).arg(tail_.path()));
}

void ZKLogViewer::copy() {
    const QString selected =
        text_->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n');
    QApplication::clipboard()->setText(selected.isEmpty() ? text_->toPlainText() : selected);
}
