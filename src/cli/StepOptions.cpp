#include "cli/StepOptions.h"

#include <QHash>

#include "cli/CommandHelp.h"
#include "cli/TokenText.h"
#include "engine/LazinessIndicator.h"
#include "engine/RenamerSettings.h"
#include "engine/ZKRenamer.h"

namespace {

using S = RenamerSetting;

const QHash<QString, int> &operationsByOption() {
    static const QHash<QString, int> operations{
        {"--find", FindAndReplaceOperation}, {"--remove", RemoveOperation},
        {"--insert", InsertOperation},       {"--prefix", AddPrefixOperation},
        {"--suffix", AddSuffixOperation},    {"--compose", ComposeOperation},
        {"--case", ChangeCaseOperation},     {"--set-extension", SetExtensionOperation},
        {"--sequence", SequenceOperation},   {"--advanced", AdvancedOperation}};
    return operations;
}

const QStringList &valueModifiers() {
    static const QStringList names{"--replace",         "--short-words", "--sequence-prefix",
                                   "--sequence-suffix", "--group-by",    "--terms",
                                   "--terms-file"};
    return names;
}

const QStringList &flagModifiers() {
    static const QStringList names{
        "--regex",          "--case-sensitive", "--whole-name", "--include-extension",
        "--drop-extension", "--add-missing",    "--lazy"};
    return names;
}

// The case modes by their names on the command line (those of the step editor's menus).
const QList<std::pair<QString, int>> &caseModes() {
    static const QList<std::pair<QString, int>> modes{
        {"keep", 0}, {"upper", 1}, {"lower", 2}, {"capitalized", 3}, {"title", kTitleCaseNameMode}};
    return modes;
}

const QList<std::pair<QString, int>> &sequenceTypes() {
    static const QList<std::pair<QString, int>> types{{"numbers", NumberSequence},
                                                      {"roman", UppercaseRomanSequence},
                                                      {"lower-roman", LowercaseRomanSequence},
                                                      {"letters", UppercaseLetterSequence},
                                                      {"lower-letters", LowercaseLetterSequence},
                                                      {"terms", TermSequence}};
    return types;
}

QStringList choiceNames(const QList<std::pair<QString, int>> &choices) {
    QStringList names;
    for (const auto &[name, tag] : choices) names << name;
    return names;
}

std::optional<int> choiceTag(const QList<std::pair<QString, int>> &choices, const QString &name) {
    for (const auto &[choice, tag] : choices)
        if (choice == name) return tag;
    return std::nullopt;
}

bool fail(QString *error, const QString &message) {
    *error = message;
    return false;
}

std::optional<qint64> integer(const QString &text) {
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

bool setText(ZKRenamer &step, S setting, const QString &option, const QString &value,
             QString *error) {
    const std::optional<QVariantList> list = TokenText::parse(value, error);
    if (!list) return fail(error, option + ": " + *error);
    step.setTokenListValue(setting, *list, true);
    return true;
}

// "N" or "N:from-end": a 1-based position and its direction.
bool setPosition(ZKRenamer &step, S start, S direction, const QString &option, const QString &text,
                 QString *error) {
    const QStringList parts = text.split(u':');
    const std::optional<qint64> position = integer(parts.first());
    const bool fromEnd = parts.size() == 2 && parts[1] == QLatin1String("from-end");
    if (!position || parts.size() > 2 || (parts.size() == 2 && !fromEnd))
        return fail(
            error,
            CommandHelp::tr("%1: \"%2\" is no position (N or N:from-end)").arg(option, text));
    step.setNumberValue(start, *position, true);
    step.setChoiceValue(direction, fromEnd ? 1 : 0);
    return true;
}

bool setRemove(ZKRenamer &step, const QString &value, QString *error) {
    const qsizetype colon = value.indexOf(u':');
    const std::optional<qint64> start = integer(value.left(colon));
    const QString rest = colon < 0 ? QString() : value.mid(colon + 1);
    const qsizetype next = rest.indexOf(u':');
    const std::optional<qint64> length = integer(rest.left(next));
    if (colon < 0 || !start || !length)
        return fail(error,
                    CommandHelp::tr("--remove: \"%1\" is not START:LENGTH[:from-end]").arg(value));
    step.setNumberValue(S::RemoveLength, *length, true);
    return setPosition(step, S::RemoveStart, S::RemoveDirection, "--remove",
                       value.left(colon) + (next < 0 ? QString() : rest.mid(next)), error);
}

bool setInsert(ZKRenamer &step, const QString &value, QString *error) {
    // The text may hold "@" itself: the position follows the last one.
    const qsizetype at = value.lastIndexOf(u'@');
    if (at < 0)
        return fail(error,
                    CommandHelp::tr("--insert: \"%1\" is not TEXT@POSITION[:from-end]").arg(value));
    return setText(step, S::InsertString, "--insert", value.left(at), error) &&
           setPosition(step, S::InsertStart, S::InsertDirection, "--insert", value.mid(at + 1),
                       error);
}

// "MODE[:name|:extension]", several joined by ",". A mode alone changes the name, and the
// extension too when the mode is upper or lower case.
bool setCase(ZKRenamer &step, const QString &value, QString *error) {
    int nameMode = 0;
    int extensionMode = 0;
    for (const QString &part : value.split(u',')) {
        const QString mode = part.section(u':', 0, 0);
        const QString which = part.section(u':', 1);
        const std::optional<int> tag = choiceTag(caseModes(), mode);
        if (!tag || (which != "" && which != "name" && which != "extension"))
            return fail(error, CommandHelp::tr("--case: unknown value \"%1\" (one of: %2, each "
                                               "optionally followed by :name or :extension)")
                                   .arg(part, choiceNames(caseModes()).join(", ")));
        const bool forExtension = *tag <= 2;  // the extension knows keep, upper and lower
        if (which == "extension" && !forExtension)
            return fail(error, CommandHelp::tr("--case: an extension is only kept, made upper or "
                                               "lower case, not \"%1\"")
                                   .arg(mode));
        if (which != "extension") nameMode = *tag;
        if (which == "extension" || (which.isEmpty() && forExtension)) extensionMode = *tag;
    }
    step.setChoiceValue(S::ChangeCaseName, nameMode);
    step.setChoiceValue(S::ChangeCaseExtension, extensionMode);
    return true;
}

// "TYPE[:first[:step[:digits]]]"; the first value is written in the type's notation.
bool setSequence(ZKRenamer &step, const QString &value, QString *error) {
    const QStringList parts = value.split(u':');
    const std::optional<int> type = choiceTag(sequenceTypes(), parts.first());
    if (!type)
        return fail(error, CommandHelp::tr("--sequence: unknown type \"%1\" (one of: %2)")
                               .arg(parts.first(), choiceNames(sequenceTypes()).join(", ")));
    if (parts.size() > 4)
        return fail(error, CommandHelp::tr("--sequence: more than TYPE:first:step:digits"));
    step.setChoiceValue(S::SequenceType, *type);
    if (parts.size() > 1 && !parts[1].isEmpty()) {
        step.setSequenceFirstNumberText(parts[1]);
        const bool understood = integer(parts[1]) || step.integerValue(S::SequenceFirstNumber) != 0;
        if (!understood)
            return fail(error, CommandHelp::tr("--sequence: \"%1\" is no first value of %2")
                                   .arg(parts[1], parts.first()));
    }
    const std::optional<qint64> stepValue = integer(parts.value(2, "1"));
    if (!stepValue)
        return fail(error, CommandHelp::tr("--sequence: \"%1\" is no step").arg(parts[2]));
    step.setNumberValue(S::SequenceStepValue, *stepValue, true);
    const std::optional<qint64> digits = integer(parts.value(3, "0"));
    if (!digits || !step.setChoiceValue(S::SequenceMinimumNumberOfDigits, *digits))
        return fail(error, CommandHelp::tr("--sequence: \"%1\" is no number of digits (0 for "
                                           "automatic)")
                               .arg(parts[3]));
    return true;
}

}  // namespace

bool StepOptions::take(const QStringList &arguments, qsizetype *index, QString *error) {
    const QString &option = arguments[*index];
    if (option == QLatin1String("--print-steps")) return printSteps_ = true;
    if (flagModifiers().contains(option)) {
        takeModifier(option, QString(), error);
        return true;
    }
    const bool isOperation = operationsByOption().contains(option);
    if (!isOperation && !valueModifiers().contains(option)) return false;
    if (*index + 1 >= arguments.size()) {
        *error = CommandHelp::tr("%1 needs a value").arg(option);
        return true;
    }
    const QString value = arguments[++*index];
    isOperation ? takeOperation(option, value, error) : takeModifier(option, value, error);
    return true;
}

bool StepOptions::takeOperation(const QString &option, const QString &value, QString *error) {
    auto step = std::make_shared<ZKRenamer>();
    step->setOperation(operationsByOption().value(option));
    steps_.append(step);
    stepOptionNames_.append(option);
    switch (step->operation()) {
        case FindAndReplaceOperation:
            return setText(*step, S::Target, option, value, error);
        case RemoveOperation:
            return setRemove(*step, value, error);
        case InsertOperation:
            return setInsert(*step, value, error);
        case ChangeCaseOperation:
            return setCase(*step, value, error);
        case SetExtensionOperation:
            return setText(*step, S::SetExtensionExtension, option, value, error);
        case SequenceOperation:
            return setSequence(*step, value, error);
        case AdvancedOperation:
            step->setStringValue(S::AdvancedPrototype, value, true);
            return true;
        default:  // Add Prefix, Add Suffix and Compose share one text
            return setText(*step, S::InsertString, option, value, error);
    }
}

bool StepOptions::takeModifier(const QString &option, const QString &value, QString *error) {
    static const QHash<QString, QList<int>> owners{
        {"--replace", {FindAndReplaceOperation}},
        {"--regex", {FindAndReplaceOperation}},
        {"--case-sensitive", {FindAndReplaceOperation}},
        {"--whole-name", {FindAndReplaceOperation}},
        {"--include-extension", {AddSuffixOperation}},
        {"--drop-extension", {ComposeOperation, SequenceOperation}},
        {"--short-words", {ChangeCaseOperation}},
        {"--add-missing", {SetExtensionOperation}},
        {"--sequence-prefix", {SequenceOperation}},
        {"--sequence-suffix", {SequenceOperation}},
        {"--group-by", {SequenceOperation}},
        {"--lazy", {SequenceOperation}},
        {"--terms", {SequenceOperation}},
        {"--terms-file", {SequenceOperation}}};
    ZKRenamer *step = lastStep(option, owners.value(option), error);
    if (!step) return false;
    if (option == "--replace") return setText(*step, S::Replacement, option, value, error);
    if (option == "--regex") return step->setSwitchValue(S::QueryIsRegEx, true);
    if (option == "--case-sensitive") return step->setSwitchValue(S::IgnoreCase, false);
    if (option == "--whole-name") return step->setSwitchValue(S::PreserveExtensions, false);
    if (option == "--include-extension")
        return step->setSwitchValue(S::SuffixPreserveExtension, false);
    if (option == "--add-missing") return step->setSwitchValue(S::SetExtensionChangeOnly, false);
    if (option == "--drop-extension") {
        return step->setSwitchValue(step->operation() == ComposeOperation
                                        ? S::ComposePreserveExtension
                                        : S::SequencePreserveExtension,
                                    false);
    }
    if (option == "--sequence-prefix") return setText(*step, S::InsertString, option, value, error);
    if (option == "--sequence-suffix")
        return setText(*step, S::SequenceSuffix, option, value, error);
    if (option == "--group-by") return setText(*step, S::SequenceIdentifier, option, value, error);
    if (option == "--lazy") {
        QVariantList identifier = step->tokenListValue(S::SequenceIdentifier);
        identifier.append(LazinessIndicator::kIndicator);
        return step->setTokenListValue(S::SequenceIdentifier, identifier, true);
    }
    if (option == "--terms") return step->setStringValue(S::SequenceTerms, value, true);
    if (option == "--terms-file") {
        step->setSequenceTermsReflectedPath(value);
        return true;
    }
    // --short-words N[:keep]: words of up to N characters stay small (0: none does).
    const std::optional<qint64> cutOff = integer(value.section(u':', 0, 0));
    const QString mode = value.section(u':', 1);
    if (!cutOff || (mode != "" && mode != "keep") ||
        (*cutOff > 0 && !step->setChoiceValue(S::TitleCaseExceptionCutOff, *cutOff)))
        return fail(error, CommandHelp::tr("--short-words: \"%1\" is not N[:keep] with N from 0 "
                                           "to 9")
                               .arg(value));
    step->setSwitchValue(S::TitleCaseException, *cutOff > 0);
    step->setChoiceValue(S::TitleCaseExceptionMode, mode == "keep" ? 1 : 0);
    return true;
}

ZKRenamer *StepOptions::lastStep(const QString &modifier, const QList<int> &operations,
                                 QString *error) {
    if (!steps_.isEmpty() && operations.contains(steps_.last()->operation()))
        return steps_.last().get();
    QStringList owners;
    for (auto it = operationsByOption().cbegin(); it != operationsByOption().cend(); ++it)
        if (operations.contains(it.value())) owners << it.key();
    owners.sort();
    const QString ownerList = owners.join(CommandHelp::tr(" or "));
    *error = steps_.isEmpty() ? CommandHelp::tr("%1 changes the step of %2 given just before it")
                                    .arg(modifier, ownerList)
                              : CommandHelp::tr(
                                    "%1 changes the step of %2 given just before it, not the step "
                                    "of %3")
                                    .arg(modifier, ownerList, stepOptionNames_.last());
    return nullptr;
}

QVariantList StepOptions::archives() const {
    QVariantList archives;
    for (const ZKRenamerPtr &step : steps_)
        archives.append(step->archiveWithIrrelevantSettings(false, true, true));
    return archives;
}

const QStringList &StepOptions::valueOptions() {
    static const QStringList names = [] {
        QStringList all = operationsByOption().keys() + valueModifiers();
        all.sort();
        return all;
    }();
    return names;
}

const QStringList &StepOptions::flagOptions() {
    static const QStringList names = flagModifiers() + QStringList{"--print-steps"};
    return names;
}

QStringList StepOptions::choicesOf(const QString &option) {
    if (option == QLatin1String("--sequence")) return choiceNames(sequenceTypes());
    if (option != QLatin1String("--case")) return {};
    QStringList choices;
    for (const auto &[mode, tag] : caseModes()) {
        choices << mode << mode + ":name";
        if (tag <= 2) choices << mode + ":extension";
    }
    return choices;
}

QString StepOptions::usage(CommandHelp::Language language) {
    return CommandHelp::block(
        QT_TRANSLATE_NOOP(
            "CommandHelp",
            "steps as options, applied in the order given (instead of --steps or --config):\n"
            "  --find TEXT [--replace TEXT] [--regex] [--case-sensitive] [--whole-name]\n"
            "                                          find and replace (case-insensitive, the\n"
            "                                          extension left out unless --whole-name)\n"
            "  --remove START:LENGTH[:from-end]        remove LENGTH characters from position "
            "START\n"
            "  --insert TEXT@POSITION[:from-end]       insert TEXT at POSITION (1 is the first)\n"
            "  --prefix TEXT                           add TEXT before the name\n"
            "  --suffix TEXT [--include-extension]     add TEXT after the name (before the\n"
            "                                          extension unless --include-extension)\n"
            "  --compose TEMPLATE [--drop-extension]   the name made of TEMPLATE, with the\n"
            "                                          extension unless --drop-extension\n"
            "  --case MODE[:name|:extension][,...]     MODE: keep, upper, lower, capitalized,\n"
            "                                          title; alone it sets the name (and the\n"
            "                                          extension for upper and lower)\n"
            "  --short-words N[:keep]                  title case: words of up to N characters\n"
            "                                          are lower case (or kept); 0: none (2)\n"
            "  --set-extension EXT [--add-missing]     replace the extension (--add-missing:\n"
            "                                          also give names without one EXT)\n"
            "  --sequence TYPE[:FIRST[:STEP[:DIGITS]]] number the items; TYPE: numbers, roman,\n"
            "                                          lower-roman, letters, lower-letters, terms\n"
            "    --sequence-prefix TEXT, --sequence-suffix TEXT\n"
            "                                          text before and after the value\n"
            "    --group-by TEMPLATE [--lazy]          count each value of TEMPLATE on its own\n"
            "                                          (--lazy: groups of one get no value)\n"
            "    --terms TEXT | --terms-file FILE      the terms (\"red, green\" or one a line)\n"
            "    --drop-extension                      leave the extension out\n"
            "  --advanced PROTOTYPE                    the name computed by PROTOTYPE\n"
            "  --print-steps                           write the steps file on standard output\n"
            "  In TEXT and TEMPLATE, <Token Name> is a token (a display name of the token menus,\n"
            "  in any case, such as <Name>, <Name of Parent Folder>, <Content Creation Date>);\n"
            "  \\< is a literal \"<\"\n"),
        language);
}
