#pragma once

#include "res/pictures/rgb_image.h"

// The launcher backdrop: a lake at dusk below layered mountains, with the
// sun setting in the middle and pines on the shores. Nothing busy sits
// behind the button column.
RgbImage PaintDuskScene();
