#include "res/pictures/dib_files.h"

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
    void PutU8(std::uint32_t v) { m_bytes.push_back(static_cast<char>(v & 0xFF)); }
    void PutU16(std::uint32_t v) {
        PutU8(v);
        PutU8(v >> 8);
    }
    void PutU32(std::uint32_t v) {
        PutU16(v);
        PutU16(v >> 16);
    }
    void PutZeros(std::size_t count) { m_bytes.append(count, '\0'); }

    void Save(const std::string& path) const {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(m_bytes.data(), static_cast<std::streamsize>(m_bytes.size()));
        if (!file) throw std::runtime_error("cannot write " + path);
    }

private:
    std::string m_bytes;
};

// Rows of a DIB are padded to whole 32-bit words.
std::uint32_t RowStride(int width, int bitsPerPixel) {
    return (static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

void CheckImage(const IndexedImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.indices.size() != static_cast<std::size_t>(image.width) * image.height)
        throw std::runtime_error("image size does not match its pixel data");
    if (image.palette.empty() || image.palette.size() > 256)
        throw std::runtime_error("palette must have 1..256 colours");
}

std::uint32_t PixelBytes(const IndexedImage& image) { return RowStride(image.width, 8) * image.height; }

// BITMAPINFOHEADER; icons store twice the height to cover the AND mask.
void PutInfoHeader(ByteWriter& out, const IndexedImage& image, int heightField, std::uint32_t imageBytes) {
    out.PutU32(kInfoHeaderSize);
    out.PutU32(static_cast<std::uint32_t>(image.width));
    out.PutU32(static_cast<std::uint32_t>(heightField));
    out.PutU16(1);  // planes
    out.PutU16(8);  // bits per pixel
    out.PutU32(0);  // BI_RGB
    out.PutU32(imageBytes);
    out.PutU32(0);    // pixels per metre, x
    out.PutU32(0);    // pixels per metre, y
    out.PutU32(256);  // colours used
    out.PutU32(0);    // all colours important
}

// Always a full table of 256 so an index can never point past it.
void PutPalette(ByteWriter& out, const Palette& palette) {
    for (const Rgb8& c : palette) {
        out.PutU8(c.b);
        out.PutU8(c.g);
        out.PutU8(c.r);
        out.PutU8(0);
    }
    out.PutZeros((256 - palette.size()) * 4);
}

void PutPixelsBottomUp(ByteWriter& out, const IndexedImage& image) {
    const std::uint32_t padding = RowStride(image.width, 8) - static_cast<std::uint32_t>(image.width);
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t row = static_cast<std::size_t>(y) * image.width;
        for (int x = 0; x < image.width; ++x) out.PutU8(image.indices[row + x]);
        out.PutZeros(padding);
    }
}

void PutMaskBottomUp(ByteWriter& out, int width, int height, const std::vector<bool>& transparent) {
    const std::uint32_t stride = RowStride(width, 1);
    for (int y = height - 1; y >= 0; --y) {
        for (std::uint32_t byte = 0; byte < stride; ++byte) {
            std::uint32_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = static_cast<int>(byte * 8) + bit;
                if (x < width && transparent[static_cast<std::size_t>(y) * width + x]) bits |= 0x80u >> bit;
            }
            out.PutU8(bits);
        }
    }
}

}  // namespace

void WriteBmp(const std::string& path, const IndexedImage& image) {
    CheckImage(image);
    const std::uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
    const std::uint32_t imageBytes = PixelBytes(image);

    ByteWriter out;
    out.PutU8('B');
    out.PutU8('M');
    out.PutU32(dataOffset + imageBytes);
    out.PutU32(0);  // reserved
    out.PutU32(dataOffset);
    PutInfoHeader(out, image, image.height, imageBytes);
    PutPalette(out, image.palette);
    PutPixelsBottomUp(out, image);
    out.Save(path);
}

void WriteIco(const std::string& path, const IndexedImage& image, const std::vector<bool>& transparent) {
    CheckImage(image);
    if (image.width > 256 || image.height > 256) throw std::runtime_error("icon larger than 256 pixels");
    if (transparent.size() != image.indices.size()) throw std::runtime_error("icon mask size mismatch");
    const std::uint32_t imageBytes = PixelBytes(image) + RowStride(image.width, 1) * image.height;
    const std::uint32_t resourceBytes = kInfoHeaderSize + kPaletteSize + imageBytes;

    ByteWriter out;
    out.PutU16(0);  // reserved
    out.PutU16(1);  // icon, not cursor
    out.PutU16(1);  // one image
    out.PutU8(image.width == 256 ? 0 : image.width);
    out.PutU8(image.height == 256 ? 0 : image.height);
    out.PutU8(0);   // 0 = 256 colours
    out.PutU8(0);   // reserved
    out.PutU16(1);  // planes
    out.PutU16(8);  // bits per pixel
    out.PutU32(resourceBytes);
    out.PutU32(kIconDirSize);
    PutInfoHeader(out, image, image.height * 2, imageBytes);
    PutPalette(out, image.palette);
    PutPixelsBottomUp(out, image);
    PutMaskBottomUp(out, image.width, image.height, transparent);
    out.Save(path);
}
