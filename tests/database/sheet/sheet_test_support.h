// The database sheet opened in-process over a fresh sample project: every
// test starts from the sample's "data\" loaded into the database globals and
// drives the real pages with the messages a user's input sends.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "database/sheet/prop_database.h"
#include "tests/support/seams.h"
#include "tests/ui/ui_driver.h"
#include "ui/wnd_list.h"

class DLG_DBSKILL;

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The sheet open on tab 0; the test's own changes to the globals come before.
    void Open();
    // The page of a tab, its window made by showing the tab.
    template <class P>
    P* Show(int tab) {
        SendMessageA(m_pSheet->m_hWnd, PSM_SETCURSEL, tab, 0);
        Pump();
        return static_cast<P*>(m_pSheet->Page(tab));
    }
    // The skill sheet opened from the skill-list page on its selected list;
    // its page once initialised, else null.
    DLG_DBSKILL* OpenSkills();
    HWND Item(int tab, int id) const { return GetDlgItem(m_pSheet->Page(tab)->m_hWnd, id); }

    // What a user's input sends the page.
    void Type(int tab, int id, const char* text);
    void Click(int tab, int id);
    void SetCheck(int tab, int id, int checked);
    void Choose(int tab, int id, int row);
    void SelectRows(int tab, int id, std::initializer_list<int> rows);
    // A key command of a page's list, with the focus on the list.
    void ListKey(int tab, int listId, WORD command);
    std::string Text(int tab, int id) const;
    int Enabled(int tab, int id) const { return IsWindowEnabled(Item(tab, id)) != 0; }

    // The sheet's buttons; 1 when the sheet closed and was deleted.
    void Apply();
    int PressOk();
    void Pump();

    WND_LIST_CLASS m_Reg;
    PROP_DATABASE* m_pSheet = nullptr;
    int m_nClosed = 0;
    std::unique_ptr<ScopedBoxes> m_pBoxes;
    ScopedMainWindow m_MainWindow;
};

// The database files Apply writes.
std::vector<std::string> DatabaseFiles();
std::string FileBytes(const char* path);

// Answers the next number or text box: the text typed, then OK.
void AnswerInput(const char* text);
