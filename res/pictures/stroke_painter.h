#pragma once

#include "rgb_image.h"
#include "stroke_font.h"

#include <vector>

// How to ink centre lines: a round pen filled with a vertical gradient,
// ringed by an outline and lifted off the background by a soft shadow.
struct InkStyle {
    float pen_width;      // pixels, fill only
    float outline_width;  // pixels added on each side
    Rgb fill_top, fill_middle, fill_bottom;
    float gradient_top, gradient_bottom;  // pixel rows the fill gradient spans
    Rgb outline;
    float shadow_dx, shadow_dy, shadow_blur, shadow_alpha;
};

void paint_strokes(RgbImage& image, const std::vector<Segment>& segments, const InkStyle& style);
