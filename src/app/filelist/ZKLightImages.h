#pragma once

#include <QPixmap>
#include <QString>

#include "records/ZKStatusLight.h"

// The pictures of the status lights: round lamps, or arrows pointing from the current name
// to the new one. Both are drawn once per colour and size and then kept in the pixmap cache.
namespace ZKLightImages {

enum class Style { Round, Arrow };

// Arrows when "List Layout: Arrow Mode" is 2 or more, or 1 while an interim name is shown;
// round lamps otherwise.
Style styleFor(qint64 arrowMode, bool showsInterimName);

// "ZKTrafficLightArrowGreen", "...Orange" (the yellow light), "...Red" or "...Gray".
QString arrowImageName(ZKStatusLight light);

// The light as a square pixmap of the given size in device-independent pixels.
QPixmap pixmap(Style style, ZKStatusLight light, int size, qreal devicePixelRatio);

}  // namespace ZKLightImages
