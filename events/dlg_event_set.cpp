#include "events/dlg_event_set.h"

#include <new>

#include "base/paths.h"
#include "base/report.h"
#include "editing/common_variable.h"
#include "events/action_line.h"
#include "events/dlg_eact_eventpic.h"
#include "events/dlg_eventactplt.h"
#include "events/event_words.h"
#include "events/name_lists.h"
#include "model/gvalinfo.h"
#include "resources/events_ids.h"
#include "resources/toolkit_ids.h"
#include "ui/dlg_selectgraphic.h"

cEvent* g_lpEditEvent = nullptr;

namespace {

void PageRowText(std::string& text, int, const cEventPage& page) { text = "ｱｸｼｮﾝ×" + std::to_string(page.Acts.size()); }
void ActionRowText(std::string& text, int, const cEventAct& act) { FormatActionLine(text, act); }

// The page controls of the start event's disabled set.
const unsigned short kPageButtons[] = {IDC_COND_GVAL_RENAME, IDC_PAGE_INSERT, IDC_PAGE_DELETE, IDC_PAGE_GRAPHIC_PICK};
const unsigned short kLabels[] = {IDC_COND_PLUS_LABEL, IDC_COND_MULTIPLE_LABEL, IDC_COND_RANGE_LABEL};

}  // namespace

