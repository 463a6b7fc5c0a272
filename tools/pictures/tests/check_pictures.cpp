// Checks the files make_pictures wrote into the directory given as argv[1].

#include "expect.h"
#include "file_bytes.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 640, kHeight = 480;
constexpr std::size_t kPaletteAt = 14 + 40, kPixelsAt = kPaletteAt + 256 * 4;
constexpr std::size_t kBitmapFileSize = kPixelsAt + kWidth * kHeight;

// Returns the whole file when its headers are right, else an empty vector.
Bytes check_bitmap(const std::string& dir, const std::string& name) {
    const Bytes b = read_file(dir + "/" + name);
    expect(b.size() == kBitmapFileSize, name + ": file size");
    if (b.size() != kBitmapFileSize) return {};
    const int failures_before = failure_count();
    expect(b[0] == 'B' && b[1] == 'M', name + ": signature");
    expect(u32(b, 2) == b.size(), name + ": size field matches the file");
    expect(u32(b, 10) == kPixelsAt, name + ": pixels follow a 256-colour palette");
    expect(u32(b, 14) == 40, name + ": BITMAPINFOHEADER");
    expect(u32(b, 18) == kWidth && u32(b, 22) == kHeight, name + ": 640x480, bottom-up");
    expect(u16(b, 26) == 1 && u16(b, 28) == 8, name + ": one plane, 8 bpp");
    expect(u32(b, 30) == 0, name + ": BI_RGB");
    expect(u32(b, 34) == 0 || u32(b, 34) == kWidth * kHeight, name + ": image size field");
    expect(u32(b, 46) == 0 || u32(b, 46) == 256, name + ": colours used");
    return failure_count() == failures_before ? b : Bytes{};
}

bool in_button_column(int x, int y) { return x >= 440 && x < 625 && y >= 130 && y < 310; }

// Titles are the background plus the logo, which must stay in the upper
// band and off the button column the dialog lays over the picture.
void check_titles(const std::string& dir) {
    const Bytes background = check_bitmap(dir, "background.bmp");
    std::vector<Bytes> titles;
    for (const char* name : {"title_en.bmp", "title_es.bmp", "title_fr.bmp", "title_de.bmp", "title_nl.bmp"}) {
        const Bytes title = check_bitmap(dir, name);
        if (background.empty() || title.empty()) continue;
        expect(std::equal(title.begin() + kPaletteAt, title.begin() + kPixelsAt, background.begin() + kPaletteAt),
               std::string(name) + ": shares the background's palette");
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
        for (const Bytes& other : titles) expect(other != title, std::string(name) + ": differs from the other languages");
        titles.push_back(title);
    }
}

void check_icon(const std::string& dir) {
    const Bytes b = read_file(dir + "/app.ico");
    constexpr std::uint32_t kDibSize = 40 + 256 * 4 + 32 * 32 + 32 * 4;
    expect(b.size() == 22 + kDibSize, "app.ico: file size");
    if (b.size() != 22 + kDibSize) return;
    expect(u16(b, 0) == 0 && u16(b, 2) == 1 && u16(b, 4) == 1, "app.ico: icon directory with one image");
    expect(b[6] == 32 && b[7] == 32, "app.ico: entry is 32x32");
    expect(b[8] == 0 && u16(b, 10) == 1 && u16(b, 12) == 8, "app.ico: entry is 256 colours, 8 bpp");
    expect(u32(b, 14) == kDibSize && u32(b, 18) == 22, "app.ico: entry size and offset");
    expect(u32(b, 22) == 40 && u32(b, 26) == 32 && u32(b, 30) == 64, "app.ico: DIB is 32 wide, double height");
    expect(u16(b, 34) == 1 && u16(b, 36) == 8 && u32(b, 38) == 0, "app.ico: DIB is 8 bpp BI_RGB");

    // Masked pixels must be black in the colour bitmap; the centre is opaque.
    const std::size_t palette = 22 + 40, pixels = palette + 256 * 4, mask = pixels + 32 * 32;
    int masked = 0, not_black = 0;
    for (int row = 0; row < 32; ++row) {
        for (int x = 0; x < 32; ++x) {
            if (!(b[mask + row * 4 + x / 8] & (0x80 >> (x % 8)))) continue;
            ++masked;
            const std::size_t colour = palette + b[pixels + row * 32 + x] * 4;
            if (b[colour] || b[colour + 1] || b[colour + 2]) ++not_black;
        }
    }
    expect(masked > 0 && masked < 32 * 32 / 2, "app.ico: mask clears the corners only");
    expect(not_black == 0, "app.ico: masked pixels are black");
    expect(!(b[mask + 16 * 4 + 2] & 0x80), "app.ico: centre is opaque");
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
