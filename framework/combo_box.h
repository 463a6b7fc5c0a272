#pragma once
// Drop-down lists. Indexes are item positions; CB_ERR (-1) means none.
#include <vector>

#include "framework/wnd.h"

class CComboBox : public CWnd {
public:
    int AddString(const wchar_t* text) {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int SetItemData(int index, DWORD_PTR data) {
        return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    // The opened list is at least this many pixels wide, never narrower than the box.
    int SetDroppedWidth(int width) {
        return static_cast<int>(SendMessage(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width)));
    }
    // CB_ERR for an index without an item.
    DWORD_PTR GetItemData(int index) const {
        return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
    // Empty for an index without an item.
    void GetLBText(int index, CString& text) const {
        const LRESULT length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
        if (length < 0) {
            text = L"";
            return;
        }
        std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
        const LRESULT copied =
            SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
        buffer[copied >= 0 && copied <= length ? static_cast<size_t>(copied) : 0] = L'\0';
        text = buffer.data();
    }
};
