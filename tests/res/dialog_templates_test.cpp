#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "res/resource.h"

// The dialog templates as compiled into the program, read back.
namespace {

// id, class (upper case; predefined classes by name), style, text ("#164" for an ordinal)
using Control = std::tuple<uint32_t, std::string, uint32_t, std::string>;
using Controls = std::vector<Control>;

struct Template {
    bool extended = false;
    uint32_t style = 0, exStyle = 0;
    std::string caption, font;  // font: "<points> <name>"
    Controls controls;
    auto Header() const { return std::tie(extended, style, exStyle, caption, font); }
};

bool LoadTemplate(int id, Template* out) {
    const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_DIALOG);
    if (!found) return false;
    const auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, found)));
    const size_t size = SizeofResource(nullptr, found);
    Template& t = *out;
    size_t pos = 0;
    auto word = [&]() -> uint32_t {
        pos += 2;
        return pos <= size ? uint32_t(data[pos - 2] | data[pos - 1] << 8) : 0;
    };
    auto dword = [&]() { const uint32_t low = word(); return low | word() << 16; };
    auto text = [&]() {  // ASCII texts only in these templates
        std::string s;
        for (uint32_t c = word(); c != 0; c = word()) s += c < 128 ? char(c) : '?';
        return s;
    };
    auto textOrOrdinal = [&]() -> std::string {
        if (pos + 2 > size || data[pos] != 0xFF || data[pos + 1] != 0xFF) return text();
        word();
        return "#" + std::to_string(word());
    };
    auto className = [&]() {  // the predefined classes by name, upper case
        static const char* const kAtoms[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};
        std::string name = textOrOrdinal();
        const int atom = name.size() > 1 && name[0] == '#' ? std::stoi(name.substr(1)) : 0;
        if (atom >= 0x80 && atom <= 0x85) return std::string(kAtoms[atom - 0x80]);
        for (char& c : name) c = char(std::toupper(static_cast<unsigned char>(c)));
        return name;
    };
    // Styles come as help id, extended style, style in an extended template; else style, extended style.
    auto styles = [&](uint32_t* style, uint32_t* exStyle) {
        if (t.extended) dword();
        *(t.extended ? exStyle : style) = dword();
        *(t.extended ? style : exStyle) = dword();
    };
    t.extended = data && size >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF;
    if (t.extended) pos = 4;
    styles(&t.style, &t.exStyle);
    const uint32_t count = word();
    pos += 8;  // x, y, cx, cy
    textOrOrdinal();  // menu
    textOrOrdinal();  // window class
    t.caption = text();
    if (t.style & DS_SETFONT) {
        t.font = std::to_string(word()) + " ";
        if (t.extended) pos += 4;  // weight, italic, charset
        t.font += text();
    }
    for (uint32_t i = 0; i < count && pos <= size; ++i) {
        pos = (pos + 3) & ~size_t(3);
        uint32_t style = 0, exStyle = 0;
        styles(&style, &exStyle);
        pos += 8;  // x, y, cx, cy
        const uint32_t controlId = t.extended ? dword() : word();
        const std::string name = className();
        t.controls.emplace_back(controlId, name, style, textOrOrdinal());
        pos += word();  // creation data
        EXPECT_EQ(exStyle, 0u) << controlId;
    }
    return pos <= size;
}

// 102 and 148 have no WS_VISIBLE and wait to be shown; 155 is visible by its template.
TEST(DialogTemplates, MainDialogIsAHiddenExtendedTemplateFilledByThePicture) {
    Template t;
    ASSERT_TRUE(LoadTemplate(IDD_LAUNCHER, &t));
    EXPECT_EQ(t.Header(), std::make_tuple(true, 0x80C800C0u, uint32_t(WS_EX_APPWINDOW), "", "8 MS Sans Serif"));
    const uint32_t button = 0x50010001;
    EXPECT_EQ(t.controls, (Controls{
                            {1016, "STATIC", 0x5000000E, "#164"}, {1003, "BUTTON", button, ""},
                            {1004, "BUTTON", button, ""}, {1008, "BUTTON", button, ""},
                            {1006, "BUTTON", button, ""}, {1007, "BUTTON", button, ""},
                            {1005, "BUTTON", 0x48000001, ""}}));
}

TEST(DialogTemplates, VideoOptionsDialogIsHidden) {
    Template t;
    ASSERT_TRUE(LoadTemplate(IDD_VIDEO_OPTIONS, &t));
    const uint32_t style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    EXPECT_EQ(t.Header(), std::make_tuple(false, style, 0u, "", "8 MS Sans Serif"));
    const uint32_t child = WS_CHILD | WS_VISIBLE, label = child | WS_GROUP | SS_CENTER;
    const uint32_t list = child | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT;
    EXPECT_EQ(t.controls, (Controls{
                            {IDOK, "BUTTON", child | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK"},
                            {IDCANCEL, "BUTTON", child | WS_TABSTOP, "Cancel"}, {1011, "STATIC", label, ""},
                            {1000, "COMBOBOX", list, ""}, {1010, "STATIC", label, ""},
                            {1001, "COMBOBOX", list, ""}, {1012, "BUTTON", child | BS_GROUPBOX, ""},
                            {1007, "BUTTON", child | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, ""},
                            {1008, "BUTTON", child | BS_AUTORADIOBUTTON, ""},
                            {1021, "BUTTON", child | BS_GROUPBOX, ""}, {1013, "STATIC", label, ""},
                            {1002, "COMBOBOX", list, ""}}));
}

TEST(DialogTemplates, LanguageDialogIsVisibleFromItsTemplate) {
    Template t;
    ASSERT_TRUE(LoadTemplate(IDD_LANGUAGE, &t));
    EXPECT_EQ(t.Header(), std::make_tuple(false, 0x90C800C0u, 0u, "Quimbo", "8 MS Sans Serif"));
    EXPECT_EQ(t.controls, (Controls{
                            {IDOK, "BUTTON", 0x50010001, "OK"}, {IDCANCEL, "BUTTON", 0x50010000, "Cancel"},
                            {1021, "BUTTON", 0x50000007, ""}, {1002, "COMBOBOX", 0x50210403, ""},
                            {1013, "STATIC", 0x50020000, ""}}));
}

// The bitmaps the dialogs draw are the generator's 640x480 8 bpp pictures.
TEST(Pictures, EveryBitmapIs640By480With256Colours) {
    for (int id : {IDB_BACKGROUND, IDB_TITLE_ENGLISH, IDB_TITLE_SPANISH, IDB_TITLE_FRENCH, IDB_TITLE_GERMAN, IDB_TITLE_DUTCH}) {
        const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_BITMAP);
        ASSERT_TRUE(found && SizeofResource(nullptr, found) >= sizeof(BITMAPINFOHEADER)) << id;
        BITMAPINFOHEADER header;
        std::memcpy(&header, LockResource(LoadResource(nullptr, found)), sizeof(header));
        EXPECT_EQ(std::make_tuple(header.biWidth, header.biHeight, header.biBitCount, header.biCompression),
                  std::make_tuple(LONG(640), LONG(480), WORD(8), DWORD(BI_RGB))) << id;
    }
}

}  // namespace
