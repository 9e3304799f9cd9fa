#pragma once

#include <QString>

class ZKFileRepresentation;

// Whether a record's new name will be applied, and if not, the error that prevents it.
class ZKRenameNameRelevance {
public:
    // Decides for the record's current new name:
    // - a name on disk that is not valid UTF-8: never relevant, with that error;
    // - no new name: not relevant, no error;
    // - a new name that fails the name validity check, or is longer than its folder's file
    //   system takes: not relevant, with the check's error;
    // - a new name equal to the current (NFC) name: not relevant, no error (unchanged);
    // - otherwise relevant.
    explicit ZKRenameNameRelevance(const ZKFileRepresentation &fileRepresentation);
    // A relevance decided earlier, as a record keeps it.
    ZKRenameNameRelevance(bool relevant, bool errorIsFinal, const QString &error)
        : relevant_(relevant), errorIsFinal_(errorIsFinal), error_(error) {}

    bool relevant() const { return relevant_; }
    // The error, "" when there is none.
    QString error() const { return error_; }
    // Whether the error is the name on disk's own, which no later error replaces.
    bool errorIsFinal() const { return errorIsFinal_; }

    // Makes the name not relevant with this error. An empty error is ignored, and so is any
    // error once the record's name on disk is known to be unusable (that error stays).
    void setError(const QString &error);

private:
    bool relevant_ = false;
    bool errorIsFinal_ = false;
    QString error_;
};
