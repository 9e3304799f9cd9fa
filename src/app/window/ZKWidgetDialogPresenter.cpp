#include "app/window/ZKWidgetDialogPresenter.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>

namespace {

const QString kCancel = QStringLiteral("Cancel");

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
QList<QAbstractButton *> addButtons(QMessageBox &box, const QStringList &titles) {
    QList<QAbstractButton *> buttons;
    const QStringList shown = titles.isEmpty() ? QStringList{QStringLiteral("OK")} : titles;
    for (qsizetype index = 0; index < shown.size(); ++index) {
        const QString &title = shown.at(index);
        const QMessageBox::ButtonRole role = index == 0         ? QMessageBox::AcceptRole
                                             : title == kCancel ? QMessageBox::RejectRole
                                                                : QMessageBox::ActionRole;
        QPushButton *button = box.addButton(title, role);
        if (index == 0) box.setDefaultButton(button);
        if (title == kCancel || shown.size() == 1) box.setEscapeButton(button);
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
    const QList<QAbstractButton *> buttons = addButtons(box, alert.buttons);
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
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Populate"));
    dialog.setWindowTitle(QStringLiteral("Choose Files and Folders"));
    dialog.resize(820, 520);
    allowFolderSelection(dialog);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

std::optional<QString> ZKWidgetDialogPresenter::promptForParameter(QWidget *window,
                                                                   const QString &question) {
    QInputDialog dialog(window);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setWindowTitle(QStringLiteral("Torvane"));
    dialog.setLabelText(question);
    dialog.setInputMode(QInputDialog::TextInput);
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
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Create"));
    dialog.setDirectory(panel.folder);
    dialog.setNameFilter(QStringLiteral("%1 (*.%2)").arg(panel.prompt.mid(7), panel.extension));
    dialog.setDefaultSuffix(panel.extension);
    dialog.selectFile(panel.proposedName);
    dialog.resize(820, 520);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}
