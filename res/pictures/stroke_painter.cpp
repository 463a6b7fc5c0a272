#include "res/pictures/stroke_painter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

float DistanceToSegment(const Segment& s, float x, float y) {
    const float dx = s.x1 - s.x0, dy = s.y1 - s.y0;
    const float lengthSquared = dx * dx + dy * dy;
    float t = 0;
    if (lengthSquared > 0) t = Clamp01(((x - s.x0) * dx + (y - s.y0) * dy) / lengthSquared);
    const float ex = x - (s.x0 + t * dx), ey = y - (s.y0 + t * dy);
    return std::sqrt(ex * ex + ey * ey);
}

float DistanceToStrokes(const std::vector<Segment>& segments, float x, float y) {
    float best = std::numeric_limits<float>::max();
    for (const Segment& s : segments) best = std::min(best, DistanceToSegment(s, x, y));
    return best;
}

Rgb FillColour(const InkStyle& style, float y) {
    const float t = Clamp01((y - style.gradientTop) / (style.gradientBottom - style.gradientTop));
    return t < 0.5f ? Mix(style.fillTop, style.fillMiddle, t * 2) : Mix(style.fillMiddle, style.fillBottom, t * 2 - 1);
}

}  // namespace

void PaintStrokes(RgbImage& image, const std::vector<Segment>& segments, const InkStyle& style) {
    if (segments.empty()) return;
    const float fillRadius = style.penWidth / 2;
    const float outerRadius = fillRadius + style.outlineWidth;
    const float reach =
        outerRadius + style.shadowBlur + std::max(std::fabs(style.shadowDx), std::fabs(style.shadowDy)) + 2;

    float left = std::numeric_limits<float>::max(), top = left, right = -left, bottom = -left;
    for (const Segment& s : segments) {
        left = std::min({left, s.x0, s.x1});
        right = std::max({right, s.x0, s.x1});
        top = std::min({top, s.y0, s.y1});
        bottom = std::max({bottom, s.y0, s.y1});
    }
    const int xBegin = std::max(0, static_cast<int>(std::floor(left - reach)));
    const int xEnd = std::min(image.width, static_cast<int>(std::ceil(right + reach)));
    const int yBegin = std::max(0, static_cast<int>(std::floor(top - reach)));
    const int yEnd = std::min(image.height, static_cast<int>(std::ceil(bottom + reach)));

    const Rgb shadowColour{8, 4, 18};
    for (int y = yBegin; y < yEnd; ++y) {
        for (int x = xBegin; x < xEnd; ++x) {
            const float cx = x + 0.5f, cy = y + 0.5f;
            if (style.shadowAlpha > 0) {
                const float ds = DistanceToStrokes(segments, cx - style.shadowDx, cy - style.shadowDy);
                const float shadow = 1 - SmoothStep(outerRadius - style.shadowBlur, outerRadius + style.shadowBlur, ds);
                image.Blend(x, y, shadowColour, shadow * style.shadowAlpha);
            }
            // Coverage from the distance to the centre line gives the edges
            // their anti-aliasing for free.
            const float d = DistanceToStrokes(segments, cx, cy);
            const float outlineCover = Clamp01(outerRadius - d + 0.5f);
            if (outlineCover <= 0) continue;
            const float fillCover = Clamp01(fillRadius - d + 0.5f);
            image.Blend(x, y, Mix(style.outline, FillColour(style, cy), fillCover), outlineCover);
        }
    }
}
