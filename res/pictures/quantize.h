#pragma once

#include <vector>

#include "res/pictures/indexed_image.h"
#include "res/pictures/rgb_image.h"

// Chooses up to `maxColours` colours that together serve all the given
// images, so pictures shown in turn can share one palette.
Palette BuildPalette(const std::vector<const RgbImage*>& images, int maxColours);

// Maps every pixel to the palette with ordered dithering. Each pixel depends
// only on its own colour and position, so images that differ in one area map
// identically everywhere else.
IndexedImage MapToPalette(const RgbImage& image, const Palette& palette);
