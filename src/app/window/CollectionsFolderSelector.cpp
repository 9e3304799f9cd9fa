#include "app/window/CollectionsFolderSelector.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QSignalBlocker>

#include "app/window/ZKDialogPresenter.h"
#include "collections/ZKHistorian.h"
#include "common/ApplicationSupport.h"
#include "common/TildePath.h"
#include "common/UserDefaults.h"
#include "platform/Sandbox.h"

namespace {

QString chosenFolder() {
    return TildePath::expandingTildeInPath(
        UserDefaults::standardUserDefaults().stringForKey(ZKHistorian::kCollectionsFolder));
}

}  // namespace

CollectionsFolderSelector::CollectionsFolderSelector(ZKDialogPresenter &dialogs, QWidget *parent)
    : QComboBox(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("collectionsFolderSelector"));
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(this, &QComboBox::activated, this, &CollectionsFolderSelector::changeCollectionsFolder);
    updateCollectionsFolderSelector();
}

void CollectionsFolderSelector::updateCollectionsFolderSelector() {
    const QSignalBlocker blocker(this);
    clear();
    const QFileIconProvider icons;
    addItem(icons.icon(QFileInfo(ApplicationSupport::folder())),
            Sandbox::isSandboxed() ? tr("Torvane's container") : tr("Application Support"),
            int(DefaultFolder));
    setItemData(0, ApplicationSupport::folder(), Qt::ToolTipRole);
    const QString chosen = chosenFolder();
    if (!chosen.isEmpty()) {
        const QFileInfo info(chosen);
        const QString name = info.fileName().isEmpty() ? chosen : info.fileName();
        addItem(icons.icon(info),
                tr("%1 – %2").arg(name, TildePath::abbreviatingWithTildeInPath(chosen)),
                int(ChosenFolder));
        setItemData(1, chosen, Qt::ToolTipRole);
    }
    insertSeparator(count());
    addItem(tr("Choose..."), int(ChooseFolder));
    setCurrentIndex(chosen.isEmpty() ? 0 : 1);
}

void CollectionsFolderSelector::changeCollectionsFolder(int index) {
    ZKHistorian &historian = ZKHistorian::historian();
    const int tag = itemData(index).toInt();
    if (tag == DefaultFolder) {
        historian.setLocalCollectionsFolderPath(QString());
    } else if (tag == ChooseFolder) {
        const QString start = chosenFolder().isEmpty() ? QDir::homePath() : chosenFolder();
        const std::optional<QString> folder = dialogs_.runFolderChoicePanel(
            window(), tr("Choose Presets and Snippets Folders Location"), tr("Choose"), start);
        if (folder && !historian.setLocalCollectionsFolderPath(*folder)) {
            ZKAlert alert;
            alert.messageText = tr("Torvane cannot keep presets and snippets in this folder.");
            alert.informativeText =
                tr("%1 cannot be written to. Presets and snippets stay in Torvane's own folder.")
                    .arg(*folder);
            alert.buttons = {tr("OK")};
            dialogs_.runAlert(window(), alert);
        }
    }
    // Also after a cancelled dialog: the previous choice shows again.
    historian.invalidateCollections();
    updateCollectionsFolderSelector();
}
