#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "res/resource.h"

// The pictures as compiled into the program, read back.
namespace {

const void* Resource(int id, LPCSTR type, DWORD minimumSize) {
    const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), type);
    return found && SizeofResource(nullptr, found) >= minimumSize ? LockResource(LoadResource(nullptr, found))
                                                                  : nullptr;
}

// The bitmaps the dialogs draw are the generator's 640x480 8 bpp pictures.
TEST(Pictures, EveryBitmapIs640By480With256Colours) {
    for (int id :
         {IDB_BACKGROUND, IDB_TITLE_ENGLISH, IDB_TITLE_SPANISH, IDB_TITLE_FRENCH, IDB_TITLE_GERMAN, IDB_TITLE_DUTCH}) {
        const void* bytes = Resource(id, RT_BITMAP, sizeof(BITMAPINFOHEADER));
        ASSERT_TRUE(bytes) << id;
        BITMAPINFOHEADER header;
        std::memcpy(&header, bytes, sizeof(header));
        EXPECT_EQ(std::make_tuple(header.biWidth, header.biHeight, header.biBitCount, header.biCompression),
                  std::make_tuple(LONG(640), LONG(480), WORD(8), DWORD(BI_RGB)))
            << id;
    }
}

}  // namespace
