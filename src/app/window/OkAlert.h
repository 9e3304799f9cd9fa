#pragma once

#include "interaction/ZKUserInteraction.h"

// An alert with one "OK" that only tells the user something.
inline ZKAlert okAlert(const QString &message, const QString &text, ZKAlert::Style style) {
    ZKAlert alert;
    alert.messageText = message;
    alert.informativeText = text;
    alert.buttons = {QStringLiteral("OK")};
    alert.style = style;
    return alert;
}
