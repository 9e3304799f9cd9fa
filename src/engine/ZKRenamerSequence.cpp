// The Sequence operation of ZKRenamer, its value function for the Advanced functions and the
// clean-up that gives sequence groups their totals.

#include "common/PathExtension.h"
#include "common/UserDefaults.h"
#include "engine/AdvancedMessages.h"
#include "engine/LazinessIndicator.h"
#include "engine/SequenceDefaults.h"
#include "engine/SequenceNotation.h"
#include "engine/SequenceRecurrence.h"
#include "engine/SequenceTerms.h"
#include "engine/ZKRenamer.h"
#include "tokens/TokenList.h"
#include "tokens/ZKFileItem.h"

using S = RenamerSetting;
using namespace SequenceNotation;

namespace {

bool userDefault(const QString &key) {
    return UserDefaults::standardUserDefaults().boolForKey(key);
}

bool isNotationType(int type) {
    return type == UppercaseRomanSequence || type == LowercaseRomanSequence ||
           type == UppercaseLetterSequence || type == LowercaseLetterSequence;
}

// A token list with a token or some text in it.
bool hasContent(const QVariantList &list) {
    for (const QVariant &element : list) {
        if (TokenList::isWrappedProxy(element) || !element.toString().isEmpty()) return true;
    }
    return false;
}

QString withoutTrailingSpace(QString text) {
    while (!text.isEmpty() && text.back().isSpace()) text.chop(1);
    return text;
}

QString withoutLeadingSpace(const QString &text) {
    qsizetype start = 0;
    while (start < text.size() && text.at(start).isSpace()) ++start;
    return text.mid(start);
}

QString functionNameForType(int type) {
    switch (type) {
        case UppercaseLetterSequence:
        case LowercaseLetterSequence:
            return QStringLiteral("letters");
        case UppercaseRomanSequence:
        case LowercaseRomanSequence:
            return QStringLiteral("romanNumerals");
        default:
            return QStringLiteral("sequence");
    }
}

}  // namespace

QString ZKRenamer::sequenceFirstNumberText() const {
    return stringWithInteger(sequenceFirstNumber_, int(sequenceType_), false);
}

QString ZKRenamer::setSequenceFirstNumberText(const QString &text) {
    setNumberValue(S::SequenceFirstNumber, integerValueForSequenceType(text, int(sequenceType_)));
    // A lone "-" stays, so that a negative number can be typed.
    if (text == QLatin1String("-")) return text;
    return sequenceFirstNumberText();
}

QString ZKRenamer::sequenced(ZKFileItem *file, qint64 index, qint64 count) {
    QString extension;
    PathExtension::stringByDeletingAlphaNumericPathExtension(file->intermediateName(), file->name(),
                                                             &extension);
    const QString value = withSequencePrefixAndSuffix(file, sequenceValue(file, index, count));
    if (!sequencePreserveExtension_) return value;
    return PathExtension::stringByGracefullyAppendingPathExtension(value, extension);
}

std::optional<QString> ZKRenamer::sequenceGroup(ZKFileItem *file) const {
    if (!hasContent(sequenceIdentifier_)) return std::nullopt;
    return resolved(S::SequenceIdentifier, file);
}

QString ZKRenamer::sequenceValue(ZKFileItem *file, qint64 index, qint64 count) {
    const std::optional<QString> group = sequenceGroup(file);
    if (group) {
        // A lazy group of one file gets no value; its total is known from the second pass.
        if (LazinessIndicator::containsLazinessIndicator(*group) &&
            !userDefault(SequenceDefaults::kIgnoreLazySequenceIdentifier)) {
            const std::optional<qint64> total = sequenceGroups_.totalForIdentifier(*group);
            if (total && *total == 1) return QString();
        }
        index = sequenceGroups_.indexOfFile(*group, file);
    }
    const int type = int(sequenceType_);
    if (isNotationType(type)) {
        return stringWithInteger(
            saturatedLinearValue(sequenceFirstNumber_, sequenceStepValue_, index), type, false);
    }
    if (type == TermSequence) {
        const QStringList &terms = sequenceAlternatingTerms();
        return terms.at(index % terms.size());
    }
    return sequenceNumber(group, index, count);
}

