// The stage settings "ステージの設定" (dialog 144): the open stage's name,
// size, start group, background, BGM (with a preview), reward and
// modifiers, the text images, and its three lists of explanation lines
// (victory, defeat, other rules), each line edited in "説明". Nothing
// reaches the stage before OK, which applies everything, the new size with
// its fix-ups included, as one step that undo cannot take half back.
#pragma once

#include <string>
#include <vector>

#include "model/stage.h"
#include "ui/ctrl_list.h"
#include "ui/dlg_record.h"
#include "ui/record_sublist.h"

class DLG_ENDCOND;

// The explanation lists in the order of their controls.
enum { ENDCOND_LIST_WIN = 0, ENDCOND_LIST_LOSE = 1, ENDCOND_LIST_OTHER = 2, ENDCOND_LIST_COUNT = 3 };

class DLG_STAGE : public DLG_RECORD_CLASS {
public:
    enum { MAX_LINES = 4 };

    DLG_STAGE(WND_CLASS* parent, WND_LIST_CLASS* wndList);
    ~DLG_STAGE() override;

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    int m_nWidth;
    int m_nHeight;
    int m_nCurList = 0;  // the list whose line the line dialog edits
    VECTOR_CLASS<cEndCond> m_Lines[ENDCOND_LIST_COUNT];
    CTRL_LIST_CLASS<cEndCond> m_Lists[ENDCOND_LIST_COUNT];
    // "挿入" (a line before the caret row, edited at once and gone again
    // when the line dialog is cancelled), "編集", "削除", keys and menu.
    RECORD_SUBLIST m_LineEdits[ENDCOND_LIST_COUNT];
    VECTOR_CLASS<std::string> m_GroupRows;
    VECTOR_CLASS<std::string> m_BackRows;
    VECTOR_CLASS<std::string> m_BgmRows;
    VECTOR_CLASS<std::string> m_PtValRows;
    DLG_ENDCOND* m_lpEndCond = nullptr;

protected:
    void AttachCtrls() override;

private:
    // Stores every control into the stage, then the size with its fix-ups;
    // a new size empties the undo history, which cannot hold one.
    void Commit();
};

// Runs the stage settings on the open stage; 1 after OK.
int RunStageSettings(WND_CLASS* parent, WND_LIST_CLASS* wndList);
