// The dialogs the second toolkit test opens: string edits, combos and a
// slider in one modal dialog, and a property sheet over two pages.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/ui/test_ui2.h"
#include "ui/ctrl_combo.h"
#include "ui/ctrl_editstr.h"
#include "ui/ctrl_slider.h"
#include "ui/dlg.h"
#include "ui/prop.h"

// Drives the modal boxes that their openers run to the end: `step` runs
// after every dialog initialisation until it returns true. The box is
// answered before it shows (Wine without a window manager waits seconds
// whenever a shown window is hidden).
void WhenOpen(std::function<bool()> step);
// The same once a box is on the screen, retried from a timer.
void WhenShown(std::function<bool()> step);

// The instance of dialog class D once its window is initialised.
template <class D>
D* OpenBox() {
    D* box = DLG_STATIC<D>::s_pInstance;
    return box && box->m_hWnd && box->m_bCreated ? box : nullptr;
}

struct UI2_RECORD {
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

// Runs its script once it is open; the script ends it.
class EDIT_TEST_DLG : public DLG_CLASS {
public:
    explicit EDIT_TEST_DLG(WND_LIST_CLASS* wndList);
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Sends a command as an item would, outside of any other command.
    void Notify(WORD id, WORD code = BN_CLICKED);
    // Replaces the selection of an item as typing or pasting would.
    void Replace(WORD id, const char* text);
    void Select(WORD id, int start, int end);
    std::string Text(WORD id) const;
    int Sel(WORD id) const;  // the caret
    int ComboRow(WORD id) const;

    UI2_RECORD m_Rec;
    std::vector<CTRL_EDITSTR_CLASS> m_Strs;
    std::vector<CTRL_COMBO_CLASS<int>> m_Combos;
    std::vector<CTRL_SLIDER_CLASS<short>> m_Sliders;
    VECTOR_CLASS<int> m_StepTable{3, 5, 9};
    VECTOR_CLASS<std::string> m_StepRows{"3段", "5段", "9段"};
    VECTOR_CLASS<std::string> m_ListRows, m_SkillRows, m_SoundRows, m_BgmRows;
    std::function<void(EDIT_TEST_DLG&)> m_Script;
    std::vector<WPARAM> m_Commands;
    std::vector<WORD> m_Changed;
};

// A sheet page that counts what the sheet tells it.
class TEST_PAGE : public DLG_CLASS {
public:
    TEST_PAGE(WORD resId, WND_LIST_CLASS* wndList);
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    UI2_RECORD m_Rec;
    std::vector<CTRL_EDITSTR_CLASS> m_Strs;
    std::vector<CTRL_COMBO_CLASS<int>> m_Combos;
    int m_nApplies = 0;
    int m_nInits = 0;
};

// Each page class has its own static procedure.
class TEST_PAGE1 : public TEST_PAGE {
public:
    explicit TEST_PAGE1(WND_LIST_CLASS* wndList) : TEST_PAGE(IDD_UI2_PAGE1, wndList) { SetInstance(this); }
};
class TEST_PAGE2 : public TEST_PAGE {
public:
    explicit TEST_PAGE2(WND_LIST_CLASS* wndList) : TEST_PAGE(IDD_UI2_PAGE2, wndList) { SetInstance(this); }
};

class TEST_SHEET : public PROP_CLASS {
public:
    TEST_SHEET(WND_CLASS* parent, WND_LIST_CLASS* wndList, TEST_PAGE1* page1, TEST_PAGE2* page2);
};
