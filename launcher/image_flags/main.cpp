// Sets the header flags of a linked exe that GNU ld has no option for, and the header
// checksum that then follows from its bytes:  mark_image <exe>
//
// Run from swap on removable media and on the network: Windows copies the whole image
// to the page file at start, so a disc that leaves (or a share that drops) while the
// program runs cannot end it with an in-page error. Terminal-server aware, as other
// Windows toolchains mark a GUI program by default, so no compatibility shims apply.
// Run again on a marked exe it changes nothing, so the build stays reproducible.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr uint16_t kRemovableRunFromSwap = 0x0400;
constexpr uint16_t kNetRunFromSwap = 0x0800;
constexpr uint16_t kTerminalServerAware = 0x8000;

// Offsets in the headers, from the PE signature and from the optional header.
constexpr size_t kFileCharacteristics = 4 + 18;
constexpr size_t kOptionalHeader = 4 + 20;
constexpr size_t kCheckSum = 64;
constexpr size_t kDllCharacteristics = 70;

uint32_t Read(const std::vector<uint8_t>& image, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | image[at + size_t(i)];
    return value;
}

void Write(std::vector<uint8_t>& image, size_t at, int bytes, uint32_t value) {
    for (int i = 0; i < bytes; ++i) image[at + size_t(i)] = uint8_t(value >> (8 * i));
}

// The image's checksum as the loader checks it: the 16-bit words of the file (the
// checksum field zero) added with their carries folded back, plus the file's length.
uint32_t ImageCheckSum(const std::vector<uint8_t>& image) {
    uint32_t sum = 0;
    for (size_t at = 0; at < image.size(); at += 2) {
        sum += image[at] | (at + 1 < image.size() ? image[at + 1] << 8 : 0);
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    return sum + uint32_t(image.size());
}

// False when `image` is no PE file whose headers it holds whole.
bool MarkImage(std::vector<uint8_t>& image) {
    if (image.size() < 0x40 || image[0] != 'M' || image[1] != 'Z') return false;
    const size_t pe = Read(image, 0x3C, 4);
    const size_t optional = pe + kOptionalHeader;
    if (pe > image.size() || image.size() - pe < kOptionalHeader + kDllCharacteristics + 2) return false;
    if (Read(image, pe, 4) != 0x00004550) return false;  // "PE\0\0"
    const uint32_t magic = Read(image, optional, 2);
    if (magic != 0x10B && magic != 0x20B) return false;  // PE32 or PE32+: these fields sit alike
    Write(image, pe + kFileCharacteristics, 2,
          Read(image, pe + kFileCharacteristics, 2) | kRemovableRunFromSwap | kNetRunFromSwap);
    Write(image, optional + kDllCharacteristics, 2,
          Read(image, optional + kDllCharacteristics, 2) | kTerminalServerAware);
    Write(image, optional + kCheckSum, 4, 0);
    Write(image, optional + kCheckSum, 4, ImageCheckSum(image));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: mark_image <exe>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<uint8_t> image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        std::fprintf(stderr, "%s: cannot be read\n", argv[1]);
        return 1;
    }
    in.close();
    if (!MarkImage(image)) {
        std::fprintf(stderr, "%s: not a PE image\n", argv[1]);
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot be written\n", argv[1]);
        return 1;
    }
    return 0;
}
