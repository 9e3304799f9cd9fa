#include "app/window/ZKWidgetDialogPresenter.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>

#include "app/window/ZKPromptDialog.h"

namespace {

QMessageBox::Icon iconFor(ZKAlert::Style style) {
    switch (style) {
        case ZKAlert::Style::Informational:
            return QMessageBox::Information;
        case ZKAlert::Style::Critical:
            return QMessageBox::Critical;
        case ZKAlert::Style::Warning:
            break;
    }
    return QMessageBox::Warning;
}

// The first button goes ahead; "Cancel" (or the only button) also answers Escape.
QList<QAbstractButton *> addButtons(QMessageBox &box, const ZKAlert &alert) {
    QList<QAbstractButton *> buttons;
    const QStringList shown =
        alert.buttons.isEmpty() ? QStringList{ZKWidgetDialogPresenter::tr("OK")} : alert.buttons;
    const int cancel = cancelButtonOf(alert).value_or(-1);
    for (qsizetype index = 0; index < shown.size(); ++index) {
        const QString &title = shown.at(index);
        const QMessageBox::ButtonRole role = index == 0        ? QMessageBox::AcceptRole
                                             : index == cancel ? QMessageBox::RejectRole
                                                               : QMessageBox::ActionRole;
        QPushButton *button = box.addButton(title, role);
        if (index == 0) box.setDefaultButton(button);
        if (index == cancel || shown.size() == 1) box.setEscapeButton(button);
        buttons.append(button);
    }
    return buttons;
}

// Lets the file dialog's views select folders together with files: the dialog then answers
// the selection instead of entering a selected folder.
void allowFolderSelection(QFileDialog &dialog) {
    for (QAbstractItemView *view : dialog.findChildren<QAbstractItemView *>()) {
        if (qobject_cast<QListView *>(view) || qobject_cast<QTreeView *>(view))
            view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
    auto *buttons = dialog.findChild<QDialogButtonBox *>();
    if (!buttons) return;
    QObject::disconnect(buttons, &QDialogButtonBox::accepted, &dialog, nullptr);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&dialog] {
        // QFileDialog hides done(); the dialog it overrides answers the selection as it is.
        if (!dialog.selectedFiles().isEmpty())
            static_cast<QDialog &>(dialog).done(QDialog::Accepted);
    });
}

}  // namespace

ZKAlertAnswer ZKWidgetDialogPresenter::runAlert(QWidget *window, const ZKAlert &alert) {
    QMessageBox box(window);
    box.setWindowTitle(QStringLiteral("Torvane"));
    box.setWindowModality(Qt::WindowModal);
    box.setIcon(iconFor(alert.style));
    box.setText(alert.messageText);
    box.setInformativeText(alert.informativeText);
    const QList<QAbstractButton *> buttons = addButtons(box, alert);
    QCheckBox *suppression = nullptr;
    if (!alert.suppressionButtonTitle.isEmpty()) {
        suppression = new QCheckBox(alert.suppressionButtonTitle, &box);
        box.setCheckBox(suppression);
    }
    box.exec();
    ZKAlertAnswer answer;
    answer.button = std::max<qsizetype>(0, buttons.indexOf(box.clickedButton()));
    answer.suppressed = suppression && suppression->isChecked();
    return answer;
}

QStringList ZKWidgetDialogPresenter::runOpenPanel(QWidget *window, bool resolveAliases) {
    QFileDialog dialog(window);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::DontResolveSymlinks, !resolveAliases);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setLabelText(QFileDialog::Accept, tr("Populate"));
    dialog.setWindowTitle(tr("Choose Files and Folders"));
    dialog.resize(820, 520);
    allowFolderSelection(dialog);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

std::optional<QString> ZKWidgetDialogPresenter::runFolderUnlockPanel(
    QWidget *window, const ZKFolderUnlockRequest &request) {
    QFileDialog dialog(window);
    dialog.setWindowModality(Qt::WindowModal);
    // Our own dialog, so the explanation can sit below the folders.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setOption(QFileDialog::ReadOnly, true);  // no new folders
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setWindowTitle(request.title);
    dialog.setLabelText(QFileDialog::Accept, request.prompt);
    dialog.setDirectory(request.folderPath);
    dialog.selectFile(request.folderPath);
    if (request.explanation) {
        // The dialog's own font: a fixed 12 points stood out above the dialog's texts.
        auto *label = new QLabel(*request.explanation, &dialog);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
            grid->addWidget(label, grid->rowCount(), 0, 1, grid->columnCount());
    }
    dialog.resize(720, 480);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> ZKWidgetDialogPresenter::runFolderChoicePanel(QWidget *window,
                                                                     const QString &title,
                                                                     const QString &button,
                                                                     const QString &startFolder) {
    QFileDialog dialog(window);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setWindowTitle(title);
    dialog.setLabelText(QFileDialog::Accept, button);
    dialog.setDirectory(startFolder);
    dialog.resize(720, 480);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> ZKWidgetDialogPresenter::promptForParameter(QWidget *window,
                                                                   const QString &question) {
    ZKPromptDialog dialog(question, window);
    return dialog.runModal();
}

std::optional<QString> ZKWidgetDialogPresenter::runSavePanel(QWidget *window, const QString &button,
                                                             const QString &extension,
                                                             const QString &suggestedName) {
    QFileDialog dialog(window);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setLabelText(QFileDialog::Accept, button);
    dialog.setWindowTitle(button);
    dialog.setNameFilter(tr("Torvane Configuration (*.%1)").arg(extension));
    dialog.setDefaultSuffix(extension);
    dialog.selectFile(suggestedName + QLatin1Char('.') + extension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> ZKWidgetDialogPresenter::runFileOpenPanel(QWidget *window,
                                                                 const QString &button,
                                                                 const QStringList &extensions) {
    QFileDialog dialog(window);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setLabelText(QFileDialog::Accept, button);
    dialog.setWindowTitle(button);
    QStringList patterns;
    for (const QString &extension : extensions) patterns << QStringLiteral("*.") + extension;
    dialog.setNameFilter(tr("Torvane Configuration (%1)").arg(patterns.join(' ')));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> ZKWidgetDialogPresenter::askForName(QWidget *window, const QString &title,
                                                           const QString &proposed) {
    QInputDialog dialog(window);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setWindowTitle(title);
    dialog.setLabelText(tr("Name:"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(proposed);
    dialog.setOkButtonText(tr("Save"));
    dialog.resize(360, dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> ZKWidgetDialogPresenter::runCreationPanel(QWidget *window,
                                                                 const CreationPanel &panel) {
    QFileDialog dialog(window);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setWindowTitle(panel.prompt);
    dialog.setLabelText(QFileDialog::Accept, tr("Create"));
    dialog.setDirectory(panel.folder);
    dialog.setNameFilter(QStringLiteral("%1 (*.%2)").arg(panel.prompt.mid(7), panel.extension));
    dialog.setDefaultSuffix(panel.extension);
    dialog.selectFile(panel.proposedName);
    dialog.resize(820, 520);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}
