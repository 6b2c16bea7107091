// The dialogs the toolkit tests open: one with every control kind, a small
// modeless palette and a drawing area with the dialog's own scroll bars.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/ui/test_ui.h"
#include "ui/ctrl_editval.h"
#include "ui/ctrl_list.h"
#include "ui/dlg.h"

struct cTestRec {
    int n = 0;
    std::string name;
};
void TestRowText(std::string& text, int index, const cTestRec& record);
VECTOR_CLASS<cTestRec> MakeRecords(int count);

// The record the value controls edit.
struct TEST_RECORD {
    int level = 0;
    unsigned char byte = 0;
    short sh = 0;
    double rate = 0.0;
    int check = 0;
    unsigned char flag = 0;
};

// Commands the list shortcuts send (distinct from the defaults).
enum { CMD_CUT = 41001, CMD_COPY, CMD_PASTE, CMD_NEW, CMD_INSERT, CMD_CLEAR, CMD_DELETE };

// Runs its script once it is open; the script ends it.
class CTRL_TEST_DLG : public DLG_CLASS {
public:
    explicit CTRL_TEST_DLG(WND_LIST_CLASS* wndList);
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Sends a command as an item would, outside of any other command.
    void Notify(WORD id, WORD code);
    // Types characters into an item as the keyboard would.
    void Type(WORD id, const char* text);
    std::string Text(WORD id) const;

    TEST_RECORD m_Rec;
    std::vector<CTRL_EDITVAL_CLASS<int>> m_Ints;
    std::vector<CTRL_EDITVAL_CLASS<unsigned char>> m_Bytes;
    std::vector<CTRL_EDITVAL_CLASS<short>> m_Shorts;
    std::vector<CTRL_EDITVAL_CLASS<double>> m_Reals;
    std::vector<CTRL_CHECK_CLASS<int>> m_Checks;
    std::vector<CTRL_CHECK_CLASS<unsigned char>> m_Flags;
    std::vector<CTRL_BUTTON_CLASS> m_Buttons;
    std::vector<CTRL_LABEL_CLASS> m_Labels;
    CTRL_LIST_CLASS<cTestRec> m_List;
    CTRL_LIST_CLASS<cTestRec> m_Multi;
    CTRL_LIST_DESC<cTestRec> m_ListDesc;
    CTRL_LIST_DESC<cTestRec> m_MultiDesc;
    VECTOR_CLASS<cTestRec> m_Source, m_Work, m_MultiSource, m_MultiWork;
    cTestRec m_Bound, m_MultiBound;
    int m_bBindLists = 1;
    std::function<void(CTRL_TEST_DLG&)> m_Script;
    std::vector<WPARAM> m_Commands;
    std::vector<WORD> m_Changed;
};

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
class DRAW_TEST_DLG : public DLG_CLASS {
public:
    explicit DRAW_TEST_DLG(WND_LIST_CLASS* wndList);
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override { ++m_nPaints; }

    CTRL_PICTURE_CLASS::DESC m_PictureDesc = {IDC_PICTURE, 0, 0, -1, -1};
    std::function<void(DRAW_TEST_DLG&)> m_Script;
    std::vector<WPARAM> m_Scrolls;
    int m_nPaints = 0;
};
