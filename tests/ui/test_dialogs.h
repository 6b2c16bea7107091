// The dialogs the toolkit tests open: one with every control kind, run by a
// script once it is open; a small modeless palette; a drawing area with the
// dialog's own scroll bars; and a property sheet over two pages.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/ui/test_dialog_ids.h"
#include "ui/ctrl_combo.h"
#include "ui/ctrl_editstr.h"
#include "ui/ctrl_editval.h"
#include "ui/ctrl_list.h"
#include "ui/ctrl_slider.h"
#include "ui/dlg.h"
#include "ui/prop.h"

struct cTestRec {
    int n = 0;
    std::string name;
};
void TestRowText(std::string& text, int index, const cTestRec& record);
VECTOR_CLASS<cTestRec> MakeRecords(int count);

// The record the test dialog's controls edit.
struct TEST_RECORD {
    int level = 0;
    unsigned char byte = 0;
    short sh = 0;
    double rate = 0.0;
    int check = 0;
    unsigned char flag = 0;
    std::string name;
    std::string text;
    int kind = 0;
    int step = 0;
    int list = 0;
    int skill = 1;
    int sound = 0;
    int bgm = 0;
    short hue = 0;
};

extern const char* const g_TestKinds[];

// Commands the list shortcuts send (distinct from the defaults).
enum { CMD_CUT = 41001, CMD_COPY, CMD_PASTE, CMD_NEW, CMD_INSERT, CMD_CLEAR, CMD_DELETE };

// A dialog that runs its script once it is open; the script ends it.
template <class D>
class SCRIPTED_DLG : public DLG_CLASS {
public:
    using DLG_CLASS::DLG_CLASS;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg != WM_APP) return ModalProc(hwnd, msg, wParam, lParam);
        if (m_Script) m_Script(static_cast<D&>(*this));
        return 1;
    }
    std::function<void(D&)> m_Script;

protected:
    // Posted, so that the script runs once the dialog shows.
    void StartScript() { PostMessageA(m_hWnd, WM_APP, 0, 0); }
};

class TEST_DLG : public SCRIPTED_DLG<TEST_DLG> {
public:
    explicit TEST_DLG(WND_LIST_CLASS* wndList);
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Sends a command as an item would, outside of any other command.
    void Notify(WORD id, WORD code = BN_CLICKED);
    // Types characters into an item as the keyboard would.
    void Type(WORD id, const char* text);
    // Replaces the selection of an item as typing or pasting would.
    void Replace(WORD id, const char* text);
    void Select(WORD id, int start, int end);
    std::string Text(WORD id) const;
    int Caret(WORD id) const;
    int ComboRow(WORD id) const;

    TEST_RECORD m_Rec;
    std::vector<CTRL_EDITVAL_CLASS<int>> m_Ints;
    std::vector<CTRL_EDITVAL_CLASS<unsigned char>> m_Bytes;
    std::vector<CTRL_EDITVAL_CLASS<short>> m_Shorts;
    std::vector<CTRL_EDITVAL_CLASS<double>> m_Reals;
    std::vector<CTRL_CHECK_CLASS<int>> m_Checks;
    std::vector<CTRL_CHECK_CLASS<unsigned char>> m_Flags;
    std::vector<CTRL_BUTTON_CLASS> m_Buttons;
    std::vector<CTRL_LABEL_CLASS> m_Labels;
    std::vector<CTRL_EDITSTR_CLASS> m_Strs;
    std::vector<CTRL_COMBO_CLASS<int>> m_Combos;
    std::vector<CTRL_SLIDER_CLASS<short>> m_Sliders;
    CTRL_LIST_CLASS<cTestRec> m_List;
    CTRL_LIST_CLASS<cTestRec> m_Multi;
    CTRL_LIST_DESC<cTestRec> m_ListDesc;
    CTRL_LIST_DESC<cTestRec> m_MultiDesc;
    VECTOR_CLASS<cTestRec> m_Source, m_Work, m_MultiSource, m_MultiWork;
    cTestRec m_Bound, m_MultiBound;
    int m_bBindLists = 1;
    VECTOR_CLASS<int> m_StepTable{3, 5, 9};
    VECTOR_CLASS<std::string> m_StepRows{"3段", "5段", "9段"};
    VECTOR_CLASS<std::string> m_ListRows, m_SkillRows, m_SoundRows, m_BgmRows;
    std::vector<WPARAM> m_Commands;
    std::vector<WORD> m_Changed;
};

// Opens the test dialog, runs `script` on it and closes it (with OK when
// `ok`, storing the controls); what DoModal returned.
int RunTestDialog(TEST_DLG& dlg, std::function<void(TEST_DLG&)> script, int ok = 0);

// A small modeless window that registers itself.
class SMALL_TEST_DLG : public DLG_CLASS {
public:
    explicit SMALL_TEST_DLG(WND_LIST_CLASS* wndList);
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    CTRL_LIST_CLASS<cTestRec> m_List;
    VECTOR_CLASS<cTestRec> m_Work;
    std::vector<WPARAM> m_Commands;
    int m_nInits = 0;
};

// A drawing area with its own scroll bars.
class DRAW_TEST_DLG : public SCRIPTED_DLG<DRAW_TEST_DLG> {
public:
    explicit DRAW_TEST_DLG(WND_LIST_CLASS* wndList);
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override { ++m_nPaints; }

    CTRL_PICTURE_CLASS::DESC m_PictureDesc = {IDC_PICTURE, 0, 0, -1, -1};
    std::vector<WPARAM> m_Scrolls;
    int m_nPaints = 0;
};

// A sheet page that counts what the sheet tells it.
class TEST_PAGE : public DLG_CLASS {
public:
    TEST_PAGE(WORD resId, WND_LIST_CLASS* wndList);
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    TEST_RECORD m_Rec;
    std::vector<CTRL_EDITSTR_CLASS> m_Strs;
    std::vector<CTRL_COMBO_CLASS<int>> m_Combos;
    int m_nApplies = 0;
    int m_nInits = 0;
};

// Each page class has its own static procedure.
class TEST_PAGE1 : public TEST_PAGE {
public:
    explicit TEST_PAGE1(WND_LIST_CLASS* wndList) : TEST_PAGE(IDD_PAGE1, wndList) { SetInstance(this); }
};
class TEST_PAGE2 : public TEST_PAGE {
public:
    explicit TEST_PAGE2(WND_LIST_CLASS* wndList) : TEST_PAGE(IDD_PAGE2, wndList) { SetInstance(this); }
};

class TEST_SHEET : public PROP_CLASS {
public:
    TEST_SHEET(WND_CLASS* parent, WND_LIST_CLASS* wndList, TEST_PAGE1* page1, TEST_PAGE2* page2);
};
