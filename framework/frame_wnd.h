#pragma once
// CFrameWnd: a top-level window of a class registered with AfxGetAfxWndProc(). The
// object must live on the heap: it deletes itself when its window is destroyed.
#include <windows.h>

#include "framework/wnd.h"

class CFrameWnd : public CWnd {
public:
    // Lets the system choose position and size.
    static const RECT rectDefault;

    // FALSE when the window was not created; the object is then still the caller's.
    BOOL Create(const char* className, const char* windowName, DWORD style = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParent = nullptr);

protected:
    void PostNcDestroy() override { delete this; }
};
