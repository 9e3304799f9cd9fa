#pragma once

#include <QString>
#include <QVariantList>

// The per-user folders of Torvane, after the XDG base-directory conventions.
namespace ApplicationSupport {

// $XDG_DATA_HOME/Torvane (normally ~/.local/share/Torvane), created on demand.
QString folder();
// $XDG_CONFIG_HOME/Torvane, created on demand; holds the user defaults store.
QString configFolder();
// $XDG_STATE_HOME/Torvane, created on demand; holds the log and run journals.
QString stateFolder();
// A private folder of the user (mode 0700): $XDG_RUNTIME_DIR/Torvane, else a folder under
// the system temporary folder that is checked for ownership and mode. "" when none is safe.
QString privateTemporaryFolder();

// "Default.tva" in the application support folder.
QString defaultStepsFilePath();
// The step archives of "Default.tva"; empty when it is missing or not an array (logged).
QVariantList defaultStepArchives();

}  // namespace ApplicationSupport
