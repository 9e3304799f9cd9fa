#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <optional>

#include "engine/AdvancedCodeCheck.h"
#include "engine/FindAndReplace.h"
#include "engine/RenamerSettings.h"
#include "engine/SequenceGroups.h"
#include "engine/ZKRenamingDelegate.h"
#include "engine/ZKTextFileReflection.h"

class ZKFileItem;
struct AdvancedPreparation;

// One renaming step: an operation tag and the settings of every operation, of which only
// those relevant to the selected operation take part. Settings are addressed by
// RenamerSetting; the archive (a property-list dictionary, defaults left out) is the one
// form in which steps are stored.
class ZKRenamer {
public:
    // A step with every setting at its default (a Find and Replace step).
    ZKRenamer();
    ZKRenamer(const ZKRenamer &) = delete;
    ZKRenamer &operator=(const ZKRenamer &) = delete;

    // --- Creation -------------------------------------------------------------------------

    // A step from an archive. With no archive (std::nullopt): the most recently removed step
    // if the removed-steps stack has one, else a step from the first archive of
    // "Default.tva", else all defaults. Legacy archives are not converted here (see
    // RenamerCollections::addRenamersFromArchive).
    static ZKRenamerPtr renamerWithArchive(const std::optional<QVariantMap> &archive);
    // Parses property-list data (binary or XML) and makes a step from it; null data, data
    // that is no property list and data that is no dictionary count as no archive.
    static ZKRenamerPtr renamerWithData(const QByteArray &data);

    // The operation's name ("Find and Replace", ...); "" for a tag that names none.
    static QString operationName(int tag);
    QString operationName() const;
    // "<ZKRenamer: operation name 0x...>".
    QString description() const;

    // --- Removed-steps stack (process-wide, never persisted) -------------------------------

    // Archive data of removed steps, most recently pushed last. Tests may clear it.
    static QList<QByteArray> &removedRenamersStack();
    // A step from the most recently pushed data, which is taken off the stack; null when the
    // stack is empty.
    static ZKRenamerPtr renamerPoppedFromRemovedRenamersStack();
    // Expands the step and pushes its archive data; false when "Disable Removed Renamers
    // Stack" is on or the archive is empty (an all-default Find and Replace step).
    bool pushOnRemovedRenamersStack();

    // --- Delegate --------------------------------------------------------------------------

    // The step's delegate; without one, the application's (setApplicationRenamingDelegate),
    // else a process-wide ZKDefaultRenamingDelegate. Never null.
    ZKRenamingDelegate *renamingDelegate() const;
    // Not owned; must outlive the step or be reset to null.
    void setRenamingDelegate(ZKRenamingDelegate *delegate);
    // The delegate of every step that has none of its own; null restores the default.
    static void setApplicationRenamingDelegate(ZKRenamingDelegate *delegate);

    // --- Settings --------------------------------------------------------------------------

    // The setting's archive key; *defaultValue receives its default only when that is not 0
    // (callers set it to 0 first).
    QString nameOfSettingForControl(RenamerSetting setting, int *defaultValue) const;
    // The same, but "" when the setting is irrelevant to the step's operation, Change Case
    // name mode and Sequence type, unless identifyIfIrrelevant is set.
    QString nameOfSettingForControl(RenamerSetting setting, bool identifyIfIrrelevant,
                                    int *defaultValue) const;
    bool isRelevant(RenamerSetting setting) const;

