#include "app/window/ZKHistoryBar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPropertyAnimation>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "collections/ZKHistorian.h"
#include "common/UserDefaults.h"

namespace {

// The arrows repeat after 0.8 second, then every 0.075 second.
constexpr int kFirstRepeatDelay = 800;
constexpr int kRepeatInterval = 75;
constexpr int kSlideDuration = 100;
// Longer than the keyboard's delay before it repeats a held key.
constexpr int kKeyReleaseFallback = 1000;

ZKHistorian &historian() { return ZKHistorian::historian(); }

QToolButton *arrowButton(Qt::ArrowType arrow, const char *name, QWidget *parent) {
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setAutoRaise(true);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(kFirstRepeatDelay);
    button->setAutoRepeatInterval(kRepeatInterval);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// A focused text field that holds text keeps Ctrl+arrows for moving by word.
bool focusedFieldHoldsText() {
    QWidget *focus = QApplication::focusWidget();
    if (auto *line = qobject_cast<QLineEdit *>(focus)) return !line->text().isEmpty();
    if (auto *text = qobject_cast<QPlainTextEdit *>(focus)) return !text->document()->isEmpty();
    if (auto *text = qobject_cast<QTextEdit *>(focus)) return !text->document()->isEmpty();
    return false;
}

}  // namespace

ZKHistoryBar::ZKHistoryBar(QWidget *parent)
    : QWidget(parent),
      left_(arrowButton(Qt::LeftArrow, "historyBack", this)),
      right_(arrowButton(Qt::RightArrow, "historyForward", this)),
      smallStatus_(new QLabel(this)),
      mainStatus_(new QLabel(this)),
      slide_(new QPropertyAnimation(this, "maximumHeight", this)),
      keyReleaseFallback_(new QTimer(this)) {
    setObjectName(QStringLiteral("historyBar"));
    smallStatus_->setObjectName(QStringLiteral("historySmallStatus"));
    mainStatus_->setObjectName(QStringLiteral("historyMainStatus"));
    QFont small = smallStatus_->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    smallStatus_->setFont(small);
    smallStatus_->setForegroundRole(QPalette::PlaceholderText);
    QFont bold = mainStatus_->font();
    bold.setBold(true);
    mainStatus_->setFont(bold);
    for (QLabel *label : {smallStatus_, mainStatus_}) label->setAlignment(Qt::AlignCenter);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(0);
    texts->addWidget(mainStatus_);
    texts->addWidget(smallStatus_);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(left_);
    layout->addLayout(texts, 1);
    layout->addWidget(right_);
    // The arrows keep their places when one of them hides.
    for (QToolButton *arrow : {left_, right_}) {
        QSizePolicy policy = arrow->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        arrow->setSizePolicy(policy);
    }

    connect(left_, &QToolButton::clicked, this,
            [] { navigateHistory(-1, QApplication::keyboardModifiers()); });
    connect(right_, &QToolButton::clicked, this,
            [] { navigateHistory(1, QApplication::keyboardModifiers()); });
    connect(&historian(), &ZKHistorian::navigationChanged, this, &ZKHistoryBar::updateControls);
    connect(&historian(), &ZKHistorian::historyShownChanged, this, &ZKHistoryBar::slide);
    setVisible(historian().isHistoryShown());
    slide_->setDuration(kSlideDuration);
    slide_->setEasingCurve(QEasingCurve::OutCubic);
    connect(slide_, &QPropertyAnimation::finished, this, [this] {
        if (slide_->endValue().toInt() == 0) hide();
        setMaximumHeight(QWIDGETSIZE_MAX);
    });
    keyReleaseFallback_->setSingleShot(true);
    keyReleaseFallback_->setInterval(kKeyReleaseFallback);
    connect(keyReleaseFallback_, &QTimer::timeout, this, &ZKHistoryBar::releaseArrows);
    qApp->installEventFilter(this);
}

bool ZKHistoryBar::navigateHistory(int step, Qt::KeyboardModifiers modifiers) {
    const bool toEnd = qAbs(step) >= 2 || (modifiers & (Qt::ShiftModifier | Qt::AltModifier));
    if (historian().navigateHistoryWithDirection(step < 0 ? -1 : 1, toEnd)) return true;
    QApplication::beep();
    return false;
}

void ZKHistoryBar::updateControls() {
    const ZKHistoryNavigationState state = historian().navigationState();
    left_->setVisible(state.leftVisible);
    left_->setEnabled(state.leftEnabled);
    right_->setVisible(state.rightVisible);
    right_->setEnabled(state.rightEnabled);
    smallStatus_->setText(state.smallStatus);
    mainStatus_->setText(state.mainStatus);
    mainStatus_->setToolTip(state.mainStatusToolTip);
}

void ZKHistoryBar::slide(bool shown) {
    const bool running = slide_->state() == QAbstractAnimation::Running;
    if (running) slide_->stop();
    if (shown) updateControls();
    if (!window()->isVisible()) {  // nothing to watch: no animation
        setMaximumHeight(QWIDGETSIZE_MAX);
        setVisible(shown);
        return;
    }
    if (shown) {
        if (!running && isHidden()) setMaximumHeight(0);
        show();
    } else if (isHidden()) {
        return;
    }
    const int full = sizeHint().height();
    // A slide cut short turns back from where it got to.
    const int from = running ? maximumHeight() : shown ? 0 : height();
    slide_->setStartValue(std::min(from, full));
    slide_->setEndValue(shown ? full : 0);
    slide_->start();
}

void ZKHistoryBar::releaseArrows() {
    keyReleaseFallback_->stop();
    left_->setDown(false);
    right_->setDown(false);
}

bool ZKHistoryBar::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->isAutoRepeat() && (left_->isDown() || right_->isDown())) releaseArrows();
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    // Only keys meant for the main window, once (the event passes several objects).
    if (!widget || widget->window() != window() ||
        (widget != QApplication::focusWidget() && widget != window()))
        return false;
    return handleKey(static_cast<QKeyEvent *>(event));
}

bool ZKHistoryBar::handleKey(QKeyEvent *event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->key() == Qt::Key_Escape && isVisible()) {
        historian().showHistory(false);
        return true;
    }
    const bool arrow = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    if (!arrow || !(modifiers & Qt::ControlModifier) || (modifiers & Qt::MetaModifier))
        return false;
    if (UserDefaults::standardUserDefaults().boolForKey(tr("Ignore Command-Arrow Key Combos")) ||
        focusedFieldHoldsText())
        return false;
    // Pressed until the key is let go; held, the key repeats and so does the step.
    QToolButton *button = event->key() == Qt::Key_Left ? left_ : right_;
    button->setDown(true);
    keyReleaseFallback_->start();
    navigateHistory(event->key() == Qt::Key_Left ? -1 : 1, modifiers);
    return true;
}
