#pragma once

#include <cmath>
#include <cstdint>

// Hash-based noise: the pictures must come out identical on every build, so
// no random generator state is involved.
inline float Hash01(int i, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(i) * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(seed) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<float>(h & 0xFFFFFFu) / 16777216.0f;
}

// Smooth 1-D noise in 0..1.
inline float ValueNoise(float x, int seed) {
    const float cell = std::floor(x);
    const int i = static_cast<int>(cell);
    const float f = x - cell;
    const float u = f * f * (3 - 2 * f);
    const float a = Hash01(i, seed);
    return a + (Hash01(i + 1, seed) - a) * u;
}

// Several octaves of value noise, normalised back to 0..1.
inline float FractalNoise(float x, int seed, int octaves) {
    float sum = 0, amplitude = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += ValueNoise(x, seed + o * 101) * amplitude;
        total += amplitude;
        x *= 2.03f;
        amplitude *= 0.5f;
    }
    return sum / total;
}