    int operation() const { return static_cast<int>(task_); }
    // Values by kind; a setting of another kind reads as false, 0 or empty.
    bool switchValue(RenamerSetting setting) const;
    qint64 integerValue(RenamerSetting setting) const;  // choices and numbers
    QVariantList tokenListValue(RenamerSetting setting) const;
    QString stringValue(RenamerSetting setting) const;  // terms and Advanced prototype
    // The path of the text file the terms reflect, with "~" for the home folder; "" when none.
    QString sequenceTermsReflectedPath() const {
        return sequenceTermsField_->reflectedTextFilePath();
    }
    // The terms field's model, for a widget to bind to (see ZKTextFileReflection). Text it
    // takes from its file asks the delegate for a delayed recomputation.
    ZKTextFileReflection &sequenceTermsField() { return *sequenceTermsField_; }
    // The first number written in the notation of the Sequence type, as its field shows it.
    QString sequenceFirstNumberText() const;
    // Typing into the first-number field: the text is read in the type's notation and becomes
    // the first number (a typed edit). Answers what the field shows next: the text itself
    // when it reads "-" or is already canonical, else the canonical notation.
    QString setSequenceFirstNumberText(const QString &text);

    // Edits. Each answers false (and changes nothing) for a setting of another kind or a tag
    // that is not on the setting's menu, and otherwise tells the delegate when the value
    // changed: the operation, the Sequence type and the Change Case name mode relayout the
    // step list and recompute names; other switches and choices recompute at once; typed
    // numbers and texts ask for the delayed recomputation unless skipDelay is set.
    bool setOperation(int tag);
    bool setSwitchValue(RenamerSetting setting, bool value);
    bool setChoiceValue(RenamerSetting setting, qint64 tag);
    bool setNumberValue(RenamerSetting setting, qint64 value, bool skipDelay = false);
    // The shared "Rename: Insert: String" is one value for Insert, Add Prefix, Add Suffix,
    // Compose and the Sequence prefix.
    bool setTokenListValue(RenamerSetting setting, const QVariantList &list,
                           bool skipDelay = false);
    // Terms have their line ends normalised to "\n"; a typed change of the terms ends the
    // reflection of a terms file.
    bool setStringValue(RenamerSetting setting, const QString &value, bool skipDelay = false);
    void setSequenceTermsReflectedPath(const QString &path);

    // --- View state ------------------------------------------------------------------------

    // Status of the Find and Replace target: -1 invalid pattern, 0 empty, 1 usable. Set by
    // processFileRepresentation.
    int targetStatus() const { return targetStatus_; }
    // The status is shown only for regular expressions.
    bool isTargetStatusShown() const;
    // The title-case Mode and Cut-Off rows are enabled only with the exception switch on.
    bool isTitleCaseExceptionDetailEnabled() const;
    // The Cut-Off row is shown only for title case.
    bool isTitleCaseExceptionCutOffShown() const;

    // --- Archive ---------------------------------------------------------------------------

    // Sets every setting from the archive (missing or wrong-kind values give defaults; a tag
    // not on its menu selects the menu's first item). Does not notify the delegate.
    void initializeControlsWithArchive(const QVariantMap &archive);
    QVariantMap archiveWithIrrelevantSettings(bool irrelevantSettings, bool includeAllTextSettings,
                                              bool includeAllNumericSettings) const;
    // The archive (irrelevant settings per "Store Irrelevant Settings", all text and numeric
    // settings) as a binary property list; empty when the archive is empty.
    QByteArray archiveData() const;

    bool isEqualToRenamer(const ZKRenamer &other, bool compareIrrelevantSettings,
                          bool compareAllTextSettings, bool compareAllNumericSettings) const;
    // Equality per "Store Irrelevant Settings" with all text and numeric settings; false for
    // null.
    bool isEqual(const ZKRenamer *other) const;

    // --- Renaming --------------------------------------------------------------------------

    // Turns the file's working name into its next one (setIntermediateName). Without a file
    // only Find and Replace acts, updating the target status and reporting a syntax error.
    // *syntaxError is only ever set to true, never cleared.
    void processFileRepresentation(ZKFileItem *file, qint64 index, qint64 count, bool *syntaxError);
    // Whether the step's new name for an item depends on that item's names and the step's own
    // settings alone, read without touching anything shared (no tokens, patterns or other
    // items): such steps may name different items on several threads at once.
    bool namesItemsIndependently() const;
    // The step to name items with on another thread while this one names others: a copy of
    // its settings, texts included, with working state of its own (Find and Replace keeps
    // its compiled pattern and matcher).
    static ZKRenamerPtr forAnotherThread(const ZKRenamerPtr &step);
    // Called on every step after each pass of a computation (analyze on after the first);
    // answers whether the whole computation must run once more. Only sequence groups, whose
    // totals are known after a first pass, ever ask for that; no other operation does.
    bool cleanUpAfterUpdatingAndAnalyzeSequenceIdentifiers(bool analyze);

