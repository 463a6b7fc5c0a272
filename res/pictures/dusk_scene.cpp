#include "res/pictures/dusk_scene.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "res/pictures/layout.h"
#include "res/pictures/noise.h"

namespace {

constexpr float kWaterline = 334;

struct Sun {
    float x, y, radius;
};
constexpr Sun kSun{292, 322, 30};

const Rgb kGlowColour{255, 206, 150};

Rgb SkyColour(float y) {
    static const std::vector<GradientStop> stops = {{0.00f, {14, 13, 44}},   {0.30f, {44, 30, 88}},
                                                    {0.54f, {112, 50, 112}}, {0.74f, {204, 88, 106}},
                                                    {0.89f, {244, 150, 96}}, {1.00f, {255, 206, 146}}};
    return SampleGradient(stops, y / kWaterline);
}

// Light scattered around the sun; flattened because the haze is layered.
float SunGlow(float x, float y) {
    const float d = std::hypot(x - kSun.x, (y - kSun.y) * 1.5f);
    return 0.5f * std::exp(-d / 150) + 0.5f * std::exp(-d / 45);
}

void PaintSky(RgbImage& image) {
    for (int y = 0; y < kWaterline; ++y) {
        for (int x = 0; x < image.width; ++x) {
            image.At(x, y) = Mix(SkyColour(y + 0.5f), kGlowColour, 0.75f * SunGlow(x + 0.5f, y + 0.5f));
        }
    }
}

void PaintStars(RgbImage& image) {
    const Rgb starColour{255, 246, 232};
    for (int i = 0; i < 90; ++i) {
        const float x = Hash01(i, 11) * image.width;
        const float y = std::pow(Hash01(i, 12), 1.6f) * 190;
        // No stars behind the buttons, nor just above them.
        if (kButtonColumn.Contains(static_cast<int>(x), static_cast<int>(y) + 20)) continue;
        const float darkness = 1 - SmoothStep(50, 200, y);
        const float brightness = (0.3f + 0.7f * std::pow(Hash01(i, 13), 2.0f)) * darkness;
        const float size = 0.55f + 0.5f * Hash01(i, 14);
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const int px = static_cast<int>(x) + dx, py = static_cast<int>(y) + dy;
                const float d = std::hypot(px + 0.5f - x, py + 0.5f - y);
                image.Blend(px, py, starColour, brightness * std::exp(-(d * d) / (size * size)));
            }
        }
    }
}

struct CloudStreak {
    float x, y, halfLength, halfHeight;
    float strength;
};

// Thin lit streaks low in the sky, kept left of the buttons.
void PaintClouds(RgbImage& image) {
    const CloudStreak streaks[] = {
        {160, 172, 140, 2.5f, 0.4f},  {270, 198, 150, 3.0f, 0.5f}, {100, 224, 110, 2.5f, 0.45f},
        {320, 250, 100, 2.0f, 0.45f}, {190, 270, 120, 2.0f, 0.4f},
    };
    int seed = 40;
    for (const CloudStreak& c : streaks) {
        ++seed;
        for (int y = static_cast<int>(c.y - c.halfHeight * 3); y <= c.y + c.halfHeight * 3; ++y) {
            for (int x = static_cast<int>(c.x - c.halfLength); x <= c.x + c.halfLength; ++x) {
                const float ex = (x + 0.5f - c.x) / c.halfLength;
                // Thickest in the middle, tapering to nothing at both ends.
                const float thickness = c.halfHeight * (1 - ex * ex) * (0.6f + 0.8f * FractalNoise(x / 50.0f, seed, 3));
                const float drift = (FractalNoise(x / 90.0f, seed + 3, 2) - 0.5f) * c.halfHeight * 1.5f;
                const float ey = (y + 0.5f - c.y - drift) / std::max(0.3f, thickness);
                const float density = std::exp(-ey * ey) * SmoothStep(0, 0.3f, 1 - ex * ex);
                // Cloud undersides catch the sun: warm pink, brighter nearer the horizon.
                const Rgb lit = Mix(Rgb{236, 140, 160}, Rgb{255, 196, 170}, SmoothStep(150, 280, c.y));
                image.Blend(x, y, lit, density * c.strength);
            }
        }
    }
}

void PaintSun(RgbImage& image) {
    const int r = static_cast<int>(kSun.radius) + 2;
    for (int y = static_cast<int>(kSun.y) - r; y <= kSun.y + r; ++y) {
        for (int x = static_cast<int>(kSun.x) - r; x <= kSun.x + r; ++x) {
            const float d = std::hypot(x + 0.5f - kSun.x, y + 0.5f - kSun.y);
            const float t = (y + 0.5f - (kSun.y - kSun.radius)) / (2 * kSun.radius);
            image.Blend(x, y, Mix(Rgb{255, 250, 226}, Rgb{255, 212, 150}, Clamp01(t)), Clamp01(kSun.radius - d + 0.5f));
        }
    }
}

