#pragma once
// CFrameWnd: a top-level window of a class registered with AfxGetAfxWndProc(). The
// object must live on the heap: once its window is created, it deletes itself when the
// window is destroyed, after the outermost of its messages has returned.
#include <windows.h>

#include "framework/wnd.h"

class CFrameWnd : public CWnd {
public:
    // Lets the system choose position and size.
    static const RECT rectDefault;

    // TRUE: the window exists and now owns the object. FALSE: there is no window (also
    // when it was destroyed during its own creation, e.g. WM_CREATE returned -1) and
    // the object is alive and still the caller's, to delete or to Create again.
    BOOL Create(const char* className, const char* windowName, DWORD style = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParent = nullptr);

protected:
    void PostNcDestroy() override { delete this; }
};
