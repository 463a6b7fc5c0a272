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

void bitmap_rows_are_padded_and_bottom_up() {
    write_bmp("small.bmp", small_image());
    const Bytes b = read_file("small.bmp");
    const std::size_t pixels = 14 + 40 + 1024;
    expect(b.size() == pixels + 2 * 4, "bmp: two rows padded to 4 bytes");
    if (b.size() != pixels + 8) return;
    expect(u32(b, 2) == b.size() && u32(b, 10) == pixels, "bmp: size and offset fields");
    expect(u32(b, 34) == 8, "bmp: image size counts the padding");
    expect(b[54] == 0 && b[55] == 0 && b[56] == 255 && b[57] == 0, "bmp: palette stored as BGR0");
    expect(b[62] == 30 && b[63] == 20 && b[64] == 10, "bmp: third palette entry");
    expect(b[66] == 0 && b[67] == 0 && b[68] == 0, "bmp: unused palette entries are black");
    const Bytes rows(b.begin() + static_cast<long>(pixels), b.end());
    expect(rows == Bytes({2, 1, 0, 0, 0, 1, 2, 0}), "bmp: bottom row first, zero padding");
}

void icon_mask_is_packed_msb_first() {
    // Transparent: top-left and bottom-right.
    write_ico("small.ico", small_image(), {true, false, false, false, false, true});
    const Bytes b = read_file("small.ico");
    const std::size_t dib = 40 + 1024 + 2 * 4 + 2 * 4;
    expect(b.size() == 22 + dib, "ico: colour rows and mask rows padded to 4 bytes");
    if (b.size() != 22 + dib) return;
    expect(b[6] == 3 && b[7] == 2 && u32(b, 14) == dib, "ico: directory entry");
    expect(u32(b, 26) == 3 && u32(b, 30) == 4, "ico: DIB height covers colour and mask");
    const Bytes mask(b.end() - 8, b.end());
    expect(mask == Bytes({0x20, 0, 0, 0, 0x80, 0, 0, 0}), "ico: mask bottom-up, leftmost pixel in the high bit");
}

void bad_images_are_refused() {
    IndexedImage image = small_image();
    image.indices.pop_back();
    bool refused = false;
    try {
        write_bmp("bad.bmp", image);
    } catch (const std::runtime_error&) {
        refused = true;
    }
    expect(refused, "bmp: pixel count must match the size");
}

}  // namespace

int main() {
    bitmap_rows_are_padded_and_bottom_up();
    icon_mask_is_packed_msb_first();
    bad_images_are_refused();
    return test_result();
}
