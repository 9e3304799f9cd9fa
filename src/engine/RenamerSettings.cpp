#include "engine/RenamerSettings.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace RenamerSettings {

namespace {

using S = RenamerSetting;
using K = RenamerSettingKind;

struct SettingInfo {
    RenamerSetting setting;
    QString key;
    RenamerSettingKind kind;
    int defaultValue;
};

// Writing order; each row is key, kind, default.
const std::vector<SettingInfo> &table() {
    using namespace RenamerKeys;
    static const std::vector<SettingInfo> rows = {
        {S::IgnoreCase, kIgnoreCase, K::Switch, 1},
        {S::QueryIsRegEx, kQueryIsRegEx, K::Switch, 0},
        {S::PreserveExtensions, kPreserveExtensions, K::Switch, 1},
        {S::Target, kTarget, K::TokenText, 0},
        {S::Replacement, kReplacement, K::TokenText, 0},
        {S::RemoveStart, kRemoveStart, K::Number, 1},
        {S::RemoveLength, kRemoveLength, K::Number, 0},
        {S::RemoveDirection, kRemoveDirection, K::Choice, 0},
        {S::InsertStart, kInsertStart, K::Number, 1},
        {S::InsertString, kInsertString, K::TokenText, 0},
        {S::InsertDirection, kInsertDirection, K::Choice, 0},
        {S::SuffixPreserveExtension, kSuffixPreserveExtension, K::Switch, 1},
        {S::ComposePreserveExtension, kComposePreserveExtension, K::Switch, 1},
        {S::ChangeCaseName, kChangeCaseName, K::Choice, 2},
        {S::ChangeCaseExtension, kChangeCaseExtension, K::Choice, 0},
        {S::TitleCaseException, kTitleCaseException, K::Switch, 1},
        {S::TitleCaseExceptionMode, kTitleCaseExceptionMode, K::Choice, 0},
        {S::TitleCaseExceptionCutOff, kTitleCaseExceptionCutOff, K::Choice, 2},
        {S::SetExtensionExtension, kSetExtensionExtension, K::TokenText, 0},
        {S::SetExtensionChangeOnly, kSetExtensionChangeOnly, K::Switch, 1},
        {S::SequenceType, kSequenceType, K::Choice, 0},
        {S::SequenceMinimumNumberOfDigits, kSequenceMinimumNumberOfDigits, K::Choice, 0},
        {S::SequenceFirstNumber, kSequenceFirstNumber, K::Number, 1},
        {S::SequenceStepValue, kSequenceStepValue, K::Number, 1},
        {S::SequenceTerms, kSequenceTerms, K::PlainText, 0},
        {S::SequenceSuffix, kSequenceSuffix, K::TokenText, 0},
        {S::SequenceIdentifier, kSequenceIdentifier, K::TokenText, 0},
        {S::SequencePreserveExtension, kSequencePreserveExtension, K::Switch, 1},
        {S::AdvancedPrototype, kAdvancedPrototype, K::Prototype, 0},
        {S::Task, kTask, K::Choice, 0},
        {S::Expanded, kExpanded, K::Switch, 1},
    };
    return rows;
}

const SettingInfo &info(RenamerSetting setting) {
    // Rows are listed in enumeration order.
    return table()[static_cast<size_t>(setting)];
}

// Menu tags, first item first. The digit menu offers automatic (0) and 1 to 10 digits; the
// cut-off menu offers 1 to 9 characters.
const QList<int> &choices(RenamerSetting setting) {
    static const QList<int> operations = {
        FindAndReplaceOperation, RemoveOperation,  InsertOperation,     AddPrefixOperation,
        AddSuffixOperation,      ComposeOperation, ChangeCaseOperation, SetExtensionOperation,
        SequenceOperation,       AdvancedOperation};
    static const QList<int> nameCases = {0, 1, 2, 3, 4};
    static const QList<int> extensionCases = {0, 1, 2};
    static const QList<int> twoWay = {0, 1};
    static const QList<int> cutOffs = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    static const QList<int> sequenceTypes = {NumberSequence,          UppercaseRomanSequence,
                                             LowercaseRomanSequence,  UppercaseLetterSequence,
                                             LowercaseLetterSequence, TermSequence};
    static const QList<int> digits = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    static const QList<int> none;
    switch (setting) {
        case S::Task:
            return operations;
        case S::ChangeCaseName:
            return nameCases;
        case S::ChangeCaseExtension:
            return extensionCases;
        case S::RemoveDirection:
        case S::InsertDirection:
        case S::TitleCaseExceptionMode:
            return twoWay;
        case S::TitleCaseExceptionCutOff:
            return cutOffs;
        case S::SequenceType:
            return sequenceTypes;
        case S::SequenceMinimumNumberOfDigits:
            return digits;
        default:
            return none;
    }
}

bool isSequenceSetting(RenamerSetting setting, int sequenceType) {
    switch (setting) {
        case S::SequenceType:
        case S::SequenceSuffix:
        case S::SequenceIdentifier:
        case S::SequencePreserveExtension:
        case S::InsertString:
            return true;
        case S::SequenceMinimumNumberOfDigits:
            return sequenceType == NumberSequence;
        case S::SequenceTerms:
            return sequenceType == TermSequence;
        case S::SequenceFirstNumber:
        case S::SequenceStepValue:
            return sequenceType != TermSequence;
        default:
            return false;
    }
}

bool isChangeCaseSetting(RenamerSetting setting, int changeCaseName) {
    switch (setting) {
        case S::ChangeCaseName:
        case S::ChangeCaseExtension:
            return true;
        case S::TitleCaseException:
        case S::TitleCaseExceptionMode:
        case S::TitleCaseExceptionCutOff:
            return changeCaseName == kTitleCaseNameMode;
        default:
            return false;
    }
}

bool isOperationSetting(RenamerSetting setting, int operation) {
    switch (operation) {
        case FindAndReplaceOperation:
            return setting == S::Target || setting == S::Replacement || setting == S::IgnoreCase ||
                   setting == S::QueryIsRegEx || setting == S::PreserveExtensions;
        case RemoveOperation:
            return setting == S::RemoveStart || setting == S::RemoveLength ||
                   setting == S::RemoveDirection;
        case InsertOperation:
            return setting == S::InsertStart || setting == S::InsertDirection ||
                   setting == S::InsertString;
        case AddPrefixOperation:
            return setting == S::InsertString;
        case AddSuffixOperation:
            return setting == S::SuffixPreserveExtension || setting == S::InsertString;
        case ComposeOperation:
            return setting == S::ComposePreserveExtension || setting == S::InsertString;
        case SetExtensionOperation:
            return setting == S::SetExtensionExtension || setting == S::SetExtensionChangeOnly;
        case AdvancedOperation:
            return setting == S::AdvancedPrototype;
        default:
            return false;
    }
}

}  // namespace

