#include "dusk_scene.h"

#include "layout.h"
#include "noise.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr float kWaterline = 334;

struct Sun {
    float x, y, radius;
};
constexpr Sun kSun{292, 322, 30};

const Rgb kGlowColour{255, 206, 150};

Rgb sky_colour(float y) {
    static const std::vector<GradientStop> stops = {
        {0.00f, {14, 13, 44}},  {0.30f, {44, 30, 88}},   {0.54f, {112, 50, 112}},
        {0.74f, {204, 88, 106}}, {0.89f, {244, 150, 96}}, {1.00f, {255, 206, 146}}};
    return sample_gradient(stops, y / kWaterline);
}

// Light scattered around the sun; flattened because the haze is layered.
float sun_glow(float x, float y) {
    const float d = std::hypot(x - kSun.x, (y - kSun.y) * 1.5f);
    return 0.5f * std::exp(-d / 150) + 0.5f * std::exp(-d / 45);
}

void paint_sky(RgbImage& image) {
    for (int y = 0; y < kWaterline; ++y) {
        for (int x = 0; x < image.width; ++x) {
            image.at(x, y) = mix(sky_colour(y + 0.5f), kGlowColour, 0.75f * sun_glow(x + 0.5f, y + 0.5f));
        }
    }
}

void paint_stars(RgbImage& image) {
    const Rgb star_colour{255, 246, 232};
    for (int i = 0; i < 90; ++i) {
        const float x = hash01(i, 11) * image.width;
        const float y = std::pow(hash01(i, 12), 1.6f) * 190;
        // No stars behind the buttons, nor just above them.
        if (kButtonColumn.contains(static_cast<int>(x), static_cast<int>(y) + 20)) continue;
        const float darkness = 1 - smoothstep(50, 200, y);
        const float brightness = (0.3f + 0.7f * std::pow(hash01(i, 13), 2.0f)) * darkness;
        const float size = 0.55f + 0.5f * hash01(i, 14);
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const int px = static_cast<int>(x) + dx, py = static_cast<int>(y) + dy;
                const float d = std::hypot(px + 0.5f - x, py + 0.5f - y);
                image.blend(px, py, star_colour, brightness * std::exp(-(d * d) / (size * size)));
            }
        }
    }
}

struct CloudStreak {
    float x, y, half_length, half_height;
    float strength;
};

// Thin lit streaks low in the sky, kept left of the buttons.
void paint_clouds(RgbImage& image) {
    const CloudStreak streaks[] = {
        {160, 172, 140, 2.5f, 0.4f}, {270, 198, 150, 3.0f, 0.5f}, {100, 224, 110, 2.5f, 0.45f},
        {320, 250, 100, 2.0f, 0.45f}, {190, 270, 120, 2.0f, 0.4f},
    };
    int seed = 40;
    for (const CloudStreak& c : streaks) {
        ++seed;
        for (int y = static_cast<int>(c.y - c.half_height * 3); y <= c.y + c.half_height * 3; ++y) {
            for (int x = static_cast<int>(c.x - c.half_length); x <= c.x + c.half_length; ++x) {
                const float ex = (x + 0.5f - c.x) / c.half_length;
                // Thickest in the middle, tapering to nothing at both ends.
                const float thickness = c.half_height * (1 - ex * ex) * (0.6f + 0.8f * fractal_noise(x / 50.0f, seed, 3));
                const float drift = (fractal_noise(x / 90.0f, seed + 3, 2) - 0.5f) * c.half_height * 1.5f;
                const float ey = (y + 0.5f - c.y - drift) / std::max(0.3f, thickness);
                const float density = std::exp(-ey * ey) * smoothstep(0, 0.3f, 1 - ex * ex);
                // Cloud undersides catch the sun: warm pink, brighter nearer the horizon.
                const Rgb lit = mix(Rgb{236, 140, 160}, Rgb{255, 196, 170}, smoothstep(150, 280, c.y));
                image.blend(x, y, lit, density * c.strength);
            }
        }
    }
}

void paint_sun(RgbImage& image) {
    const int r = static_cast<int>(kSun.radius) + 2;
    for (int y = static_cast<int>(kSun.y) - r; y <= kSun.y + r; ++y) {
        for (int x = static_cast<int>(kSun.x) - r; x <= kSun.x + r; ++x) {
            const float d = std::hypot(x + 0.5f - kSun.x, y + 0.5f - kSun.y);
            const float t = (y + 0.5f - (kSun.y - kSun.radius)) / (2 * kSun.radius);
            image.blend(x, y, mix(Rgb{255, 250, 226}, Rgb{255, 212, 150}, clamp01(t)), clamp01(kSun.radius - d + 0.5f));
        }
    }
}

