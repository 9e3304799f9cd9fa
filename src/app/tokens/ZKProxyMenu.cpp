#include "app/tokens/ZKProxyMenu.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidgetAction>

#include "app/tokens/ZKProxyField.h"
#include "common/UserDefaults.h"
#include "tokens/ProxySuggestions.h"
#include "tokens/ZKMetaDataType.h"

namespace {

const QString kMenuTitle = QStringLiteral(QT_TRANSLATE_NOOP("ZKMetaDataType", "Proxies"));
const QString kFilterPlaceholder =
    QStringLiteral(QT_TRANSLATE_NOOP("ZKMetaDataType", "Start typing..."));
constexpr qint64 kDefaultSearchLengthThreshold = 2;

ZKProxyMenu *shared = nullptr;

qint64 searchLengthThreshold() {
    const UserDefaults &defaults = UserDefaults::standardUserDefaults();
    if (!defaults.objectForKey(ProxySuggestions::kSearchLengthThresholdKey).isValid())
        return kDefaultSearchLengthThreshold;
    return defaults.integerForKey(ProxySuggestions::kSearchLengthThresholdKey);
}

}  // namespace

ZKProxyMenu *ZKProxyMenu::sharedMenu() {
    if (!shared) {
        shared = new ZKProxyMenu;
        // The menu has no parent widget; it goes with the application.
        qAddPostRoutine([] {
            delete shared;
            shared = nullptr;
        });
    }
    return shared;
}

ZKProxyMenu::ZKProxyMenu() : filter_(new QLineEdit), filterItem_(new QWidgetAction(this)) {
    setObjectName(QStringLiteral("proxyMenu"));
    setTitle(ZKMetaDataType::localized(kMenuTitle));
    filter_->setObjectName(QStringLiteral("proxyMenuFilter"));
    filter_->setClearButtonEnabled(true);
    filter_->setMinimumWidth(filter_->fontMetrics().horizontalAdvance(u'x') * 26);
    filter_->installEventFilter(this);
    auto *frame = new QWidget;
    filter_->setParent(frame);
    frame->setLayout(new QVBoxLayout);
    frame->layout()->setContentsMargins(6, 3, 6, 3);
    frame->layout()->addWidget(filter_);
    filterItem_->setDefaultWidget(frame);
    addAction(filterItem_);
    connect(filter_, &QLineEdit::textChanged, this, &ZKProxyMenu::updateSuggestions);
    connect(this, &QMenu::aboutToShow, this, &ZKProxyMenu::updateSuggestions);
    connect(this, &QMenu::triggered, this, &ZKProxyMenu::choose);
    connect(this, &QMenu::aboutToHide, this, &ZKProxyMenu::closed);
}

QMenu *ZKProxyMenu::menuForProxyField(ZKProxyField *field) {
    client_ = field;
    filter_->setPlaceholderText(ZKMetaDataType::localized(kFilterPlaceholder));
    filter_->clear();
    return this;
}

void ZKProxyMenu::popUpLeftOf(const QPoint &globalPosition) {
    anchor_ = globalPosition;
    updateSuggestions();
    popup(QPoint(anchor_.x() - sizeHint().width(), anchor_.y()));
}

void ZKProxyMenu::keepAnchored() {
    if (!isVisible()) return;
    QRect area(QPoint(anchor_.x() - sizeHint().width(), anchor_.y()), sizeHint());
    if (const QScreen *screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        area.moveLeft(std::clamp(area.left(), available.left(),
                                 std::max(available.left(), available.right() - area.width())));
        if (area.bottom() > available.bottom())
            area.moveTop(std::max(available.top(), available.bottom() - area.height()));
    }
    setGeometry(area);
}

void ZKProxyMenu::showEvent(QShowEvent *event) {
    QMenu::showEvent(event);
    setActiveAction(filterItem_);
    filter_->setFocus(Qt::PopupFocusReason);
}

bool ZKProxyMenu::eventFilter(QObject *watched, QEvent *event) {
    if (watched == filter_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            if (QAction *item = edgeItem(key == Qt::Key_Down)) {
                setActiveAction(item);
                setFocus(Qt::PopupFocusReason);
            }
            return true;
        }
    }
    return QMenu::eventFilter(watched, event);
}

QAction *ZKProxyMenu::edgeItem(bool first) const {
    const QList<QAction *> items = actions();
    for (qsizetype i = 0; i < items.size(); ++i) {
        QAction *item = items.at(first ? i : items.size() - 1 - i);
        if (item != filterItem_ && !item->isSeparator() && item->isEnabled()) return item;
    }
    return nullptr;
}

void ZKProxyMenu::removeSuggestions() {
    const QList<QAction *> items = actions();
    for (QAction *item : items) {
        if (item == filterItem_) continue;
        removeAction(item);
        if (QMenu *submenu = item->menu()) submenu->deleteLater();
        if (item->parent() == this) item->deleteLater();
    }
}

void ZKProxyMenu::updateSuggestions() {
    removeSuggestions();
    // The filter field always has a text, if an empty one: never the menu without filter.
    addItems(this, ProxySuggestions::suggestions(filter_->text(), searchLengthThreshold()));
    keepAnchored();
}

void ZKProxyMenu::addItems(QMenu *menu, const QList<ProxySuggestionItem> &items) {
    for (const ProxySuggestionItem &item : items) {
        switch (item.kind) {
            case ProxySuggestionItem::Kind::Separator:
                menu->addSeparator();
                break;
            case ProxySuggestionItem::Kind::DisabledItem:
                menu->addAction(item.title)->setEnabled(false);
                break;
            case ProxySuggestionItem::Kind::Submenu: {
                auto *submenu = new QMenu(item.title, this);
                addItems(submenu, item.children);
                menu->addMenu(submenu);
                break;
            }
            case ProxySuggestionItem::Kind::Type:
                menu->addAction(item.title)->setData(item.type);
                break;
        }
    }
}

void ZKProxyMenu::choose(QAction *action) {
    const QString identifier = action->data().toString();
    if (identifier.isEmpty() || !client_) return;
    client_->insertProxy(identifier);
}

void ZKProxyMenu::closed() {
    if (client_) client_->setShowsProxyMenu(false);
}
