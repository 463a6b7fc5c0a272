#pragma once

#include <cstdint>
#include <vector>

#include "res/pictures/colour.h"

using Palette = std::vector<Rgb8>;

// A palettised picture ready to be written as an 8-bit DIB.
struct IndexedImage {
    int width = 0;
    int height = 0;
    Palette palette;                    // at most 256 entries
    std::vector<std::uint8_t> indices;  // top-down rows
};