struct Peak {
    float x, height, width;
};

struct MountainRange {
    std::vector<Peak> peaks;
    float roughness;  // pixels of craggy detail
    float detail_scale;
    int seed;
    Rgb ridge_colour, base_colour;
    float rim_light;  // how much the sun lights the ridge line
};

float ridge_y(const MountainRange& range, float x) {
    float height = 0;
    for (const Peak& p : range.peaks) {
        // Pointed summits with flaring feet, like weathered rock.
        const float u = std::fabs(x - p.x) / p.width;
        height = std::max(height, p.height * std::exp(-0.7f * u - 0.5f * u * u));
    }
    height += (fractal_noise(x / range.detail_scale, range.seed, 6) - 0.5f) * range.roughness;
    return kWaterline - std::max(4.0f, height);
}

void paint_range(RgbImage& image, const MountainRange& range) {
    for (int x = 0; x < image.width; ++x) {
        // Four samples across the pixel keep steep slopes smooth.
        float ridge[4];
        float highest = kWaterline;
        for (int s = 0; s < 4; ++s) {
            ridge[s] = ridge_y(range, x + (s + 0.5f) / 4);
            highest = std::min(highest, ridge[s]);
        }
        const float mean_ridge = (ridge[0] + ridge[1] + ridge[2] + ridge[3]) / 4;
        const float sun_nearness = std::exp(-std::fabs(x - kSun.x) / 170);
        // Flanks turned towards the sun catch a little light, which gives the
        // flat silhouettes some relief.
        const float slope = (ridge_y(range, x + 3.0f) - ridge_y(range, x - 2.0f)) / 5;
        const float facing = clamp01(slope * (kSun.x > x ? 1.0f : -1.0f) * 1.5f);
        for (int y = static_cast<int>(highest); y < kWaterline; ++y) {
            float cover = 0;
            for (float r : ridge) cover += clamp01(y + 1 - r) / 4;
            const float depth = clamp01((y + 0.5f - mean_ridge) / (kWaterline - mean_ridge));
            Rgb colour = mix(range.ridge_colour, range.base_colour, std::pow(depth, 0.7f));
            const float rim = range.rim_light * sun_nearness * std::exp(-(y + 0.5f - mean_ridge) / 2.0f);
            colour = mix(colour, Rgb{255, 198, 160}, clamp01(rim + range.rim_light * 0.35f * facing * (1 - depth)));
            image.blend(x, y, colour, cover);
        }
    }
}

void paint_mountains(RgbImage& image) {
    const MountainRange far_range{
        {{60, 125, 70}, {175, 92, 60}, {250, 40, 50}, {370, 30, 60}, {500, 46, 70}, {630, 60, 60}},
        44, 34, 100, {196, 108, 140}, {238, 156, 142}, 0.55f};
    const MountainRange middle_range{
        {{0, 96, 80}, {120, 62, 50}, {215, 22, 40}, {470, 28, 70}, {600, 44, 60}},
        30, 28, 200, {120, 58, 110}, {176, 94, 124}, 0.3f};
    // The near shore: a strip of forest whose tree tops make a fine saw edge.
    const MountainRange forest{
        {{60, 26, 90}, {200, 16, 80}, {360, 12, 80}, {540, 20, 90}}, 12, 4, 300, {56, 28, 72}, {80, 40, 86}, 0.12f};
    paint_range(image, far_range);
    paint_range(image, middle_range);
    paint_range(image, forest);
}

Rgb sample_mirrored(const RgbImage& image, float x, float y) {
    const int ix = std::min(image.width - 1, std::max(0, static_cast<int>(x)));
    const float fy = std::min(kWaterline - 1.001f, std::max(0.0f, y));
    const int iy = static_cast<int>(fy);
    return mix(image.at(ix, iy), image.at(ix, iy + 1), fy - iy);
}