DLG_EVENT_SET::DLG_EVENT_SET(WND_CLASS* parent, WND_LIST_CLASS* wndList, int startEvent,
                             std::function<void()> beforeCommit)
    : DLG_RECORD_CLASS(IDD_EVENT_SET, parent, WND_MODE_DIALOG, wndList),
      m_nEventEditMode(startEvent ? 1 : 0),
      m_BeforeCommit(std::move(beforeCommit)) {
    SetInstance(this);
    // The resource's size, within 100 x 100 to 640 x 480; no scroll bars.
    SetWindowParam(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
    if (g_lpEditEvent) m_Event = *g_lpEditEvent;
    BuildNameLists();
    DescribeCtrls();
}

void DLG_EVENT_SET::BuildNameLists() {
    BuildGValNameList();
    MakeConditionGroupRows(m_GroupRows);
    MakeConditionFriendRows(m_FriendRows);
}

void DLG_EVENT_SET::BuildGValNameList() { MakeConditionGValRows(m_GValRows); }

void DLG_EVENT_SET::DescribeCtrls() {
    cEventPage& p = m_Page;
    typedef CTRL_EDITVAL_CLASS<int> EDIT;
    m_Edits = {
        EDIT({IDC_PAGE_GRAPHIC, &p.Graphic, 0, 511, IDC_PAGE_GRAPHIC_SPIN, 1}),
        EDIT({IDC_COND_TURN_A1, &p.TurnA1, 0, 999, IDC_COND_TURN_A1_SPIN, 1}),
        EDIT({IDC_COND_TURN_A2, &p.TurnA2, 0, 999, IDC_COND_TURN_A2_SPIN, 1}),
        EDIT({IDC_COND_TURN_B1, &p.TurnB1, 0, 999, IDC_COND_TURN_B1_SPIN, 1}),
        EDIT({IDC_COND_TURN_B2, &p.TurnB2, 0, 999, IDC_COND_TURN_B2_SPIN, 1}),
        EDIT({IDC_COND_EVENT_VALUE, &p.EventVarValue, -999999, 999999, IDC_COND_EVENT_VALUE_SPIN, 1}),
        EDIT({IDC_COND_GVAL_VALUE, &p.CommonVarValue, -999999, 999999, IDC_COND_GVAL_VALUE_SPIN, 1}),
        EDIT({IDC_COND_ENEMY_GROUP_NO, &p.GroupNo, 1, 100, IDC_COND_ENEMY_GROUP_SPIN, 1}),
        EDIT({IDC_COND_CHARA_ID_NO, &p.CharaId, 1, 999, IDC_COND_CHARA_ID_SPIN, 1}),
    };
    m_Strs = {
        CTRL_EDITSTR_CLASS({IDC_EVENT_NAME, &m_Event.Name, 41, 0, 0, 0, {0, 0, 0, 0}}),
        CTRL_EDITSTR_CLASS({IDC_COND_COMMAND, &p.CommandName, 5, 0, 0, 0, {0, 0, 0, 0}}),
    };
    typedef CTRL_CHECK_CLASS<int> CHECK;
    m_Checks = {
        CHECK({IDC_EVENT_HELD, &m_Event.Carried}),
        CHECK({IDC_COND_TURN_A, &p.TurnA}),
        CHECK({IDC_COND_TURN_B, &p.TurnB}),
        CHECK({IDC_COND_EVENT_VAR, &p.EventVarCond}),
        CHECK({IDC_COND_FIRST_ONLY, &p.FirstAttemptOnly}),
        CHECK({IDC_COND_ENEMY_GROUP, &p.GroupCond}),
        CHECK({IDC_COND_CHARA_ID, &p.CharaIdCond}),
        CHECK({IDC_COND_AFTER_PREVIOUS, &p.AfterPrevious}),
    };
    typedef CTRL_COMBO_CLASS<int> COMBO;
    m_Combos = {
        COMBO({IDC_COND_EVENT_COMPARE, &p.EventVarCompare, g_WordCompare, nullptr, 0, nullptr}),
        COMBO({IDC_COND_GVAL, &p.CommonVar, nullptr, &m_GValRows, 0, nullptr}),
        COMBO({IDC_COND_GVAL_COMPARE, &p.CommonVarCompare, g_WordCompare, nullptr, 0, nullptr}),
        COMBO({IDC_COND_TIMING, &p.Timing, g_WordTiming, nullptr, 0, nullptr}),
        COMBO({IDC_COND_AREA, &p.Area, g_WordArea, nullptr, 0, nullptr}),
        COMBO({IDC_COND_SUBJECT, &p.Subject, g_WordSubject, nullptr, 0, nullptr}),
        COMBO({IDC_COND_PRESENCE, &p.Presence, g_WordPresence, nullptr, 0, nullptr}),
        COMBO({IDC_COND_GROUP, &p.Group, nullptr, &m_GroupRows, 1, nullptr}),
        COMBO({IDC_COND_FRIEND, &p.Friend, nullptr, &m_FriendRows, 0, nullptr}),
    };
    m_Pictures = {CTRL_PICTURE_CLASS({IDC_PAGE_GRAPHIC_PREVIEW, 32, 32, -1, -1})};
    for (unsigned short id : kPageButtons) m_Buttons.push_back(CTRL_BUTTON_CLASS({id}));
    for (unsigned short id : kLabels) m_Labels.push_back(CTRL_LABEL_CLASS({id}));
}

void DLG_EVENT_SET::AttachCtrls() {
    ShowWindow(GetDlgItem(m_hWnd, IDC_EVENTS_PICTURE), SW_HIDE);

    // Selects page 1 into m_Page.
    m_PageList.Subclass(
        this, RecordListDesc(IDC_PAGE_LIST, &m_Event.Pages, &m_Pages, &m_Page, 1, 1, PALETTE_MAX, 0, PageRowText));
    AddCtrl(&m_PageList);
    // The selected page's own actions.
    m_ActList.Subclass(this, RecordListDesc<cEventAct>(IDC_ACTION_LIST, nullptr, &m_Page.Acts, nullptr, 0, 0,
                                                       PALETTE_MAX, 0, ActionRowText));
    AddCtrl(&m_ActList);

    m_PageList.SetCommandIds(CM_PAGE_KEY_CUT, CM_PAGE_KEY_COPY, CM_PAGE_KEY_PASTE, 0, CM_PAGE_KEY_INSERT, 0,
                             CM_PAGE_KEY_DELETE);
    m_PageList.SetContextMenu(IDR_MENU_LIST, CM_LIST_MENU_CUT, CM_LIST_MENU_COPY, CM_LIST_MENU_PASTE, 0,
                              CM_LIST_MENU_INSERT, 0, CM_LIST_MENU_DELETE);
    // Ctrl+I on the action list inserts and edits, as the insert button does.
    m_ActList.SetCommandIds(CM_ACTION_KEY_CUT, CM_ACTION_KEY_COPY, CM_ACTION_KEY_PASTE, 0, CM_ACTION_KEY_INSERT, 0,
                            CM_ACTION_KEY_DELETE);
    m_ActList.SetContextMenu(IDR_MENU_ACTION_LIST, CM_ACTION_MENU_CUT, CM_ACTION_MENU_COPY, CM_ACTION_MENU_PASTE, 0, 0,
                             0, CM_ACTION_MENU_DELETE);

    m_PageList.SelectOnly(0, 1);
    AfterPageChange();
}

void DLG_EVENT_SET::OnCtrlsShown() {
    AddCtrls(m_Labels);
    if (m_nEventEditMode == 1) {
        // The start event is its first page's action list alone.
        m_PageList.Enable(0);
        for (CTRL_CLASS* c : m_CtrlList)
            if (c->m_nKind != CTRL_KIND_LIST) c->Enable(0);
    }
    UpdateControls();
    RebuildPaletteMenus();
}

// ---- Commands -------------------------------------------------------------------------

int DLG_EVENT_SET::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    int pageChanged = 0;
    switch (id) {
    case IDC_EVENTS_OK: return Commit();
    case IDC_EVENTS_CANCEL: End(0); return 1;
    case IDC_PAGE_INSERT: pageChanged = m_PageList.InsertRecord(); break;
    case IDC_PAGE_DELETE: pageChanged = m_PageList.DeleteRecords(-1, 0); break;
    case IDC_PAGE_LIST:
        if (code == LBN_SELCHANGE) pageChanged = 1;
        break;
    case IDC_PAGE_GRAPHIC_PICK: {
        int cell = m_Page.Graphic;
        if (SelectEventGraphic(&cell, this, &m_Pictures[0])) {
            if (CTRL_EDITVAL_CLASS<int>* edit = FindCtrl(m_Edits, IDC_PAGE_GRAPHIC)) edit->ShowValue(cell);
            m_Page.Graphic = cell;
            StorePage();
        }
        break;
    }
    case IDC_COND_GVAL_RENAME: {
        CTRL_COMBO_CLASS<int>* combo = FindCtrl(m_Combos, IDC_COND_GVAL);
        const int variable = combo && combo->GetCurSel() >= 0 ? combo->GetValue() : 0;
        if (combo && RenameCommonVariable(this, variable, FindCtrl(m_Buttons, IDC_COND_GVAL_RENAME))) {
            BuildGValNameList();
            combo->SetStrings(m_GValRows);
        }
        break;
    }
    case IDC_ACTION_INSERT:
    case CM_ACTION_MENU_NEW:
    case CM_ACTION_KEY_INSERT: InsertAction(); break;
    case IDC_ACTION_EDIT: EditAction(); break;
    case IDC_ACTION_LIST:
        if (code == LBN_DBLCLK) EditAction();
        break;
    case IDC_ACTION_DELETE:
        if (m_ActList.DeleteRecords(-1, 0)) StorePage();
        break;
    case CM_PALETTE_SAVE_NEW: SaveToNewPalette(); break;
    case CM_PALETTE_ARRANGE: ArrangePalette(0); break;
    default:
        if (id >= CM_PALETTE_PASTE && id < CM_PALETTE_PASTE + PALETTE_MENU_ENTRIES) {
            PastePalette(id - CM_PALETTE_PASTE);
        } else if (id >= CM_PALETTE_OVERWRITE && id < CM_PALETTE_OVERWRITE + PALETTE_MENU_ENTRIES) {
            OverwritePalette(id - CM_PALETTE_OVERWRITE);
        } else if (m_PageList.OnListCommand(id) || m_PageList.OnListMenuCommand(id)) {
            pageChanged = 1;
        } else if (m_ActList.OnListCommand(id) || m_ActList.OnListMenuCommand(id)) {
            m_ActList.FillList();
            StorePage();
        }
        break;
    }
    if (pageChanged) {
        RefreshCtrlsExcept(0, &m_PageList);
        AfterPageChange();
    }
    if (m_bCreated && IsWindowOpen()) {
        if (m_nEventEditMode != 1) UpdateControls();
        if (GetChangedCtrlId(wParam)) {
            for (CTRL_CLASS* c : m_CtrlList)
                if (c->m_nKind != CTRL_KIND_LIST) c->CtrlToValue();
            StorePage();
        }
    }
    RedrawList();
    return 1;
}

