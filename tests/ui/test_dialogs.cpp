#include "tests/ui/test_dialogs.h"

#include <commctrl.h>

#include <cstdio>

#include "base/containers.h"

const char* const g_TestKinds[] = {"剣", "槍", "弓", "杖", ""};

namespace {

// Common controls (up-down items, trackbars) are registered before any test dialog opens.
struct CommonControls {
    CommonControls() {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&icc);
    }
} g_CommonControls;

}  // namespace

void TestRowText(std::string& text, int, const cTestRec& record) { AppendFormat(text, "%s", record.name.c_str()); }

VECTOR_CLASS<cTestRec> MakeRecords(int count) {
    VECTOR_CLASS<cTestRec> records;
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "レコード%d", i);
        records.push_back({i, name});
    }
    return records;
}

// ---- Every control kind ---------------------------------------------------------------

TEST_DLG::TEST_DLG(WND_LIST_CLASS* wndList) : SCRIPTED_DLG(IDD_TEST, nullptr, WND_MODE_DIALOG, wndList) {
    SetInstance(this);
    m_Ints.push_back(CTRL_EDITVAL_CLASS<int>({IDC_INT_EDIT, &m_Rec.level, -100, 100, IDC_INT_SPIN, 1}));
    m_Bytes.push_back(CTRL_EDITVAL_CLASS<unsigned char>({IDC_BYTE_EDIT, &m_Rec.byte, 0, 255, IDC_BYTE_SPIN, 1}));
    m_Shorts.push_back(CTRL_EDITVAL_CLASS<short>({IDC_SHORT_EDIT, &m_Rec.sh, 1, 999, IDC_SHORT_SPIN, 10}));
    m_Reals.push_back(CTRL_EDITVAL_CLASS<double>({IDC_REAL_EDIT, &m_Rec.rate, 0.0, 10.0, IDC_REAL_SPIN, 0.05}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({IDC_CHECK_INT, &m_Rec.check}));
    m_Flags.push_back(CTRL_CHECK_CLASS<unsigned char>({IDC_CHECK_BYTE, &m_Rec.flag}));
    m_Buttons.push_back(CTRL_BUTTON_CLASS({IDC_BUTTON}));
    m_Labels.push_back(CTRL_LABEL_CLASS({IDC_LABEL}));
    m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_NAME, &m_Rec.name, 0, 16, 1, 0, {0, 0, 0, 0}}));
    m_Strs.push_back(
        CTRL_EDITSTR_CLASS({IDC_TEXT, &m_Rec.text, 0, 8, 3, 1, {CTRL_EDITSTR_CLASS::LINE_FEEDS, 0, 0, 0}}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_KIND, &m_Rec.kind, g_TestKinds, nullptr, 1, nullptr}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_STEP, &m_Rec.step, nullptr, &m_StepRows, 0, &m_StepTable}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_SKILLLIST, &m_Rec.list, nullptr, &m_ListRows, 0, nullptr}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_SKILL, &m_Rec.skill, nullptr, &m_SkillRows, 1, nullptr}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_SOUND, &m_Rec.sound, nullptr, &m_SoundRows, 0, nullptr}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_BGM, &m_Rec.bgm, nullptr, &m_BgmRows, 0, nullptr}));
    m_Sliders.push_back(CTRL_SLIDER_CLASS<short>({IDC_HUE, &m_Rec.hue, 0, 359, 30, 1, IDC_HUE_EDIT}));
    m_ListDesc.id = IDC_LIST;
    m_ListDesc.source = &m_Source;
    m_ListDesc.working = &m_Work;
    m_ListDesc.bound = &m_Bound;
    m_ListDesc.number = 1;
    m_ListDesc.maxCount = 999;
    m_ListDesc.appendRow = 1;
    m_ListDesc.rowText = TestRowText;
    m_MultiDesc.id = IDC_MULTI;
    m_MultiDesc.multi = 1;
    m_MultiDesc.source = &m_MultiSource;
    m_MultiDesc.working = &m_MultiWork;
    m_MultiDesc.bound = &m_MultiBound;
    m_MultiDesc.minCount = 1;
    m_MultiDesc.maxCount = 999;
    m_MultiDesc.rowText = TestRowText;
}

int TEST_DLG::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    AddCtrls(m_Ints);
    AddCtrls(m_Bytes);
    AddCtrls(m_Shorts);
    AddCtrls(m_Reals);
    AddCtrls(m_Checks);
    AddCtrls(m_Flags);
    AddCtrls(m_Buttons);
    AddCtrls(m_Labels);
    AddCtrls(m_Strs);
    AddCtrls(m_Combos);
    AddCtrls(m_Sliders);
    if (m_bBindLists) {
        m_List.Subclass(this, m_ListDesc);
        AddCtrl(&m_List);
        m_List.SetCommandIds(CMD_CUT, CMD_COPY, CMD_PASTE, CMD_NEW, CMD_INSERT, CMD_CLEAR, CMD_DELETE);
        m_Multi.Subclass(this, m_MultiDesc);
        AddCtrl(&m_Multi);
    }
    UpdateCtrls();
    m_bCreated = 1;
    StartScript();
    return 0;
}

