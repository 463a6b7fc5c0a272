#include "res/pictures/stroke_font.h"

#include <cmath>
#include <map>
#include <stdexcept>

namespace {

struct Point {
    float x, y;
};

using Path = std::vector<Point>;

struct Glyph {
    float width = 0;
    std::vector<Path> paths;  // a single-point path is a dot
};

constexpr float kPi = 3.14159265f;

// Elliptical arc from deg0 to deg1 (counter-clockwise when deg1 > deg0).
Path Arc(float cx, float cy, float rx, float ry, float deg0, float deg1) {
    const int steps = std::max(2, static_cast<int>(std::fabs(deg1 - deg0) / 8));
    Path path;
    for (int i = 0; i <= steps; ++i) {
        const float a = (deg0 + (deg1 - deg0) * i / steps) * kPi / 180;
        path.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return path;
}

Path operator+(Path a, const Path& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Lower-case bowls share one ellipse so o, a, b, e and c match.
constexpr float kBowlRx = 2.1f, kBowlRy = 2.5f;
Path Bowl(float deg0, float deg1) { return Arc(kBowlRx, kBowlRy, kBowlRx, kBowlRy, deg0, deg1); }

const Path kAcute{{1.9f, 6.3f}, {3.3f, 7.9f}};

Glyph WithAcute(Glyph g) {
    g.paths.push_back(kAcute);
    return g;
}

std::map<unsigned char, Glyph> MakeFont() {
    std::map<unsigned char, Glyph> font;
    const float w = 2 * kBowlRx;
    font[' '] = {2.4f, {}};
    font['D'] = {5.2f, {Path{{0, 0}, {0, 8}, {1.6f, 8}} + Arc(1.6f, 4, 3.6f, 4, 90, -90) + Path{{0, 0}}}};
    font['M'] = {6.6f, {{{0, 0}, {0, 8}, {3.3f, 2.4f}, {6.6f, 8}, {6.6f, 0}}}};
    font['Q'] = {7.0f, {Arc(3.5f, 4, 3.5f, 4, 0, 360), {{4.0f, 1.7f}, {6.9f, -1.3f}}}};
    font['a'] = {w, {Bowl(0, 360), {{w, 5}, {w, 0}}}};
    font['b'] = {w, {{{0, 8}, {0, 0}}, Bowl(0, 360)}};
    font['c'] = {w, {Bowl(42, 318)}};
    font['e'] = {w, {Path{{0, kBowlRy}} + Bowl(0, 318)}};
    font['i'] = {0, {{{0, 5}, {0, 0}}, {{0, 7.2f}}}};
    font['l'] = {0, {{{0, 8}, {0, 0}}}};
    font['m'] = {6.4f,
                 {{{0, 5}, {0, 0}},
                  Arc(1.6f, 2.5f, 1.6f, 2.5f, 180, 0) + Path{{3.2f, 0}},
                  Arc(4.8f, 2.5f, 1.6f, 2.5f, 180, 0) + Path{{6.4f, 0}}}};
    font['n'] = {w, {{{0, 5}, {0, 0}}, Bowl(180, 0) + Path{{w, 0}}}};
    font['o'] = {w, {Bowl(0, 360)}};
    font['r'] = {3.0f, {{{0, 5}, {0, 0}}, Arc(2.4f, 2.5f, 2.4f, 2.5f, 180, 78)}};
    font['s'] = {3.8f, {Arc(1.9f, 3.75f, 1.9f, 1.25f, 30, 270) + Arc(1.9f, 1.25f, 1.9f, 1.25f, 90, -150)}};
    font['t'] = {2.6f, {Path{{1, 7}, {1, 1}} + Arc(2.2f, 1, 1.2f, 1, 180, 270), {{0, 5}, {2.6f, 5}}}};
    font['u'] = {w, {Path{{0, 5}} + Bowl(180, 360), {{w, 5}, {w, 0}}}};
    font['v'] = {4.4f, {{{0, 5}, {2.2f, 0}, {4.4f, 5}}}};
    font[0xE9] = WithAcute(font['e']);  // e acute
    font[0xF3] = WithAcute(font['o']);  // o acute
    return font;
}

const Glyph& GlyphFor(unsigned char code) {
    static const std::map<unsigned char, Glyph> font = MakeFont();
    const auto it = font.find(code);
    if (it == font.end()) throw std::invalid_argument("no glyph for character code " + std::to_string(code));
    return it->second;
}

}  // namespace

float TextWidthUnits(const std::string& text, float tracking) {
    float width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        width += GlyphFor(static_cast<unsigned char>(text[i])).width;
        if (i + 1 < text.size()) width += tracking;
    }
    return width;
}

std::vector<Segment> LayoutText(const std::string& text, const TextPlacement& placement) {
    std::vector<Segment> segments;
    float pen = 0;
    for (const char ch : text) {
        const Glyph& glyph = GlyphFor(static_cast<unsigned char>(ch));
        for (const Path& path : glyph.paths) {
            auto toPixels = [&](Point p) {
                return Point{placement.left + (pen + p.x + placement.slant * p.y) * placement.scale,
                             placement.baseline - p.y * placement.scale};
            };
            Point previous = toPixels(path.front());
            if (path.size() == 1) segments.push_back({previous.x, previous.y, previous.x, previous.y});
            for (std::size_t i = 1; i < path.size(); ++i) {
                const Point next = toPixels(path[i]);
                segments.push_back({previous.x, previous.y, next.x, next.y});
                previous = next;
            }
        }
        pen += glyph.width + placement.tracking;
    }
    return segments;
}
