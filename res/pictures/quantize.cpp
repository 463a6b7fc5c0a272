#include "res/pictures/quantize.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <stdexcept>

namespace {

// Distinct colours are collected at 6 bits per channel; each bucket keeps
// the mean of what fell into it, so no precision is lost in the palette.
constexpr int kBucketBits = 6;

struct Entry {
    float c[3];
    float weight;
};

struct Box {
    std::size_t begin, end;
    double error;  // weighted squared distance from the box mean
    int axis;      // channel with the largest spread
};

float Channel(Rgb c, int axis) { return axis == 0 ? c.r : axis == 1 ? c.g : c.b; }

float Clamp255(float v) { return std::min(255.0f, std::max(0.0f, v)); }

std::vector<Entry> CollectColours(const std::vector<const RgbImage*>& images) {
    constexpr int kLevels = 1 << kBucketBits;
    struct Sum {
        double c[3] = {0, 0, 0};
        double weight = 0;
    };
    std::vector<Sum> buckets(static_cast<std::size_t>(kLevels) * kLevels * kLevels);
    for (const RgbImage* image : images) {
        for (const Rgb& p : image->pixels) {
            float c[3];
            int key = 0;
            for (int axis = 0; axis < 3; ++axis) {
                c[axis] = Clamp255(Channel(p, axis));
                key = key * kLevels + static_cast<int>(c[axis]) * kLevels / 256;
            }
            Sum& s = buckets[static_cast<std::size_t>(key)];
            for (int axis = 0; axis < 3; ++axis) s.c[axis] += c[axis];
            s.weight += 1;
        }
    }
    std::vector<Entry> entries;
    for (const Sum& s : buckets) {
        if (s.weight == 0) continue;
        Entry e;
        for (int axis = 0; axis < 3; ++axis) e.c[axis] = static_cast<float>(s.c[axis] / s.weight);
        e.weight = static_cast<float>(s.weight);
        entries.push_back(e);
    }
    return entries;
}

Box MeasureBox(const std::vector<Entry>& entries, std::size_t begin, std::size_t end) {
    double weight = 0, sum[3] = {0, 0, 0}, sumOfSquares[3] = {0, 0, 0};
    for (std::size_t i = begin; i < end; ++i) {
        const Entry& e = entries[i];
        weight += e.weight;
        for (int axis = 0; axis < 3; ++axis) {
            sum[axis] += e.c[axis] * e.weight;
            sumOfSquares[axis] += static_cast<double>(e.c[axis]) * e.c[axis] * e.weight;
        }
    }
    Box box{begin, end, 0, 0};
    double widest = -1;
    for (int axis = 0; axis < 3; ++axis) {
        const double spread = sumOfSquares[axis] - sum[axis] * sum[axis] / weight;
        box.error += spread;
        if (spread > widest) {
            widest = spread;
            box.axis = axis;
        }
    }
    return box;
}

// Splits at the weighted median along the box's widest channel.
std::pair<Box, Box> SplitBox(std::vector<Entry>& entries, const Box& box) {
    const int axis = box.axis;
    std::sort(entries.begin() + static_cast<std::ptrdiff_t>(box.begin),
              entries.begin() + static_cast<std::ptrdiff_t>(box.end),
              [axis](const Entry& a, const Entry& b) { return a.c[axis] < b.c[axis]; });
    double total = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) total += entries[i].weight;
    double running = 0;
    std::size_t middle = box.begin + 1;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
        running += entries[i].weight;
        middle = i + 1;
        if (running >= total / 2) break;
    }
    return {MeasureBox(entries, box.begin, middle), MeasureBox(entries, middle, box.end)};
}

Rgb MeanColour(const std::vector<Entry>& entries, std::size_t begin, std::size_t end) {
    double weight = 0, sum[3] = {0, 0, 0};
    for (std::size_t i = begin; i < end; ++i) {
        weight += entries[i].weight;
        for (int axis = 0; axis < 3; ++axis) sum[axis] += entries[i].c[axis] * entries[i].weight;
    }
    return {static_cast<float>(sum[0] / weight), static_cast<float>(sum[1] / weight),
            static_cast<float>(sum[2] / weight)};
}

