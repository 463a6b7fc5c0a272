// The real pictures are 640 and 32 pixels wide, where rows need no padding;
// an odd width exercises the padding and bit packing they never reach.

#include "dib_files.h"
#include "expect.h"
#include "file_bytes.h"

namespace {

// 3x2 pixels: top row 0 1 2, bottom row 2 1 0.
IndexedImage small_image() {
    IndexedImage image;
    image.width = 3;
    image.height = 2;
    image.palette = {{255, 0, 0}, {0, 255, 0}, {10, 20, 30}};
    image.indices = {0, 1, 2, 2, 1, 0};
    return image;
}

// The last `count` bytes of a file, or nothing when it is shorter.
Bytes tail(const Bytes& b, std::size_t count) { return b.size() < count ? Bytes{} : Bytes(b.end() - count, b.end()); }

}  // namespace

int main() {
    write_bmp("small.bmp", small_image());
    const Bytes bmp = read_file("small.bmp");
    expect(bmp.size() == 14 + 40 + 1024 + 8 && u32(bmp, 34) == 8, "bmp: two rows padded to 4 bytes, counted");
    const Bytes palette = bmp.size() > 70 ? Bytes(bmp.begin() + 54, bmp.begin() + 70) : Bytes{};
    expect(palette == Bytes({0, 0, 255, 0, 0, 255, 0, 0, 30, 20, 10, 0, 0, 0, 0, 0}), "bmp: palette as BGR0, rest black");
    expect(tail(bmp, 8) == Bytes({2, 1, 0, 0, 0, 1, 2, 0}), "bmp: bottom row first, zero padding");

    // Transparent: top-left and bottom-right.
    write_ico("small.ico", small_image(), {true, false, false, false, false, true});
    const Bytes ico = read_file("small.ico");
    expect(ico.size() == 22 + 40 + 1024 + 8 + 8 && u32(ico, 30) == 4, "ico: padded colour and mask rows, double height");
    expect(tail(ico, 8) == Bytes({0x20, 0, 0, 0, 0x80, 0, 0, 0}), "ico: mask bottom-up, leftmost pixel in the high bit");

    IndexedImage bad = small_image();
    bad.indices.pop_back();
    bool refused = false;
    try {
        write_bmp("bad.bmp", bad);
    } catch (const std::runtime_error&) {
        refused = true;
    }
    expect(refused, "bmp: pixel count must match the size");
    return test_result();
}