    // A value of a sequence for the Advanced functions. Arguments, all optional, in order:
    // start (in the type's notation; 1), step (1), sleep (extra repeats of each value; 0),
    // limit (0 for none; past it the values start over), the minimum number of digits (numbers
    // only; automatic), and a group identifier (with a file: the sixth argument for numbers,
    // the fifth for other types). With three arguments, numbers take the third as digits
    // instead of sleep. skipSingleFileSequence gives "" when the list or the group holds one
    // file. A start beyond the limit is logged as an Advanced error, sets *didFail and gives
    // "". Type 10 gives roman numerals, 100 letters, others numbers.
    QString sequenceValueAtIndex(qint64 index, ZKFileItem *file, int type,
                                 const QStringList &arguments, qint64 numberOfFiles,
                                 bool skipSingleFileSequence, bool *didFail);

    // --- Advanced (ZKRenamerAdvanced.cpp) -----------------------------------------------

    // The next name of a file (or of no file) whose working name is `name`, from the
    // prototype prepared for this computation pass: the prototype's value, or `name` when
    // that is empty or the evaluation failed (*didFail is then set, never cleared).
    QString advancedNameForFileRepresentation(ZKFileItem *file, const QString &name, qint64 index,
                                              qint64 count, bool *didFail);
    // Checks and colours the prototype as the editor holds it (see AdvancedCodeCheck), logging
    // what it finds; answers whether the prototype is acceptable.
    bool colorizeFailedAdvancedRenamingPrototype(bool failed);
    // What the first evaluation of the last pass found: the colours of the prototype and
    // whether the show-errors button is shown.
    const AdvancedCodeColouring &advancedCodeColouring() const { return advancedCodeColouring_; }
    bool isAdvancedShowErrorsButtonShown() const { return advancedShowErrorsButtonShown_; }
    // Called whenever a pass has analysed the prototype anew (for the step's editor).
    void setAdvancedAnalysisObserver(std::function<void()> observer) {
        advancedAnalysisObserver_ = std::move(observer);
    }
    // The call templates the code editor completes, in order.
    static const QStringList &functionTemplates();

    // The errors of the current Advanced evaluation: none until an evaluation begins one
    // (beginAdvancedErrorMessage); each message is appended once as "- message\n", and not
    // at all when the list already holds its text.
    std::optional<QString> advancedErrorMessage() const { return advancedErrorMessage_; }
    void beginAdvancedErrorMessage() { advancedErrorMessage_ = QString(); }
    void logAdvancedRenamingError(const QString &message);

    // --- Step list editing (on the delegate's list) ----------------------------------------

    // Inserts a copy (expanded) right after this step in the delegate's list, or appends it
    // with "zombie duplicate: %@" logged when this step is no longer listed; the delegate then
    // relayouts and recomputes names. Returns the copy, or null (logged "cannot create
    // duplicate of %@") when none could be made.
    ZKRenamerPtr duplicate();
    // A negative sender tag removes every step (pushing the last first); otherwise this
    // step is pushed and removed. The delegate then relayouts and recomputes names.
    void remove(int senderTag = 0);

private:
    bool *switchField(RenamerSetting setting);
    qint64 *integerField(RenamerSetting setting);
    QVariantList *tokenField(RenamerSetting setting);
    QString *stringField(RenamerSetting setting);
    const bool *switchField(RenamerSetting setting) const;
    const qint64 *integerField(RenamerSetting setting) const;
    const QVariantList *tokenField(RenamerSetting setting) const;
    const QString *stringField(RenamerSetting setting) const;

