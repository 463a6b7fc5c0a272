#pragma once

#include "indexed_image.h"
#include "rgb_image.h"

#include <vector>

// Chooses up to `max_colours` colours that together serve all the given
// images, so pictures shown in turn can share one palette.
Palette build_palette(const std::vector<const RgbImage*>& images, int max_colours);

// Maps every pixel to the palette with ordered dithering. Each pixel depends
// only on its own colour and position, so images that differ in one area map
// identically everywhere else.
IndexedImage map_to_palette(const RgbImage& image, const Palette& palette);