int DLG_EVENT_SET::Commit() {
    for (CTRL_CLASS* c : m_CtrlList)
        if (c->m_nKind != CTRL_KIND_LIST) c->CtrlToValue();
    StorePage();
    m_PageList.StoreToSource();
    // The stage's undo step holds the event as it was before this edit.
    if (m_BeforeCommit) m_BeforeCommit();
    if (g_lpEditEvent) *g_lpEditEvent = m_Event;
    if (m_nEventEditMode == 1 && g_lpEditEvent)
        ReportSave(g_lpEditEvent->SaveFile(g_PathTable.StartEvent), g_PathTable.StartEvent);
    End(1);
    return 1;
}

void DLG_EVENT_SET::StorePage() { m_PageList.StoreCurrentRecord(); }

// The action list shows another page (or the same page anew): one row selected.
void DLG_EVENT_SET::AfterPageChange() {
    m_ActList.m_SelFlags.assign(m_Page.Acts.size() + 1, 0);
    m_ActList.m_LastFlags.clear();
    m_ActList.m_nTopRow = 0;
    m_ActList.SelectOnly(0, 0);
    m_ActList.FillList();
    m_ActList.RedrawList();
}

// ---- Enabling rules ------------------------------------------------------------------

int DLG_EVENT_SET::ShownValue(unsigned short id) {
    for (auto& c : m_Checks)
        if (c.m_wId == id) return c.GetCheck();
    for (auto& c : m_Combos)
        if (c.m_wId == id) return c.GetValue();
    return 0;
}

