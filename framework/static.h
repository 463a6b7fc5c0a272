#pragma once
// Static texts and pictures.
#include "framework/wnd.h"

class CStatic : public CWnd {
public:
    // Returns the previous bitmap, which the caller may delete.
    HBITMAP SetBitmap(HBITMAP bitmap) {
        return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }
};
