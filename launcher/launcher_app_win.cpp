#include "launcher/launcher_app_win.h"

#include <windows.h>
#include <objbase.h>

#include "launcher/launcher_dlg_win.h"
#include "launcher/single_instance_win.h"
#include "launcher/startup_trace_win.h"
#include "launcher/state_steps_win.h"
#include "state/trace.h"

CLauncherApp theApp;

BOOL CLauncherApp::InitInstance() {
#ifdef QUIMBO_STARTUP_TRACE  // the benchmark's build only: the product reads no environment
    StartTraceIfAsked();
#endif
    Trace(kTraceInitInstance);
    StartCpuSpeedEstimate();
    Enable3dControls();
    // The one reference that holds opengl32.dll for the whole run, so the probe's load
    // and free in every display-device callback never unloads it (nor the driver it
    // brought in) between devices. The probe's imports of wglMakeCurrent and
    // wglDeleteContext load the library at start too; this reference does not rely on them.
    const HMODULE openGlModule = ::LoadLibraryA("opengl32.dll");
    // On these two exits the process ends at once, the measurement perhaps still
    // counting; nothing else needs releasing.
    TakeStartupTurn();
    if (ActivateRunningGame() || !IsSoleLauncher()) {
        EndStartupTurn();
        return FALSE;
    }
    ReadIniDriverSettings();

    // The shell's calls (documents, the web site, Install, an elevated start) may use
    // COM on this thread; they ask for it apartment-threaded, without OLE1's DDE.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    CLauncherDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    EndStartupTurn();  // when the dialog ended before it had a marker
    if (SUCCEEDED(com)) ::CoUninitialize();

    if (openGlModule) ::FreeLibrary(openGlModule);
    return FALSE;
}
