#pragma once

#include "rgb_image.h"

#include <vector>

struct IconArt {
    RgbImage image;
    std::vector<bool> transparent;  // top-down, one flag per pixel
};

// A "Q" on a sunset-coloured disc, drawn for 32x32.
IconArt paint_app_icon();
