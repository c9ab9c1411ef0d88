// Thin C++ wrappers of the standard and common controls: CStatic, CButton,
// CEdit, CComboBox, CListBox, CSpinButtonCtrl, CSliderCtrl, CDateTimeCtrl.
// Each only sends the control's messages; derived classes (the module's
// combo boxes and filtered edits) subclass the control to add behaviour.
#pragma once

#include "platform/controls/common_controls.h"
#include "platform/controls/control_constants.h"
#include "platform/wndclass/wnd.h"

#include <string>

namespace kx {

class CStatic : public CWnd {
public:
    HICON SetIcon(HICON icon) {
        return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon)));
    }
    HICON GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON)); }
    HBITMAP SetBitmap(HBITMAP bitmap) {
        return reinterpret_cast<HBITMAP>(
            SendMessage(STM_SETIMAGE, 0 /* IMAGE_BITMAP */, reinterpret_cast<LPARAM>(bitmap)));
    }
};

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetButtonStyle(UINT style) { SendMessage(BM_SETSTYLE, style, TRUE); }
    UINT GetButtonStyle() const { return GetStyle() & 0xFFFF; }
};

class CEdit : public CWnd {
public:
    void SetLimitText(UINT limit) { SendMessage(EM_LIMITTEXT, limit); }
    void LimitText(int limit = 0) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(limit)); }
    UINT GetLimitText() const { return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT)); }
    void GetSel(int& start, int& end) const {
        DWORD from = 0;
        DWORD to = 0;
        SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        start = static_cast<int>(from);
        end = static_cast<int>(to);
    }
    void SetSel(int start, int end) { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void ReplaceSel(std::u16string_view text) {
        const std::u16string copy(text);
        SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(copy.c_str()));
    }
    BOOL SetReadOnly(BOOL readOnly = TRUE) {
        return static_cast<BOOL>(SendMessage(EM_SETREADONLY, readOnly));
    }
    BOOL GetModify() const { return static_cast<BOOL>(SendMessage(EM_GETMODIFY)); }
    void SetModify(BOOL modified = TRUE) { SendMessage(EM_SETMODIFY, modified); }
    void SetPasswordChar(WCHAR c) { SendMessage(EM_SETPASSWORDCHAR, c); }
};

/// Shared by combo and list boxes: the messages differ only in their codes.
template <UINT kAddString, UINT kInsertString, UINT kDeleteString, UINT kResetContent,
          UINT kGetCount, UINT kGetCurSel, UINT kSetCurSel, UINT kGetText, UINT kGetTextLen,
          UINT kGetItemData, UINT kSetItemData, UINT kFindString, UINT kFindStringExact,
          UINT kSelectString>
class CListControl : public CWnd {
public:
    int AddString(std::u16string_view text) { return Send(kAddString, 0, text); }
    int InsertString(int index, std::u16string_view text) {
        return Send(kInsertString, static_cast<WPARAM>(index), text);
    }
    int DeleteString(UINT index) { return static_cast<int>(SendMessage(kDeleteString, index)); }
    void ResetContent() { SendMessage(kResetContent); }
    int GetCount() const { return static_cast<int>(SendMessage(kGetCount)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(kGetCurSel)); }
    int SetCurSel(int index) {
        return static_cast<int>(SendMessage(kSetCurSel, static_cast<WPARAM>(index)));
    }
    DWORD_PTR GetItemData(int index) const {
        return static_cast<DWORD_PTR>(SendMessage(kGetItemData, static_cast<WPARAM>(index)));
    }
    int SetItemData(int index, DWORD_PTR data) {
        return static_cast<int>(
            SendMessage(kSetItemData, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    int FindString(int after, std::u16string_view text) const {
        return Send(kFindString, static_cast<WPARAM>(after), text);
    }
    int FindStringExact(int after, std::u16string_view text) const {
        return Send(kFindStringExact, static_cast<WPARAM>(after), text);
    }
    int SelectString(int after, std::u16string_view text) {
        return Send(kSelectString, static_cast<WPARAM>(after), text);
    }
    /// The item's text; empty for an index out of range.
    std::u16string GetItemText(int index) const {
        const auto length = SendMessage(kGetTextLen, static_cast<WPARAM>(index));
        if (length < 0)
            return {};
        std::u16string text(static_cast<size_t>(length) + 1, u'\0');
        SendMessage(kGetText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length));
        return text;
    }

private:
    int Send(UINT message, WPARAM wParam, std::u16string_view text) const {
        const std::u16string copy(text);
        return static_cast<int>(
            SendMessage(message, wParam, reinterpret_cast<LPARAM>(copy.c_str())));
    }
};

class CComboBox : public CListControl<CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING,
                                      CB_RESETCONTENT, CB_GETCOUNT, CB_GETCURSEL, CB_SETCURSEL,
                                      CB_GETLBTEXT, CB_GETLBTEXTLEN, CB_GETITEMDATA, CB_SETITEMDATA,
                                      CB_FINDSTRING, CB_FINDSTRINGEXACT, CB_SELECTSTRING> {
public:
    std::u16string GetLBText(int index) const { return GetItemText(index); }
    BOOL LimitText(int limit) {
        return static_cast<BOOL>(SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(limit)));
    }
    void ShowDropDown(BOOL show = TRUE) { SendMessage(CB_SHOWDROPDOWN, show); }
    BOOL GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
    int SetItemHeight(int index, UINT height) {
        return static_cast<int>(SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(index), height));
    }
};

