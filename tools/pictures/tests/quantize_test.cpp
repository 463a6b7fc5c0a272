#include "expect.h"
#include "quantize.h"

#include <cmath>
#include <string>

namespace {

Rgb palette_colour(const IndexedImage& image, int x, int y) {
    const Rgb8 c = image.palette[image.indices[static_cast<std::size_t>(y) * image.width + x]];
    return {static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b)};
}

float largest_channel_error(Rgb a, Rgb b) {
    return std::max({std::fabs(a.r - b.r), std::fabs(a.g - b.g), std::fabs(a.b - b.b)});
}

// Flat artwork such as the icon's rim must come back exactly, not dithered.
void few_colours_are_kept_exactly() {
    const Rgb colours[] = {{0, 0, 0}, {255, 255, 255}, {200, 74, 112}, {36, 14, 48}};
    RgbImage image(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) image.at(x, y) = colours[(y / 8) * 2 + x / 8];
    const IndexedImage mapped = map_to_palette(image, build_palette({&image}, 256));
    float worst = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) worst = std::max(worst, largest_channel_error(palette_colour(mapped, x, y), image.at(x, y)));
    expect(mapped.palette.size() == 4, "four colours give a four-colour palette");
    expect(worst == 0, "flat colours map back exactly");
}

// A long ramp squeezed into few colours must stay close everywhere: a wrong
// split or a runaway dither shows up as a large local error (visible bands).
void gradients_stay_close() {
    RgbImage image(256, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 256; ++x) image.at(x, y) = {static_cast<float>(x), x * 0.5f, 255.0f - x};
    const Palette palette = build_palette({&image}, 32);
    expect(palette.size() <= 32, "palette respects the colour limit");
    const IndexedImage mapped = map_to_palette(image, palette);
    float worst = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 256; ++x) worst = std::max(worst, largest_channel_error(palette_colour(mapped, x, y), image.at(x, y)));
    expect(worst <= 14, "ramp error stays within about one palette step, got " + std::to_string(worst));
}

}  // namespace

int main() {
    few_colours_are_kept_exactly();
    gradients_stay_close();
    return test_result();
}
