#include "stroke_painter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

float distance_to_segment(const Segment& s, float x, float y) {
    const float dx = s.x1 - s.x0, dy = s.y1 - s.y0;
    const float length_sq = dx * dx + dy * dy;
    float t = 0;
    if (length_sq > 0) t = clamp01(((x - s.x0) * dx + (y - s.y0) * dy) / length_sq);
    const float ex = x - (s.x0 + t * dx), ey = y - (s.y0 + t * dy);
    return std::sqrt(ex * ex + ey * ey);
}

float distance_to_strokes(const std::vector<Segment>& segments, float x, float y) {
    float best = std::numeric_limits<float>::max();
    for (const Segment& s : segments) best = std::min(best, distance_to_segment(s, x, y));
    return best;
}

Rgb fill_colour(const InkStyle& style, float y) {
    const float t = clamp01((y - style.gradient_top) / (style.gradient_bottom - style.gradient_top));
    return t < 0.5f ? mix(style.fill_top, style.fill_middle, t * 2) : mix(style.fill_middle, style.fill_bottom, t * 2 - 1);
}

}  // namespace

void paint_strokes(RgbImage& image, const std::vector<Segment>& segments, const InkStyle& style) {
    if (segments.empty()) return;
    const float fill_radius = style.pen_width / 2;
    const float outer_radius = fill_radius + style.outline_width;
    const float reach = outer_radius + style.shadow_blur + std::max(std::fabs(style.shadow_dx), std::fabs(style.shadow_dy)) + 2;

    float left = std::numeric_limits<float>::max(), top = left, right = -left, bottom = -left;
    for (const Segment& s : segments) {
        left = std::min({left, s.x0, s.x1});
        right = std::max({right, s.x0, s.x1});
        top = std::min({top, s.y0, s.y1});
        bottom = std::max({bottom, s.y0, s.y1});
    }
    const int x_begin = std::max(0, static_cast<int>(std::floor(left - reach)));
    const int x_end = std::min(image.width, static_cast<int>(std::ceil(right + reach)));
    const int y_begin = std::max(0, static_cast<int>(std::floor(top - reach)));
    const int y_end = std::min(image.height, static_cast<int>(std::ceil(bottom + reach)));

    const Rgb shadow_colour{8, 4, 18};
    for (int y = y_begin; y < y_end; ++y) {
        for (int x = x_begin; x < x_end; ++x) {
            const float cx = x + 0.5f, cy = y + 0.5f;
            if (style.shadow_alpha > 0) {
                const float ds = distance_to_strokes(segments, cx - style.shadow_dx, cy - style.shadow_dy);
                const float shadow = 1 - smoothstep(outer_radius - style.shadow_blur, outer_radius + style.shadow_blur, ds);
                image.blend(x, y, shadow_colour, shadow * style.shadow_alpha);
            }
            // Coverage from the distance to the centre line gives the edges
            // their anti-aliasing for free.
            const float d = distance_to_strokes(segments, cx, cy);
            const float outline_cover = clamp01(outer_radius - d + 0.5f);
            if (outline_cover <= 0) continue;
            const float fill_cover = clamp01(fill_radius - d + 0.5f);
            image.blend(x, y, mix(style.outline, fill_colour(style, cy), fill_cover), outline_cover);
        }
    }
}
