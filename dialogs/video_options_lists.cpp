#include "dialogs/video_options_lists.h"

#include <cstdio>

#include "detect/display_devices.h"
#include "state/game_config.h"

namespace {

constexpr int kHardwareItem = RenderOpenGL;  // item index and renderer value agree
constexpr int kFullScreenBitsPerPixel = 16;
constexpr int kWidestFullScreen = 1024;
constexpr int kWidest3dfx = 1023;  // the hardware renderer on a 3dfx board stays below 1024 wide

ResolutionItem MakeItem(int32_t width, int32_t height) {
    char text[32];
    std::snprintf(text, sizeof text, "%d X %d", int(width), int(height));
    return {text, ResolutionItemData(width, height)};
}

}  // namespace

std::vector<Message> RendererItems(const DisplayDeviceTable& devices) {
    std::vector<Message> items = {IDS_SOFT_SLOW, IDS_SOFT_FAST};
    if (Has3dfxBoard(devices) || devices[kPrimarySlot].hardware3D) items.push_back(IDS_HARDWARE_3D);
    return items;
}

int RendererItemToSelect(int32_t renderer, int itemCount) {
    if (renderer < 0) return kNoItem;
    return renderer < itemCount ? int(renderer) : 0;
}

bool WindowedAllowed(int rendererItem, const DisplayDeviceTable& devices) {
    return !(rendererItem == kHardwareItem && Has3dfxBoard(devices));
}

std::vector<ResolutionItem> WindowedResolutions(int desktopWidth, int desktopHeight) {
    std::vector<ResolutionItem> items;
    for (const Resolution& size : kSupportedResolutions)
        if (desktopWidth > size.width && desktopHeight > size.height)
            items.push_back(MakeItem(size.width, size.height));
    return items;
}

std::vector<ResolutionItem> FullScreenResolutions(int rendererItem, const DisplayDeviceTable& devices) {
    std::vector<ResolutionItem> items;
    if (rendererItem < 0 || rendererItem > kHardwareItem) return items;
    const DisplayDevice& primary = devices[kPrimarySlot];
    const int widest = rendererItem == kHardwareItem && Has3dfxBoard(devices) ? kWidest3dfx : kWidestFullScreen;
    const int count = UsableModeCount(primary);
    for (int i = 0; i < count; ++i) {
        const int32_t width = primary.modeWidth[i];
        const int32_t height = primary.modeHeight[i];
        if (primary.modeBitsPerPixel[i] != kFullScreenBitsPerPixel || width > widest) continue;
        if (!IsSupportedResolution(width, height)) continue;
        items.push_back(MakeItem(width, height));
    }
    return items;
}

uint32_t ResolutionItemData(int32_t width, int32_t height) {
    return (uint32_t(height) & 0xFFFFu) << 16 | (uint32_t(width) & 0xFFFFu);
}

int32_t ItemDataWidth(uint32_t data) { return int32_t(data & 0xFFFFu); }

int32_t ItemDataHeight(uint32_t data) { return int32_t(data >> 16); }
