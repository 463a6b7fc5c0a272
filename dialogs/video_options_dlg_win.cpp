#include "dialogs/video_options_dlg_win.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "dialogs/language_combo_win.h"
#include "dialogs/video_options_lists.h"
#include "res/localized_text_win.h"
#include "res/resource.h"

// Its constructor only records the template: nothing here needs the program running.
CVideoOptionsDlg videoOptionsDlg;

namespace {

// Some languages' renderer texts are wider than the template's box. The box itself
// keeps its place, but the opened list shows every text whole.
void WidenListToItsTexts(CComboBox& combo) {
    const HDC dc = combo.GetDC();
    if (!dc) return;
    const HGDIOBJ previousFont = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(combo.SendMessage(WM_GETFONT)));
    LONG widest = 0;
    const int count = combo.GetCount();
    for (int index = 0; index < count; ++index) {
        CString text;
        combo.GetLBText(index, text);
        SIZE size;
        if (::GetTextExtentPoint32W(dc, text, text.GetLength(), &size) && size.cx > widest) widest = size.cx;
    }
    ::SelectObject(dc, previousFont);
    combo.ReleaseDC(dc);
    // The list's own frame and item margins, and room for a scroll bar.
    combo.SetDroppedWidth(static_cast<int>(widest) + 4 * ::GetSystemMetrics(SM_CXEDGE) +
                          ::GetSystemMetrics(SM_CXVSCROLL));
}

}  // namespace

BEGIN_MESSAGE_MAP(CVideoOptionsDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_RENDERER_COMBO, OnRendererChange)
    // Without BS_NOTIFY an automatic radio button sends a double click as two
    // BN_CLICKED; given the style, the second click comes as BN_DOUBLECLICKED and
    // refills the list like a click.
    ON_BN_CLICKED(IDC_FULLSCREEN, OnWindowModeClicked)
    ON_BN_DOUBLECLICKED(IDC_FULLSCREEN, OnWindowModeDoubleClicked)
    ON_BN_CLICKED(IDC_WINDOWED, OnWindowModeClicked)
    ON_BN_DOUBLECLICKED(IDC_WINDOWED, OnWindowModeDoubleClicked)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CVideoOptionsDlg::CVideoOptionsDlg(CWnd* pParent) : CDialog(IDD_VIDEO_OPTIONS, pParent) {}

CVideoOptionsDlg::~CVideoOptionsDlg() = default;

void CVideoOptionsDlg::SetData(const GameConfig& config, const DisplayDeviceTable& devices) {
    m_config = config;
    std::copy(std::begin(devices), std::end(devices), std::begin(m_devices));
}

void CVideoOptionsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_WINDOWED, m_windowedRadio);
    DDX_Control(pDX, IDC_FULLSCREEN, m_fullscreenRadio);
    DDX_Control(pDX, IDC_RESOLUTION_COMBO, m_resolutionCombo);
    DDX_Control(pDX, IDC_RESOLUTION_LABEL, m_resolutionLabel);
    DDX_Control(pDX, IDC_RENDERER_LABEL, m_rendererLabel);
    DDX_Control(pDX, IDC_VIDEO_GROUP, m_videoGroup);
    DDX_Control(pDX, IDC_RENDERER_COMBO, m_rendererCombo);
    DDX_Control(pDX, IDC_LANGUAGE_LABEL, m_languageLabel);
    DDX_Control(pDX, IDC_LANGUAGE_COMBO, m_languageCombo);
    DDX_Control(pDX, IDC_LANGUAGE_GROUP, m_languageGroup);
}

