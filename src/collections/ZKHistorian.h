#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <optional>

#include "collections/ZKCollectionEntry.h"
#include "collections/ZKHistorySubject.h"
#include "interaction/ZKSilentUserInteraction.h"

class QFileSystemWatcher;
class ZKSecurityScopedBookmarkManager;

// What the history bar shows: both arrows and the two status texts.
struct ZKHistoryNavigationState {
    bool leftVisible = false;
    bool leftEnabled = false;
    bool rightVisible = false;
    bool rightEnabled = false;
    // "Used Twice (2 of 5)", or "Start renaming!" for an empty history.
    QString smallStatus;
    // The fuzzy date of the item's latest use, "Latest", "History is empty." or the name of
    // the preset that equals the configuration shown.
    QString mainStatus;
    // "Last used: %@" with the fuzzy date, when there is one.
    QString mainStatusToolTip;
};

// The history of configurations used for renaming, and the presets and snippets kept in the
// collections folder. One per process (historian()); the window and the command line give it
// the owner of the current steps and a way to ask the user.
class ZKHistorian : public QObject {
    Q_OBJECT
public:
    static inline const QString kHistoryCapacity = QStringLiteral("History Capacity");
    static inline const QString kStoreIrrelevantSettings =
        QStringLiteral("Store Irrelevant Settings");
    static inline const QString kCollectionsFolder = QStringLiteral("Collections Folder");
    static inline const QString kCollectionsIncludeSubfolders =
        QStringLiteral("Collections Include Subfolders");
    static inline const QString kPresets = QStringLiteral("Presets");
    static inline const QString kSnippets = QStringLiteral("Snippets");
    static inline const QString kPresetExtension = QStringLiteral("tva");
    static inline const QString kSnippetExtension = QStringLiteral("txt");
    static inline const QString kSamplePresets = QStringLiteral("Sample Presets");
    static inline const QString kSampleSnippets = QStringLiteral("Sample Snippets");
    static inline const QString kSamplesFolderName = QStringLiteral("{samples}");

    // The shared instance; registers "History Capacity" (50) and "Collections Include
    // Subfolders" (YES) on first use.
    static ZKHistorian &historian();
    // Tests start over: the next historian() reads everything anew.
    static void resetHistorian();

    // Neither is owned; both must outlive their use here (null: none / a silent user).
    void setSubject(ZKHistorySubject *subject) { subject_ = subject; }
    ZKHistorySubject *subject() const { return subject_; }
    void setUserInteraction(ZKUserInteraction *interaction);
    // The grants that open a sandbox to the collections folder and to configuration files;
    // null: the process's shared manager. Not owned.
    void setBookmarkManager(ZKSecurityScopedBookmarkManager *bookmarks) { bookmarks_ = bookmarks; }
    ZKSecurityScopedBookmarkManager &bookmarkManager() const;

    // --- History (ZKHistorian.cpp) -------------------------------------------------------

    // The items, oldest first, loaded from "History.plist" on first use.
    const QVariantList &history();
    // "History Capacity": negative disables the history, 0 keeps every item, 1 keeps it only
    // in memory, n keeps the latest n.
    static qint64 historyCapacity();
    // Records a use of the subject's configuration (moved to the end, counter and latest time
    // updated). Another process's items recorded meanwhile are read again under the file's
    // lock first, so none is lost. False when disabled or there are no steps.
    bool archiveRenamers();
    // Applies the capacity and writes (or deletes) the file.
    void saveHistory();
    // The first (oldest) item whose "Renamers" equal the archives, honouring "Store
    // Irrelevant Settings"; -1 when none does or archives is empty.
    static qsizetype indexOfHistoryItemMatchingArchives(const QVariantList &items,
                                                        const QVariantList &archives);
    // Empties the history after confirmHistoryPurge(); false when declined.
    bool clearHistory();
    // A new capacity; a negative one with items asks first (false when declined, nothing
    // changes).
    bool changeHistoryCapacity(qint64 capacity);
    // "Clear History?"; on "Clear History" the bar closes and the answer is true.
    bool confirmHistoryPurge();
    // "History is disabled.", "History is empty.", or "" when the menu offers "Clear History...".
    QString historyMenuStatus();

    // --- Navigation (ZKHistorianNavigation.cpp) ------------------------------------------

    bool prepareForNavigation();
    // Moves to an item (by index, or by a step relative to the current position, or to the
    // first or last position), opening the bar when show is set. False, changing nothing,
    // beyond either end.
    bool navigateToHistoryItemAtIndex(qsizetype index, bool relative, bool toEnd, bool show);
    // One step (-1 or 1) or to the end, opening the bar.
    bool navigateHistoryWithDirection(int direction, bool toEnd);
    bool showHistory(bool show);
    bool isHistoryShown() const { return historyShown_; }
    // The steps changed: unless the history itself changed them, the bar closes.
    void reflectHistoryChange();
    qsizetype numberOfNavigationPositions() const { return cachedNumberOfHistoryItems_; }
    qsizetype currentPosition() const { return cachedCurrentPosition_; }
    ZKHistoryNavigationState navigationState();
    // Whether a menu item moving by step can act now (the bar's arrows' rules).
    bool canNavigate(int step);

