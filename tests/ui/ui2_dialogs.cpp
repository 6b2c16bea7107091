#include "tests/ui/ui2_dialogs.h"

#include <commctrl.h>

const char* const g_TestKinds[] = {"剣", "槍", "弓", "杖", ""};

namespace {

std::function<bool()> g_Step;
HHOOK g_hInitHook = nullptr;
UINT_PTR g_nTimer = 0;

// Takes the step out while it runs: it may open a nested modal loop.
bool RunStep() {
    if (!g_Step) return true;
    std::function<bool()> step = g_Step;
    g_Step = nullptr;
    if (step()) return true;
    g_Step = step;
    return false;
}

LRESULT CALLBACK AfterInit(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* msg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->message == WM_INITDIALOG && RunStep()) {
        UnhookWindowsHookEx(g_hInitHook);
        g_hInitHook = nullptr;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK StepTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (!RunStep()) return;
    KillTimer(nullptr, g_nTimer);
    g_nTimer = 0;
}

}  // namespace

void WhenOpen(std::function<bool()> step) {
    g_Step = step;
    if (!g_hInitHook) g_hInitHook = SetWindowsHookExA(WH_CALLWNDPROCRET, AfterInit, nullptr, GetCurrentThreadId());
}

void WhenShown(std::function<bool()> step) {
    g_Step = [step] {
        HWND active = GetActiveWindow();
        return active && IsWindowVisible(active) && step();
    };
    if (!g_nTimer) g_nTimer = SetTimer(nullptr, 0, 5, StepTimer);
}

EDIT_TEST_DLG::EDIT_TEST_DLG(WND_LIST_CLASS* wndList) : DLG_CLASS(IDD_UI2_CTRLS, nullptr, WND_MODE_DIALOG, wndList) {
    SetInstance(this);
    m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_UI2_NAME, &m_Rec.name, 0, 16, 1, 0, {0, 0, 0, 0}}));
    m_Strs.push_back(
        CTRL_EDITSTR_CLASS({IDC_UI2_TEXT, &m_Rec.text, 0, 8, 3, 1, {CTRL_EDITSTR_CLASS::LINE_FEEDS, 0, 0, 0}}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_UI2_KIND, &m_Rec.kind, g_TestKinds, nullptr, 1, nullptr}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_UI2_STEP, &m_Rec.step, nullptr, &m_StepRows, 0, &m_StepTable}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_UI2_SKILLLIST, &m_Rec.list, nullptr, &m_ListRows, 0, nullptr}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_UI2_SKILL, &m_Rec.skill, nullptr, &m_SkillRows, 1, nullptr}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_UI2_SOUND, &m_Rec.sound, nullptr, &m_SoundRows, 0, nullptr}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_UI2_BGM, &m_Rec.bgm, nullptr, &m_BgmRows, 0, nullptr}));
    m_Sliders.push_back(CTRL_SLIDER_CLASS<short>({IDC_UI2_HUE, &m_Rec.hue, 0, 359, 30, 1, IDC_UI2_HUE_EDIT}));
}

int EDIT_TEST_DLG::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    AddCtrls(m_Strs);
    AddCtrls(m_Combos);
    AddCtrls(m_Sliders);
    UpdateCtrls();
    m_bCreated = 1;
    PostMessageA(m_hWnd, WM_APP, 0, 0);
    return 0;
}

int EDIT_TEST_DLG::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    m_Commands.push_back(wParam);
    if (WORD changed = GetChangedCtrlId(wParam)) m_Changed.push_back(changed);
    return ModalOnCommand(wParam, lParam);
}

LRESULT EDIT_TEST_DLG::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_APP) {
        if (m_Script) m_Script(*this);
        return 1;
    }
    return ModalProc(hwnd, msg, wParam, lParam);
}

void EDIT_TEST_DLG::Notify(WORD id, WORD code) {
    SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(m_hWnd, id)));
}

void EDIT_TEST_DLG::Replace(WORD id, const char* text) {
    SendDlgItemMessageA(m_hWnd, id, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

void EDIT_TEST_DLG::Select(WORD id, int start, int end) { SendDlgItemMessageA(m_hWnd, id, EM_SETSEL, start, end); }

std::string EDIT_TEST_DLG::Text(WORD id) const {
    char text[1024] = {};
    GetDlgItemTextA(m_hWnd, id, text, sizeof(text));
    return text;
}

int EDIT_TEST_DLG::Sel(WORD id) const {
    DWORD start = 0, end = 0;
    SendDlgItemMessageA(m_hWnd, id, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end);
}

int EDIT_TEST_DLG::ComboRow(WORD id) const {
    return static_cast<int>(SendDlgItemMessageA(m_hWnd, id, CB_GETCURSEL, 0, 0));
}

// ---- Sheet pages --------------------------------------------------------------------------

TEST_PAGE::TEST_PAGE(WORD resId, WND_LIST_CLASS* wndList) : DLG_CLASS(resId, nullptr, WND_MODE_PAGE, wndList) {
    if (resId == IDD_UI2_PAGE1) {
        m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_UI2_PAGE_NAME, &m_Rec.name, 13, 12, 1, 1, {0, 0, 0, 0}}));
        m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_UI2_PAGE_KIND, &m_Rec.kind, g_TestKinds, nullptr, 0, nullptr}));
    } else {
        m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_UI2_PAGE_NOTE, &m_Rec.text, 0, 24, 4, 1, {0, 0, 0, 0}}));
    }
}

int TEST_PAGE::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    AddCtrls(m_Strs);
    AddCtrls(m_Combos);
    UpdateCtrls();
    ++m_nInits;
    m_bCreated = 1;
    return 0;
}

int TEST_PAGE::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    if (m_bCreated && GetChangedCtrlId(wParam)) SendMessageA(GetParent(m_hWnd), PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
    return 1;
}

LRESULT TEST_PAGE::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT r = DlgProc(hwnd, msg, wParam, lParam);
    if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(PSN_APPLY)) {
        StoreCtrls();
        ++m_nApplies;
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, PSNRET_NOERROR);
        return 1;
    }
    if (msg == WM_NOTIFY) {
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
        return 1;
    }
    return r ? 1 : 0;
}

TEST_SHEET::TEST_SHEET(WND_CLASS* parent, WND_LIST_CLASS* wndList, TEST_PAGE1* page1, TEST_PAGE2* page2)
    : PROP_CLASS(1, parent, wndList) {
    m_Pages.push_back(page1);
    m_Pages.push_back(page2);
}
