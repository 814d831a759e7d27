#include "app/layout.h"

#include <limits>

namespace app {

namespace {
int32_t clampToInt32(int64_t value) {
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

// Halves round away from zero on both sides, so that a matching font leaves negative
// coordinates unchanged too.
int32_t scaleCoordinate(int32_t value, int32_t fontSize, int32_t baseUnit) {
    const int64_t product = 2 * static_cast<int64_t>(value) * fontSize;
    const int64_t numerator = product < 0 ? product - baseUnit : product + baseUnit;
    return clampToInt32(numerator / (2 * static_cast<int64_t>(baseUnit)));
}
}  // namespace

int32_t mulDiv(int32_t number, int32_t numerator, int32_t denominator) {
    if (denominator == 0) return -1;
    const int64_t product = static_cast<int64_t>(number) * numerator;
    const int64_t magnitude = product < 0 ? -product : product;
    const int64_t divisor = denominator < 0 ? -static_cast<int64_t>(denominator) : denominator;
    const int64_t rounded = (magnitude + divisor / 2) / divisor;
    const int64_t result = ((product < 0) != (denominator < 0)) ? -rounded : rounded;
    if (result > std::numeric_limits<int32_t>::max() ||
        result < std::numeric_limits<int32_t>::min()) {
        return -1;
    }
    return static_cast<int32_t>(result);
}

FontScale baseUnitsFromMappedRect(int32_t mappedRight, int32_t mappedBottom) {
    FontScale scale;
    scale.bx = mulDiv(mappedRight, 4, 256);
    scale.by = mulDiv(mappedBottom, 8, 256);
    return scale;
}

bool canScale(const FontScale& scale) {
    return scale.bx > 0 && scale.by > 0 && scale.cx > 0 && scale.cy > 0;
}

int32_t scaleHorizontal(int32_t x, const FontScale& scale) {
    return canScale(scale) ? scaleCoordinate(x, scale.cx, scale.bx) : x;
}

int32_t scaleVertical(int32_t y, const FontScale& scale) {
    return canScale(scale) ? scaleCoordinate(y, scale.cy, scale.by) : y;
}

PixelRect scaleRect(const PixelRect& rect, const FontScale& scale) {
    return {scaleHorizontal(rect.left, scale), scaleVertical(rect.top, scale),
            scaleHorizontal(rect.right, scale), scaleVertical(rect.bottom, scale)};
}

}  // namespace app
