// The help text dialog "本文": one body text of a help topic in a multi-line
// edit (29 lines of 39 characters, a symbol code counting one), with the
// symbol chooser and its preview for looking up symbol numbers. The text is
// written only on OK.
#pragma once

#include <vector>

#include "model/media_records.h"
#include "ui/dlg_record.h"

class DLG_TEXT : public DLG_RECORD_CLASS {
public:
    // Edits `text` in place; placed centred on `placeRef` (the text list).
    DLG_TEXT(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cEdHelpText* text);

    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override { DrawPreview(); }
    void DrawPreview();

    cEdHelpText* m_pText;
    int m_nSymbol = 0;  // the chooser's symbol; never stored
    VECTOR_CLASS<std::string> m_SymbolRows;
};
