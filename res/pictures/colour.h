#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

// Working colour: channels as floats on the 0..255 scale, so blending and
// gradients stay smooth until the final reduction to 256 colours.
struct Rgb {
    float r = 0, g = 0, b = 0;
};

struct Rgb8 {
    std::uint8_t r = 0, g = 0, b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb Mix(Rgb a, Rgb b, float t) { return a * (1 - t) + b * t; }

inline float Clamp01(float v) { return std::min(1.0f, std::max(0.0f, v)); }

inline float SmoothStep(float edge0, float edge1, float x) {
    const float t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

struct GradientStop {
    float at;
    Rgb colour;
};

// Stops must be sorted by `at`; t outside the range takes the end colour.
inline Rgb SampleGradient(const std::vector<GradientStop>& stops, float t) {
    if (t <= stops.front().at) return stops.front().colour;
    for (std::size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].at) {
            const GradientStop& a = stops[i - 1];
            const GradientStop& b = stops[i];
            return Mix(a.colour, b.colour, (t - a.at) / (b.at - a.at));
        }
    }
    return stops.back().colour;
}
