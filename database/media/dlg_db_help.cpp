#include "database/media/dlg_db_help.h"

#include <new>

#include "database/media/dlg_text.h"
#include "editing/skill_combos.h"
#include "editing/symbol_preview.h"
#include "model/media_database.h"
#include "resources/db_media_ids.h"

namespace {

void TopicRow(std::string& text, int, const cEdHelp& topic) { text = topic.strTitle; }
// A text of several lines on one row: each line end shows as a blank.
void TextRow(std::string& text, int, const cEdHelpText& line) {
    text.clear();
    for (char c : line.strText)
        if (c != '\r') text += c == '\n' ? ' ' : c;
}

}  // namespace

DLG_DB_HELP::DLG_DB_HELP(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBLIST<cEdHelp>(resId, sheet, wndList, &g_Database.Helps),
      m_TextEdits({IDC_HELP_TEXTS, IDC_HELP_INSERT, IDC_HELP_EDIT, IDC_HELP_DELETE}, 1) {
    SetInstance(this);
    if (g_Database.Helps.empty()) {
        g_Database.Helps.emplace_back();
        g_Database.Helps.back().SetDefault();
        m_Work.Assign(g_Database.Helps);
    }
    cEdHelp& r = m_Record;
    m_ListDesc = RecordListDesc(IDC_HELP_LIST, &g_Database.Helps, &m_Work, &r, 1, 1, 999, 0, TopicRow);
    m_TextDesc = RecordListDesc<cEdHelpText>(IDC_HELP_TEXTS, nullptr, &r.vText, nullptr, 1, 1, 999, 0, TextRow);
    FillNumberCombo(m_SymbolRows);
    m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_HELP_PARENT, &r.strParentTitle, 31, 30, 1, 1, {}}));
    m_Strs.push_back(CTRL_EDITSTR_CLASS({IDC_HELP_TITLE, &r.strTitle, 31, 30, 1, 1, {}}));
    m_Combos.push_back(CTRL_COMBO_CLASS<int>({IDC_HELP_SYMBOLS, &m_nSymbol, nullptr, &m_SymbolRows, 0, nullptr}));
    m_Pictures.push_back(CTRL_PICTURE_CLASS({IDC_HELP_SYMBOL, 32, 32, -1, -1}));
    m_Buttons.push_back(CTRL_BUTTON_CLASS({IDC_HELP_INSERT}));
    m_Buttons.push_back(CTRL_BUTTON_CLASS({IDC_HELP_EDIT}));
    m_Buttons.push_back(CTRL_BUTTON_CLASS({IDC_HELP_DELETE}));
    m_TextEdits.m_Edit = [this](int row) {
        if (row >= static_cast<int>(m_Record.vText.size())) return 0;
        m_pTextDialog = new (std::nothrow) DLG_TEXT(this, m_pWndList, &m_Texts, &m_Record.vText[row]);
        return RunOwnedDialog(m_pTextDialog);
    };
}

void DLG_DB_HELP::AttachLists() {
    DLG_DBLIST<cEdHelp>::AttachLists();
    m_Texts.Subclass(this, m_TextDesc);
    AddCtrl(&m_Texts);
    AttachSubList(m_TextEdits, &m_Texts);
}

void DLG_DB_HELP::OnPaint() {
    if (!m_bCreated || !IsWindowOpen()) return;
    CTRL_COMBO_CLASS<int>* symbols = FindCtrl(m_Combos, IDC_HELP_SYMBOLS);
    DrawSymbolPreview(FindCtrl(m_Pictures, IDC_HELP_SYMBOL), symbols ? symbols->GetCurSel() : -1);
}
