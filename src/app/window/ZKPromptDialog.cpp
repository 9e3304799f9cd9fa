#include "app/window/ZKPromptDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int kQuestionInset = 15;
constexpr int kQuestionPointSize = 12;

QPlainTextEdit *questionViewFor(const QString &question, QWidget *parent) {
    auto *view = new QPlainTextEdit(question, parent);
    view->setReadOnly(true);
    view->setFrameShape(QFrame::NoFrame);
    view->document()->setDocumentMargin(kQuestionInset);
    QFont font = QApplication::font();
    font.setPointSize(kQuestionPointSize);
    view->setFont(font);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Text, Qt::gray);
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    view->setPalette(palette);
    view->setFocusPolicy(Qt::NoFocus);
    // Room for a few lines; a longer question scrolls.
    const int lines = std::clamp(int(question.count(QLatin1Char('\n'))) + 1, 2, 8);
    view->setFixedHeight(view->fontMetrics().lineSpacing() * lines + 2 * kQuestionInset + 4);
    return view;
}

}  // namespace

ZKPromptDialog::ZKPromptDialog(const QString &question, QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Torvane"));
    setModal(true);
    questionView_ = questionViewFor(question, this);
    answerField_ = new QLineEdit(this);
    doneButton_ = new QPushButton(tr("OK"), this);
    doneButton_->setDefault(true);
    connect(doneButton_, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(doneButton_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(questionView_);
    layout->addWidget(answerField_);
    layout->addLayout(buttons);
    resize(420, sizeHint().height());
}

QString ZKPromptDialog::answer() const {
    // An empty field is an answer too, apart from "no dialog" (a null string).
    const QString text = answerField_->text();
    return text.isNull() ? QStringLiteral("") : text;
}

QString ZKPromptDialog::runModal() {
    answerField_->clear();
    const QWidget *over = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect area =
        over ? over->frameGeometry() : (screen() ? screen()->availableGeometry() : QRect());
    if (area.isValid()) move(area.center() - rect().center());
    show();
    raise();
    activateWindow();
    answerField_->setFocus();
    exec();
    return answer();
}
