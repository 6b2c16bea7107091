#include "ui/dlg_input.h"

#include <new>

#include "base/report.h"
#include "resources/toolkit_ids.h"

namespace {

// Both boxes open the same way: the caller's caption, the one edit showing
// the value, with the focus and its whole text selected so that typing
// replaces it.
template <class V>
void InitBox(DLG_CLASS* box, const std::string& caption, V& edits) {
    SetWindowTextA(box->m_hWnd, caption.c_str());
    box->AddCtrls(edits);
    box->UpdateCtrls();
    HWND edit = GetDlgItem(box->m_hWnd, IDC_INPUT_EDIT);
    SendMessageA(edit, EM_SETSEL, 0, 99);
    SetFocus(edit);
    box->m_bCreated = 1;
}

// Builds a box of class D in its class's one slot, runs it modal and deletes it.
template <class D, class... A>
int RunBox(A... args) {
    SafeDelete(DLG_STATIC<D>::s_pInstance);
    D* box = new (std::nothrow) D(args...);
    return RunOwnedDialog(box);
}

}  // namespace

DLG_INPUT::DLG_INPUT(WND_CLASS* parent, WND_LIST_CLASS* wndList, int* value, int minimum, int maximum,
                     const char* caption, const CTRL_CLASS* placeRef, int center)
    : DLG_CLASS(IDD_INPUT, parent, WND_MODE_DIALOG, wndList, placeRef, center),
      m_pValue(value),
      m_strCaption(caption ? caption : "") {
    SetInstance(this);
    m_Edits.push_back(CTRL_EDITVAL_CLASS<int>({IDC_INPUT_EDIT, value, minimum, maximum, IDC_INPUT_SPIN, 1}));
}

int DLG_INPUT::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    InitBox(this, m_strCaption, m_Edits);
    return 0;
}

DLG_INPUT_STR::DLG_INPUT_STR(WND_CLASS* parent, WND_LIST_CLASS* wndList, std::string* text, int maxLength,
                             int countChars, const char* caption, const CTRL_CLASS* placeRef, int center)
    : DLG_CLASS(IDD_INPUT_STR, parent, WND_MODE_DIALOG, wndList, placeRef, center),
      m_pText(text),
      m_strCaption(caption ? caption : "") {
    SetInstance(this);
    // The string edit shows a stored text beyond the limit whole and keeps it unless it is edited.
    m_Edits.push_back(CTRL_EDITSTR_CLASS(
        {IDC_INPUT_EDIT, text, maxLength + 1, countChars ? maxLength : 0, 1, countChars, {0, 0, 0, 0}}));
}

int DLG_INPUT_STR::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    DLG_CLASS::OnInitDialog(wParam, lParam);
    InitBox(this, m_strCaption, m_Edits);
    return 0;
}

int InputValue(WND_CLASS* parent, WND_LIST_CLASS* wndList, int* value, int minimum, int maximum, const char* caption,
               const CTRL_CLASS* placeRef, int center) {
    return RunBox<DLG_INPUT>(parent, wndList, value, minimum, maximum, caption, placeRef, center);
}

int InputString(WND_CLASS* parent, WND_LIST_CLASS* wndList, std::string* text, int maxLength, int countChars,
                const char* caption, const CTRL_CLASS* placeRef, int center) {
    return RunBox<DLG_INPUT_STR>(parent, wndList, text, maxLength, countChars, caption, placeRef, center);
}
