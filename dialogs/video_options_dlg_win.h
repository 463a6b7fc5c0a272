#pragma once
// The video options behind the main dialog's Settings button: renderer, resolution,
// window mode and language. It edits a copy of the record it is handed; the main dialog
// takes the copy and saves after OK, and reloads after Cancel. The renderer follows the
// list as soon as the user picks one, and a language the list lacks becomes English as
// the dialog opens.
#include "framework/button.h"
#include "framework/combo_box.h"
#include "framework/dialog.h"
#include "framework/static.h"
#include "state/display_device.h"
#include "state/game_config.h"

class CVideoOptionsDlg : public CDialog {
public:
    explicit CVideoOptionsDlg(CWnd* pParent = nullptr);
    ~CVideoOptionsDlg() override;

    // What the next DoModal shows: the record to edit and the display-device table.
    void SetData(const GameConfig& config, const DisplayDeviceTable& devices);
    // The edited record: after OK, the user's choices.
    const GameConfig& Config() const { return m_config; }

    BOOL OnInitDialog() override;

    // Refills the resolutions for the renderer and window mode now chosen, selects the
    // first, and stores the renderer in the edited record.
    void FillResolutionList();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    // Cancel is CDialog's; so is the close box, which the system turns into Cancel.

    void OnRendererChange();
    void OnWindowModeClicked();
    void OnWindowModeDoubleClicked();

    CButton m_windowedRadio;
    CButton m_fullscreenRadio;
    CComboBox m_resolutionCombo;
    CStatic m_resolutionLabel;
    CStatic m_rendererLabel;
    CStatic m_languageLabel;
    CButton m_videoGroup;
    CButton m_languageGroup;
    CComboBox m_rendererCombo;
    CComboBox m_languageCombo;

private:
    void SelectStoredResolution();

    GameConfig m_config{};
    DisplayDeviceTable m_devices{};

    DECLARE_MESSAGE_MAP()
};

// The one video options dialog, built before the program starts, a global like the rest
// of the program's long-lived state; every Settings click hands it the record anew
// (SetData) and runs it with a fresh window, so nothing carries over between runs.
extern CVideoOptionsDlg videoOptionsDlg;