    void readSetting(RenamerSetting setting, const QVariantMap &archive);
    void writeSetting(RenamerSetting setting, QVariantMap &archive, bool includeAllText,
                      bool includeAllNumeric) const;
    void notifyTextEdit(bool skipDelay);

    // Operations (ZKRenamerOperations.cpp); each answers the next working name.
    void processFindAndReplace(ZKFileItem *file, bool *syntaxError);
    std::optional<QString> findAndReplace(ZKFileItem *file, const QString &name, bool *syntaxError);
    QString renamedName(ZKFileItem *file, const QString &name) const;
    QString removed(ZKFileItem *file, const QString &name) const;
    QString inserted(ZKFileItem *file, const QString &name) const;
    QString withSuffix(ZKFileItem *file, const QString &name) const;
    QString composed(ZKFileItem *file, const QString &name) const;
    QString caseChanged(ZKFileItem *file, const QString &name) const;
    QString withExtensionSet(ZKFileItem *file, const QString &name) const;
    QString resolved(RenamerSetting setting, ZKFileItem *file) const;

    // Advanced (ZKRenamerAdvanced.cpp).
    void processAdvanced(ZKFileItem *file, qint64 index, qint64 count, bool *syntaxError);
    AdvancedPreparation &advancedPreparation();
    void showAdvancedAnalysis(bool showErrorsButton);

    // Sequence (ZKRenamerSequence.cpp).
    QString sequenced(ZKFileItem *file, qint64 index, qint64 count);
    QString sequenceValue(ZKFileItem *file, qint64 index, qint64 count);
    QString sequenceNumber(const std::optional<QString> &group, qint64 index, qint64 count);
    QString withSequencePrefixAndSuffix(ZKFileItem *file, const QString &value) const;
    std::optional<QString> sequenceGroup(ZKFileItem *file) const;
    const QStringList &sequenceAlternatingTerms();

    ZKRenamingDelegate *renamingDelegate_ = nullptr;
    int targetStatus_ = 0;

    // One field per setting; the constructor sets the defaults of the settings table.
    qint64 task_{};
    bool expanded_{};
    QVariantList target_;
    QVariantList replacement_;
    bool ignoreCase_{};
    bool queryIsRegEx_{};
    bool preserveExtensions_{};
    qint64 removeStart_{};
    qint64 removeLength_{};
    qint64 removeDirection_{};
    qint64 insertStart_{};
    qint64 insertDirection_{};
    QVariantList insertString_;
    bool suffixPreserveExtension_{};
    bool composePreserveExtension_{};
    qint64 changeCaseName_{};
    qint64 changeCaseExtension_{};
    bool titleCaseException_{};
    qint64 titleCaseExceptionMode_{};
    qint64 titleCaseExceptionCutOff_{};
    QVariantList setExtensionExtension_;
    bool setExtensionChangeOnly_{};
    qint64 sequenceType_{};
    qint64 sequenceMinimumNumberOfDigits_{};
    qint64 sequenceFirstNumber_{};
    qint64 sequenceStepValue_{};
    std::unique_ptr<ZKTextFileReflection> sequenceTermsField_ =
        std::make_unique<ZKTextFileReflection>();
    QVariantList sequenceSuffix_;
    QVariantList sequenceIdentifier_;
    bool sequencePreserveExtension_{};
    QString advancedPrototype_;

    // Working state of one name computation (one or two passes).
    FindAndReplace::PatternCache patterns_;
    SequenceGroups sequenceGroups_;
    std::optional<QStringList> sequenceAlternatingTerms_;
    std::optional<QString> advancedErrorMessage_;
    // The prototype prepared for the pass, and whether the pass has analysed it.
    std::shared_ptr<AdvancedPreparation> advancedPreparation_;
    bool isAdvancedCodeAnalyzed_ = false;
    AdvancedCodeColouring advancedCodeColouring_;
    bool advancedShowErrorsButtonShown_ = false;
    std::function<void()> advancedAnalysisObserver_;
};
