#pragma once
// The 128-byte settings record shared with the game. File and memory layout are the
// same bytes, little-endian; the launcher uses only the first seven fields and carries
// the game's own fields through unchanged.
#include <cstddef>
#include <cstdint>

enum Renderer : int32_t { RenderSoftware8 = 0, RenderSoftware24 = 1, RenderOpenGL = 2 };

constexpr uint32_t kConfigVersion = 16;

struct GameConfig {
    uint32_t configVersion;
    int32_t renderer;
    int32_t languageIndex;    // LanguageIndex 0..5
    int32_t hardware3DState;  // 0 none, 1 accelerator, 2 last start passed the 3dfx library
    int32_t screenWidth;
    int32_t screenHeight;
    int32_t fullScreen;
    int32_t gameInt1;
    double gameReal1;
    double gameReal2;
    int32_t gameInt2;
    int32_t gameInt3;
    int32_t gameInt4;
    uint8_t gameBytes[10];
    uint8_t keyCodes[18];
    uint8_t gameZero[8];
    double gameReal3;
    double gameReal4;
    double gameReal5;
    uint8_t gameFlag;
    uint8_t tail[7];  // never set by the defaults: keeps what the last loaded file held
};

static_assert(sizeof(GameConfig) == 128, "the stored record is 128 bytes");
static_assert(offsetof(GameConfig, configVersion) == 0x00, "layout");
static_assert(offsetof(GameConfig, renderer) == 0x04, "layout");
static_assert(offsetof(GameConfig, languageIndex) == 0x08, "layout");
static_assert(offsetof(GameConfig, hardware3DState) == 0x0C, "layout");
static_assert(offsetof(GameConfig, screenWidth) == 0x10, "layout");
static_assert(offsetof(GameConfig, screenHeight) == 0x14, "layout");
static_assert(offsetof(GameConfig, fullScreen) == 0x18, "layout");
static_assert(offsetof(GameConfig, gameInt1) == 0x1C, "layout");
static_assert(offsetof(GameConfig, gameReal1) == 0x20, "layout");
static_assert(offsetof(GameConfig, gameReal2) == 0x28, "layout");
static_assert(offsetof(GameConfig, gameInt2) == 0x30, "layout");
static_assert(offsetof(GameConfig, gameInt3) == 0x34, "layout");
static_assert(offsetof(GameConfig, gameInt4) == 0x38, "layout");
static_assert(offsetof(GameConfig, gameBytes) == 0x3C, "layout");
static_assert(offsetof(GameConfig, keyCodes) == 0x46, "layout");
static_assert(offsetof(GameConfig, gameZero) == 0x58, "layout");
static_assert(offsetof(GameConfig, gameReal3) == 0x60, "layout");
static_assert(offsetof(GameConfig, gameReal4) == 0x68, "layout");
static_assert(offsetof(GameConfig, gameReal5) == 0x70, "layout");
static_assert(offsetof(GameConfig, gameFlag) == 0x78, "layout");
static_assert(offsetof(GameConfig, tail) == 0x79, "layout");
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "the record is stored as the bytes in memory, which must be little-endian"
#endif