float DistanceSquared(const float c[3], Rgb p) {
    const float dr = c[0] - p.r, dg = c[1] - p.g, db = c[2] - p.b;
    return dr * dr + dg * dg + db * db;
}

template <typename Colour>
int Nearest(const std::vector<Colour>& palette, const float c[3]) {
    int best = 0;
    float bestDistance = std::numeric_limits<float>::max();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const Rgb p{static_cast<float>(palette[i].r), static_cast<float>(palette[i].g),
                    static_cast<float>(palette[i].b)};
        const float d = DistanceSquared(c, p);
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

// A few k-means passes pull the median-cut colours onto the actual clusters,
// which visibly evens out the steps in long gradients.
void Refine(std::vector<Rgb>& palette, const std::vector<Entry>& entries, int passes) {
    for (int pass = 0; pass < passes; ++pass) {
        std::vector<double> sums(palette.size() * 4, 0.0);
        for (const Entry& e : entries) {
            const std::size_t k = static_cast<std::size_t>(Nearest(palette, e.c));
            for (int axis = 0; axis < 3; ++axis) sums[k * 4 + axis] += e.c[axis] * e.weight;
            sums[k * 4 + 3] += e.weight;
        }
        for (std::size_t k = 0; k < palette.size(); ++k) {
            const double weight = sums[k * 4 + 3];
            if (weight == 0) continue;
            palette[k] = {static_cast<float>(sums[k * 4] / weight), static_cast<float>(sums[k * 4 + 1] / weight),
                          static_cast<float>(sums[k * 4 + 2] / weight)};
        }
    }
}

}  // namespace

Palette BuildPalette(const std::vector<const RgbImage*>& images, int maxColours) {
    if (maxColours < 1 || maxColours > 256) throw std::invalid_argument("palette size must be 1..256");
    std::vector<Entry> entries = CollectColours(images);
    if (entries.empty()) return Palette(1);

    std::vector<Box> boxes{MeasureBox(entries, 0, entries.size())};
    while (static_cast<int>(boxes.size()) < maxColours) {
        auto worst = boxes.end();
        for (auto it = boxes.begin(); it != boxes.end(); ++it) {
            if (it->end - it->begin > 1 && (worst == boxes.end() || it->error > worst->error)) worst = it;
        }
        if (worst == boxes.end() || worst->error <= 0) break;
        const auto halves = SplitBox(entries, *worst);
        *worst = halves.first;
        boxes.push_back(halves.second);
    }

    std::vector<Rgb> colours;
    for (const Box& box : boxes) colours.push_back(MeanColour(entries, box.begin, box.end));
    Refine(colours, entries, 4);

    Palette palette;
    for (const Rgb& c : colours) {
        palette.push_back({static_cast<std::uint8_t>(Clamp255(c.r) + 0.5f),
                           static_cast<std::uint8_t>(Clamp255(c.g) + 0.5f),
                           static_cast<std::uint8_t>(Clamp255(c.b) + 0.5f)});
    }
    return palette;
}

IndexedImage MapToPalette(const RgbImage& image, const Palette& palette) {
    if (palette.empty() || palette.size() > 256) throw std::invalid_argument("palette must have 1..256 colours");
    static const int kBayer[8][8] = {{0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
                                     {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
                                     {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
                                     {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21}};
    // About one palette step in the smooth ramps: enough to hide banding,
    // too little to show a pattern.
    constexpr float kSpread = 7.0f;

    IndexedImage out;
    out.width = image.width;
    out.height = image.height;
    out.palette = palette;
    out.indices.resize(image.pixels.size());
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const float offset = ((kBayer[y & 7][x & 7] + 0.5f) / 64.0f - 0.5f) * kSpread;
            const Rgb& p = image.At(x, y);
            const float c[3] = {p.r + offset, p.g + offset, p.b + offset};
            out.indices[static_cast<std::size_t>(y) * image.width + x] = static_cast<std::uint8_t>(Nearest(palette, c));
        }
    }
    return out;
}
