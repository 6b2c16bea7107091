// The help page "　ヘルプ　" (tab 13): help topics with their parent heading,
// heading and body texts; the texts are written in the text dialog "本文".
// A symbol chooser with its preview looks up the numbers of symbol codes.
#pragma once

#include "database/sheet/db_list_page.h"
#include "model/media_records.h"

class DLG_DB_HELP : public DLG_DBLIST<cEdHelp> {
public:
    // An empty help list gets one default topic in the database itself.
    DLG_DB_HELP(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList);

    // The symbol preview.
    void OnPaint() override;

    CTRL_LIST_CLASS<cEdHelpText> m_Texts;
    // The texts' commands: "挿入", "編集", "削除", keys and menu.
    RECORD_SUBLIST m_TextEdits;
    int m_nSymbol = 0;  // the chooser's symbol; never stored
    VECTOR_CLASS<std::string> m_SymbolRows;
    DLG_CLASS* m_pTextDialog = nullptr;  // the text dialog while it runs

protected:
    void AttachLists() override;
    void AfterRecordChange() override { m_Texts.SelectOnly(0, 0); }

private:
    CTRL_LIST_DESC<cEdHelpText> m_TextDesc = {};
};
