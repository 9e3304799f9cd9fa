#pragma once

#include <QList>
#include <QString>

// The settings of a renaming step: their archive keys, kinds, defaults, valid menu tags and
// which operation each one belongs to.

// Operation tags ("Task").
enum RenamerOperation : int {
    FindAndReplaceOperation = 0,
    RemoveOperation = 100,
    InsertOperation = 101,
    AddPrefixOperation = 102,
    AddSuffixOperation = 103,
    ComposeOperation = 104,
    ChangeCaseOperation = 2,
    SetExtensionOperation = 3,
    SequenceOperation = 110,
    AdvancedOperation = 9,
};

// Sequence type tags ("Rename: Sequence: Type").
enum RenamerSequenceType : int {
    NumberSequence = 0,
    UppercaseRomanSequence = 10,
    LowercaseRomanSequence = 11,
    UppercaseLetterSequence = 100,
    LowercaseLetterSequence = 101,
    TermSequence = 1000,
};

// Change Case name mode 4 is title case.
inline constexpr int kTitleCaseNameMode = 4;

// Every setting, in the order in which an archive is written.
enum class RenamerSetting {
    IgnoreCase,
    QueryIsRegEx,
    PreserveExtensions,
    Target,
    Replacement,
    RemoveStart,
    RemoveLength,
    RemoveDirection,
    InsertStart,
    InsertString,
    InsertDirection,
    SuffixPreserveExtension,
    ComposePreserveExtension,
    ChangeCaseName,
    ChangeCaseExtension,
    TitleCaseException,
    TitleCaseExceptionMode,
    TitleCaseExceptionCutOff,
    SetExtensionExtension,
    SetExtensionChangeOnly,
    SequenceType,
    SequenceMinimumNumberOfDigits,
    SequenceFirstNumber,
    SequenceStepValue,
    SequenceTerms,
    SequenceSuffix,
    SequenceIdentifier,
    SequencePreserveExtension,
    AdvancedPrototype,
    Task,
    Expanded,
};

enum class RenamerSettingKind {
    Switch,     // a boolean
    Choice,     // a menu tag
    Number,     // an integer typed into a field: a numeric setting
    TokenText,  // a token list: a text setting
    PlainText,  // a string (the terms, with its reflected file): a text setting
    Prototype,  // the Advanced prototype, a string: a text setting
};

namespace RenamerKeys {

inline const QString kTask = QStringLiteral("Task");
inline const QString kExpanded = QStringLiteral("Expanded /Skip");
inline const QString kTarget = QStringLiteral("Rename: Find/Replace: Target");
inline const QString kReplacement = QStringLiteral("Rename: Find/Replace: Replacement");
inline const QString kIgnoreCase = QStringLiteral("Rename: Find/Replace: Ignore Case");
inline const QString kQueryIsRegEx = QStringLiteral("Rename: Find/Replace: Query is RegEx");
inline const QString kPreserveExtensions =
    QStringLiteral("Rename: Find/Replace: Preserve Extensions");
inline const QString kRemoveStart = QStringLiteral("Rename: Remove: Start");
inline const QString kRemoveLength = QStringLiteral("Rename: Remove: Length");
inline const QString kRemoveDirection = QStringLiteral("Rename: Remove: Direction");
inline const QString kInsertStart = QStringLiteral("Rename: Insert: Start");
inline const QString kInsertDirection = QStringLiteral("Rename: Insert: Direction");
inline const QString kInsertString = QStringLiteral("Rename: Insert: String");
inline const QString kSuffixPreserveExtension =
    QStringLiteral("Rename: Suffix: Preserve Extension");
inline const QString kComposePreserveExtension =
    QStringLiteral("Rename: Compose: Preserve Extension");
inline const QString kChangeCaseName = QStringLiteral("Rename: Change Case: Name");
inline const QString kChangeCaseExtension = QStringLiteral("Rename: Change Case: Extension");
inline const QString kTitleCaseException =
    QStringLiteral("Rename: Change Case: Title Case Exception");
inline const QString kTitleCaseExceptionMode =
    QStringLiteral("Rename: Change Case: Title Case Exception: Mode");
inline const QString kTitleCaseExceptionCutOff =
    QStringLiteral("Rename: Change Case: Title Case Exception: Cut-Off");
inline const QString kSetExtensionExtension = QStringLiteral("Rename: Set Extension: Extension");
inline const QString kSetExtensionChangeOnly = QStringLiteral("Rename: Set Extension: Change Only");
inline const QString kSequenceType = QStringLiteral("Rename: Sequence: Type");
inline const QString kSequenceMinimumNumberOfDigits =
    QStringLiteral("Rename: Sequence: Minimum Number of Digits");
inline const QString kSequenceFirstNumber = QStringLiteral("Rename: Sequence: First Number");
inline const QString kSequenceStepValue = QStringLiteral("Rename: Sequence: Step Value");
inline const QString kSequenceTerms = QStringLiteral("Rename: Sequence: Terms");
inline const QString kSequenceSuffix = QStringLiteral("Rename: Sequence: Suffix");
inline const QString kSequenceIdentifier = QStringLiteral("Rename: Sequence: Identifier");
inline const QString kSequencePreserveExtension =
    QStringLiteral("Rename: Sequence: Preserve Extension");
inline const QString kAdvancedPrototype = QStringLiteral("Rename: Advanced: Prototpye");

// Appended to the key of a field that reflects a text file; the key holds the file's path.
inline const QString kReflectedPathSuffix = QStringLiteral(" (Reflected Path)");
// Keys ending so describe the view only and are never compared.
inline const QString kSkipSuffix = QStringLiteral("/Skip");

}  // namespace RenamerKeys

namespace RenamerSettings {

// All settings in archive writing order.
const QList<RenamerSetting> &all();

QString key(RenamerSetting setting);
RenamerSettingKind kind(RenamerSetting setting);
// The default as an integer: 1 for switches that default to on, the default tag or number,
// else 0 (text settings default to empty).
int defaultValue(RenamerSetting setting);
// The setting stored under a key; false for unknown keys and " (Reflected Path)" keys.
bool settingForKey(const QString &key, RenamerSetting *setting);

bool isTextSetting(RenamerSetting setting);
bool isNumericSetting(RenamerSetting setting);

// Whether a choice setting offers this tag. The first tag of a menu is what an unknown tag
// falls back to.
bool isValidChoice(RenamerSetting setting, qint64 tag);
int firstChoice(RenamerSetting setting);

bool isValidOperation(qint64 tag);

// Relevance depends on the operation, the Change Case name mode and the Sequence type only.
bool isRelevant(RenamerSetting setting, int operation, int changeCaseName, int sequenceType);
// The same for an archive key; unknown and reflected-path keys are irrelevant.
bool isKeyRelevant(const QString &key, int operation, int changeCaseName, int sequenceType);

}  // namespace RenamerSettings
