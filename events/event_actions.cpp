// The action list of the event dialog: inserting and editing an action
// through the kind chooser, and the action palette's sub-menus (paste an
// entry, save the selected actions as a new entry or over one).
#include <new>

#include "base/paths.h"
#include "base/report.h"
#include "events/dlg_event_set.h"
#include "events/dlg_eventactplt.h"
#include "media/sound.h"
#include "resources/events_ids.h"

namespace {

// Sub-menu `position` of `menu`, or null.
HMENU SubMenu(HMENU menu, int position) { return menu ? GetSubMenu(menu, position) : nullptr; }

enum { MENU_PASTE_POSITION = 8, MENU_SAVE_POSITION = 9, MENU_OVERWRITE_POSITION = 1 };

}  // namespace

int DLG_EVENT_SET::RunChooser() {
    EACT_CONTEXT context;
    context.action = &m_Page.Acts.At(m_ActList.GetDataPos());
    context.newAction = m_bNewAction;
    context.startEvent = m_nEventEditMode == 1;
    m_lpEventAct = new (std::nothrow) DLG_EVENTACT(context, this, m_pWndList, &m_ActList);
    return RunOwnedDialog(m_lpEventAct);
}

int DLG_EVENT_SET::InsertAction() {
    m_bNewAction = 1;
    if (!m_ActList.InsertRecord()) return 0;
    m_ActList.m_nLastCommand = LIST_CMD_INSERT;
    if (m_ActList.GetDataPos() < 0) return 0;
    StorePage();  // the page's row counts the new action while it is edited
    const int result = RunChooser();
    if (result == 1) {
        m_ActList.FillList();
        m_ActList.SelectOnly(m_ActList.m_nCurRow + 1, 0);
        m_ActList.RedrawList();
    } else {
        // Nothing of the cancelled action stays, not even its row.
        m_ActList.DeleteRecords(m_ActList.m_nCurRow, 1);
        m_ActList.m_nLastCommand = LIST_CMD_INSERT;
    }
    StorePage();
    g_Sound.Stop();
    return result;
}

int DLG_EVENT_SET::EditAction() {
    m_bNewAction = 0;
    m_ActList.m_nLastCommand = 7;
    if (m_ActList.GetDataPos() < 0) return 0;
    const int result = RunChooser();
    if (result == 1) {
        m_ActList.FillList();
        m_ActList.RedrawList();
        StorePage();
    }
    g_Sound.Stop();
    return result;
}

void DLG_EVENT_SET::PastePalette(int entry) {
    if (entry < 0 || entry >= static_cast<int>(g_EventActPlt.size())) return;
    VECTOR_CLASS<cEventAct> acts;
    for (const cEventAct& act : g_EventActPlt[entry].Acts)
        if (m_nEventEditMode != 1 || EventActKind(act.Kind).bStartEvent) acts.push_back(act);
    if (acts.empty()) return;
    if (m_ActList.Paste(acts)) StorePage();
}

void DLG_EVENT_SET::OverwritePalette(int entry) {
    if (entry < 0 || entry >= static_cast<int>(g_EventActPlt.size())) return;
    VECTOR_CLASS<cEventAct> acts;
    if (!m_ActList.Copy(acts)) return;
    std::string question = "「" + g_EventActPlt[entry].Name + "」を上書きします。\nよろしいですか？\n";
    if (MesBoxWnd(m_hWnd, question.c_str(), "アクションパレットの上書き保存", MB_YESNO) != IDYES) return;
    g_EventActPlt[entry].Acts.clear();
    for (const cEventAct& act : acts) g_EventActPlt[entry].Acts.push_back(act);
    ReportSave(SaveRecordList(g_EventActPlt, g_PathTable.EventActionPlt), g_PathTable.EventActionPlt);
}

void DLG_EVENT_SET::SaveToNewPalette() {
    if (g_EventActPlt.size() >= static_cast<size_t>(PALETTE_MAX)) {
        ErrorBoxPrintf("%d個までしか保存できません！", static_cast<int>(PALETTE_MAX));
        return;
    }
    VECTOR_CLASS<cEventAct> acts;
    if (!m_ActList.Copy(acts)) return;
    m_PaletteCopy.Assign(g_EventActPlt);
    cEventActPlt entry;
    for (const cEventAct& act : acts) entry.Acts.push_back(act);
    m_PaletteCopy.push_back(entry);
    ArrangePalette(1);
}

// The palette window on a copy; with `selectLast` the copy already holds the new entry.
void DLG_EVENT_SET::ArrangePalette(int selectLast) {
    if (!selectLast) m_PaletteCopy.Assign(g_EventActPlt);
    SafeDelete(m_lpActPlt);
    m_lpActPlt = new (std::nothrow) DLG_EVENTACTPLT(this, m_pWndList, &m_PaletteCopy, selectLast);
    RunOwnedDialog(m_lpActPlt);
    RebuildPaletteMenus();
}

HMENU DLG_EVENT_SET::PasteMenu() const { return SubMenu(m_ActList.m_hMenu, MENU_PASTE_POSITION); }

HMENU DLG_EVENT_SET::OverwriteMenu() const {
    return SubMenu(SubMenu(m_ActList.m_hMenu, MENU_SAVE_POSITION), MENU_OVERWRITE_POSITION);
}

// Each sub-menu lists the first PALETTE_MENU_ENTRIES entries: beyond them the
// overwrite ids would run into the paste ids.
void DLG_EVENT_SET::RebuildPaletteMenus() {
    HMENU paste = PasteMenu();
    if (!paste) ECMSP("err_Menu_Paste");
    if (!SubMenu(m_ActList.m_hMenu, MENU_SAVE_POSITION)) ECMSP("err_Menu_Save_1");
    HMENU overwrite = OverwriteMenu();
    if (!overwrite) ECMSP("err_Menu_Save_2");
    if (!paste || !overwrite) return;
    while (GetMenuItemCount(paste) > 0) DeleteMenu(paste, 0, MF_BYPOSITION);
    while (GetMenuItemCount(overwrite) > 0) DeleteMenu(overwrite, 0, MF_BYPOSITION);
    const int count = static_cast<int>(g_EventActPlt.size());
    for (int i = 0; i < count && i < PALETTE_MENU_ENTRIES; ++i) {
        char text[128];
        snprintf(text, sizeof(text), "%02d %s", i + 1, g_EventActPlt[i].Name.c_str());
        if (!AppendMenuA(paste, MF_STRING, CM_PALETTE_PASTE + i, text) ||
            !AppendMenuA(overwrite, MF_STRING, CM_PALETTE_OVERWRITE + i, text))
            ECMSP("err3");
    }
    DrawMenuBar(m_hWnd);
}
