// The number and text input boxes: small modal dialogs that ask for one
// integer within a range ("値の入力") or one line of text ("テキストの入力").
// Nothing is written before OK; Cancel and the close box leave the value.
#pragma once

#include <string>
#include <vector>

#include "ui/ctrl_editstr.h"
#include "ui/ctrl_editval.h"
#include "ui/dlg.h"

// 1 after OK (the value, clamped into [minimum, maximum], is stored), else 0.
// The box is placed against `placeRef` (centred on it with `center`).
int InputValue(WND_CLASS* parent, WND_LIST_CLASS* wndList, int* value, int minimum, int maximum, const char* caption,
               const CTRL_CLASS* placeRef = nullptr, int center = 0);
// 1 after OK with the text stored. At most `maxLength` bytes; with
// `countChars` at most `maxLength` characters on one line, a double-byte
// character (or a "#P" code) counting as one. The limit holds for what the
// user types: a stored text beyond it is shown whole, OK without an edit
// leaves it byte for byte, and an edit may shorten it but not lengthen it.
int InputString(WND_CLASS* parent, WND_LIST_CLASS* wndList, std::string* text, int maxLength, int countChars,
                const char* caption, const CTRL_CLASS* placeRef = nullptr, int center = 0);

class DLG_INPUT : public DLG_CLASS {
public:
    DLG_INPUT(WND_CLASS* parent, WND_LIST_CLASS* wndList, int* value, int minimum, int maximum, const char* caption,
              const CTRL_CLASS* placeRef, int center);
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override { return ModalOnCommand(wParam, lParam); }
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        return ModalProc(hwnd, msg, wParam, lParam);
    }

    int* m_pValue;
    std::string m_strCaption;
    std::vector<CTRL_EDITVAL_CLASS<int>> m_Edits;
};

class DLG_INPUT_STR : public DLG_CLASS {
public:
    DLG_INPUT_STR(WND_CLASS* parent, WND_LIST_CLASS* wndList, std::string* text, int maxLength, int countChars,
                  const char* caption, const CTRL_CLASS* placeRef, int center);
    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override { return ModalOnCommand(wParam, lParam); }
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        return ModalProc(hwnd, msg, wParam, lParam);
    }

    std::string* m_pText;
    std::string m_strCaption;
    std::vector<CTRL_EDITSTR_CLASS> m_Edits;
};