struct Peak {
    float x, height, width;
};

struct MountainRange {
    std::vector<Peak> peaks;
    float roughness;  // pixels of craggy detail
    float detailScale;
    int seed;
    Rgb ridgeColour, baseColour;
    float rimLight;  // how much the sun lights the ridge line
};

float RidgeY(const MountainRange& range, float x) {
    float height = 0;
    for (const Peak& p : range.peaks) {
        // Pointed summits with flaring feet, like weathered rock.
        const float u = std::fabs(x - p.x) / p.width;
        height = std::max(height, p.height * std::exp(-0.7f * u - 0.5f * u * u));
    }
    height += (FractalNoise(x / range.detailScale, range.seed, 6) - 0.5f) * range.roughness;
    return kWaterline - std::max(4.0f, height);
}

void PaintRange(RgbImage& image, const MountainRange& range) {
    for (int x = 0; x < image.width; ++x) {
        // Four samples across the pixel keep steep slopes smooth.
        float ridge[4];
        float highest = kWaterline;
        for (int s = 0; s < 4; ++s) {
            ridge[s] = RidgeY(range, x + (s + 0.5f) / 4);
            highest = std::min(highest, ridge[s]);
        }
        const float meanRidge = (ridge[0] + ridge[1] + ridge[2] + ridge[3]) / 4;
        const float sunNearness = std::exp(-std::fabs(x - kSun.x) / 170);
        // Flanks turned towards the sun catch a little light, which gives the
        // flat silhouettes some relief.
        const float slope = (RidgeY(range, x + 3.0f) - RidgeY(range, x - 2.0f)) / 5;
        const float facing = Clamp01(slope * (kSun.x > x ? 1.0f : -1.0f) * 1.5f);
        for (int y = static_cast<int>(highest); y < kWaterline; ++y) {
            float cover = 0;
            for (float r : ridge) cover += Clamp01(y + 1 - r) / 4;
            const float depth = Clamp01((y + 0.5f - meanRidge) / (kWaterline - meanRidge));
            Rgb colour = Mix(range.ridgeColour, range.baseColour, std::pow(depth, 0.7f));
            const float rim = range.rimLight * sunNearness * std::exp(-(y + 0.5f - meanRidge) / 2.0f);
            colour = Mix(colour, Rgb{255, 198, 160}, Clamp01(rim + range.rimLight * 0.35f * facing * (1 - depth)));
            image.Blend(x, y, colour, cover);
        }
    }
}

void PaintMountains(RgbImage& image) {
    const MountainRange farRange{
        {{60, 125, 70}, {175, 92, 60}, {250, 40, 50}, {370, 30, 60}, {500, 46, 70}, {630, 60, 60}},
        44,
        34,
        100,
        {196, 108, 140},
        {238, 156, 142},
        0.55f};
    const MountainRange middleRange{{{0, 96, 80}, {120, 62, 50}, {215, 22, 40}, {470, 28, 70}, {600, 44, 60}},
                                    30,
                                    28,
                                    200,
                                    {120, 58, 110},
                                    {176, 94, 124},
                                    0.3f};
    // The near shore: a strip of forest whose tree tops make a fine saw edge.
    const MountainRange forest{
        {{60, 26, 90}, {200, 16, 80}, {360, 12, 80}, {540, 20, 90}}, 12, 4, 300, {56, 28, 72}, {80, 40, 86}, 0.12f};
    PaintRange(image, farRange);
    PaintRange(image, middleRange);
    PaintRange(image, forest);
}

Rgb SampleMirrored(const RgbImage& image, float x, float y) {
    const int ix = std::min(image.width - 1, std::max(0, static_cast<int>(x)));
    const float fy = std::min(kWaterline - 1.001f, std::max(0.0f, y));
    const int iy = static_cast<int>(fy);
    return Mix(image.At(ix, iy), image.At(ix, iy + 1), fy - iy);
}

