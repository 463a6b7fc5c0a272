#include "expect.h"
#include "quantize.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace {

// Maps a width x height image painted by `colour` to at most `limit` colours;
// returns the palette size and the largest channel error of any pixel.
std::pair<std::size_t, float> quantize(int width, int height, int limit, const std::function<Rgb(int, int)>& colour) {
    RgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.at(x, y) = colour(x, y);
    const IndexedImage mapped = map_to_palette(image, build_palette({&image}, limit));
    float worst = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb8 c = mapped.palette[mapped.indices[static_cast<std::size_t>(y) * width + x]];
            const Rgb want = image.at(x, y);
            worst = std::max({worst, std::fabs(c.r - want.r), std::fabs(c.g - want.g), std::fabs(c.b - want.b)});
        }
    }
    return {mapped.palette.size(), worst};
}

}  // namespace

int main() {
    // Flat artwork such as the icon's rim must come back exactly, not dithered.
    const Rgb flat[] = {{0, 0, 0}, {255, 255, 255}, {200, 74, 112}, {36, 14, 48}};
    const auto [flatSize, flatError] = quantize(16, 16, 256, [&](int x, int y) { return flat[(y / 8) * 2 + x / 8]; });
    expect(flatSize == 4 && flatError == 0, "four flat colours give a four-colour palette, mapped back exactly");

    // A long ramp squeezed into few colours must stay close everywhere: a wrong
    // split or a runaway dither shows up as a large local error (visible bands).
    const auto [rampSize, rampError] =
        quantize(256, 8, 32, [](int x, int) { return Rgb{float(x), x * 0.5f, 255.0f - x}; });
    expect(rampSize <= 32, "palette respects the colour limit");
    expect(rampError <= 14, "ramp error stays within about one palette step, got " + std::to_string(rampError));
    return test_result();
}
