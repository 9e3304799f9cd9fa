#include "app/window/ZKPreferencesWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/filelist/ZKFileList.h"
#include "app/filelist/ZKFileListSettings.h"
#include "app/steps/ZKConfigurationCollectionView.h"
#include "app/window/CollectionsFolderSelector.h"
#include "app/window/ZKControllingDragView.h"
#include "collections/ApplicationDefaults.h"
#include "collections/ConfigurationKeys.h"
#include "collections/ZKHistorian.h"
#include "common/UserDefaults.h"
#include "controller/ControllerDefaults.h"
#include "engine/EngineDefaults.h"
#include "listing/CellDetailText.h"
#include "listing/ListingMode.h"

namespace {

UserDefaults &defaults() { return UserDefaults::standardUserDefaults(); }

QFormLayout *formOn(QWidget *page) {
    auto *form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

}  // namespace

ZKPreferencesWindow::ZKPreferencesWindow(ZKControllingDragView &view, QWidget *parent)
    : QDialog(parent), view_(view) {
    setWindowTitle(tr("Preferences"));
    auto *tabs = new QTabWidget(this);
    tabs->setUsesScrollButtons(false);  // every tab's title in view
    tabs->addTab(generalPage(), tr("General"));
    tabs->addTab(listPage(), tr("File List"));
    tabs->addTab(namesPage(), tr("Names and Steps"));
    tabs->addTab(presetsPage(), tr("Presets and History"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    connect(&view_, &ZKControllingDragView::stateChanged, this, &ZKPreferencesWindow::refresh);
    refresh();
}

QWidget *ZKPreferencesWindow::generalPage() {
    auto *page = new QWidget(this);
    QFormLayout *form = formOn(page);
    ZKGeneralSettings &general = view_.controller().generalSettings();

    startup_ = new QComboBox(page);
    startup_->addItem(tr("Do Nothing"), int(ZKGeneralSettings::StartupNothing));
    startup_->addItem(tr("List the File Manager's Selection"),
                      int(ZKGeneralSettings::StartupFinderSelection));
    startup_->addItem(tr("Show the Open Dialog"), int(ZKGeneralSettings::StartupOpenPanel));
    startup_->addItem(tr("Start with Default Settings"),
                      int(ZKGeneralSettings::StartupDefaultSettings));
    startup_->setToolTip(
        tr("The file manager's selection is read by the executable \"File Manager Selection\" in "
           "the Scripts folder of Torvane's data folder, which prints one path per line."));
    connect(startup_, &QComboBox::activated, this, [this, &general](int index) {
        general.startupAction = startup_->itemData(index).toInt();
        view_.changePreference(ConfigurationKeys::kStartupPopulation);
    });
    form->addRow(tr("At launch:"), startup_);
    addPreviewPopUp(form);

    addSwitch(
        form, tr("Quit When Closed"), [&general] { return general.quitWhenClosed; },
        [&general](bool on) { general.quitWhenClosed = on; }, ConfigurationKeys::kQuitWhenClosed);
    addSwitch(
        form, tr("Ask Before Renaming"), [&general] { return general.confirmBeforeRenaming; },
        [&general](bool on) { general.confirmBeforeRenaming = on; }, ConfigurationKeys::kChicken);
    addSwitch(
        form, tr("Clear List After Renaming"),
        [&general] { return general.clearListAfterRenaming; },
        [&general](bool on) { general.clearListAfterRenaming = on; },
        ConfigurationKeys::kClearListAfterRenaming);
    addUserDefaultSwitch(form, tr("Quit After Renaming"), ApplicationDefaults::kQuitAfterRenaming);
    addUserDefaultSwitch(form, tr("Don't Ask Before Listing Only Folders"),
                         QString::fromLatin1(ListingMode::skipFileUncheckingWarningKey));
    return page;
}

QWidget *ZKPreferencesWindow::listPage() {
    auto *page = new QWidget(this);
    QFormLayout *form = formOn(page);
    ZKFileList *list = view_.fileList();
    ZKRenamingController &controller = view_.controller();

    addUserDefaultSwitch(form, tr("Shift-Drag To Add Files"),
                         ControllerDefaults::kShiftDragToAddFiles);
    addUserDefaultSwitch(form, tr("Copy CSV Names"), ControllerDefaults::kCopyCsvNames);
    addListSwitch(form, tr("Allow File Selection"), CellDetailText::AllowFileSelectionKey, [list] {
        list->changeSelectability(defaults().boolForKey(CellDetailText::AllowFileSelectionKey) ? 0
                                                                                               : 1);
    });
    addListSwitch(form, tr("Show Icon Previews"), ApplicationDefaults::kShowIconPreviews,
                  [list] { list->toggleIconPreview(); });
    addListSwitch(form, tr("Always Show Large Icons"), ApplicationDefaults::kAlwaysShowLargeIcons,
                  [list] { list->toggleIconSize(); });
    addListSwitch(form, tr("Show Whitespace"), ApplicationDefaults::kShowWhitespace,
                  [list] { list->toggleWhitespaceDisplay(); });
    arrowMode_ = addArrowModePopUp(form);
    theme_ = addThemePopUp(form);
    addUserDefaultSwitch(form, tr("Show Clear List Button"),
                         ApplicationDefaults::kShowClearListButton);
    addUserDefaultSwitch(form, tr("Show Action Button"), ApplicationDefaults::kShowActionButton);
    addUserDefaultSwitch(form, tr("Read Drops as Names and Text"),
                         ApplicationDefaults::kDisablePasteboardObjectReading);
    addSwitch(
        form, tr("Ignore Invisible Files"),
        [&controller] { return controller.ignoreInvisibleFiles(); },
        [&controller](bool on) { controller.setIgnoreInvisibleFiles(on); },
        ConfigurationKeys::kIgnoreInvisibleFiles);
    addUserDefaultSwitch(form, tr("Ignore Symbolic Links"), ControllerDefaults::kIgnoreAliases);
    return page;
}

QWidget *ZKPreferencesWindow::namesPage() {
    auto *page = new QWidget(this);
    QFormLayout *form = formOn(page);
    ZKRenamingController &controller = view_.controller();
    addSwitch(
        form, tr("Ignore Trailing Gibberish in the Common Prefix"),
        [&controller] { return controller.ignoreTrailingGibberish(); },
        [&controller](bool on) { controller.setIgnoreTrailingGibberish(on); },
        ConfigurationKeys::kIgnoreTrailingGibberish);
    addSwitch(
        form, tr("Ignore Whitespace in Regular Expressions (Free-Spacing)"),
        [&controller] { return controller.useFreeSpacingMode(); },
        [&controller](bool on) { controller.setUseFreeSpacingMode(on); },
        ConfigurationKeys::kIgnoreWhitespaceInRegularExpressions);
    addSwitch(
        form, tr("Number Names That Would Not Be Unique (Auto-Uniqueify)"),
        [&controller] { return controller.autoUniqueify(); },
        [&controller](bool on) { controller.setAutoUniqueify(on); },
        ConfigurationKeys::kAutoUniqueify);
    addUserDefaultSwitch(form, tr("Always Select Added Steps"), tr("Always Select Added Steps"));
    addUserDefaultSwitch(form, tr("Disable Removed Renamers Stack"),
                         EngineDefaults::kDisableRemovedRenamersStack);
    addSwitch(
        form, tr("Always Left-Align Operations Menu"),
        [] {
            return defaults().boolForKey(
                ZKConfigurationCollectionView::kAlwaysLeftAlignOperationsMenu);
        },
        [this](bool on) {
            defaults().setBool(on, ZKConfigurationCollectionView::kAlwaysLeftAlignOperationsMenu);
            view_.collectionView()->alignOperationMenus();
        },
        ZKConfigurationCollectionView::kAlwaysLeftAlignOperationsMenu);
    return page;
}

QWidget *ZKPreferencesWindow::presetsPage() {
    auto *page = new QWidget(this);
    QFormLayout *form = formOn(page);
    collectionsFolder_ = new CollectionsFolderSelector(view_.dialogs(), page);
    form->addRow(tr("Presets and snippets:"), collectionsFolder_);
    addSwitch(
        form, tr("Include Presets and Snippets in Subfolders"),
        [] { return defaults().boolForKey(ZKHistorian::kCollectionsIncludeSubfolders); },
        [](bool on) {
            defaults().setBool(on, ZKHistorian::kCollectionsIncludeSubfolders);
            ZKHistorian::historian().invalidateCollections();
        },
        ZKHistorian::kCollectionsIncludeSubfolders);
    addUserDefaultSwitch(form, tr("Store Irrelevant Settings"),
                         ZKHistorian::kStoreIrrelevantSettings);
    return page;
}

void ZKPreferencesWindow::addSwitch(QFormLayout *form, const QString &title,
                                    std::function<bool()> get, std::function<void(bool)> set,
                                    const QString &key) {
    auto *box = new QCheckBox(title, form->parentWidget());
    connect(box, &QCheckBox::toggled, this, [this, set, key](bool on) {
        set(on);
        view_.changePreference(key);
    });
    form->addRow(box);
    switches_.append({box, std::move(get)});
}

void ZKPreferencesWindow::addUserDefaultSwitch(QFormLayout *form, const QString &title,
                                               const QString &key) {
    addSwitch(
        form, title, [key] { return defaults().boolForKey(key); },
        [key](bool on) { defaults().setBool(on, key); }, key);
}

void ZKPreferencesWindow::addListSwitch(QFormLayout *form, const QString &title, const QString &key,
                                        std::function<void()> toggle) {
    // The list's own commands flip these and redraw; only a real change is passed on.
    addSwitch(
        form, title, [key] { return defaults().boolForKey(key); },
        [key, toggle](bool on) {
            if (defaults().boolForKey(key) != on) toggle();
        },
        key);
}

QComboBox *ZKPreferencesWindow::addArrowModePopUp(QFormLayout *form) {
    auto *popUp = new QComboBox(form->parentWidget());
    popUp->addItem(tr("Round Lights"), 0);
    popUp->addItem(tr("Arrows While Showing Interim Names"), 1);
    popUp->addItem(tr("Arrows"), 2);
    connect(popUp, &QComboBox::activated, this, [this, popUp](int index) {
        defaults().setInteger(popUp->itemData(index).toInt(), ApplicationDefaults::kArrowMode);
        view_.changePreference(ApplicationDefaults::kArrowMode);
    });
    form->addRow(tr("Status lights:"), popUp);
    return popUp;
}

QCheckBox *ZKPreferencesWindow::switchTitled(const QString &title) const {
    for (const Switch &entry : switches_) {
        if (entry.box->text() == title) return entry.box;
    }
    return nullptr;
}

QComboBox *ZKPreferencesWindow::addThemePopUp(QFormLayout *form) {
    auto *popUp = new QComboBox(form->parentWidget());
    popUp->addItem(tr("Plain"), int(ZKFileListSettings::PlainTheme));
    popUp->addItem(tr("Striped Rows"), int(ZKFileListSettings::StripedTheme));
    connect(popUp, &QComboBox::activated, this, [this, popUp](int index) {
        view_.controller().generalSettings().fileListTheme = popUp->itemData(index).toInt();
        view_.changePreference(ConfigurationKeys::kFileListTheme);
    });
    form->addRow(tr("List theme:"), popUp);
    return popUp;
}

void ZKPreferencesWindow::addPreviewPopUp(QFormLayout *form) {
    preview_ = new QComboBox(form->parentWidget());
    preview_->addItem(tr("Click on the Icon"), 0);
    preview_->addItem(tr("Second Click on a Selected Row"), 1);
    connect(preview_, &QComboBox::activated, this, [this](int index) {
        view_.controller().generalSettings().previewPopUpCondition =
            preview_->itemData(index).toInt();
        view_.changePreference(ConfigurationKeys::kPreviewPopUpCondition);
        refreshPreviewExplanation();
    });
    form->addRow(tr("Quick preview:"), preview_);
    previewExplanation_ = new QLabel(form->parentWidget());
    QFont small = previewExplanation_->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    previewExplanation_->setFont(small);
    previewExplanation_->setForegroundRole(QPalette::PlaceholderText);
    form->addRow(QString(), previewExplanation_);
}

QString ZKPreferencesWindow::previewExplanation() const { return previewExplanation_->text(); }

void ZKPreferencesWindow::refreshPreviewExplanation() {
    previewExplanation_->setText(view_.controller().generalSettings().previewPopUpCondition == 1
                                     ? tr("Second click opens the quick preview window.")
                                     : tr("Click icon to open the quick preview window."));
}

void ZKPreferencesWindow::refresh() {
    collectionsFolder_->updateCollectionsFolderSelector();
    for (const Switch &entry : switches_) {
        const QSignalBlocker blocker(entry.box);
        entry.box->setChecked(entry.get());
    }
    const QSignalBlocker startupBlocker(startup_);
    const int startup = view_.controller().generalSettings().startupAction;
    int index = startup_->findData(startup);
    if (index < 0) {
        // A choice kept from elsewhere that this system cannot carry out is still shown.
        startup_->addItem(tr("List Path Finder's Selection"), startup);
        index = startup_->count() - 1;
    }
    startup_->setCurrentIndex(index);
    const QSignalBlocker themeBlocker(theme_);
    theme_->setCurrentIndex(
        std::max(0, theme_->findData(int(view_.controller().generalSettings().fileListTheme))));
    const QSignalBlocker previewBlocker(preview_);
    preview_->setCurrentIndex(std::max(
        0, preview_->findData(view_.controller().generalSettings().previewPopUpCondition)));
    refreshPreviewExplanation();
    const QSignalBlocker arrowBlocker(arrowMode_);
    arrowMode_->setCurrentIndex(std::max(
        0, arrowMode_->findData(int(defaults().integerForKey(ApplicationDefaults::kArrowMode)))));
}