// The lake mirrors what is already drawn above it, broken up by ripples,
// with the sun's glitter laid over it.
void PaintWater(RgbImage& image) {
    const Rgb deepTint{36, 24, 66};
    const Rgb glitterColour{255, 226, 170};
    for (int y = static_cast<int>(kWaterline); y < image.height; ++y) {
        const float depth = (y - kWaterline) / (image.height - kWaterline);
        const float mirrorY = 2 * kWaterline - y - 1;
        for (int x = 0; x < image.width; ++x) {
            const float wave = std::sin(y * 0.9f + FractalNoise(x / 60.0f, 501, 3) * 12) * (0.4f + depth * 5);
            Rgb colour = SampleMirrored(image, x + wave, mirrorY + wave * 0.4f);
            colour = Mix(colour, deepTint, 0.22f + 0.4f * depth) * 0.95f;

            // Light ripple lines where the reflection is bright.
            const float ripple = SmoothStep(0.62f, 0.86f, ValueNoise(x / (18 + 50 * depth) + y * 7.31f, 502));
            colour = Mix(colour, kGlowColour, ripple * 0.25f * SunGlow(x, 2 * kWaterline - y));

            const float column = std::exp(-std::pow((x - kSun.x) / (16 + depth * 70), 2.0f));
            const float sparkle = SmoothStep(0.5f, 0.8f, ValueNoise(x / (4 + depth * 6) + y * 13.7f, 503));
            colour = Mix(colour, glitterColour, Clamp01(column * sparkle * (1 - 0.5f * depth) * 1.1f));

            // A soft bright seam where the water meets the far shore.
            colour = Mix(colour, Rgb{246, 176, 150}, 0.35f * std::exp(-(y - kWaterline) / 2.0f));
            image.At(x, y) = colour;
        }
    }
}

// Conifer silhouette: tiers of branches narrowing towards the tip.
void PaintPine(RgbImage& image, float cx, float baseY, float height, Rgb colour, int seed) {
    const float halfWidth = height * 0.17f;
    const int tiers = std::max(4, static_cast<int>(height / 20));
    for (int y = static_cast<int>(baseY - height); y < baseY; ++y) {
        const float t = (baseY - (y + 0.5f)) / height;
        float half;
        if (t < 0.1f) {
            half = std::max(1.2f, halfWidth * 0.08f);
        } else {
            const float u = (t - 0.1f) / 0.9f;
            const float tier = u * tiers - std::floor(u * tiers);
            half = halfWidth * (1 - u) * (0.5f + 0.5f * (1 - tier)) * (0.85f + 0.3f * Hash01(y, seed));
        }
        for (int x = static_cast<int>(cx - half) - 1; x <= cx + half + 1; ++x) {
            image.Blend(x, y, colour, Clamp01(half - std::fabs(x + 0.5f - cx) + 0.5f));
        }
    }
}

struct Tree {
    float x, height;
};

// A dark bank rising from the water towards one side of the picture.
struct Bank {
    float edgeX;   // where the bank is highest, at the picture edge
    float shoreX;  // where it sinks below the bottom of the picture
    float rise;    // pixels above the bottom at edgeX
    int seed;
    std::vector<Tree> trees;
};

float BankTop(const Bank& bank, float x) {
    const float u = Clamp01((x - bank.edgeX) / (bank.shoreX - bank.edgeX));
    return kPictureHeight - bank.rise * std::pow(1 - u, 1.5f) + (FractalNoise(x / 30, bank.seed, 3) - 0.5f) * 6;
}

void PaintBank(RgbImage& image, const Bank& bank) {
    const Rgb land{20, 12, 32};
    const int xBegin = static_cast<int>(std::min(bank.edgeX, bank.shoreX));
    const int xEnd = std::min(image.width, static_cast<int>(std::max(bank.edgeX, bank.shoreX)));
    for (int x = xBegin; x < xEnd; ++x) {
        const float top = BankTop(bank, x + 0.5f);
        for (int y = static_cast<int>(top); y < image.height; ++y) image.Blend(x, y, land, Clamp01(y + 1 - top));
    }
    int seed = bank.seed;
    for (const Tree& tree : bank.trees) PaintPine(image, tree.x, BankTop(bank, tree.x) + 6, tree.height, land, ++seed);
}

void PaintShores(RgbImage& image) {
    // Tall pines frame the left side; the right bank stays low, below the buttons.
    PaintBank(image, {0, 280, 96, 601, {{16, 200}, {48, 158}, {84, 124}, {118, 92}, {150, 64}, {180, 44}}});
    PaintBank(image, {640, 500, 52, 701, {{596, 84}, {624, 112}}});
}

}  // namespace

RgbImage PaintDuskScene() {
    RgbImage image(kPictureWidth, kPictureHeight);
    PaintSky(image);
    PaintStars(image);
    PaintClouds(image);
    PaintSun(image);
    PaintMountains(image);
    PaintWater(image);
    PaintShores(image);
    return image;
}
