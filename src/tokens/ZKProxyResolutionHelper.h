#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class HiddenItems;

// What token resolution asks of the application's controller: the listing rules, the size of
// the list and the common prefix of its names.
class ZKProxyResolutionHelper {
public:
    virtual ~ZKProxyResolutionHelper() = default;
    virtual bool ignoreInvisibleFiles() const = 0;
    virtual bool ignoreAliases() const = 0;
    // Whether a folder entry (its exact path on disk) would be left out of the list under
    // these rules. hiddenItems, when given, keeps each folder's ".hidden" read once across
    // the entries of one count.
    virtual bool ignoreFileAtPath(const QByteArray &nativePath, bool ignoreInvisibleFiles,
                                  bool ignoreAliases, HiddenItems *hiddenItems) const = 0;
    virtual qsizetype numberOfFileRepresentations() const = 0;
    virtual QString commonPrefix() = 0;
};
