#include "res/pictures/app_icon.h"

#include <cmath>

#include "res/pictures/layout.h"
#include "res/pictures/stroke_font.h"
#include "res/pictures/stroke_painter.h"

IconArt PaintAppIcon() {
    IconArt icon{RgbImage(kIconSize, kIconSize), std::vector<bool>(kIconSize * kIconSize, true)};
    const float centre = kIconSize / 2.0f;
    const float radius = centre - 0.5f;
    const Rgb rim{36, 14, 48};

    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            const float d = std::hypot(x + 0.5f - centre, y + 0.5f - centre);
            // The mask is all or nothing, so the edge gets a dark rim that
            // looks clean on light and dark desktops alike.
            if (d > radius + 0.3f) continue;
            icon.transparent[y * kIconSize + x] = false;
            const float t = (y + 0.5f) / kIconSize;
            const Rgb sky = t < 0.5f ? Mix(Rgb{60, 32, 104}, Rgb{200, 74, 112}, t * 2)
                                     : Mix(Rgb{200, 74, 112}, Rgb{250, 168, 88}, t * 2 - 1);
            icon.image.At(x, y) = Mix(sky, rim, Clamp01(d - (radius - 1.6f)));
        }
    }

    const float scale = 2.2f;
    const InkStyle ink{1.35f * scale,
                       1.1f,
                       {255, 252, 230},
                       {255, 222, 130},
                       {246, 170, 70},
                       centre - 4 * scale,
                       centre + 4 * scale,
                       rim,
                       0.8f,
                       1.0f,
                       0.8f,
                       0.5f};
    // Centre the Q with its tail (3.7, 3.3 in font units) on the disc.
    PaintStrokes(icon.image, LayoutText("Q", {centre - 3.7f * scale, centre + 3.3f * scale, scale, 0, 0}), ink);
    return icon;
}
