#include "expect.h"
#include "stroke_font.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

struct Extent {
    float left = 1e9f, right = -1e9f, highest = -1e9f, lowest = 1e9f;
};

// Ink extent in font units (y up), laid out at scale 1 without slant.
Extent ink_extent(const std::string& text, float tracking) {
    Extent e;
    for (const Segment& s : layout_text(text, {0, 0, 1, 0, tracking})) {
        e.left = std::min({e.left, s.x0, s.x1});
        e.right = std::max({e.right, s.x0, s.x1});
        e.highest = std::max({e.highest, -s.y0, -s.y1});
        e.lowest = std::min({e.lowest, -s.y0, -s.y1});
    }
    return e;
}

// Letters are spaced by their advance widths, so ink outside a glyph's box
// would collide with its neighbour, and a wrong width would misplace the
// subtitle that is aligned under the end of the name.
void glyphs_stay_inside_their_boxes() {
    const std::string letters = "DMQabceilmnorstuv\xE9\xF3";
    for (const char letter : letters) {
        const std::string text(1, letter);
        const Extent e = ink_extent(text, 0);
        const float width = text_width_units(text, 0);
        const std::string name = "glyph " + std::to_string(static_cast<unsigned char>(letter));
        expect(e.left >= -0.01f && e.right <= width + 0.01f, name + ": ink within its advance width");
        expect(e.highest <= 8.01f && e.lowest >= -1.5f, name + ": ink between descender and capital height");
    }
}

void width_matches_the_ink() {
    for (const std::string word : {"Quimbo Marivel", "Demo", "Demostraci\xF3n"}) {
        const Extent e = ink_extent(word, 2.2f);
        const float width = text_width_units(word, 2.2f);
        expect(std::abs(e.right - e.left - width) < 0.05f, word + ": measured width matches the drawn ink");
    }
}

void missing_glyphs_are_reported() {
    bool thrown = false;
    try {
        layout_text("Demo!", {0, 0, 1, 0, 1});
    } catch (const std::invalid_argument&) {
        thrown = true;
    }
    expect(thrown, "a character without a glyph is an error, not a gap");
}

}  // namespace

int main() {
    glyphs_stay_inside_their_boxes();
    width_matches_the_ink();
    missing_glyphs_are_reported();
    return test_result();
}