BOOL CVideoOptionsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The option dialogs carry the English title in every language; OK and Cancel
    // keep the template's texts.
    SetWindowText(LoadMessage(IDS_TITLE, English));
    m_rendererCombo.ResetContent();

    const int32_t language = m_config.languageIndex;
    m_videoGroup.SetWindowText(LoadMessage(IDS_VIDEO_OPTIONS, language));
    m_rendererLabel.SetWindowText(LoadMessage(IDS_RENDERER, language));
    m_resolutionLabel.SetWindowText(LoadMessage(IDS_RESOLUTION, language));
    m_windowedRadio.SetWindowText(LoadMessage(IDS_WINDOWED, language));
    m_fullscreenRadio.SetWindowText(LoadMessage(IDS_FULLSCREEN, language));

    const std::vector<Message> renderers = RendererItems(m_devices);
    for (Message renderer : renderers) m_rendererCombo.AddString(LoadMessage(renderer, language));
    WidenListToItsTexts(m_rendererCombo);
    m_rendererCombo.SetCurSel(RendererItemToSelect(m_config.renderer, static_cast<int>(renderers.size())));

    (m_config.fullScreen ? m_fullscreenRadio : m_windowedRadio).SetCheck(BST_CHECKED);
    FillResolutionList();
    SelectStoredResolution();

    m_languageGroup.SetWindowText(LoadMessage(IDS_LANGUAGE, language));
    m_languageLabel.SetWindowText(LoadMessage(IDS_SELECT_LANGUAGE, language));
    m_config.languageIndex = FillLanguageCombo(m_languageCombo, language);
    return TRUE;
}

void CVideoOptionsDlg::FillResolutionList() {
    const int renderer = m_rendererCombo.GetCurSel();
    m_config.renderer = renderer;

    m_resolutionCombo.ResetContent();
    m_windowedRadio.EnableWindow(TRUE);
    if (!WindowedAllowed(renderer, m_devices)) {
        m_windowedRadio.EnableWindow(FALSE);
        m_windowedRadio.SetCheck(BST_UNCHECKED);
        m_fullscreenRadio.SetCheck(BST_CHECKED);
    }
    const std::vector<ResolutionItem> items =
        m_windowedRadio.GetCheck() == BST_CHECKED
            ? WindowedResolutions(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN))
            : FullScreenResolutions(renderer, m_devices);
    for (const ResolutionItem& item : items) {
        const int index = m_resolutionCombo.AddString(std::wstring(item.text.begin(), item.text.end()).c_str());
        if (index >= 0) m_resolutionCombo.SetItemData(index, item.data);
    }
    m_resolutionCombo.SetCurSel(0);
}

void CVideoOptionsDlg::SelectStoredResolution() {
    // Without a match the first item, selected by FillResolutionList, stays.
    const int count = m_resolutionCombo.GetCount();
    for (int index = 0; index < count; ++index) {
        const auto data = static_cast<uint32_t>(m_resolutionCombo.GetItemData(index));
        if (ItemDataWidth(data) == m_config.screenWidth && ItemDataHeight(data) == m_config.screenHeight) {
            m_resolutionCombo.SetCurSel(index);
            return;
        }
    }
}

void CVideoOptionsDlg::OnOK() {
    m_config.renderer = m_rendererCombo.GetCurSel();
    // An empty list (full screen on a display without a 16-bit mode of the five
    // sizes) keeps the size the game had rather than storing CB_ERR as a size.
    const int resolution = m_resolutionCombo.GetCurSel();
    if (resolution != CB_ERR) {
        const auto data = static_cast<uint32_t>(m_resolutionCombo.GetItemData(resolution));
        m_config.screenWidth = ItemDataWidth(data);
        m_config.screenHeight = ItemDataHeight(data);
    }
    m_config.fullScreen = m_fullscreenRadio.GetCheck() == BST_CHECKED ? 1 : 0;
    m_config.languageIndex = SelectedLanguage(m_languageCombo);
    CDialog::OnOK();
}

void CVideoOptionsDlg::OnRendererChange() { FillResolutionList(); }

void CVideoOptionsDlg::OnWindowModeClicked() { FillResolutionList(); }

void CVideoOptionsDlg::OnWindowModeDoubleClicked() { FillResolutionList(); }
