// Dialogs are laid out for "MS Shell Dlg" 8 pt and shown in the system's message font: every
// window rectangle is scaled by the ratio of the two fonts' character sizes.
#pragma once

#include <cstdint>

namespace app {

// bx, by: the dialog's base units in pixels; cx, cy: the size of "x" in the message font.
struct FontScale {
    int32_t bx = 0;
    int32_t by = 0;
    int32_t cx = 0;
    int32_t cy = 0;
};

struct PixelRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// number * numerator / denominator rounded to the nearest integer, halves away from zero, as the
// system's MulDiv does; -1 for a zero denominator or a result beyond 32 bits.
int32_t mulDiv(int32_t number, int32_t numerator, int32_t denominator);

// The base units from the rectangle 0, 0, 256, 256 mapped from dialog units to pixels.
FontScale baseUnitsFromMappedRect(int32_t mappedRight, int32_t mappedBottom);

// False when any of the four sizes is not positive: then nothing is scaled.
bool canScale(const FontScale& scale);

// x -> (2·x·cx + bx) / (2·bx) and y -> (2·y·cy + by) / (2·by), truncated toward zero (the half
// is subtracted for negative coordinates); unchanged when the scale cannot be used.
int32_t scaleHorizontal(int32_t x, const FontScale& scale);
int32_t scaleVertical(int32_t y, const FontScale& scale);
PixelRect scaleRect(const PixelRect& rect, const FontScale& scale);

}  // namespace app
