#pragma once

#include "indexed_image.h"

#include <string>
#include <vector>

// 8-bit bottom-up BI_RGB bitmap with a full 256-entry palette, as windres
// takes it for a BITMAP resource. Throws std::runtime_error on failure.
void write_bmp(const std::string& path, const IndexedImage& image);

// Single-image .ico; `transparent` (top-down, one flag per pixel) becomes
// the AND mask. Throws std::runtime_error on failure.
void write_ico(const std::string& path, const IndexedImage& image, const std::vector<bool>& transparent);
