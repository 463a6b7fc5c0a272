#pragma once
// What the video options dialog offers: the renderer items, whether the game may run
// in a window, and the resolutions, decided from the display-device table and the
// desktop size. The dialog only copies these into its controls.
#include <cstdint>
#include <string>
#include <vector>

#include "res/localized_text.h"
#include "state/display_device.h"

// A list position, or -1 (CB_ERR) for no selection.
constexpr int kNoItem = -1;

// Slow and fast software, then the hardware renderer when a 3D device is present: a
// 3dfx board in slot 1 or 2, or an accelerated primary display. The item index is the
// `renderer` value.
std::vector<Message> RendererItems(const DisplayDeviceTable& devices);

// The stored renderer when the list has it, else the slow software item; no item for a
// negative renderer.
int RendererItemToSelect(int32_t renderer, int itemCount);

// 3dfx boards run the hardware renderer only full-screen.
bool WindowedAllowed(int rendererItem, const DisplayDeviceTable& devices);

struct ResolutionItem {
    std::string text;  // "640 X 480"
    uint32_t data;     // ResolutionItemData
};

// The supported sizes that fit inside the desktop with room to spare in both
// directions, so the game's window and its frame stay on the screen.
std::vector<ResolutionItem> WindowedResolutions(int desktopWidth, int desktopHeight);

// Slot 1's 16-bit modes among the supported sizes, in the device's order. With a 3dfx
// board and the hardware renderer, nothing from 1024 wide up. Empty without a renderer.
std::vector<ResolutionItem> FullScreenResolutions(int rendererItem, const DisplayDeviceTable& devices);

// Height in the high 16 bits, width in the low 16 bits.
uint32_t ResolutionItemData(int32_t width, int32_t height);
int32_t ItemDataWidth(uint32_t data);
int32_t ItemDataHeight(uint32_t data);
