#include "app/steps/ZKAdvancedEditor.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

#include "app/help/ZKHelpWindow.h"
#include "app/steps/SnippetMenu.h"
#include "app/steps/ZKCodeTextView.h"

ZKAdvancedEditor::ZKAdvancedEditor(ZKRenamer &renamer, QWidget *parent)
    : ZKOperationEditor(renamer, parent),
      codeTextView_(new ZKCodeTextView(this)),
      showErrorsButton_(new QPushButton(tr("Show Errors"), this)),
      snippetButton_(new QToolButton(this)) {
    bind(codeTextView_, RenamerSetting::AdvancedPrototype);
    codeTextView_->setPlaceholderText(
        QStringLiteral("[concatenate <name> \"_\" [sequence] <.extension>]"));
    showErrorsButton_->setObjectName(QStringLiteral("advancedShowErrorsButton"));
    showErrorsButton_->setAutoDefault(false);
    addRow(tr("Prototype:"), {codeTextView_});
    auto *helpButton = new QPushButton(tr("Function Reference"), this);
    helpButton->setObjectName(QStringLiteral("advancedHelpButton"));
    helpButton->setAutoDefault(false);
    connect(helpButton, &QPushButton::clicked, this,
            [] { ZKHelpWindow::showHelp(QStringLiteral("advanced.html#functions")); });
    snippetButton_->setObjectName(QStringLiteral("advancedSnippetButton"));
    new SnippetMenu(snippetButton_, codeTextView_);
    addRow(QString(), {showErrorsButton_, snippetButton_, helpButton});
    connect(showErrorsButton_, &QPushButton::clicked, this, &ZKAdvancedEditor::showErrors);
    connect(codeTextView_, &QPlainTextEdit::textChanged, this,
            [this] { codeTextView_->setFixedHeight(codeTextView_->suggestedHeight()); });
    codeTextView_->setFixedHeight(codeTextView_->suggestedHeight());
    // The step may outlive this editor, and a newer editor may take its place.
    renamer.setAdvancedAnalysisObserver([editor = QPointer(this)] {
        if (editor) editor->showAnalysis();
    });
    showAnalysis();
}

QString ZKAdvancedEditor::summary() const {
    const QString prototype = renamer().stringValue(RenamerSetting::AdvancedPrototype).trimmed();
    return QStringLiteral("\u201C%1\u201D").arg(prototype.section(QLatin1Char('\n'), 0, 0));
}

void ZKAdvancedEditor::showAnalysis() {
    codeTextView_->setColouring(renamer().advancedCodeColouring());
    showErrorsButton_->setVisible(renamer().isAdvancedShowErrorsButtonShown());
}

void ZKAdvancedEditor::showErrors() {
    const std::optional<QString> errors = renamer().advancedErrorMessage();
    if (!errors) return;
    QMessageBox alert(QMessageBox::Warning, tr("Syntax Errors"), *errors, QMessageBox::Ok,
                      window());
    alert.setTextFormat(Qt::PlainText);
    alert.exec();
    window()->raise();
    window()->activateWindow();
}