class CListBox : public CListControl<LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING,
                                     LB_RESETCONTENT, LB_GETCOUNT, LB_GETCURSEL, LB_SETCURSEL,
                                     LB_GETTEXT, LB_GETTEXTLEN, LB_GETITEMDATA, LB_SETITEMDATA,
                                     LB_FINDSTRING, LB_FINDSTRINGEXACT, LB_SELECTSTRING> {
public:
    std::u16string GetText(int index) const { return GetItemText(index); }
    int GetTopIndex() const { return static_cast<int>(SendMessage(LB_GETTOPINDEX)); }
    int SetTopIndex(int index) {
        return static_cast<int>(SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(index)));
    }
};

class CSpinButtonCtrl : public CWnd {
public:
    void SetRange32(int lower, int upper) {
        SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(lower), upper);
    }
    void GetRange32(int& lower, int& upper) const {
        SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                    reinterpret_cast<LPARAM>(&upper));
    }
    int SetPos32(int position) { return static_cast<int>(SendMessage(UDM_SETPOS32, 0, position)); }
    int GetPos32(BOOL* error = nullptr) const {
        return static_cast<int>(SendMessage(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(error)));
    }
    HWND SetBuddy(HWND buddy) {
        return reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)));
    }
    HWND GetBuddy() const { return reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY)); }
};

class CSliderCtrl : public CWnd {
public:
    void SetRange(int minimum, int maximum, BOOL redraw = FALSE) {
        SendMessage(TBM_SETRANGEMIN, FALSE, minimum);
        SendMessage(TBM_SETRANGEMAX, redraw, maximum);
    }
    int GetRangeMin() const { return static_cast<int>(SendMessage(TBM_GETRANGEMIN)); }
    int GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX)); }
    void SetPos(int position) { SendMessage(TBM_SETPOS, TRUE, position); }
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
    int SetLineSize(int size) { return static_cast<int>(SendMessage(TBM_SETLINESIZE, 0, size)); }
    int SetPageSize(int size) { return static_cast<int>(SendMessage(TBM_SETPAGESIZE, 0, size)); }
    void SetTicFreq(int frequency) { SendMessage(TBM_SETTICFREQ, static_cast<WPARAM>(frequency)); }
};

class CDateTimeCtrl : public CWnd {
public:
    DWORD GetTime(SYSTEMTIME& time) const {
        return static_cast<DWORD>(
            SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)));
    }
    BOOL SetTime(const SYSTEMTIME* time) {
        return static_cast<BOOL>(SendMessage(DTM_SETSYSTEMTIME, time ? GDT_VALID : GDT_NONE,
                                             reinterpret_cast<LPARAM>(time)));
    }
};

} // namespace kx
