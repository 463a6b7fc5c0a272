#include "res/pictures/title_logo.h"

#include <algorithm>

#include "res/pictures/layout.h"
#include "res/pictures/stroke_font.h"
#include "res/pictures/stroke_painter.h"

namespace {

const std::string kGameName = "Quimbo Marivel";
const Rgb kOutline{44, 16, 54};

constexpr float kSlant = 0.2f;
constexpr float kNameBaseline = 86;
constexpr float kSubtitleBaseline = 117;
constexpr float kSubtitleScale = 2.3f;
constexpr float kSubtitleTracking = 2.2f;

// Widest scale at which the name, pen and outline included, fits the box.
float NameScale(float tracking, float penUnits) {
    const float units = TextWidthUnits(kGameName, tracking) + kSlant * 8 + penUnits;
    return (kLogoBox.right - kLogoBox.left - 8) / units;
}

}  // namespace

void PaintTitle(RgbImage& image, const std::string& subtitle) {
    const float tracking = 2.25f;
    const float penUnits = 1.25f, outlineUnits = 0.5f;
    const float scale = NameScale(tracking, penUnits + 2 * outlineUnits);
    const float left = kLogoBox.left + 4 + (penUnits / 2 + outlineUnits) * scale;

    const InkStyle nameInk{penUnits * scale,
                           outlineUnits * scale,
                           {255, 250, 222},
                           {255, 206, 104},
                           {236, 124, 52},
                           kNameBaseline - 8 * scale,
                           kNameBaseline,
                           kOutline,
                           3,
                           4,
                           3,
                           0.6f};
    PaintStrokes(image, LayoutText(kGameName, {left, kNameBaseline, scale, kSlant, tracking}), nameInk);

    // The subtitle ends under the end of the name, led in by a thin rule.
    const float nameRight = left + TextWidthUnits(kGameName, tracking) * scale;
    const float subtitleLeft = nameRight - TextWidthUnits(subtitle, kSubtitleTracking) * kSubtitleScale;
    const InkStyle subtitleInk{1.15f * kSubtitleScale,
                               1.4f,
                               {255, 244, 226},
                               {255, 226, 200},
                               {250, 200, 178},
                               kSubtitleBaseline - 8 * kSubtitleScale,
                               kSubtitleBaseline,
                               kOutline,
                               1.5f,
                               2,
                               1.5f,
                               0.5f};
    PaintStrokes(image,
                 LayoutText(subtitle, {subtitleLeft, kSubtitleBaseline, kSubtitleScale, kSlant, kSubtitleTracking}),
                 subtitleInk);

    const float ruleY = kSubtitleBaseline - 2.5f * kSubtitleScale;
    const float ruleRight = subtitleLeft - 4 * kSubtitleScale;
    const float ruleLeft = std::max(left + 8 * scale, ruleRight - 120);
    InkStyle ruleInk = subtitleInk;
    ruleInk.penWidth = 1.6f;
    ruleInk.outlineWidth = 1.0f;
    if (ruleRight > ruleLeft) PaintStrokes(image, {{ruleLeft, ruleY, ruleRight, ruleY}}, ruleInk);
}
