#pragma once

#include <string>
#include <vector>

struct Segment {
    float x0, y0, x1, y1;  // pixels, y down
};

// Placement of a line of text. Glyphs are designed in font units: baseline
// at 0, x-height 5, capital height 8.
struct TextPlacement {
    float left;      // pixels
    float baseline;  // pixels
    float scale;     // pixels per font unit
    float slant;     // horizontal shift per unit of height, for italics
    float tracking;  // font units between the centre lines of neighbouring glyphs
};

// Centre lines of a monoline font, to be drawn with round pens of any width.
// Text is Windows-1252; a character without a glyph throws
// std::invalid_argument rather than leaving a silent gap.
std::vector<Segment> LayoutText(const std::string& text, const TextPlacement& placement);

// Width in font units of the centre lines, from the first glyph's left edge
// to the last one's right edge (slant and pen width not included).
float TextWidthUnits(const std::string& text, float tracking);
