#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariantList>
#include <atomic>
#include <optional>

#include "common/Debounce.h"
#include "controller/ZKGeneralSettings.h"
#include "engine/ZKRenamingDelegate.h"
#include "interaction/ZKUserInteraction.h"
#include "listing/FolderScanner.h"
#include "listing/NameKeys.h"
#include "listing/SortMenu.h"
#include "listing/ZKSortPriorities.h"
#include "platform/DiskInterface.h"
#include "records/ZKFileRepresentation.h"
#include "run/RenameRunLoop.h"
#include "tokens/ZKProxyResolutionHelper.h"

class TakenPaths;

// The headless heart of the main window: it owns the file list and the step list, the
// listing choices, the sort priorities and the switches, computes every new name, builds the
// list from root paths, sorts and filters it. Whatever needs the user goes through a
// ZKUserInteraction; the window, the command line and the tests each supply their own.
//
// It is the renaming delegate of its steps: every step it holds reports to it. The latest
// controller made answers token resolution's questions about the list.
class ZKRenamingController : public QObject,
                             public ZKRenamingDelegate,
                             public ZKProxyResolutionHelper {
    Q_OBJECT
public:
    // The debounce of typed edits, in milliseconds.
    static constexpr int renameNamesDelay = 500;

    // The interaction is not owned and must outlive the controller; null gives a silent one
    // that answers every alert with its default button.
    explicit ZKRenamingController(ZKUserInteraction *userInteraction = nullptr,
                                  QObject *parent = nullptr);
    ~ZKRenamingController() override;

    // Registers the user defaults the controller reads ("Allow File Selection",
    // "Shift-Drag To Add Files", "Copy CSV Names", "List Layout: Detail Mode") and those of
    // the steps it runs (registerEngineDefaults).
    static void registerControllerDefaults();

    // The first computation in the life of the process is a layout pass followed by the
    // computation; tests start over with this.
    static void resetFirstLayoutFlag();

    ZKUserInteraction &userInteraction() const { return *ui_; }

    // --- Lists ---------------------------------------------------------------------------

    const QList<ZKFileRepresentationPtr> &fileRepresentations() const {
        return fileRepresentations_;
    }
    QList<ZKRenamerPtr> &renamers() override { return renamers_; }
    // Replaces the steps (this controller becomes their delegate); computes nothing.
    void setRenamers(const QList<ZKRenamerPtr> &renamers);
    // The root paths, in order, NFC, without a trailing "/" (but "/" itself).
    const QStringList &paths() const { return paths_; }
    // Paths the user removed from the list; a rescan never lists them again.
    QStringList exceptionPaths() const { return exceptionPaths_.value_or(QStringList()); }

    // --- Listing choices and switches (stored with the configuration) --------------------

    bool renameFiles() const { return renameFiles_; }
    bool renameFolders() const { return renameFolders_; }
    bool scanFolderContents() const { return scanFolderContents_; }
    // These set the flag only; a rebuild is updateFileRepresentations().
    void setRenameFiles(bool on) { renameFiles_ = on; }
    void setRenameFolders(bool on) { renameFolders_ = on; }
    void setScanFolderContents(bool on) { scanFolderContents_ = on; }
    bool ignoreInvisibleFiles() const override { return ignoreInvisibleFiles_; }
    void setIgnoreInvisibleFiles(bool on) { ignoreInvisibleFiles_ = on; }
    // The user default "Ignore Aliases".
    bool ignoreAliases() const override;
    bool ignoreFileAtPath(const QByteArray &nativePath, bool ignoreInvisibleFiles,
                          bool ignoreAliases, HiddenItems *hiddenItems) const override;
    qsizetype numberOfFileRepresentations() const override { return fileRepresentations_.size(); }
    // Overrides the user default "Ignore Aliases" for this controller (the command line).
    void setIgnoreAliases(bool on) { ignoreAliasesOverride_ = on; }

    bool autoUniqueify() const { return autoUniqueify_; }
    void setAutoUniqueify(bool on) { autoUniqueify_ = on; }
    // Whether records keep every interim name of a computation (the window's interim view and
    // JSON lines show them; on by default). Without, a record keeps only its new name: most
    // of what a long list holds for a command-line preview.
    void setKeepsIntermediateNames(bool keep) { keepsIntermediateNames_ = keep; }
    bool ignoreTrailingGibberish() const { return ignoreTrailingGibberish_; }
    // Forgets the common prefix; the caller recomputes the names.
    void setIgnoreTrailingGibberish(bool on);
    // "Ignore Whitespace In Regular Expressions"; starts as the user default
    // "Regular Expression Default Behavior: Free-Spacing".
    bool useFreeSpacingMode() override { return useFreeSpacingMode_; }
    void setUseFreeSpacingMode(bool on) { useFreeSpacingMode_ = on; }

    // --- General settings and launch state -----------------------------------------------

    // Start-up action, preview condition, confirmation before renaming ("Chicken"), quit
    // when closed, clear list after renaming, file-list theme.
    ZKGeneralSettings &generalSettings() { return generalSettings_; }
    const ZKGeneralSettings &generalSettings() const { return generalSettings_; }
    // Set once the application has finished launching; before that, quitting stores nothing.
    bool hasFinishedLaunching() const { return hasFinishedLaunching_; }
    void setHasFinishedLaunching(bool on) { hasFinishedLaunching_ = on; }
    // Whether the list is built again after a rename run, for the window to show the new
    // names; a command that ends with the run goes without.
    void setRelistsAfterRun(bool on) { relistsAfterRun_ = on; }
    // Whether the tables a run builds (its plan, its journal's index) are left for the end of
    // the process to reclaim: a command that ends with the run spares their teardown, about a
    // millisecond at 10,000 items, after the last move.
    void setLeavesRunTablesToProcessEnd(bool on) { leavesRunTablesToProcessEnd_ = on; }
    // Told of each record's turn during the next runs (see RenameRunLoop::TurnObserver).
    void setRunTurnObserver(RenameRunLoop::TurnObserver observer) {
        runTurnObserver_ = std::move(observer);
    }

    // --- Name computation ----------------------------------------------------------------

    // A top-level computation now.
    void updateRenameNames() override;
    // A top-level computation now, then a reload of the list unless it reloaded itself.
    void updateRenameNamesAndReloadFileList();
    // The computation. A top-level run cancels any delayed one and ends with the display
    // refreshed; *didReload (may be null) tells whether it reloaded the list itself.
    void updateRenameNamesAndReloadFileList(bool *didReload, bool topLevel);
    // Schedules a computation renameNamesDelay from now, replacing a scheduled one; with an
    // empty list and no enforcement it computes at once.
    void updateRenameNamesAfterEnforcedDelay(bool enforced) override;
    void cancelUpdateRenameNamesAfterDelay();
    bool isRenamePathsUpdatePending() const { return isRenamePathsUpdatePending_; }
    // The wait before a delayed computation; tests move its clock by hand.
    Debounce &renameNamesDebounce() { return renameNamesDebounce_; }
    // Whether a step could not work at all in the latest computation over a non-empty list
    // (every new name was withdrawn).
    bool hadSyntaxError() const { return hadSyntaxError_; }
    // Keeps the step list non-empty (adding the default steps), asks for a new layout of
    // the step views, then computes (or, without renameNames, only lets the history know).
    void updateRenamerLayoutAndRenameNames(bool renameNames) override;

    // --- Step list editing (ZKRenamingControllerStepList.cpp) -----------------------------

    // The user default that selects every added step, not only one added after a selection.
    static inline const QString alwaysSelectAddedStepsKey =
        QStringLiteral("Always Select Added Steps");
    // Where a new step goes: right after the last selected step, else at the end.
    qsizetype insertionIndexForNewRenamer() const;
    // Adds a new step (the most recently removed one, else the custom default, else all
    // defaults) at insertionIndexForNewRenamer(), relayouts and computes. The new step becomes
    // the selection when a step was selected or "Always Select Added Steps" is on. Returns it.
    ZKRenamerPtr addRenamer();
    // Pushes every selected step onto the removed-steps stack and takes it out of the list,
    // then relayouts (the list never stays empty) and computes. With nothing selected: a beep
    // and false.
    bool deleteSelectedRenamers();
    // Replaces the step list, relayouts and computes; nothing happens (false) when the new
    // list equals the current one, irrelevant settings included.
    bool replaceRenamers(const QList<ZKRenamerPtr> &renamers);
    // Puts the steps in the given order (after a drag) and computes; false, changing nothing,
    // when the order is not a rearrangement of the current steps.
    bool reorderRenamers(const QList<ZKRenamerPtr> &order);

    // --- Steps selected for the interim display ------------------------------------------

    // The selected steps, in step order.
    QList<ZKRenamerPtr> selectedRenamers() const;
    bool isRenamerSelected(const ZKRenamerPtr &renamer) const;
    // A new selection only redraws the list (the interim display depends on it).
    void setSelectedRenamers(const QList<ZKRenamerPtr> &renamers);
    // The step whose interim names the list shows: the one selected step, when exactly one
    // is and the first record has interim names; none otherwise.
    std::optional<qsizetype> indexOfIntermediateNameToDisplay() const;
    // Ends the interim display (deselecting every step) or starts it with the first step.
    void toggleIntermediateNameDisplay();
    // The command's menu item: "Show Interim Name" for one displayed row, else
    // "Show Interim Names"; checked while an interim index is shown; enabled only in the
    // main window and while the first record has interim names.
    QString intermediateNameDisplayTitle();
    bool isIntermediateNameDisplayChecked() const;
    bool isIntermediateNameDisplayEnabled(bool isMainWindow) const;

    // --- Common prefix -------------------------------------------------------------------

    // The common prefix of the listed names (see CommonPrefix), cached.
    QString commonPrefix() override;
    void invalidateCommonPrefix() { commonPrefix_.reset(); }

    // --- Selection and display -----------------------------------------------------------

    // Nestable: the outermost push saves the selected records (when the list allows
    // selection), the outermost pop selects them again.
    void pushFileRepresentationSelection();
    void popFileRepresentationSelection();
    // Keeping the selection, optionally drops the displayed subset, reloads the rows.
    void reloadFileListAfterInvalidatingFileRepresentationsToDisplay(bool invalidate);
    // The user default "Allow File Selection".
    bool allowsFileSelection() const;
    // The clear button is enabled while the list has root paths and no run is going on.
    bool isClearButtonEnabled() const;

    // --- Rename button -------------------------------------------------------------------

    // "Populating..." while opened files wait, "There is nothing to rename." without
    // records, "Updating list..." while a computation is pending (all disabled); otherwise
    // "Rename %@", "Rename %lu Files" (or Items) or "Rename %lu of %lu Files", with "..." when
    // a question will come first (confirmation on, warnings, the same steps again), enabled,
    // tag 0; when nothing would be renamed "Revert..." (tag 1) if a run can be reverted, else
    // "Settings do not apply." disabled. The menu item title goes with it.
    ZKRenameButtonState renameButtonState() const;
    // Shows renameButtonState(); nothing while dragged items are being received.
    void updateRenameButton();
    // Opened files wait for their delayed population.
    bool isOpeningAfterDelay() const { return isOpeningAfterDelay_; }
    void setOpeningAfterDelay(bool on) { isOpeningAfterDelay_ = on; }
    // Dragged items are being received; the rename command then asks the reception to stop.
    bool isWaitingForDraggedObjects() const { return isWaitingForDraggedObjects_; }
    void setWaitingForDraggedObjects(bool on) { isWaitingForDraggedObjects_ = on; }
    bool stopWaitingForDraggedObjects() const { return stopWaitingForDraggedObjects_; }
    void setStopWaitingForDraggedObjects(bool on) { stopWaitingForDraggedObjects_ = on; }

    // --- Rename run and revert -----------------------------------------------------------

    // The rename action. While dragged items are being received it only asks the reception to
    // stop; from the rename button showing "Revert..." (tag 1) it reverts; otherwise it runs.
    void rename(bool fromRenameButton);
    // The run: confirmations (not when reverting), every relevant record moved to its new
    // name in list order, then the list rebuilt from the renamed roots (or cleared, or the
    // application asked to quit). Files renamed before a stop stay renamed; nothing is
    // replaced that the user did not choose to replace.
    void renameToOriginalNames(bool isRevert);
    bool isRenaming() const { return isRenaming_; }
    // A run with exactly these steps (irrelevant settings aside) just succeeded and the list
    // was not rescanned since.
    bool isRenamingAgain() const;
    // Some record is no longer at its original path.
    bool canRevert() const;
    // Offers to give every renamed record back its original name (in its current folder).
    void revert();
    // What the latest run did with the record (NotPlanned before any run).
    RenameOutcome lastRunOutcome(const ZKFileRepresentationPtr &record) const;

    // --- Prompting (Advanced "prompt") ---------------------------------------------------

    // Asks each question (compared case-insensitively) once per prototype text and keeps
    // the answer until the list is replaced. A null string when no dialog can be shown.
    QString promptedParameter(const QString &parameter, const QString &prototype) override;

    // --- Population ----------------------------------------------------------------------

    // The one entry point for new paths: replaces the list, or adds to it while Shift is
    // held (modifiersSuggestAddition), then sorts, computes and reloads. False (with a beep)
    // when no path is given or nothing is listed; false silently when the only path is the
    // program itself and ignoreSelfReference is set. Outside a sandbox no access needs to be
    // confirmed, so createBookmarksForFolders changes nothing here.
    bool populateWithPaths(const QStringList &paths, bool ignoreSelfReference,
                           bool createBookmarksForFolders);
    // Takes paths in (replacing the roots and exceptions unless adding; a path given again
    // is no longer excepted) and rebuilds; whether the list is non-empty.
    bool setFileRepresentationsFromPaths(const QStringList &paths, bool add,
                                         const QStringList &exceptions);
    // Rebuilds the records from the roots, keeping the records of items still listed. The
    // scan can be stopped by the user, which empties the list. Whether the list is non-empty.
    bool updateFileRepresentations();
    // In a sandbox: whether the root may be renamed in (or, for a plain folder whose contents
    // alone are listed, inside), after asking to unlock its folder; a refusal the user did not
    // cancel is shown.
    bool confirmSandboxedWriteAccess(const QString &root);
    // The list has roots, "Shift-Drag To Add Files" is on and Shift is held.
    bool modifiersSuggestAddition() const;
    // A choice of the listing-mode menu (0 files, 1 folders, 2 scan folder contents,
    // 3 ignore folder contents), then rebuild, sort, compute and reload.
    void updateFilterAndFileList(int tag);
    // Removes the rows (indexes into the displayed subset) and excepts their paths; with
    // Option held, a removed folder takes every listed item inside it along.
    void deleteObjectsAtRowIndexes(const QList<int> &rows);
    // Moves the rows (indexes into the displayed subset, kept in their order) before the
    // row toRow (the end for a row past the last) and stops sorting ("Don't Sort").
    void moveRows(const QList<int> &rows, int toRow);
    // Empties roots, exceptions and records.
    void clear();
    // Copies the selected records (all displayed ones when none is selected) as paths, file
    // URLs and text (CSV lines with "Copy CSV Names"); with copy off only tells whether it
    // could.
    bool checkForFilesToCopyAndCopy(bool copy);
    // Populates with the files on the pasteboard; with paste off only tells whether any are.
    bool checkForFilesToPasteAndPaste(bool paste);
    // Populates with the items chosen in the open dialog; false when it was cancelled.
    bool populateWithOpenPanelSelection();
    // Populates with the file manager's selection: one POSIX path per line.
    bool populateWithFinderSelectionScriptResult(const QString &result, bool ignoreSelfReference);
    // The list's status message ("3 Files", "Drag files here.", "Not Listed: %@"...).
    QString filterMessage() const;
    // The clock that paces the stop checks of the scan and the rename run
    // (FolderScanner::Clock); tests replace it.
    void setScanClock(FolderScanner::Clock clock) { scanClock_ = std::move(clock); }
    // The disk rename runs work on: the real one unless a test gives a fake that fails on
    // demand. It must outlive the controller's runs.
    void setDiskInterface(DiskInterface &disk) { disk_ = &disk; }

    // --- Sorting and filtering -----------------------------------------------------------

    const ZKSortPriorities &sortingPriorities() const { return sortingPriorities_; }
    void setSortingPriorities(const ZKSortPriorities &priorities);
    int primarySortOrder() const { return sortingPriorities_.primarySortOrder(); }
    // Makes a strategy primary and matches the row detail mode to the new order.
    void setPrimarySortOrder(int strategy);
    // Sorts the records in place by the priorities (or shuffles, or leaves them).
    void sort();
    // Applies a sort menu choice (none: only re-sort), then, keeping the selection, sorts,
    // computes and reloads.
    void updateFileList(const std::optional<SortMenuItem> &item = std::nullopt);
    // The records the list shows: all of them, or those the "List Filter" keeps.
    QList<ZKFileRepresentationPtr> fileRepresentationsToDisplay();
    void invalidateFileRepresentationsToDisplay() { fileRepresentationsToDisplay_.reset(); }
    // Stores the "List Filter" tag and reloads with the subset recomputed.
    void changeFilter(int tag);
    // The row detail mode (0 to 5).
    int cellDisplayMode() const;
    // While rows cannot be selected, gives every record the detail mode of the sort order.
    void switchToMatchingCellDisplayModeForSortOrder();

signals:
    // The list's rows, filter message or options changed and should be redrawn.
    void fileListChanged();
    // The rows' contents changed (new names, lights) but not which rows there are.
    void fileListNeedsDisplay();
    // The step list changed in a way that needs the step views laid out again.
    void renamerLayoutChanged();
    // The selection of steps changed (it decides the interim display); with focusStepArea the
    // step area should also take the keyboard focus.
    void renamerSelectionChanged(bool focusStepArea);
    // Icons and previews shown for the list are out of date (a new list, or a run moved its
    // items): views drop what they keep.
    void iconsCacheCleared();
    // The application should quit: a run for a droplet or the service ended, or a successful
    // run with "Quit After Renaming". What quitting means is up to the application.
    void quitRequested();
    // A general setting changed here (a confirmation's suppression box turned "Chicken" off).
    void generalSettingsChanged();
    // A rename run (not a revert) ended after launch: the history records the steps.
    void renamersUsedForRenaming();
    // The steps or the names changed: an open history bar closes unless it made the change.
    void historyChangeToReflect();

private:
    // The displayed subset as last computed, and whether a filter made it.
    struct DisplayedSubset {
        QList<ZKFileRepresentationPtr> records;
        bool filtered = false;
    };
    // Keeps the row selection across a reload: push on creation, pop on destruction.
    class SelectionKeeper {
    public:
        explicit SelectionKeeper(ZKRenamingController &controller) : controller_(controller) {
            controller_.pushFileRepresentationSelection();
        }
        ~SelectionKeeper() { controller_.popFileRepresentationSelection(); }
        SelectionKeeper(const SelectionKeeper &) = delete;
        SelectionKeeper &operator=(const SelectionKeeper &) = delete;

    private:
        ZKRenamingController &controller_;
    };

    // Computation (ZKRenamingControllerComputation.cpp).
    void runComputation(bool *didReload, bool topLevel);
    void runRenamersWithoutRecords();
    // False when a step reported a syntax error.
    bool computeNewNames();
    bool computeNewNamesOnTwoThreads(const QList<ZKRenamerPtr> &renamers,
                                     const QList<ZKFileRepresentationPtr> &records);
    // One record through every step, up to its new name (before the uniqueness check).
    void nameRecord(ZKFileRepresentation &record, const QList<ZKRenamerPtr> &renamers, qint64 index,
                    qint64 count, bool *syntaxError) const;
    void withdrawNewNames();
    void checkUniqueness(ZKFileRepresentation &record, TakenPaths &taken,
                         QHash<QString, quint64> &lastNumbers);
    void uniqueifyNewName(ZKFileRepresentation &record, const QString &keyPath,
                          ZKFileRepresentation &holder, TakenPaths &taken,
                          QHash<QString, quint64> &lastNumbers);
    // Whether a step asks for one more pass.
    bool analyzeSequenceIdentifiers(bool topLevel);
    void refreshDisplayedSubsetAfterComputation(bool *didReload);
    // The extended-regex template cache and the canonical current date of the tokens are
    // dropped here, once per top-level computation, when those exist.
    void endOfTopLevelComputation();
    // The history reflects a changed configuration here once it exists.
    void reflectHistoryChange();
    // Makes this controller the delegate of every step and drops selections of steps that
    // are gone.
    void adoptRenamers();

    // Population (ZKRenamingControllerPopulation.cpp and ...PopulationSources.cpp).
    QList<ZKFileRepresentationPtr> scanRecords(bool *stopped);
    std::optional<ZKFileRepresentationPool> recordPool() const;
    bool askToStopScanning();
    void showScanProgress(const QString &path);
    void replaceFileRepresentations(const QList<ZKFileRepresentationPtr> &records);
    QList<ZKFileRepresentationPtr> recordsToCopy();

    ZKUserInteraction *ui_;
    FolderScanner::Clock scanClock_;
    DiskInterface *disk_ = &DiskInterface::current();
    QList<ZKFileRepresentationPtr> fileRepresentations_;
    QList<ZKRenamerPtr> renamers_;
    QList<ZKRenamerPtr> selectedRenamers_;
    QStringList paths_;
    std::optional<QStringList> exceptionPaths_;
    bool renameFiles_ = true;
    bool renameFolders_ = false;
    bool scanFolderContents_ = true;
    bool ignoreInvisibleFiles_ = true;
    std::optional<bool> ignoreAliasesOverride_;
    bool hadSyntaxError_ = false;
    bool autoUniqueify_ = false;
    bool keepsIntermediateNames_ = true;
    bool ignoreTrailingGibberish_ = true;
    bool useFreeSpacingMode_ = true;
    ZKGeneralSettings generalSettings_;
    bool hasFinishedLaunching_ = false;
    bool relistsAfterRun_ = true;
    bool leavesRunTablesToProcessEnd_ = false;
    RenameRunLoop::TurnObserver runTurnObserver_;
    ZKSortPriorities sortingPriorities_;
    // The keys of the names of the records the last scan found, for the sort that follows it.
    NameKeys scannedNameKeys_;
    std::optional<DisplayedSubset> fileRepresentationsToDisplay_;
    bool isRenamePathsUpdatePending_ = false;
    bool isComputing_ = false;
    Debounce renameNamesDebounce_{renameNamesDelay, [this] { updateRenameNames(); }};
    std::optional<QString> commonPrefix_;
    int selectionStackCounter_ = 0;
    std::optional<QList<ZKFileRepresentationPtr>> selectionCache_;
    // Prototype text -> lower-cased question -> answer.
    QHash<QString, QHash<QString, QString>> promptedParametersByPrototype_;

    // Rename run (ZKRenamingControllerRenaming.cpp, ...Revert.cpp, ...RenameButton.cpp).
    // Asks what must be asked before the run of these relevant records.
    bool confirmRenaming(const QList<ZKFileRepresentationPtr> &relevant);
    void finishRun(bool successful, bool isRevert, qsizetype relevantCount);
    void rebuildListAfterRun(bool successful, bool isRevert);
    // Hooks: the history records the configuration of every run; the token caches and
    // file access are dropped after it.
    void recordRenamersInHistory();
    void forgetFileCachesAfterRun();
    // Whether a question comes before the run ("Chicken", warnings, the same steps again).
    bool questionWouldFollow(bool relevantHaveWarnings) const;

    bool isRenaming_ = false;
    std::optional<QVariantList> lastUsedRenamerArchives_;
    bool isOpeningAfterDelay_ = false;
    bool isWaitingForDraggedObjects_ = false;
    std::atomic<bool> stopWaitingForDraggedObjects_ = false;
    QHash<const ZKFileRepresentation *, RenameOutcome> lastRunOutcomes_;
};
