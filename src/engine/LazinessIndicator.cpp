#include "engine/LazinessIndicator.h"

namespace LazinessIndicator {

bool containsLazinessIndicator(const QString &text) {
    return text.contains(kIndicator) || text.contains(kBed);
}

bool containsLazinessIndicatorOrWord(const QString &text) {
    return containsLazinessIndicator(text) ||
           text.contains(QLatin1String("lazy"), Qt::CaseInsensitive);
}

}  // namespace LazinessIndicator
