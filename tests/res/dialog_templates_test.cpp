#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "res/resource.h"

// The dialog templates as compiled into the program, read back field by field.
namespace {

struct Control {
    uint32_t id;
    std::string className;  // upper case; the predefined classes by their names
    int x, y, cx, cy;
    uint32_t style;
    uint32_t exStyle;
    std::string text;  // "#164" for an ordinal
};

struct Template {
    bool extended = false;
    uint32_t style = 0, exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    int pointSize = 0, weight = 0, italic = 0, charset = 0;
    std::string font;
    std::vector<Control> controls;
};

class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool ok() const { return ok_; }
    template <class T>
    T Read() {
        T value{};
        if (pos_ + sizeof(T) > size_) {
            ok_ = false;
            return value;
        }
        std::memcpy(&value, data_ + pos_, sizeof(T));
        pos_ += sizeof(T);
        return value;
    }
    void AlignTo4() { pos_ = (pos_ + 3) & ~size_t(3); }
    void Skip(size_t bytes) { pos_ += bytes; }
    std::string ReadText() {  // ASCII texts only in these templates
        std::string text;
        for (uint16_t c = Read<uint16_t>(); ok_ && c != 0; c = Read<uint16_t>()) text += c < 128 ? char(c) : '?';
        return text;
    }
    std::string ReadTextOrOrdinal() {
        const uint16_t first = Read<uint16_t>();
        if (first == 0x0000) return "";
        if (first == 0xFFFF) return "#" + std::to_string(Read<uint16_t>());
        pos_ -= 2;
        return ReadText();
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    bool ok_ = true;
};

std::string ClassName(std::string name) {
    static const char* const kAtoms[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    if (name.size() > 1 && name[0] == '#') {
        const int atom = std::stoi(name.substr(1));
        if (atom >= 0x80 && atom <= 0x85) return kAtoms[atom - 0x80];
    }
    for (char& c : name) c = char(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

bool LoadTemplate(int id, Template* out) {
    const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_DIALOG);
    if (!found) return false;
    Reader in(static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, found))), SizeofResource(nullptr, found));
    Template& t = *out;
    const uint16_t version = in.Read<uint16_t>();
    const uint16_t signature = in.Read<uint16_t>();
    t.extended = version == 1 && signature == 0xFFFF;
    uint16_t count = 0;
    if (t.extended) {
        in.Read<uint32_t>();  // help id
        t.exStyle = in.Read<uint32_t>();
        t.style = in.Read<uint32_t>();
    } else {
        t.style = uint32_t(version) | uint32_t(signature) << 16;
        t.exStyle = in.Read<uint32_t>();
    }
    count = in.Read<uint16_t>();
    t.x = in.Read<int16_t>(), t.y = in.Read<int16_t>(), t.cx = in.Read<int16_t>(), t.cy = in.Read<int16_t>();
    in.ReadTextOrOrdinal();  // menu
    in.ReadTextOrOrdinal();  // window class
    t.caption = in.ReadText();
    if (t.style & DS_SETFONT) {
        t.pointSize = in.Read<uint16_t>();
        if (t.extended) {
            t.weight = in.Read<uint16_t>();
            t.italic = in.Read<uint8_t>();
            t.charset = in.Read<uint8_t>();
        }
        t.font = in.ReadText();
    }
    for (int i = 0; i < count && in.ok(); ++i) {
        in.AlignTo4();
        Control c{};
        if (t.extended) {
            in.Read<uint32_t>();  // help id
            c.exStyle = in.Read<uint32_t>();
            c.style = in.Read<uint32_t>();
        } else {
            c.style = in.Read<uint32_t>();
            c.exStyle = in.Read<uint32_t>();
        }
        c.x = in.Read<int16_t>(), c.y = in.Read<int16_t>(), c.cx = in.Read<int16_t>(), c.cy = in.Read<int16_t>();
        c.id = t.extended ? in.Read<uint32_t>() : in.Read<uint16_t>();
        c.className = ClassName(in.ReadTextOrOrdinal());
        c.text = in.ReadTextOrOrdinal();
        in.Skip(in.Read<uint16_t>());  // creation data
        t.controls.push_back(c);
    }
    return in.ok();
}

void ExpectControls(const Template& t, const std::vector<Control>& expected) {
    ASSERT_EQ(t.controls.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Control& a = t.controls[i];
        const Control& e = expected[i];
        SCOPED_TRACE("control " + std::to_string(i) + ", id " + std::to_string(e.id));
        EXPECT_EQ(a.id, e.id);
        EXPECT_EQ(a.className, e.className);
        EXPECT_EQ(a.x, e.x);
        EXPECT_EQ(a.y, e.y);
        EXPECT_EQ(a.cx, e.cx);
        EXPECT_EQ(a.cy, e.cy);
        EXPECT_EQ(a.style, e.style) << std::hex << a.style << " instead of " << e.style;
        EXPECT_EQ(a.exStyle, e.exStyle);
        EXPECT_EQ(a.text, e.text);
    }
}

