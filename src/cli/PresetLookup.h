#pragma once

#include <QString>

// Finds a preset as the presets menu lists it: "Name" at the top of the presets folder,
// "Folder/Name" in a subfolder, the samples after the user's own. The path of its file, or ""
// with *error naming the preset.
QString presetPathNamed(const QString &name, QString *error);
