#include "title_logo.h"

#include "layout.h"
#include "stroke_font.h"
#include "stroke_painter.h"

#include <algorithm>

namespace {

const std::string kGameName = "Quimbo Marivel";
const Rgb kOutline{44, 16, 54};

constexpr float kSlant = 0.2f;
constexpr float kNameBaseline = 86;
constexpr float kSubtitleBaseline = 117;
constexpr float kSubtitleScale = 2.3f;
constexpr float kSubtitleTracking = 2.2f;

// Widest scale at which the name, pen and outline included, fits the box.
float name_scale(float tracking, float pen_units) {
    const float units = text_width_units(kGameName, tracking) + kSlant * 8 + pen_units;
    return (kLogoBox.right - kLogoBox.left - 8) / units;
}

}  // namespace

void paint_title(RgbImage& image, const std::string& subtitle) {
    const float tracking = 2.25f;
    const float pen_units = 1.25f, outline_units = 0.5f;
    const float scale = name_scale(tracking, pen_units + 2 * outline_units);
    const float left = kLogoBox.left + 4 + (pen_units / 2 + outline_units) * scale;

    const InkStyle name_ink{pen_units * scale, outline_units * scale,
                            {255, 250, 222}, {255, 206, 104}, {236, 124, 52},
                            kNameBaseline - 8 * scale, kNameBaseline,
                            kOutline, 3, 4, 3, 0.6f};
    paint_strokes(image, layout_text(kGameName, {left, kNameBaseline, scale, kSlant, tracking}), name_ink);

    // The subtitle ends under the end of the name, led in by a thin rule.
    const float name_right = left + text_width_units(kGameName, tracking) * scale;
    const float subtitle_left = name_right - text_width_units(subtitle, kSubtitleTracking) * kSubtitleScale;
    const InkStyle subtitle_ink{1.15f * kSubtitleScale, 1.4f, {255, 244, 226}, {255, 226, 200}, {250, 200, 178},
                                kSubtitleBaseline - 8 * kSubtitleScale, kSubtitleBaseline,
                                kOutline, 1.5f, 2, 1.5f, 0.5f};
    paint_strokes(image, layout_text(subtitle, {subtitle_left, kSubtitleBaseline, kSubtitleScale, kSlant, kSubtitleTracking}),
                  subtitle_ink);

    const float rule_y = kSubtitleBaseline - 2.5f * kSubtitleScale;
    const float rule_right = subtitle_left - 4 * kSubtitleScale;
    const float rule_left = std::max(left + 8 * scale, rule_right - 120);
    InkStyle rule_ink = subtitle_ink;
    rule_ink.pen_width = 1.6f;
    rule_ink.outline_width = 1.0f;
    if (rule_right > rule_left) paint_strokes(image, {{rule_left, rule_y, rule_right, rule_y}}, rule_ink);
}