void DLG_EVENT_SET::EnableItem(unsigned short id, int flag) {
    for (CTRL_CLASS* c : m_CtrlList)
        if (c->m_wId == id) c->Enable(flag);
}

void DLG_EVENT_SET::UpdateControls() {
    auto enable = [this](std::initializer_list<unsigned short> ids, bool on) {
        for (unsigned short id : ids) EnableItem(id, on ? 1 : 0);
    };
    enable({IDC_COND_TURN_A1, IDC_COND_TURN_A2, IDC_COND_PLUS_LABEL, IDC_COND_MULTIPLE_LABEL},
           ShownValue(IDC_COND_TURN_A) == 1);
    enable({IDC_COND_TURN_B1, IDC_COND_TURN_B2, IDC_COND_RANGE_LABEL}, ShownValue(IDC_COND_TURN_B) == 1);
    enable({IDC_COND_EVENT_VALUE, IDC_COND_EVENT_COMPARE}, ShownValue(IDC_COND_EVENT_VAR) == 1);
    enable({IDC_COND_GVAL_VALUE, IDC_COND_GVAL_COMPARE}, ShownValue(IDC_COND_GVAL) != 0);
    const int timing = ShownValue(IDC_COND_TIMING);
    enable({IDC_COND_COMMAND}, timing == TIMING_FRIEND_COMMAND || timing == TIMING_HOLDER_COMMAND);

    const int area = ShownValue(IDC_COND_AREA);
    if (area == 0) {
        enable({IDC_COND_SUBJECT, IDC_COND_PRESENCE, IDC_COND_GROUP, IDC_COND_FRIEND, IDC_COND_ENEMY_GROUP,
                IDC_COND_ENEMY_GROUP_NO, IDC_COND_CHARA_ID, IDC_COND_CHARA_ID_NO},
               false);
        return;
    }
    enable({IDC_COND_SUBJECT, IDC_COND_PRESENCE}, true);
    enable({IDC_COND_GROUP}, area == 3);
    const int subject = ShownValue(IDC_COND_SUBJECT);
    const bool ally = subject == 1 || subject == 3 || subject == 4 || subject == 5;
    const bool enemy = subject == 2 || subject == 3 || subject == 5;
    enable({IDC_COND_FRIEND}, ally);
    enable({IDC_COND_ENEMY_GROUP, IDC_COND_CHARA_ID}, enemy);
    enable({IDC_COND_ENEMY_GROUP_NO}, enemy && ShownValue(IDC_COND_ENEMY_GROUP) == 1);
    enable({IDC_COND_CHARA_ID_NO}, enemy && ShownValue(IDC_COND_CHARA_ID) == 1);
}

// ---- Messages --------------------------------------------------------------------------

LRESULT DLG_EVENT_SET::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CONTEXTMENU) {
        const HWND list = reinterpret_cast<HWND>(wParam);
        if (m_PageList.TrackContextMenu(hwnd, list, lParam) || m_ActList.TrackContextMenu(hwnd, list, lParam)) return 1;
    }
    return ModalProc(hwnd, msg, wParam, lParam);
}

void DLG_EVENT_SET::OnPaint() {
    // The number as typed, before the edit is left.
    if (m_bCreated && !m_Pictures.empty()) DrawEventGraphicPreview(&m_Pictures[0], m_hWnd, IDC_PAGE_GRAPHIC);
}

// ---- Opening ---------------------------------------------------------------------------

int EditEvent(WND_CLASS* parent, WND_LIST_CLASS* wndList, cEvent* event, int startEvent,
              std::function<void()> beforeCommit, DLG_CLASS** lpOpen) {
    if (!event) return 0;
    g_lpEditEvent = event;
    DLG_EVENT_SET* dlg = new (std::nothrow) DLG_EVENT_SET(parent, wndList, startEvent, std::move(beforeCommit));
    if (lpOpen) *lpOpen = dlg;
    const int result = RunOwnedDialog(dlg, DLG_DISABLE_OTHERS);
    if (lpOpen) *lpOpen = nullptr;
    return result;
}
