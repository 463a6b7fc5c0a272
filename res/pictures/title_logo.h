#pragma once

#include "rgb_image.h"

#include <string>

// Draws the "Quimbo Marivel" logo inside the logo box with a small subtitle
// (Windows-1252 text) under its right end.
void paint_title(RgbImage& image, const std::string& subtitle);
