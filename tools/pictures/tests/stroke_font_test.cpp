#include "expect.h"
#include "stroke_font.h"

#include <algorithm>
#include <cmath>
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

}  // namespace

// Letters are spaced by their advance widths, so ink outside a glyph's box
// would collide with its neighbour, and a wrong width would misplace the
// subtitle that is aligned under the end of the name.
int main() {
    for (const char letter : std::string("DMQabceilmnorstuv\xE9\xF3")) {
        const std::string text(1, letter);
        const Extent e = ink_extent(text, 0);
        expect(e.left >= -0.01f && e.right <= text_width_units(text, 0) + 0.01f && e.highest <= 8.01f &&
                   e.lowest >= -1.5f,
               "glyph " + std::to_string(static_cast<unsigned char>(letter)) + ": ink inside its advance and height");
    }
    for (const std::string word : {"Quimbo Marivel", "Demostraci\xF3n"}) {
        const Extent e = ink_extent(word, 2.2f);
        expect(std::abs(e.right - e.left - text_width_units(word, 2.2f)) < 0.05f, word + ": width matches the ink");
    }
    bool thrown = false;
    try {
        layout_text("Demo!", {0, 0, 1, 0, 1});
    } catch (const std::invalid_argument&) {
        thrown = true;
    }
    expect(thrown, "a character without a glyph is an error, not a gap");
    return test_result();
}
