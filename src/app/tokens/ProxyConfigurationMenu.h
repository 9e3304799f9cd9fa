#pragma once

#include <QDateTime>
#include <QVariantMap>
#include <functional>

#include "tokens/ProxySettings.h"

class QMenu;
class QWidget;

// The settings menu of one token ("Proxy Configuration"): a small heading per section, the
// choices below it with the current one checked, sections divided by separators.
namespace ProxyConfigurationMenu {

using Choice = std::function<void(ProxySettings::Section section, qint64 tag)>;

// A new menu owned by parent; choosing an item calls choose. Null when the token's type has
// no settings. Date and time items preview now.
QMenu *create(const QVariantMap &token, const QDateTime &now, QWidget *parent, Choice choose);

}  // namespace ProxyConfigurationMenu
