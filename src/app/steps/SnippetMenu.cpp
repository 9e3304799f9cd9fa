#include "app/steps/SnippetMenu.h"

#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QUrl>

#include "app/steps/ZKCodeTextView.h"
#include "app/window/CollectionMenus.h"
#include "collections/ConfigurationFile.h"
#include "collections/ZKHistorian.h"
#include "common/Log.h"

namespace {

std::optional<QString> askWithDialog(QWidget *parent, const QString &proposed) {
    bool ok = false;
    const QString name =
        QInputDialog::getText(parent, SnippetMenu::tr("Save Snippet"), SnippetMenu::tr("Name:"),
                              QLineEdit::Normal, proposed, &ok);
    return ok ? std::optional<QString>(name) : std::nullopt;
}

SnippetMenu::NameAsker &nameAsker() {
    static SnippetMenu::NameAsker asker = askWithDialog;
    return asker;
}

QString urlText(const QString &path) { return QUrl::fromLocalFile(path).toString(); }

}  // namespace

SnippetMenu::SnippetMenu(QToolButton *button, ZKCodeTextView *textView)
    : QObject(button), textView_(textView), menu_(new QMenu(button)) {
    menu_->setObjectName(QStringLiteral("snippetMenu"));
    button->setText(tr("Snippets"));
    button->setMenu(menu_);
    button->setPopupMode(QToolButton::InstantPopup);
    connect(menu_, &QMenu::aboutToShow, this, &SnippetMenu::rebuild);
}

void SnippetMenu::setNameAsker(NameAsker asker) {
    nameAsker() = asker ? std::move(asker) : NameAsker(askWithDialog);
}

void SnippetMenu::rebuild() {
    menu_->clear();
    const QString text = textView_->toPlainText();
    const QString selection = textView_->textCursor().selectedText().replace(
        QChar::ParagraphSeparator, QLatin1Char('\n'));
    QAction *whole =
        menu_->addAction(tr("Create Snippet..."), this, [this, text] { createSnippet(text); });
    whole->setEnabled(!text.trimmed().isEmpty());
    QAction *selected = menu_->addAction(tr("Create Snippet with Selection..."), this,
                                         [this, selection] { createSnippet(selection); });
    selected->setEnabled(!selection.trimmed().isEmpty());

    const QList<ZKCollectionEntry> &entries = ZKHistorian::historian().snippetURLs();
    if (entries.isEmpty()) return;
    menu_->addSeparator();
    menu_->addAction(tr("Manage Snippets..."), this,
                     [] { CollectionMenus::openFolderForCollection(ZKHistorian::kSnippets); });
    menu_->addSeparator();
    CollectionMenus::Actions actions;
    actions.sampleHeader = ZKHistorian::kSampleSnippets;
    actions.choose = [this](const ZKCollectionEntry &entry) {
        if (!insertSnippet(entry)) QApplication::beep();
    };
    CollectionMenus::addEntries(menu_, entries, actions);
}

void SnippetMenu::createSnippet(const QString &text) {
    const std::optional<QString> name = nameAsker()(textView_->window(), tr("Snippet"));
    if (name) ZKHistorian::historian().saveSnippet(*name, text);
}

bool SnippetMenu::insertSnippet(const ZKCollectionEntry &entry) {
    if (entry.path.isEmpty()) {
        Log::line(QStringLiteral("[Code Text View] missing snippet URL"));
        return false;
    }
    QFile file(entry.path);
    if (file.size() > ConfigurationFile::kMaximumFileSize || !file.open(QIODevice::ReadOnly)) {
        Log::line(QStringLiteral("[Code Text View] cannot access snippet at URL: %1")
                      .arg(urlText(entry.path)));
        return false;
    }
    const QString snippet = QString::fromUtf8(file.readAll());
    if (snippet.isEmpty()) {
        Log::line(
            QStringLiteral("[Code Text View] empty snippet at URL: %1").arg(urlText(entry.path)));
        return false;
    }
    textView_->textCursor().insertText(snippet);
    textView_->setFocus(Qt::OtherFocusReason);
    return true;
}
