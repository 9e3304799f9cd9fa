#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "engine/ZKEREConversion.h"

// An extended replacement template, parsed: the ICU template with every conversion sequence
// replaced by a placeholder, and the conversions in template order. Each match is expanded
// by ICU, cut at the placeholders, and the pieces converted.
class ZKERETemplate {
public:
    // Holds neither "$" nor a backslash, so ICU copies it unchanged into every expansion.
    static const QString kPlaceholder;

    // The parsed template, from a cache shared by all threads (under one lock, asked only
    // when the thread's last answer was for another text) until it is cleared. nullopt
    // clears the cache and answers null; the name computation does that at the end of every
    // run, so templates live for one computation.
    static std::shared_ptr<const ZKERETemplate> templateWithString(
        const std::optional<QString> &templateString);

    // Parses without the cache.
    explicit ZKERETemplate(const QString &templateString);
    ZKERETemplate(const ZKERETemplate &) = delete;
    ZKERETemplate &operator=(const ZKERETemplate &) = delete;

    // The template itself when it has no conversions.
    const QString &stringWithPlaceholders() const { return stringWithPlaceholders_; }
    const std::vector<std::unique_ptr<ZKEREConversion>> &conversions() const {
        return conversions_;
    }

    // An expansion of stringWithPlaceholders() with its conversions applied: the text after
    // each placeholder converted by that placeholder's conversion ("\L" and "\U" act up to
    // the next sequence, "\l" and "\u" on the first UTF-16 code unit, "\E" only ends a
    // piece). No expansion gives "". When the placeholders found are not one per
    // conversion (the subject held the placeholder text), the expansion comes back as it is
    // and "[ZKExtendedRegularExpression] case conversion inconsistency: ..." is logged.
    QString applyConversionsToString(const std::optional<QString> &replacement) const;

private:
    QString stringWithPlaceholders_;
    std::vector<std::unique_ptr<ZKEREConversion>> conversions_;
};
