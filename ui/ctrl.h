// Controls: one object per dialog item, bound to one field of the record
// being edited (or to nothing). A dialog keeps its controls in typed vectors
// and attaches them from their descriptors at every opening (DLG_CLASS::AddCtrls).
#pragma once

#include <windows.h>

#include <string>

class DLG_CLASS;

// Control kinds.
enum {
    CTRL_KIND_LABEL = 0,
    CTRL_KIND_BUTTON = 1,
    CTRL_KIND_EDITVAL = 2,
    CTRL_KIND_EDITSTR = 3,
    CTRL_KIND_PICTURE = 4,
    CTRL_KIND_CHECK = 5,
    CTRL_KIND_COMBO = 7,
    CTRL_KIND_LIST = 8,
    CTRL_KIND_SPIN = 9,
    CTRL_KIND_SLIDER = 10,
    CTRL_KIND_SCROLL = 11,
};

class CTRL_CLASS {
public:
    explicit CTRL_CLASS(int kind = CTRL_KIND_LABEL) : m_nKind(kind) {}
    CTRL_CLASS(const CTRL_CLASS&) = default;
    CTRL_CLASS& operator=(const CTRL_CLASS&) = default;

    // Virtual operations in slot order.
    virtual ~CTRL_CLASS() {}
    virtual void Enable(int flag) { EnableWindow(m_hWnd, flag); }
    virtual void ValueToCtrl() {}
    virtual void CtrlToValue() {}
    virtual void OnChange() {}
    virtual int OnNotify(WPARAM, LPARAM) { return 0; }
    virtual int OnScroll(WPARAM, LPARAM) { return 0; }
    virtual void Hook() {}
    virtual void RedrawList() {}
    virtual void OnCommand() {}
    virtual void AfterCommand() {}
    virtual void OnKeyDown(WPARAM, LPARAM, int /*ctrlHeld*/) {}
    // A second item the control answers for (a slider's number edit), 0 for
    // none: the dialog routes that item's notifications to OnPartnerCommand,
    // and reports those after which PartnerChanged holds as a change of this
    // control (what is typed, EN_UPDATE, always does).
    virtual WORD PartnerId() const { return 0; }
    virtual void OnPartnerCommand(WORD /*code*/) {}
    virtual int PartnerChanged(WORD code) const { return code == EN_UPDATE; }

    void Attach(DLG_CLASS* dlg, WORD id);
    void UpdatePos();
    void Resize(int width, int height);
    void MoveTo(int x, int y);
    int HitTest(POINT screenPt) const;
    void Show(int flag);
    void RemoveStyle(DWORD bits);
    void SetText(const std::string& text);
    void SetWindowText(const char* text);
    // The owner dialog is pushing values into its controls: nothing is read back.
    int IsRefreshing() const;

    HWND m_hWnd = nullptr;
    int m_nSpare = 0;
    WNDPROC m_lpPrevProc = nullptr;
    DLG_CLASS* m_pDlg = nullptr;
    HWND m_hParent = nullptr;
    int m_nKind;
    WORD m_wId = 0;
    int m_nSpare2 = 0;
    POINT m_ScreenPos = {0, 0};
    POINT m_ParentPos = {0, 0};
    int m_bBusy = 0;
    std::string m_strName;
    // The user changed what it shows since the dialog last showed its value
    // (a change the dialog reports through GetChangedCtrlId).
    int m_bEdited = 0;
};

// Descriptor of the controls bound to nothing: the item id.
struct CTRL_ID_DESC {
    WORD id;
};

class CTRL_BUTTON_CLASS : public CTRL_CLASS {
public:
    CTRL_BUTTON_CLASS() : CTRL_CLASS(CTRL_KIND_BUTTON) {}
    explicit CTRL_BUTTON_CLASS(CTRL_ID_DESC desc) : CTRL_CLASS(CTRL_KIND_BUTTON), m_Desc(desc) {}
    void AttachDesc(DLG_CLASS* dlg) { Attach(dlg, m_Desc.id); }
    CTRL_ID_DESC m_Desc = {0};
};

class CTRL_LABEL_CLASS : public CTRL_CLASS {
public:
    CTRL_LABEL_CLASS() : CTRL_CLASS(CTRL_KIND_LABEL) {}
    explicit CTRL_LABEL_CLASS(CTRL_ID_DESC desc) : CTRL_CLASS(CTRL_KIND_LABEL), m_Desc(desc) {}
    void AttachDesc(DLG_CLASS* dlg) { Attach(dlg, m_Desc.id); }
    CTRL_ID_DESC m_Desc = {0};
};

// A check box bound to an int or a byte: 0 clear, 1 ticked, 2 indeterminate.
template <class T>
class CTRL_CHECK_CLASS : public CTRL_CLASS {
public:
    struct DESC {
        WORD id;
        T* value;
    };
    CTRL_CHECK_CLASS() : CTRL_CLASS(CTRL_KIND_CHECK) {}
    explicit CTRL_CHECK_CLASS(DESC desc) : CTRL_CLASS(CTRL_KIND_CHECK), m_Desc(desc) {}

    void ValueToCtrl() override {
        if (m_pValue) SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(*m_pValue), 0);
    }
    void CtrlToValue() override {
        if (m_pValue && !IsRefreshing()) *m_pValue = static_cast<T>(GetCheck());
    }
    int GetCheck() const { return static_cast<int>(SendMessageA(m_hWnd, BM_GETCHECK, 0, 0)); }
    void AttachDesc(DLG_CLASS* dlg) {
        Attach(dlg, m_Desc.id);
        m_pValue = m_Desc.value;
    }

    T* m_pValue = nullptr;
    DESC m_Desc = {0, nullptr};
};

// Common base of the numeric and the string edits.
class CTRL_EDIT_CLASS : public CTRL_CLASS {
public:
    enum { EDIT_NUMERIC = 1, EDIT_STRING = 2 };
    explicit CTRL_EDIT_CLASS(int kind) : CTRL_CLASS(kind) {}
    int m_nEditType = 0;
};

// A scroll bar: a scroll-bar item of the dialog (no owner window) or the own
// bar of a window (SB_HORZ or SB_VERT of that window).
class CTRL_SCROLL_CLASS : public CTRL_CLASS {
public:
    struct DESC {
        WORD id;
        HWND* owner;  // points at a window handle; null: the item itself
        int bar;      // SB_HORZ or SB_VERT with an owner
        int spare;
        int minimum, maximum, page;
        int redraw;
    };
    CTRL_SCROLL_CLASS() : CTRL_CLASS(CTRL_KIND_SCROLL) {}

    void Attach(DLG_CLASS* dlg, const DESC& desc);
    int GetPos() const;
    void SetPos(int pos);
    void SetRange(int minimum, int maximum);
    void SetPage(int page);
    int ScrollBy(int delta);
    int StepPos(int delta);
    int OnScroll(int code, HWND bar);

    HWND* m_phOwner = nullptr;
    int m_nBar = SB_CTL;
    int m_nSpare3 = 0;
    int m_nMin = 0, m_nMax = 0, m_nPage = 0;
    int m_bRedraw = 0;
    DESC m_Desc = {0, nullptr, SB_CTL, 0, 0, 0, 0, 0};

private:
    HWND BarWindow() const;
    int BarKind() const;
    static LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