// The lake mirrors what is already drawn above it, broken up by ripples,
// with the sun's glitter laid over it.
void paint_water(RgbImage& image) {
    const Rgb deep_tint{36, 24, 66};
    const Rgb glitter_colour{255, 226, 170};
    for (int y = static_cast<int>(kWaterline); y < image.height; ++y) {
        const float depth = (y - kWaterline) / (image.height - kWaterline);
        const float mirror_y = 2 * kWaterline - y - 1;
        for (int x = 0; x < image.width; ++x) {
            const float wave = std::sin(y * 0.9f + fractal_noise(x / 60.0f, 501, 3) * 12) * (0.4f + depth * 5);
            Rgb colour = sample_mirrored(image, x + wave, mirror_y + wave * 0.4f);
            colour = mix(colour, deep_tint, 0.22f + 0.4f * depth) * 0.95f;

            // Light ripple lines where the reflection is bright.
            const float ripple = smoothstep(0.62f, 0.86f, value_noise(x / (18 + 50 * depth) + y * 7.31f, 502));
            colour = mix(colour, kGlowColour, ripple * 0.25f * sun_glow(x, 2 * kWaterline - y));

            const float column = std::exp(-std::pow((x - kSun.x) / (16 + depth * 70), 2.0f));
            const float sparkle = smoothstep(0.5f, 0.8f, value_noise(x / (4 + depth * 6) + y * 13.7f, 503));
            colour = mix(colour, glitter_colour, clamp01(column * sparkle * (1 - 0.5f * depth) * 1.1f));

            // A soft bright seam where the water meets the far shore.
            colour = mix(colour, Rgb{246, 176, 150}, 0.35f * std::exp(-(y - kWaterline) / 2.0f));
            image.at(x, y) = colour;
        }
    }
}

// Conifer silhouette: tiers of branches narrowing towards the tip.
void paint_pine(RgbImage& image, float cx, float base_y, float height, Rgb colour, int seed) {
    const float half_width = height * 0.17f;
    const int tiers = std::max(4, static_cast<int>(height / 20));
    for (int y = static_cast<int>(base_y - height); y < base_y; ++y) {
        const float t = (base_y - (y + 0.5f)) / height;
        float half;
        if (t < 0.1f) {
            half = std::max(1.2f, half_width * 0.08f);
        } else {
            const float u = (t - 0.1f) / 0.9f;
            const float tier = u * tiers - std::floor(u * tiers);
            half = half_width * (1 - u) * (0.5f + 0.5f * (1 - tier)) * (0.85f + 0.3f * hash01(y, seed));
        }
        for (int x = static_cast<int>(cx - half) - 1; x <= cx + half + 1; ++x) {
            image.blend(x, y, colour, clamp01(half - std::fabs(x + 0.5f - cx) + 0.5f));
        }
    }
}

struct Tree {
    float x, height;
};

// A dark bank rising from the water towards one side of the picture.
struct Bank {
    float edge_x;   // where the bank is highest, at the picture edge
    float shore_x;  // where it sinks below the bottom of the picture
    float rise;     // pixels above the bottom at edge_x
    int seed;
    std::vector<Tree> trees;
};

float bank_top(const Bank& bank, float x) {
    const float u = clamp01((x - bank.edge_x) / (bank.shore_x - bank.edge_x));
    return kPictureHeight - bank.rise * std::pow(1 - u, 1.5f) + (fractal_noise(x / 30, bank.seed, 3) - 0.5f) * 6;
}

void paint_bank(RgbImage& image, const Bank& bank) {
    const Rgb land{20, 12, 32};
    const int x_begin = static_cast<int>(std::min(bank.edge_x, bank.shore_x));
    const int x_end = std::min(image.width, static_cast<int>(std::max(bank.edge_x, bank.shore_x)));
    for (int x = x_begin; x < x_end; ++x) {
        const float top = bank_top(bank, x + 0.5f);
        for (int y = static_cast<int>(top); y < image.height; ++y) image.blend(x, y, land, clamp01(y + 1 - top));
    }
    int seed = bank.seed;
    for (const Tree& tree : bank.trees) paint_pine(image, tree.x, bank_top(bank, tree.x) + 6, tree.height, land, ++seed);
}

void paint_shores(RgbImage& image) {
    // Tall pines frame the left side; the right bank stays low, below the buttons.
    paint_bank(image, {0, 280, 96, 601, {{16, 200}, {48, 158}, {84, 124}, {118, 92}, {150, 64}, {180, 44}}});
    paint_bank(image, {640, 500, 52, 701, {{596, 84}, {624, 112}}});
}

}  // namespace

RgbImage paint_dusk_scene() {
    RgbImage image(kPictureWidth, kPictureHeight);
    paint_sky(image);
    paint_stars(image);
    paint_clouds(image);
    paint_sun(image);
    paint_mountains(image);
    paint_water(image);
    paint_shores(image);
    return image;
}
