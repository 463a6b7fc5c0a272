#pragma once

#include <string>

#include "res/pictures/rgb_image.h"

// Draws the "Quimbo Marivel" logo inside the logo box with a small subtitle
// (Windows-1252 text) under its right end.
void PaintTitle(RgbImage& image, const std::string& subtitle);
