// Checks the files make_pictures wrote into the directory given as argv[1].

#include "expect.h"
#include "file_bytes.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kWidth = 640, kHeight = 480;
constexpr std::size_t kPixelsAt = 14 + 40 + 256 * 4;

// Returns the whole file when its headers are right, else an empty vector.
Bytes check_bitmap(const std::string& dir, const std::string& name) {
    const Bytes b = read_file(dir + "/" + name);
    const bool ok = b.size() == kPixelsAt + kWidth * kHeight && b[0] == 'B' && b[1] == 'M' && u32(b, 10) == kPixelsAt &&
                    u32(b, 14) == 40 && u32(b, 18) == kWidth && u32(b, 22) == kHeight && u16(b, 28) == 8 &&
                    u32(b, 30) == 0 && (u32(b, 46) == 0 || u32(b, 46) == 256);
    expect(ok, name + ": 640x480 bottom-up, 8 bpp BI_RGB, 256 colours");
    return ok ? b : Bytes{};
}

bool in_button_column(int x, int y) { return x >= 440 && x < 625 && y >= 130 && y < 310; }

// Titles are the background plus the logo, which must stay in the upper
// band and off the button column the dialog lays over the picture.
void check_titles(const std::string& dir) {
    const Bytes background = check_bitmap(dir, "background.bmp");
    for (const char* name : {"title_en.bmp", "title_es.bmp", "title_fr.bmp", "title_de.bmp", "title_nl.bmp"}) {
        const Bytes title = check_bitmap(dir, name);
        if (background.empty() || title.empty()) continue;
        int changed = 0, misplaced = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const std::size_t at = kPixelsAt + static_cast<std::size_t>(kHeight - 1 - y) * kWidth + x;
                if (title[at] == background[at]) continue;
                ++changed;
                if (y >= 135 || in_button_column(x, y)) ++misplaced;
            }
        }
        expect(changed > 5000, std::string(name) + ": carries a logo");
        expect(misplaced == 0, std::string(name) + ": logo stays in the upper band, off the buttons");
    }
}

void check_icon(const std::string& dir) {
    const Bytes b = read_file(dir + "/app.ico");
    constexpr std::uint32_t kDibSize = 40 + 256 * 4 + 32 * 32 + 32 * 4;
    expect(b.size() == 22 + kDibSize && u16(b, 4) == 1 && b[6] == 32 && b[7] == 32 && u16(b, 12) == 8 &&
               u32(b, 26) == 32 && u32(b, 30) == 64 && u16(b, 36) == 8 && u32(b, 38) == 0,
           "app.ico: one 32x32 image, 8 bpp BI_RGB with its mask");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: check_pictures <dir>\n");
        return 2;
    }
    check_titles(argv[1]);
    check_icon(argv[1]);
    return test_result();
}
