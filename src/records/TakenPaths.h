#pragma once

#include <QString>
#include <QStringView>
#include <vector>

class ZKFileRepresentation;

// A path as the parts it is written in: a record's new path is its folder part and its new
// name, looked up without being built. The views must outlive the object.
class EndPath {
public:
    EndPath(QStringView head, QStringView tail);
    // A path built elsewhere; the object keeps it.
    explicit EndPath(QString whole);
    // The path the record ends at: its new path, else its current one. Views into the
    // record: valid while the record is unchanged.
    static EndPath of(const ZKFileRepresentation &record);

    QString joined() const;
    QString lowercase() const;
    // Equal for paths whose lower-case forms are equal.
    quint64 hash() const { return hash_; }

private:
    quint64 hashOfLowercase() const;

    QString whole_;
    QStringView head_;
    QStringView tail_;
    quint64 hash_ = 0;
};

// The paths the records of one computation end at, compared the way colliding new names are:
// two paths are equal when their lower-case forms are. Keeps a hash and the record per path;
// lower-case text is made only for paths that are not ASCII and when two hashes meet, so a
// long list costs a few bytes per record instead of a lower-case copy of every path.
class TakenPaths {
public:
    explicit TakenPaths(qsizetype expectedCount);

    // The record holding the path, else null.
    ZKFileRepresentation *holder(const EndPath &path) const;
    // Makes the record the holder of the path, in place of any earlier one.
    void take(const EndPath &path, ZKFileRepresentation *record);

private:
    struct Slot {
        quint64 hash = 0;
        ZKFileRepresentation *record = nullptr;
    };
    // The slot holding the path, else the free slot where it would go.
    size_t slotOf(const EndPath &path) const;
    void grow();

    std::vector<Slot> slots_;
    size_t count_ = 0;
};
