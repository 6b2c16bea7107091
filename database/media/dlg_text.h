// The help text dialog "本文": one body text of a help topic in a multi-line
// edit (29 lines of 39 characters, a symbol code counting one), with the
// symbol chooser and its preview for looking up symbol numbers. The text is
// written only on OK.
#pragma once

#include <vector>

#include "model/media_records.h"
#include "ui/ctrl_combo.h"
#include "ui/ctrl_editstr.h"
#include "ui/dlg.h"

class DLG_TEXT : public DLG_CLASS {
public:
    // Edits `text` in place; placed centred on `placeRef` (the text list).
    DLG_TEXT(WND_CLASS* parent, WND_LIST_CLASS* wndList, const CTRL_CLASS* placeRef, cEdHelpText* text);
    ~DLG_TEXT() override;

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        return ModalProc(hwnd, msg, wParam, lParam);
    }
    void OnPaint() override { DrawPreview(); }
    void DrawPreview();

    cEdHelpText* m_pText;
    int m_nSymbol = 0;  // the chooser's symbol; never stored
    VECTOR_CLASS<std::string> m_SymbolRows;
    std::vector<CTRL_EDITSTR_CLASS> m_Strs;
    std::vector<CTRL_COMBO_CLASS<int>> m_Combos;
    std::vector<CTRL_PICTURE_CLASS> m_Pictures;
};

// Symbol `n` of the symbol sheet doubled to 32 x 32 on black; black alone
// for no symbol (n < 0) or a sheet that holds no such cell.
void DrawSymbolPreview(CTRL_PICTURE_CLASS* picture, int n);
// The chooser's rows: "%d" of every symbol of the sheet.
void MakeSymbolRows(VECTOR_CLASS<std::string>& rows);
