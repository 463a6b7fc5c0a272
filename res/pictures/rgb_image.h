#pragma once

#include <cstddef>
#include <vector>

#include "res/pictures/colour.h"

struct RgbImage {
    int width;
    int height;
    std::vector<Rgb> pixels;  // top-down rows

    RgbImage(int w, int h, Rgb fill = {}) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    Rgb& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgb& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }

    // Paints `colour` over the pixel with the given opacity; off-image is ignored
    // so callers can draw shapes that cross the border.
    void Blend(int x, int y, Rgb colour, float alpha) {
        if (!Contains(x, y) || alpha <= 0) return;
        Rgb& p = At(x, y);
        p = Mix(p, colour, Clamp01(alpha));
    }
};
