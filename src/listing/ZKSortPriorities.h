#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

// The ordered sort priorities of the file list: the first entry is the primary order, the
// others break ties. Each entry is a strategy with a direction ("Invert" YES = descending).
// Stored under the configuration key "Sorting Priorities" as an array of dictionaries
// {"Strategy": integer, "Invert": boolean}.
class ZKSortPriorities {
public:
    // The strategies; 0 to 6 compare a value of the record, the other two replace sorting.
    enum Strategy {
        Name = 0,
        Path = 1,
        CreationDate = 2,
        ModificationDate = 3,
        Comment = 4,
        Size = 5,
        FileType = 6,
        Shuffle = 99,
        DontSort = -1,
    };

    struct Entry {
        int strategy = Name;
        bool invert = false;
        bool operator==(const Entry &other) const = default;
    };

    static inline const QString StrategyKey = QStringLiteral("Strategy");
    static inline const QString InvertKey = QStringLiteral("Invert");

    // The default list: strategies 0, 1, 2, 3, 4, 5, 6, 99, -1, all ascending.
    ZKSortPriorities();
    // An empty list gives the default list: there is always a primary entry.
    explicit ZKSortPriorities(const QList<Entry> &entries);

    static QList<Entry> defaultEntries();
    // Whether the value names one of the nine strategies.
    static bool isKnownStrategy(qint64 strategy);
    // Whether the strategy compares a value of the record (0 to 6).
    static bool isComparingStrategy(int strategy);

    const QList<Entry> &entries() const { return entries_; }

    // The first entry's strategy.
    int primarySortOrder() const;
    bool isPrimaryInverted() const;

    // Makes a strategy primary. An entry of it further down moves to the front with its own
    // direction; otherwise a new ascending entry goes in front, so earlier choices stay on as
    // tie-breakers, most recent first. Returns false (and changes nothing) when the strategy
    // is already primary or is not one of the nine.
    bool setPrimarySortOrder(int strategy);
    // Sets the direction of the first entry.
    void setPrimaryInverted(bool invert);

    QVariantList toArchive() const;
    // Reads a stored list. Entries that are not dictionaries, lack an integral "Strategy",
    // name an unknown strategy, hold an "Invert" that is neither a boolean nor an integer, or
    // repeat a strategy are left out; a missing "Invert" reads as NO. Strategies of the
    // default list that are then missing are appended ascending, in default order, so the
    // order stays fully determined. A value that is not an array, or that yields no valid
    // entry, gives the default list.
    static ZKSortPriorities fromArchive(const QVariant &archive);

    bool operator==(const ZKSortPriorities &other) const = default;

private:
    QList<Entry> entries_;
};
