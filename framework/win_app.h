#pragma once
// CWinApp: the program's one application object, a global built before WinMain.
// The framework's WinMain calls its InitInstance; FALSE ends the program at once
// (after ExitInstance), TRUE runs the thread's message loop until WM_QUIT first.
#include <windows.h>

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return FALSE; }
    virtual int Run();
    virtual int ExitInstance() { return 0; }

    // The standard controls in the look of the running system.
    void Enable3dControls();

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// WaitForSingleObject for a thread that owns windows: what another thread or program
// sends to them meanwhile (a broadcast, a shutdown query) is answered, so that its
// sender does not hang on this one; posted messages and input wait in the queue.
DWORD WaitAnsweringSentMessages(HANDLE object, DWORD timeoutMs);

// The body of WinMain (framework/win_main.cpp).
int AfxWinMain(HINSTANCE instance);