TEST(DialogTemplates, MainDialogIsAnExtendedTemplateFilledByThePicture) {
    Template t;
    ASSERT_TRUE(LoadTemplate(IDD_LAUNCHER, &t));
    EXPECT_TRUE(t.extended);
    EXPECT_EQ(t.style, 0x80C800C0u);
    EXPECT_EQ(t.exStyle, uint32_t(WS_EX_APPWINDOW));
    EXPECT_EQ(t.x, 0);
    EXPECT_EQ(t.y, 0);
    EXPECT_EQ(t.cx, 428);
    EXPECT_EQ(t.cy, 295);
    EXPECT_EQ(t.caption, "");
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.font, "MS Sans Serif");
    EXPECT_EQ(t.weight, 0);
    EXPECT_EQ(t.italic, 0);
    EXPECT_EQ(t.charset, 1);
    ExpectControls(t, {
                          {1016, "STATIC", 0, 0, 427, 295, 0x5000000E, 0, "#164"},
                          {1003, "BUTTON", 293, 82, 123, 18, 0x50010001, 0, ""},
                          {1004, "BUTTON", 293, 105, 123, 18, 0x50010001, 0, ""},
                          {1008, "BUTTON", 293, 128, 123, 18, 0x50010001, 0, ""},
                          {1006, "BUTTON", 293, 151, 123, 18, 0x50010001, 0, ""},
                          {1007, "BUTTON", 293, 174, 123, 18, 0x50010001, 0, ""},
                          {1005, "BUTTON", 293, 151, 123, 18, 0x48000001, 0, ""},
                      });
}

TEST(DialogTemplates, VideoOptionsDialog) {
    Template t;
    ASSERT_TRUE(LoadTemplate(IDD_VIDEO_OPTIONS, &t));
    EXPECT_FALSE(t.extended);
    EXPECT_EQ(t.style, uint32_t(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ(t.cx, 268);
    EXPECT_EQ(t.cy, 159);
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.font, "MS Sans Serif");
    const uint32_t child = WS_CHILD | WS_VISIBLE;
    const uint32_t label = child | WS_GROUP | SS_CENTER;
    const uint32_t list = child | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT;
    ExpectControls(t, {
                          {IDOK, "BUTTON", 211, 7, 50, 14, child | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, "OK"},
                          {IDCANCEL, "BUTTON", 211, 24, 50, 14, child | WS_TABSTOP, 0, "Cancel"},
                          {1011, "STATIC", 26, 13, 145, 11, label, 0, ""},
                          {1000, "COMBOBOX", 26, 29, 145, 138, list, 0, ""},
                          {1010, "STATIC", 26, 45, 145, 11, label, 0, ""},
                          {1001, "COMBOBOX", 26, 59, 145, 114, list, 0, ""},
                          {1012, "BUTTON", 7, 3, 184, 97, child | BS_GROUPBOX, 0, ""},
                          {1007, "BUTTON", 28, 82, 62, 8, child | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 0, ""},
                          {1008, "BUTTON", 99, 82, 72, 8, child | BS_AUTORADIOBUTTON, 0, ""},
                          {1021, "BUTTON", 7, 99, 184, 54, child | BS_GROUPBOX, 0, ""},
                          {1013, "STATIC", 26, 109, 145, 11, label, 0, ""},
                          {1002, "COMBOBOX", 26, 131, 145, 114, list, 0, ""},
                      });
}

TEST(DialogTemplates, LanguageDialogIsVisibleFromItsTemplate) {
    Template t;
    ASSERT_TRUE(LoadTemplate(IDD_LANGUAGE, &t));
    EXPECT_FALSE(t.extended);
    EXPECT_EQ(t.style, 0x90C800C0u);
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ(t.x, 0);
    EXPECT_EQ(t.y, 0);
    EXPECT_EQ(t.cx, 256);
    EXPECT_EQ(t.cy, 63);
    EXPECT_EQ(t.caption, "Quimbo");
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.font, "MS Sans Serif");
    ExpectControls(t, {
                          {IDOK, "BUTTON", 199, 7, 50, 14, 0x50010001, 0, "OK"},
                          {IDCANCEL, "BUTTON", 199, 24, 50, 14, 0x50010000, 0, "Cancel"},
                          {1021, "BUTTON", 6, 3, 184, 54, 0x50000007, 0, ""},
                          {1002, "COMBOBOX", 25, 35, 145, 114, 0x50210403, 0, ""},
                          {1013, "STATIC", 25, 14, 146, 15, 0x50020000, 0, ""},
                      });
}

// The pictures are the generator's: checked here only for what the dialogs rely on.
TEST(Pictures, EveryBitmapIs640By480With256Colours) {
    for (int id : {IDB_BACKGROUND, IDB_TITLE_ENGLISH, IDB_TITLE_SPANISH, IDB_TITLE_FRENCH, IDB_TITLE_GERMAN, IDB_TITLE_DUTCH}) {
        SCOPED_TRACE(id);
        const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_BITMAP);
        ASSERT_NE(found, nullptr);
        ASSERT_GE(SizeofResource(nullptr, found), sizeof(BITMAPINFOHEADER));
        BITMAPINFOHEADER header;
        std::memcpy(&header, LockResource(LoadResource(nullptr, found)), sizeof(header));
        EXPECT_EQ(header.biWidth, 640);
        EXPECT_EQ(std::abs(header.biHeight), 480);
        EXPECT_EQ(header.biBitCount, 8);
        EXPECT_EQ(header.biCompression, DWORD(BI_RGB));
    }
}

TEST(Pictures, TheIconHasA32By32Image) {
    const HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap;
    ASSERT_TRUE(GetObjectA(info.hbmMask, sizeof(bitmap), &bitmap));
    EXPECT_EQ(bitmap.bmWidth, 32);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DestroyIcon(icon);
}

}  // namespace