int TEST_DLG::OnCommand(WPARAM wParam, LPARAM lParam) {
    m_Commands.push_back(wParam);
    if (WORD changed = GetChangedCtrlId(wParam)) m_Changed.push_back(changed);
    return ModalOnCommand(wParam, lParam);
}

void TEST_DLG::Notify(WORD id, WORD code) {
    SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(m_hWnd, id)));
}

void TEST_DLG::Type(WORD id, const char* text) {
    HWND item = GetDlgItem(m_hWnd, id);
    for (const char* p = text; *p; ++p) SendMessageA(item, WM_CHAR, static_cast<BYTE>(*p), 1);
}

void TEST_DLG::Replace(WORD id, const char* text) {
    SendDlgItemMessageA(m_hWnd, id, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

void TEST_DLG::Select(WORD id, int start, int end) { SendDlgItemMessageA(m_hWnd, id, EM_SETSEL, start, end); }

std::string TEST_DLG::Text(WORD id) const {
    char text[1024] = {};
    GetDlgItemTextA(m_hWnd, id, text, sizeof(text));
    return text;
}

int TEST_DLG::Caret(WORD id) const {
    DWORD start = 0, end = 0;
    SendDlgItemMessageA(m_hWnd, id, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end);
}

int TEST_DLG::ComboRow(WORD id) const { return static_cast<int>(SendDlgItemMessageA(m_hWnd, id, CB_GETCURSEL, 0, 0)); }

int RunTestDialog(TEST_DLG& dlg, std::function<void(TEST_DLG&)> script, int ok) {
    dlg.m_Script = [script, ok](TEST_DLG& d) {
        script(d);
        if (ok)
            d.Notify(IDC_OK);
        else
            d.End(0);
    };
    return dlg.DoModal(0);
}

// ---- Small modeless window ----------------------------------------------------------------

SMALL_TEST_DLG::SMALL_TEST_DLG(WND_LIST_CLASS* wndList) : DLG_CLASS(IDD_SMALL, nullptr, WND_MODE_DIALOG, wndList) {
    SetInstance(this);
    m_Work = MakeRecords(3);
}

int SMALL_TEST_DLG::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    CTRL_LIST_DESC<cTestRec> desc;
    desc.id = IDC_SMALL_LIST;
    desc.working = &m_Work;
    desc.maxCount = 99;
    desc.rowText = TestRowText;
    m_List.Subclass(this, desc);
    AddCtrl(&m_List);
    UpdateCtrls();
    ++m_nInits;
    m_bCreated = 1;
    return 0;
}

int SMALL_TEST_DLG::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    m_Commands.push_back(wParam);
    if (LOWORD(wParam) == IDC_OK) End(1);
    RedrawList();
    return 1;
}

LRESULT SMALL_TEST_DLG::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ModalProc(hwnd, msg, wParam, lParam);  // WM_CLOSE ends a modeless window as well
}

// ---- Drawing area ----------------------------------------------------------------------------

DRAW_TEST_DLG::DRAW_TEST_DLG(WND_LIST_CLASS* wndList) : SCRIPTED_DLG(IDD_DRAW, nullptr, WND_MODE_DIALOG, wndList) {
    SetInstance(this);
    SetWindowParam(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 3);
}

int DRAW_TEST_DLG::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    m_Picture.Attach(this, m_PictureDesc);
    m_HScroll.SetRange(0, 20);
    m_HScroll.SetPage(5);
    m_VScroll.SetRange(0, 20);
    m_VScroll.SetPage(5);
    m_bCreated = 1;
    StartScript();
    return 0;
}

LRESULT DRAW_TEST_DLG::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_HSCROLL || msg == WM_VSCROLL) m_Scrolls.push_back(MAKEWPARAM(LOWORD(wParam), msg));
    return SCRIPTED_DLG::MsgProc(hwnd, msg, wParam, lParam);
}

// ---- Sheet pages --------------------------------------------------------------------------

TEST_PAGE::TEST_PAGE(WORD resId, WND_LIST_CLASS* wndList) : DLG_CLASS(resId, nullptr, WND_MODE_PAGE, wndList) {
    if (resId == IDD_PAGE1) {
        m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_PAGE_NAME, &m_Rec.name, 13, 12, 1, 1, {0, 0, 0, 0}}));
        m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_PAGE_KIND, &m_Rec.kind, g_TestKinds, nullptr, 0, nullptr}));
    } else {
        m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_PAGE_NOTE, &m_Rec.text, 0, 24, 4, 1, {0, 0, 0, 0}}));
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
    if (m_bCreated && GetChangedCtrlId(wParam))
        SendMessageA(GetParent(m_hWnd), PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
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
