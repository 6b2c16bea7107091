#include "app/dlg_enemy_set.h"

#include <new>

#include "app/dlg_moveai.h"
#include "app/dlg_moveaitemplate.h"
#include "app/moveai_templates.h"
#include "app/stage_rows.h"
#include "base/report.h"
#include "events/name_lists.h"
#include "model/chara.h"
#include "resources/stage_dialogs_ids.h"
#include "ui/record_names.h"

DLG_ENEMY_SET::DLG_ENEMY_SET(WND_CLASS* parent, WND_LIST_CLASS* wndList, cPutEnemy* record,
                             std::function<void()> beforeCommit)
    : DLG_RECORD_CLASS(IDD_ENEMY_SET, parent, WND_MODE_DIALOG, wndList),
      m_pRecord(record),
      m_RuleEdits({IDC_ENEMYSET_RULES, IDC_ENEMYSET_INSERT, IDC_ENEMYSET_EDIT, IDC_ENEMYSET_DELETE}, 1),
      m_BeforeCommit(std::move(beforeCommit)) {
    SetInstance(this);
    m_RuleEdits.m_Edit = [this](int index) {
        m_lpMoveAI = new (std::nothrow) DLG_MOVEAI(this, m_pWndList, &m_Rules[index], &m_RuleList);
        return RunOwnedDialog(m_lpMoveAI);
    };
    MakeRecordNameList(m_EnemyRows, g_EnemyList, "未設定", 0, 1, 3, 0);
    BuildTemplateRows();
    cPutEnemy& r = *m_pRecord;
    typedef CTRL_EDITVAL_CLASS<int> EDIT;
    m_Edits = {
        EDIT({IDC_ENEMYSET_GROUP, &r.Group, 1, 100, IDC_ENEMYSET_GROUP_SPIN, 1}),
        EDIT({IDC_ENEMYSET_CHARA, &r.CharaId, 1, 999, IDC_ENEMYSET_CHARA_SPIN, 1}),
    };
    typedef CTRL_CHECK_CLASS<int> CHECK;
    m_Checks = {CHECK({IDC_ENEMYSET_GROUP_ON, &r.GroupOn}), CHECK({IDC_ENEMYSET_CHARA_ON, &r.CharaIdOn})};
    typedef CTRL_COMBO_CLASS<int> COMBO;
    m_Combos = {
        COMBO({IDC_ENEMYSET_ENEMY, &r.Enemy, nullptr, &m_EnemyRows, 0, nullptr}),
        COMBO({IDC_ENEMYSET_TEMPLATE, &m_nTemplate, nullptr, &m_TemplateRows, 0, nullptr}),
    };
}

DLG_ENEMY_SET::~DLG_ENEMY_SET() {
    SafeDelete(m_lpMoveAI);
    SafeDelete(m_lpTemplates);
}

void DLG_ENEMY_SET::BuildTemplateRows() { MakeRecordNameList(m_TemplateRows, g_MoveAITemplates, nullptr, 0, 0, 0, 0); }

void DLG_ENEMY_SET::AttachCtrls() {
    ShowWindow(GetDlgItem(m_hWnd, IDC_STAGEDLG_PICTURE), SW_HIDE);
    CTRL_LIST_DESC<cMoveAI> desc;
    desc.id = IDC_ENEMYSET_RULES;
    desc.multi = 1;
    desc.source = &m_pRecord->MoveAI;
    desc.working = &m_Rules;
    desc.maxCount = MAX_RULES;
    desc.appendRow = 1;
    desc.rowText = MoveAIRowText;
    m_RuleList.Subclass(this, desc);
    AddCtrl(&m_RuleList);
    m_RuleEdits.Attach(this, &m_RuleList, kRecordListCommands);
}

int DLG_ENEMY_SET::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!CheckCommand(wParam)) return 0;
    DLG_CLASS::OnCommand(wParam, lParam);
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    switch (id) {
    case IDC_STAGEDLG_OK:
        if (m_BeforeCommit) m_BeforeCommit();
        StoreCtrls();
        End(1);
        return 1;
    case IDC_STAGEDLG_CANCEL:
    case IDCANCEL:  // Esc
        End(0);
        return 1;
    case IDC_ENEMYSET_LOAD: LoadTemplate(); break;
    case IDC_ENEMYSET_SAVE_NEW: SaveAsTemplate(); break;
    case IDC_ENEMYSET_ARRANGE: ArrangeTemplates(); break;
    case IDC_ENEMYSET_OVERWRITE: OverwriteTemplate(); break;
    default: {
        // The rule list's buttons, notifications, keys and menu items.
        int changed = 0;
        m_RuleEdits.OnCommand(id, code, &changed);
        break;
    }
    }
    if (m_bCreated && IsWindowOpen()) UpdateControls();
    RedrawList();
    return 1;
}

