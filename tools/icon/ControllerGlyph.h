#pragma once
// Tarvik's icon: a game pad seen from above, a rounded body with two grips,
// a cross-shaped direction pad on the left and two round buttons on the right.

#include "Image.h"

namespace tarvik::icon {

// Draws the glyph at 32 or 16 pixels; each size has its own proportions so
// that the small one stays legible rather than a blurred copy of the large.
Image renderControllerGlyph(int size);

}  // namespace tarvik::icon
