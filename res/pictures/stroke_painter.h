#pragma once

#include <vector>

#include "res/pictures/rgb_image.h"
#include "res/pictures/stroke_font.h"

// How to ink centre lines: a round pen filled with a vertical gradient,
// ringed by an outline and lifted off the background by a soft shadow.
struct InkStyle {
    float penWidth;      // pixels, fill only
    float outlineWidth;  // pixels added on each side
    Rgb fillTop, fillMiddle, fillBottom;
    float gradientTop, gradientBottom;  // pixel rows the fill gradient spans
    Rgb outline;
    float shadowDx, shadowDy, shadowBlur, shadowAlpha;
};

void PaintStrokes(RgbImage& image, const std::vector<Segment>& segments, const InkStyle& style);
