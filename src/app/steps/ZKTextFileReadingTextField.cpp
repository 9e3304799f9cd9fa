#include "app/steps/ZKTextFileReadingTextField.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QStyle>
#include <QToolButton>

#include "common/TildePath.h"
#include "engine/ZKTextFileReflection.h"

namespace {

constexpr int kButtonSize = 20;

}  // namespace

ZKTextFileReadingTextField::ZKTextFileReadingTextField(ZKTextFileReflection &reflection,
                                                       QWidget *parent)
    : QPlainTextEdit(parent), reflection_(&reflection), importButton_(new QToolButton(this)) {
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setPlaceholderText(tr("One term per line, or terms separated by commas"));

    importButton_->setObjectName(QStringLiteral("importTermsButton"));
    importButton_->setIcon(QIcon::fromTheme(QStringLiteral("document-open"),
                                            style()->standardIcon(QStyle::SP_DirOpenIcon)));
    importButton_->setAutoRaise(true);
    importButton_->setCheckable(true);
    importButton_->setCursor(Qt::ArrowCursor);
    importButton_->setFixedSize(kButtonSize, kButtonSize);
    // The button checks itself on click; its state shows the reflection, nothing else.
    connect(importButton_, &QToolButton::clicked, this, [this] {
        importButton_->setChecked(reflection_ && reflection_->isReflecting());
        importTerms();
    });
    setViewportMargins(0, 0, kButtonSize + 2, 0);
    viewport()->installEventFilter(this);

    lastReflectedPath_ = reflection.reflectedTextFilePath();
    connect(&reflection, &ZKTextFileReflection::reflectionChanged, this,
            &ZKTextFileReadingTextField::reflectionChanged);
    // Typing after a lost file: the message has been seen.
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (lostFileMessage_.isEmpty() || isReflectingNow()) return;
        lostFileMessage_.clear();
        emit statusTextChanged();
    });
    updateLook();
}

ZKTextFileReadingTextField::~ZKTextFileReadingTextField() {
    if (reflection_) reflection_->setObservesReflectedFile(false);
}

bool ZKTextFileReadingTextField::isReflectingNow() const {
    return reflection_ && reflection_->isReflecting();
}

QString ZKTextFileReadingTextField::statusText() const {
    if (isReflectingNow()) return tr("Reflecting “%1”").arg(reflection_->reflectedTextFilePath());
    return lostFileMessage_;
}

void ZKTextFileReadingTextField::importTerms() {
    if (!reflection_ || !isEnabled()) return;
    const std::optional<TermsImportChoice> choice =
        chooser_(this, reflection_->reflectedTextFilePath());
    if (!choice) return;
    QString error;
    if (!reflection_->importTextFile(choice->path, choice->reflect, &error))
        reportFailedImport(choice->path, error);
}

void ZKTextFileReadingTextField::reportFailedImport(const QString &path, const QString &error) {
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Import Terms"),
                                tr("The terms cannot be imported from “%1”.")
                                    .arg(TildePath::abbreviatingWithTildeInPath(path)),
                                QMessageBox::Ok, this);
    box->setInformativeText(tr("The file cannot be read as text. The terms are unchanged."));
    box->setDetailedText(error);
    box->setObjectName(QStringLiteral("termsImportFailure"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

// A reflection that ends while its file cannot be read was ended by the file, not by the
// user: say so, since the terms no longer follow it.
void ZKTextFileReadingTextField::reflectionChanged() {
    const QString previous = lastReflectedPath_;
    lastReflectedPath_ = reflection_->reflectedTextFilePath();
    lostFileMessage_.clear();
    if (!isReflectingNow() && !previous.isEmpty() &&
        !QFileInfo(TildePath::expandingTildeInPath(previous)).isReadable()) {
        lostFileMessage_ =
            tr("“%1” can no longer be read; the terms stay as they were.").arg(previous);
    }
    updateLook();
    emit statusTextChanged();
}

void ZKTextFileReadingTextField::updateLook() {
    const bool reflecting = isReflectingNow();
    importButton_->setChecked(reflecting);
    // A tint of the selection colour marks text that is not the field's own.
    QPalette shade = QApplication::palette(this);
    if (reflecting) {
        const QColor base = shade.color(QPalette::Base);
        const QColor tint = shade.color(QPalette::Highlight);
        shade.setColor(QPalette::Base, QColor::fromRgbF(base.redF() * 0.88 + tint.redF() * 0.12,
                                                        base.greenF() * 0.88 + tint.greenF() * 0.12,
                                                        base.blueF() * 0.88 + tint.blueF() * 0.12));
    }
    setPalette(shade);
    const QString path = reflecting ? reflection_->reflectedTextFilePath() : QString();
    setToolTip(reflecting ? tr("The terms follow “%1”. Typing here stops that.").arg(path)
                          : QString());
    importButton_->setToolTip(reflecting ? tr("Import terms (now reflecting “%1”)").arg(path)
                                         : tr("Import terms from a text or CSV file"));
}

// In the margin right of the text, left of a scroll bar when there is one.
void ZKTextFileReadingTextField::placeImportButton() {
    const QRect text = viewport()->geometry();
    importButton_->move(text.right() + 2, text.top());
}

bool ZKTextFileReadingTextField::eventFilter(QObject *watched, QEvent *event) {
    if (watched == viewport() && event->type() == QEvent::Resize) placeImportButton();
    return QPlainTextEdit::eventFilter(watched, event);
}

// The file is watched only while someone can see its terms.
void ZKTextFileReadingTextField::showEvent(QShowEvent *event) {
    QPlainTextEdit::showEvent(event);
    if (reflection_) reflection_->setObservesReflectedFile(true);
}

void ZKTextFileReadingTextField::hideEvent(QHideEvent *event) {
    QPlainTextEdit::hideEvent(event);
    if (reflection_) reflection_->setObservesReflectedFile(false);
}
