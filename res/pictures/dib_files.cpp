#include "dib_files.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 256 * 4;
constexpr std::uint32_t kIconDirSize = 6 + 16;

// Headers are assembled byte by byte so the layout does not depend on the
// host's struct packing or endianness.
class ByteWriter {
public:
    void u8(std::uint32_t v) { bytes_.push_back(static_cast<char>(v & 0xFF)); }
    void u16(std::uint32_t v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v) {
        u16(v);
        u16(v >> 16);
    }
    void zeros(std::size_t count) { bytes_.append(count, '\0'); }
    std::size_t size() const { return bytes_.size(); }

    void save(const std::string& path) const {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
        if (!file) throw std::runtime_error("cannot write " + path);
    }

private:
    std::string bytes_;
};

// Rows of a DIB are padded to whole 32-bit words.
std::uint32_t row_stride(int width, int bits_per_pixel) {
    return (static_cast<std::uint32_t>(width) * bits_per_pixel + 31) / 32 * 4;
}

void check_image(const IndexedImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.indices.size() != static_cast<std::size_t>(image.width) * image.height)
        throw std::runtime_error("image size does not match its pixel data");
    if (image.palette.empty() || image.palette.size() > 256)
        throw std::runtime_error("palette must have 1..256 colours");
}

std::uint32_t pixel_bytes(const IndexedImage& image) { return row_stride(image.width, 8) * image.height; }

// BITMAPINFOHEADER; icons store twice the height to cover the AND mask.
void put_info_header(ByteWriter& out, const IndexedImage& image, int height_field, std::uint32_t image_bytes) {
    out.u32(kInfoHeaderSize);
    out.u32(static_cast<std::uint32_t>(image.width));
    out.u32(static_cast<std::uint32_t>(height_field));
    out.u16(1);            // planes
    out.u16(8);            // bits per pixel
    out.u32(0);            // BI_RGB
    out.u32(image_bytes);
    out.u32(0);            // pixels per metre, x
    out.u32(0);            // pixels per metre, y
    out.u32(256);          // colours used
    out.u32(0);            // all colours important
}

// Always a full table of 256 so an index can never point past it.
void put_palette(ByteWriter& out, const Palette& palette) {
    for (const Rgb8& c : palette) {
        out.u8(c.b);
        out.u8(c.g);
        out.u8(c.r);
        out.u8(0);
    }
    out.zeros((256 - palette.size()) * 4);
}

void put_pixels_bottom_up(ByteWriter& out, const IndexedImage& image) {
    const std::uint32_t padding = row_stride(image.width, 8) - static_cast<std::uint32_t>(image.width);
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t row = static_cast<std::size_t>(y) * image.width;
        for (int x = 0; x < image.width; ++x) out.u8(image.indices[row + x]);
        out.zeros(padding);
    }
}

void put_mask_bottom_up(ByteWriter& out, int width, int height, const std::vector<bool>& transparent) {
    const std::uint32_t stride = row_stride(width, 1);
    for (int y = height - 1; y >= 0; --y) {
        for (std::uint32_t byte = 0; byte < stride; ++byte) {
            std::uint32_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = static_cast<int>(byte * 8) + bit;
                if (x < width && transparent[static_cast<std::size_t>(y) * width + x]) bits |= 0x80u >> bit;
            }
            out.u8(bits);
        }
    }
}

}  // namespace

void write_bmp(const std::string& path, const IndexedImage& image) {
    check_image(image);
    const std::uint32_t data_offset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
    const std::uint32_t image_bytes = pixel_bytes(image);

    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(data_offset + image_bytes);
    out.u32(0);  // reserved
    out.u32(data_offset);
    put_info_header(out, image, image.height, image_bytes);
    put_palette(out, image.palette);
    put_pixels_bottom_up(out, image);
    out.save(path);
}

void write_ico(const std::string& path, const IndexedImage& image, const std::vector<bool>& transparent) {
    check_image(image);
    if (image.width > 256 || image.height > 256) throw std::runtime_error("icon larger than 256 pixels");
    if (transparent.size() != image.indices.size()) throw std::runtime_error("icon mask size mismatch");
    const std::uint32_t image_bytes = pixel_bytes(image) + row_stride(image.width, 1) * image.height;
    const std::uint32_t resource_bytes = kInfoHeaderSize + kPaletteSize + image_bytes;

    ByteWriter out;
    out.u16(0);  // reserved
    out.u16(1);  // icon, not cursor
    out.u16(1);  // one image
    out.u8(image.width == 256 ? 0 : image.width);
    out.u8(image.height == 256 ? 0 : image.height);
    out.u8(0);  // 0 = 256 colours
    out.u8(0);  // reserved
    out.u16(1);  // planes
    out.u16(8);  // bits per pixel
    out.u32(resource_bytes);
    out.u32(kIconDirSize);
    put_info_header(out, image, image.height * 2, image_bytes);
    put_palette(out, image.palette);
    put_pixels_bottom_up(out, image);
    put_mask_bottom_up(out, image.width, image.height, transparent);
    out.save(path);
}