QString ZKRenamer::sequenceNumber(const std::optional<QString> &group, qint64 index, qint64 count) {
    qint64 digits = sequenceMinimumNumberOfDigits_;
    if (digits < 1) {
        // Enough digits for the last value of the run, or of the group once its total is known.
        qint64 last = count;
        if (group) last = sequenceGroups_.totalForIdentifier(*group).value_or(count);
        digits =
            decimalLength(saturatedLinearValue(sequenceFirstNumber_, sequenceStepValue_, last - 1));
    }
    return paddedDecimal(saturatedLinearValue(sequenceFirstNumber_, sequenceStepValue_, index),
                         digits);
}

QString ZKRenamer::withSequencePrefixAndSuffix(ZKFileItem *file, const QString &value) const {
    // Around an empty value the prefix loses its trailing and the suffix its leading blanks,
    // so a file of a lazy group gets no dangling space.
    QString result = value;
    const QString prefix = resolved(S::InsertString, file);
    if (!prefix.isEmpty())
        result = result.isEmpty() ? withoutTrailingSpace(prefix) : prefix + result;
    const QString suffix = resolved(S::SequenceSuffix, file);
    if (!suffix.isEmpty())
        result = result.isEmpty() ? withoutLeadingSpace(suffix) : result + suffix;
    return result;
}

const QStringList &ZKRenamer::sequenceAlternatingTerms() {
    if (!sequenceAlternatingTerms_) {
        sequenceAlternatingTerms_ = SequenceTerms::termsFromText(
            sequenceTermsField_->updatedText(),
            userDefault(SequenceDefaults::kParseMultiLineAlternatingTermsAsCSV));
    }
    return *sequenceAlternatingTerms_;
}

QString ZKRenamer::sequenceValueAtIndex(qint64 index, ZKFileItem *file, int type,
                                        const QStringList &arguments, qint64 numberOfFiles,
                                        bool skipSingleFileSequence, bool *didFail) {
    const qsizetype count = arguments.size();
    const bool numbers = !isNotationType(type);
    const qsizetype groupArgument = numbers ? 5 : 4;
    std::optional<QString> group;
    if (file && count > groupArgument) group = arguments.at(groupArgument);

    if (file && skipSingleFileSequence) {
        const std::optional<qint64> files =
            group ? sequenceGroups_.totalForIdentifier(*group) : numberOfFiles;
        if (files && *files == 1) return QString();
    }

    SequenceRecurrence run;
    if (count > 0) run.start = integerValueForSequenceType(arguments.at(0), type);
    if (count > 1) run.step = leadingInteger(arguments.at(1));
    if (count >= (numbers ? 4 : 3)) run.sleep = leadingInteger(arguments.at(2));
    if (count >= 4) {
        const qint64 limit = integerValueForSequenceType(arguments.at(3), type);
        if (limit != 0) run.limit = limit;
    }
    if (run.startIsBeyondLimit()) {
        logAdvancedRenamingError(AdvancedMessages::tr("[%1] %2 cannot be beyond %3")
                                     .arg(functionNameForType(type),
                                          stringWithInteger(run.start, type, true),
                                          stringWithInteger(*run.limit, type, true)));
        if (didFail) *didFail = true;
        return QString();
    }

    const qint64 position = group ? sequenceGroups_.indexOfFile(*group, file) : index;
    const qint64 value = run.valueAtIndex(position);
    if (!numbers) return stringWithInteger(value, type, false);

    qint64 digits = 0;
    if (count == 3) digits = leadingInteger(arguments.at(2));
    if (count >= 5) digits = leadingInteger(arguments.at(4));
    if (digits < 1) {
        qint64 files = numberOfFiles;
        if (group) files = sequenceGroups_.totalForIdentifier(*group).value_or(numberOfFiles);
        digits = qMax(decimalLength(run.start), decimalLength(run.farthestValue(files)));
    }
    return paddedDecimal(value, digits);
}

bool ZKRenamer::cleanUpAfterUpdatingAndAnalyzeSequenceIdentifiers(bool analyze) {
    if (sequenceGroups_.cleanUpAfterUpdatingAndAnalyze(analyze)) return true;
    sequenceAlternatingTerms_.reset();
    // A second pass keeps the Advanced prototype as the first one prepared and analysed it.
    advancedPreparation_.reset();
    isAdvancedCodeAnalyzed_ = false;
    return false;
}
