#pragma once

#include <QComboBox>

class ZKDialogPresenter;

// Where presets and snippets live: Torvane's own data folder, or a folder the user chose
// (shown by name and by its path with "~"). "Choose..." opens a folder dialog; a folder that
// cannot be written is refused with an alert and the default is used again.
class CollectionsFolderSelector : public QComboBox {
    Q_OBJECT
public:
    enum Tag { DefaultFolder = 0, ChooseFolder = 1, ChosenFolder = 2 };

    explicit CollectionsFolderSelector(ZKDialogPresenter &dialogs, QWidget *parent = nullptr);

    // Rebuilds the items from "Collections Folder" and selects the one in use.
    void updateCollectionsFolderSelector();

private:
    void changeCollectionsFolder(int index);

    ZKDialogPresenter &dialogs_;
};
