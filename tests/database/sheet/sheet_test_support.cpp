#include "tests/database/sheet/sheet_test_support.h"

#include <commctrl.h>

#include "database/skills/dlg_dbskill.h"
#include "database/skills/prop_dbskill.h"
#include "database/tabs/database_tabs.h"
#include "model/project_files.h"
#include "resources/toolkit_ids.h"
#include "tools/sample/sample_project.h"
#include "ui/dlg_input.h"

namespace {

std::unique_ptr<ScratchFolder> g_pFolder;
std::string g_strRoot;

void Command(HWND dlg, int id, int code) {
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

BOOL CALLBACK ReportWindowLeft(HWND wnd, LPARAM) {
    char name[32] = {};
    GetClassNameA(wnd, name, sizeof(name));
    ADD_FAILURE() << "a window of class " << name << " outlived its sheet";
    return TRUE;
}

struct CommonControls {
    CommonControls() {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
    }
} g_CommonControls;

}  // namespace

std::vector<std::string> DatabaseFiles() {
    std::vector<std::string> files;
    for (const cProjectFile& file : ProjectFiles())
        if (file.ApplyOrder) files.push_back(file.Path);
    return files;
}

std::string FileBytes(const char* path) { return ReadFileBytes(path); }

void AnswerInput(const char* text) {
    const std::string typed = text;
    WhenOpen([typed] {
        DLG_CLASS* box = OpenBox<DLG_INPUT>();
        if (!box) box = OpenBox<DLG_INPUT_STR>();
        if (!box) return false;
        SetDlgItemTextA(box->m_hWnd, IDC_INPUT_EDIT, typed.c_str());
        Command(box->m_hWnd, IDC_TOOLKIT_OK, BN_CLICKED);
        return true;
    });
}

void SheetTest::SetUp() {
    if (!g_pFolder) {
        g_pFolder.reset(new ScratchFolder("sheet_project"));
        char here[MAX_PATH];
        GetCurrentFolder(here, sizeof(here));
        g_strRoot = here;
        ASSERT_EQ(1, WriteSampleDefaults(g_strRoot));
    }
    ASSERT_EQ(1, WriteSampleData(g_strRoot));
    ASSERT_EQ(1, LoadDataFiles(g_Project, 0));
    m_pBoxes.reset(new ScopedBoxes(IDOK));
}

void SheetTest::TearDown() {
    if (m_pSheet && m_pSheet->m_hWnd) {
        SendMessageA(m_pSheet->m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        Pump();
    }
    // A skill sheet left open keeps the sheet from closing: deleted, it takes its windows along.
    if (m_pSheet) delete m_pSheet;  // the registry's entry goes with it
    m_pSheet = nullptr;
    Pump();
    EnumThreadWindows(GetCurrentThreadId(), ReportWindowLeft, 0);
    m_pBoxes.reset();
}

void SheetTest::Open() {
    m_pSheet = new PROP_DATABASE(1, nullptr, &m_Reg, &m_pSheet, [this] { ++m_nClosed; });
    ASSERT_EQ(1, m_pSheet->CreatePages(g_DatabaseTabs));
    Pump();
}

DLG_DBSKILL* SheetTest::OpenSkills() {
    Show<DLG_DBPAGE>(PROP_DATABASE::TAB_SKILL_LIST);
    Click(PROP_DATABASE::TAB_SKILL_LIST, 1384);
    Pump();
    PROP_DBSKILL* sheet = m_pSheet->SkillSheet();
    return sheet && sheet->m_pPage && sheet->m_pPage->m_bCreated ? sheet->m_pPage : nullptr;
}

void SheetTest::Pump() {
    // One more message for the filter, which ends a sheet closed by its buttons.
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (DispatchAppMessage(&msg, &m_Reg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void SheetTest::Type(int tab, int id, const char* text) { SetWindowTextA(Item(tab, id), text); }

void SheetTest::Click(int tab, int id) { Command(m_pSheet->Page(tab)->m_hWnd, id, BN_CLICKED); }

void SheetTest::SetCheck(int tab, int id, int checked) {
    SendMessageA(Item(tab, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    Click(tab, id);
}

void SheetTest::Choose(int tab, int id, int row) {
    SendMessageA(Item(tab, id), CB_SETCURSEL, row, 0);
    Command(m_pSheet->Page(tab)->m_hWnd, id, CBN_SELCHANGE);
}

void SheetTest::SelectRows(int tab, int id, std::initializer_list<int> rows) {
    HWND list = Item(tab, id);
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    for (int row : rows) SendMessageA(list, LB_SETSEL, TRUE, row);
    if (rows.size()) SendMessageA(list, LB_SETCARETINDEX, *rows.begin(), 0);
    Command(m_pSheet->Page(tab)->m_hWnd, id, LBN_SELCHANGE);
}

void SheetTest::ListKey(int tab, int listId, WORD command) {
    SetFocus(Item(tab, listId));
    SendMessageA(m_pSheet->Page(tab)->m_hWnd, WM_COMMAND, command, 0);
}

std::string SheetTest::Text(int tab, int id) const {
    char text[512] = {};
    GetWindowTextA(Item(tab, id), text, sizeof(text));
    return text;
}

void SheetTest::Apply() {
    SendMessageA(m_pSheet->m_hWnd, PSM_APPLY, 0, 0);
    Pump();
}

int SheetTest::PressOk() {
    SendMessageA(m_pSheet->m_hWnd, PSM_PRESSBUTTON, PSBTN_OK, 0);
    Pump();
    return m_pSheet == nullptr;
}