void DLG_ENEMY_SET::UpdateControls() {
    for (auto& check : m_Checks) {
        const WORD edit = check.m_wId == IDC_ENEMYSET_GROUP_ON ? IDC_ENEMYSET_GROUP : IDC_ENEMYSET_CHARA;
        EnableCtrl(m_Edits, edit, check.GetCheck() == BST_CHECKED);
    }
}

LRESULT DLG_ENEMY_SET::MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CONTEXTMENU && m_RuleList.TrackContextMenu(hwnd, reinterpret_cast<HWND>(wParam), lParam)) return TRUE;
    return ModalProc(hwnd, msg, wParam, lParam);
}

// ---- Rules -----------------------------------------------------------------------------

// ---- Templates -------------------------------------------------------------------------

int DLG_ENEMY_SET::ChosenTemplate() {
    CTRL_COMBO_CLASS<int>* combo = FindCtrl(m_Combos, IDC_ENEMYSET_TEMPLATE);
    const int row = combo ? combo->GetCurSel() : -1;
    if (row >= 0 && !Outside(row, g_MoveAITemplates.size())) return row;
    ErrorBox("テンプレートが選択されていません！");
    return -1;
}

void DLG_ENEMY_SET::LoadTemplate() {
    const int chosen = ChosenTemplate();
    if (chosen < 0) return;
    if (!m_Rules.empty() && MesBoxWnd(m_hWnd, "現在の設定は破棄されます。\nよろしいですか？\n",
                                      "移動AIテンプレートの読込", MB_YESNO) != IDYES)
        return;
    m_Rules.Assign(g_MoveAITemplates[chosen].Rules);
    // Rows of the rules that were: none of them is selected any more.
    m_RuleList.m_SelFlags.assign(m_Rules.size() + 1, 0);
    m_RuleList.m_LastFlags.clear();
    m_RuleList.m_nTopRow = 0;
    m_RuleList.SelectOnly(0, 0);
    m_RuleList.FillList();
}

void DLG_ENEMY_SET::OverwriteTemplate() {
    const int chosen = ChosenTemplate();
    if (chosen < 0) return;
    std::string question;
    StringPrintf(question, "「%s」を上書きします。\nよろしいですか？\n", m_TemplateRows[chosen].c_str());
    if (MesBoxWnd(m_hWnd, question.c_str(), "移動AIテンプレートの上書き保存", MB_YESNO) != IDYES) return;
    g_MoveAITemplates[chosen].Rules.Assign(m_Rules);
    SaveMoveAITemplates();
}

void DLG_ENEMY_SET::SaveAsTemplate() {
    if (g_MoveAITemplates.size() >= MAX_MOVEAI_TEMPLATES) {
        ErrorBoxPrintf("%d個までしか保存できません！", static_cast<int>(MAX_MOVEAI_TEMPLATES));
        return;
    }
    m_TemplatesWork.Assign(g_MoveAITemplates);
    m_TemplatesWork.push_back(cMoveAITemplate());
    m_TemplatesWork.back().Rules.Assign(m_Rules);
    RunTemplateDialog(1);
}

void DLG_ENEMY_SET::ArrangeTemplates() {
    m_TemplatesWork.Assign(g_MoveAITemplates);
    RunTemplateDialog(0);
}

int DLG_ENEMY_SET::RunTemplateDialog(int newTemplate) {
    m_lpTemplates = new (std::nothrow) DLG_MOVEAITEMPLATE(this, m_pWndList, &m_TemplatesWork, newTemplate);
    const int ok = RunOwnedDialog(m_lpTemplates);
    BuildTemplateRows();
    if (CTRL_COMBO_CLASS<int>* combo = FindCtrl(m_Combos, IDC_ENEMYSET_TEMPLATE)) combo->SetStrings(m_TemplateRows);
    return ok;
}