const QList<RenamerSetting> &all() {
    static const QList<RenamerSetting> settings = [] {
        QList<RenamerSetting> list;
        for (const SettingInfo &row : table()) list.append(row.setting);
        return list;
    }();
    return settings;
}

QString key(RenamerSetting setting) { return info(setting).key; }

RenamerSettingKind kind(RenamerSetting setting) { return info(setting).kind; }

int defaultValue(RenamerSetting setting) { return info(setting).defaultValue; }

bool settingForKey(const QString &key, RenamerSetting *setting) {
    static const QHash<QString, RenamerSetting> byKey = [] {
        QHash<QString, RenamerSetting> map;
        for (const SettingInfo &row : table()) map.insert(row.key, row.setting);
        return map;
    }();
    const auto found = byKey.constFind(key);
    if (found == byKey.constEnd()) return false;
    if (setting) *setting = found.value();
    return true;
}

bool isTextSetting(RenamerSetting setting) {
    const RenamerSettingKind k = kind(setting);
    return k == K::TokenText || k == K::PlainText || k == K::Prototype;
}

bool isNumericSetting(RenamerSetting setting) { return kind(setting) == K::Number; }

bool isValidChoice(RenamerSetting setting, qint64 tag) {
    return std::ranges::find(choices(setting), tag) != choices(setting).end();
}

int firstChoice(RenamerSetting setting) {
    const QList<int> &tags = choices(setting);
    return tags.isEmpty() ? 0 : tags.first();
}

bool isValidOperation(qint64 tag) { return isValidChoice(S::Task, tag); }

bool isRelevant(RenamerSetting setting, int operation, int changeCaseName, int sequenceType) {
    if (setting == S::Task || setting == S::Expanded) return true;
    if (operation == ChangeCaseOperation) return isChangeCaseSetting(setting, changeCaseName);
    if (operation == SequenceOperation) return isSequenceSetting(setting, sequenceType);
    return isOperationSetting(setting, operation);
}

bool isKeyRelevant(const QString &key, int operation, int changeCaseName, int sequenceType) {
    RenamerSetting setting;
    return settingForKey(key, &setting) &&
           isRelevant(setting, operation, changeCaseName, sequenceType);
}

}  // namespace RenamerSettings
