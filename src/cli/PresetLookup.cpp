#include "cli/PresetLookup.h"

#include "cli/CommandHelp.h"
#include "collections/ZKHistorian.h"

QString presetPathNamed(const QString &name, QString *error) {
    const std::optional<ZKCollectionEntry> entry = ZKHistorian::historian().presetNamed(name);
    if (entry) return entry->path;
    *error = CommandHelp::tr("no preset named \"%1\" (torvane-cli presets lists them)").arg(name);
    return QString();
}
