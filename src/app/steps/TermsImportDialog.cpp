#include "app/steps/TermsImportDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>

#include "common/TildePath.h"

TermsImportDialog::TermsImportDialog(QWidget *parent, const QString &reflectedPath)
    : QFileDialog(parent), reflect_(new QCheckBox(tr("Reflect file changes automatically"), this)) {
    setOption(QFileDialog::DontUseNativeDialog);
    setWindowTitle(tr("Import Terms"));
    setLabelText(QFileDialog::Accept, tr("Import Terms"));
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
    setNameFilter(tr("Text and CSV files (*.txt *.csv)"));
    setWindowModality(Qt::WindowModal);

    const QString reflected = TildePath::expandingTildeInPath(reflectedPath);
    setDirectory(reflected.isEmpty() ? QDir::homePath() : QFileInfo(reflected).absolutePath());
    if (!reflected.isEmpty()) selectFile(reflected);
    reflect_->setObjectName(QStringLiteral("reflectFileChanges"));
    reflect_->setChecked(!reflectedPath.isEmpty());

    // Below the file type row, across the dialog.
    if (auto *grid = qobject_cast<QGridLayout *>(layout())) {
        grid->addWidget(reflect_, grid->rowCount(), 0, 1, grid->columnCount());
    } else {
        layout()->addWidget(reflect_);
    }
}

std::optional<TermsImportChoice> TermsImportDialog::choose(QWidget *parent,
                                                           const QString &reflectedPath) {
    TermsImportDialog dialog(parent, reflectedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return TermsImportChoice{dialog.selectedFiles().constFirst(), dialog.reflect_->isChecked()};
}
