#pragma once
// Push buttons, radio buttons and group boxes.
#include "framework/wnd.h"

class CButton : public CWnd {
public:
    void SetCheck(int state) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
};
