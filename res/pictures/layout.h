#pragma once

// Where the launcher dialog puts things over the picture. The title logo has
// to stay inside its box and the button column must stay a calm backdrop.
struct PixelRect {
    int left, top, right, bottom;  // right and bottom exclusive

    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

constexpr int kPictureWidth = 640;
constexpr int kPictureHeight = 480;

constexpr PixelRect kButtonColumn{440, 130, 625, 310};
constexpr PixelRect kLogoBox{28, 28, 424, 128};

constexpr int kIconSize = 32;
