// The dialog base: shows a dialog resource modal or modeless, binds its
// controls two ways to the record being edited and routes commands,
// notifications, scrolling and keys to them. The small modal record dialogs
// stand on DLG_RECORD_CLASS (ui/dlg_record.h), which binds their control
// families and gives OK and Cancel their meaning.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/ctrl.h"
#include "ui/ctrl_picture.h"
#include "ui/hook.h"
#include "ui/wnd.h"

class PROP_CLASS;

// Owner flags of DoModal and Create.
enum { DLG_HIDE_OTHERS = 2, DLG_DISABLE_OTHERS = 4 };

// Record dialogs' OK and Cancel.
enum { IDC_DLG_OK = 1006, IDC_DLG_CANCEL = 1007 };

// The programming-error text of a control id that a dialog lacks.
extern const char kMissingCtrlText[];
void ReportMissingCtrl(unsigned id);

// One global instance and one static dialog procedure per dialog class.
template <class D>
struct DLG_STATIC {
    static D* s_pInstance;
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (!s_pInstance) return FALSE;
        const LRESULT r = s_pInstance->MsgProc(hwnd, msg, wParam, lParam);
        return s_pInstance ? s_pInstance->DialogResult(hwnd, msg, lParam, r) : static_cast<INT_PTR>(r);
    }
};
template <class D>
D* DLG_STATIC<D>::s_pInstance = nullptr;

class DLG_CLASS : public WND_CLASS {
public:
    DLG_CLASS(WORD resId, WND_CLASS* parent, int mode, WND_LIST_CLASS* wndList);
    DLG_CLASS(WORD resId, WND_CLASS* parent, int mode, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, int center);
    DLG_CLASS(WORD resId, WND_CLASS* parent, int mode, WND_LIST_CLASS* wndList, const WND_CLASS* placeRef, int center);
    ~DLG_CLASS() override;

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        return DlgProc(hwnd, msg, wParam, lParam);
    }
    void RedrawList() override;
    virtual int OnInitDialog(WPARAM wParam, LPARAM lParam);

    // The dialog procedure every concrete message procedure calls first.
    LRESULT DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // What the dialog manager gets for a message the concrete procedure
    // answered with r: a notification that a control answered gets the
    // control's answer, whatever the concrete procedure returned.
    INT_PTR DialogResult(HWND hwnd, UINT msg, LPARAM lParam, LRESULT r);
    // The usual message procedure of modal record dialogs: OnPaint after every
    // message, WM_CLOSE ends with 0.
    LRESULT ModalProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // The usual command handler of record dialogs: OK stores and ends with 1, Cancel ends with 0.
    int ModalOnCommand(WPARAM wParam, LPARAM lParam);

    // Makes `self` the class's global instance and its static procedure the
    // dialog's; the instance is forgotten again when the dialog is deleted.
    template <class D>
    void SetInstance(D* self) {
        DLG_STATIC<D>::s_pInstance = self;
        m_lpDlgProc = &DLG_STATIC<D>::Proc;
        m_Instances.push_back({self, [](const void* dlg) {
                                   if (static_cast<const void*>(DLG_STATIC<D>::s_pInstance) == dlg)
                                       DLG_STATIC<D>::s_pInstance = nullptr;
                               }});
    }

    void Init(WORD resId, WND_CLASS* parent, WND_LIST_CLASS* wndList);
    int DoModal(int flags);
    void Create(int flags, int show);
    void End(int result);

    // Binding.
    void UpdateCtrls();
    void UpdateCtrlsExcept(const CTRL_CLASS* except);
    // One control shows its value again.
    void UpdateCtrl(CTRL_CLASS* ctrl);
    void RefreshCtrls(int code);
    void RefreshCtrlsExcept(int code, const CTRL_CLASS* except);
    void StoreCtrls();
    // The control whose value the command changed, 0 for none. A partner
    // item's notification counts as the control had it (PartnerChanged):
    // ask after OnCommand of this class has routed it.
    WORD GetChangedCtrlId(WPARAM wParam) const;
    void AddCtrl(CTRL_CLASS* ctrl) { m_CtrlList.push_back(ctrl); }
    static void SetScrollBarIds(WORD horizontal, WORD vertical);
    void SetTabOrder(const WORD* ids);
    void AutoScroll(int* h, int* v);

    // Typed control families: any vector of one control class. The control
    // list keeps pointers into the vector, so it must not grow once attached.
    template <class V>
    void AddCtrls(V& ctrls) {
        for (auto& c : ctrls) {
            c.AttachDesc(this);
            m_CtrlList.push_back(&c);
        }
    }
    template <class V>
    auto FindCtrl(V& ctrls, unsigned id) -> decltype(&*ctrls.begin()) {
        for (auto& c : ctrls)
            if (c.m_wId == id || (!c.m_hWnd && c.m_Desc.id == id)) return &c;
        ReportMissingCtrl(id);
        return nullptr;
    }
    template <class V>
    void EnableCtrl(V& ctrls, unsigned id, int flag) {
        if (auto* c = FindCtrl(ctrls, id)) c->Enable(flag);
    }

    int m_bModeless = 0;
    int m_nFlags = 0;
    WNDPROC m_lpPrevWndProc = nullptr;
    int m_nResult = 0;
    cHook m_Hook;
    WND_CLASS* m_pParentObj = nullptr;
    PROP_CLASS* m_pSheet = nullptr;
    CTRL_PICTURE_CLASS m_Picture;
    CTRL_SCROLL_CLASS m_HScroll;
    CTRL_SCROLL_CLASS m_VScroll;
    int m_nSpareFlag = 0;
    int m_bRefreshing = 0;
    int m_bApplied = 0;
    std::vector<CTRL_CLASS*> m_CtrlList;

    static WORD s_wHScrollId, s_wVScrollId;

private:
    // The class instances this dialog is, and how each forgets it.
    struct INSTANCE {
        const void* self;
        void (*forget)(const void* self);
    };
    std::vector<INSTANCE> m_Instances;
    // The notification a control answered while it is being handled, and the answer.
    LPARAM m_lNotifyAnswered = 0;
    int m_nNotifyAnswer = 0;

    void SetUp(int mode);
    void HideOrDisableOthers();
    void RestoreOthers();
    static LRESULT CALLBACK PassThroughProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

// Runs `dialog` modal with DoModal's `flags`; a null dialog (no memory) ends
// the program. 1 after OK.
int RunModal(DLG_CLASS* dialog, int flags);
// Runs `dialog`, which the caller made with new and keeps in `dialog` while
// it runs, modal, then deletes it. 1 after OK.
template <class D>
int RunOwnedDialog(D*& dialog, int flags = 0) {
    const int ok = RunModal(dialog, flags);
    SafeDelete(dialog);
    return ok;
}
