#pragma once

#include <vector>

#include "res/pictures/rgb_image.h"

struct IconArt {
    RgbImage image;
    std::vector<bool> transparent;  // top-down, one flag per pixel
};

// A "Q" on a sunset-coloured disc, drawn for 32x32.
IconArt PaintAppIcon();
