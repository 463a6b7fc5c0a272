#pragma once

#include <string>
#include <vector>

#include "res/pictures/indexed_image.h"

// 8-bit bottom-up BI_RGB bitmap with a full 256-entry palette, as windres
// takes it for a BITMAP resource. Throws std::runtime_error on failure.
void WriteBmp(const std::string& path, const IndexedImage& image);

// Single-image .ico; `transparent` (top-down, one flag per pixel) becomes
// the AND mask. Throws std::runtime_error on failure.
void WriteIco(const std::string& path, const IndexedImage& image, const std::vector<bool>& transparent);