    // --- Configuration files (ZKHistorianFiles.cpp) --------------------------------------

    // Loads a configuration file into the steps, through the history when an item equals it.
    bool unarchiveRenamersAtURL(const QString &path);
    // Writes the subject's steps as a configuration file; logs "[Export] ..." and beeps on
    // failure.
    bool exportRenamersToPath(const QString &path);
    // The steps' shared operation name, else "Renaming Operation".
    QString suggestedExportName();
    // Saves the steps (all settings) as "Default.tva", or forgets that file.
    bool saveDefaultRenamers(bool forget);

    // --- Collections (ZKHistorianCollections.cpp) ----------------------------------------

    // The folder of a collection ("Presets", "Snippets") or of all collections (empty name):
    // inside "Collections Folder" when one is set and usable, else in the application support
    // folder. "" when create is set and it cannot be made. In a sandbox the chosen folder
    // needs a grant; the user is asked for one only when cancel is given (set when they
    // dismiss the dialog). The grant used goes to accessedBookmarkPath, to be given back.
    QString localFolderPathForCollection(const QString &name, bool create, bool *cancel = nullptr,
                                         QString *accessedBookmarkPath = nullptr);
    // The user-chosen folder in use since the latest lookup, or "".
    QString userDefinedCollectionsFolderPath() const { return userDefinedCollectionsFolderPath_; }
    // The entries of a collection in the file manager's order; a separator entry precedes the
    // samples (copied from the resources into "{samples}" when missing).
    QList<ZKCollectionEntry> URLsForCollection(const QString &name, const QString &extension,
                                               const QString &sampleFolderName,
                                               bool associateArchives);
    const QList<ZKCollectionEntry> &presetURLs();
    const QList<ZKCollectionEntry> &snippetURLs();
    // Drops both lists (the application became active, the folder changed, an item went to
    // the Trash).
    void invalidateCollections();
    // The folders of a chosen collections folder being watched for changes from outside
    // (they drop the lists); empty with the application support folder.
    QStringList watchedCollectionFolders() const;
    void storeModificationDateForUserDefinedCollection(const QString &name);
    bool userDefinedCollectionDidChange(const QString &name);
    // A chosen folder ("" resets to the application support folder); false (and the default)
    // when it cannot be written.
    bool setLocalCollectionsFolderPath(const QString &path);
    // The first preset whose archives equal these, honouring "Store Irrelevant Settings".
    std::optional<ZKCollectionEntry> presetMatchingArchives(const QVariantList &archives);
    // Finds a preset by its menu path ("Name" or "Folder/Name"; samples too, after the user's).
    std::optional<ZKCollectionEntry> presetNamed(const QString &name);
    bool choosePreset(const ZKCollectionEntry &entry);
    // The steps' operation name, else "Preset": what the preset sheet proposes.
    QString proposedPresetName();
    // Saves the subject's steps as a preset / the text as a snippet under the cleaned name,
    // asking "Replace" / "Keep Both" / "Cancel" when the name is taken. The written path, or
    // "" (cancelled, or failed with a log line and a beep).
    QString savePreset(const QString &name);
    QString saveSnippet(const QString &name, const QString &text);
    bool moveCollectionURLToTrash(const ZKCollectionEntry &entry);
    // The collection's folder, created when missing, to open in the file manager; "" (logged,
    // beep) when it cannot be had.
    QString folderToManageCollection(const QString &name);

signals:
    void historyShownChanged(bool shown);
    // Arrows and texts of the bar are out of date.
    void navigationChanged();
    // The preset or snippet lists were dropped and will be built anew.
    void collectionsInvalidated();

private:
    ZKHistorian();
    QVariantList currentArchives() const;
    QList<ZKRenamerPtr> currentRenamers() const;
    void setSubjectRenamers(const QList<ZKRenamerPtr> &renamers, int animate);
    void updateHistoryNavigationControls();
    void watchUserDefinedCollections();
    void mutateHistoryLocked(const std::function<void(QVariantList &)> &change);
    QString saveCollectionItem(const QString &collection, const QString &name,
                               const QString &extension, const QByteArray &contents, bool asPreset);

    ZKHistorySubject *subject_ = nullptr;
    ZKUserInteraction *ui_;
    ZKSilentUserInteraction silent_;
    std::optional<QVariantList> history_;
    qsizetype cachedNumberOfHistoryItems_ = 0;
    qsizetype cachedCurrentPosition_ = 0;
    std::optional<QVariantList> cachedLatestRenamerArchives_;
    bool isSettingRenamersFromHistory_ = false;
    bool historyShown_ = false;
    std::optional<QList<ZKCollectionEntry>> presetURLs_;
    std::optional<QList<ZKCollectionEntry>> snippetURLs_;
    QString userDefinedCollectionsFolderPath_;
    ZKSecurityScopedBookmarkManager *bookmarks_ = nullptr;
    QFileSystemWatcher *collectionsWatcher_ = nullptr;
};
