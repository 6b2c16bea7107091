#include "ui/ctrl_editstr.h"

#include "ui/dlg.h"
#include "ui/wnd.h"

namespace {

// The asynchronous key state through the toolkit's reader, so that tests
// can hold Backspace.
bool IsKeyHeld(int key) {
    KEY_READER reader = SetAsyncKeyReader(nullptr);
    SetAsyncKeyReader(reader);
    return reader(key) < 0;
}

}  // namespace

int CTRL_EDITSTR_CLASS::CountsCharacters(const std::string& text) const {
    int units;
    if (GetWindowLongA(m_hWnd, GWL_STYLE) & ES_MULTILINE) {
        int last = static_cast<int>(SendMessageA(m_hWnd, EM_GETLINECOUNT, 0, 0)) - 1;
        int start = static_cast<int>(SendMessageA(m_hWnd, EM_LINEINDEX, last > 0 ? last : 0, 0));
        units = start + static_cast<int>(SendMessageA(m_hWnd, EM_LINELENGTH, start, 0));
    } else {
        units = static_cast<int>(SendMessageA(m_hWnd, EM_LINELENGTH, 0, 0));
    }
    return units != static_cast<int>(text.size());
}

void CTRL_EDITSTR_CLASS::Attach(DLG_CLASS* dlg, const DESC& desc) {
    m_nEditType = EDIT_STRING;
    CTRL_CLASS::Attach(dlg, desc.id);
    m_Desc = desc;
    m_pValue = desc.value;
    m_Declared.maxBytes = desc.maxLen ? desc.maxLen : DEFAULT_MAX_LEN;
    m_Declared.lineLen = desc.lineLen ? desc.lineLen : DEFAULT_LINE_LEN;
    m_Declared.maxLines = desc.maxLines ? desc.maxLines : DEFAULT_MAX_LINES;
    m_Declared.countChars = desc.countChars;
    for (int i = 0; i < 4; ++i) m_nOption[i] = desc.option[i];
    ShowText(m_pValue ? *m_pValue : std::string(), 1);
}

void CTRL_EDITSTR_CLASS::SetLimits(const EDIT_LIMITS& limits) {
    m_nMaxLen = limits.maxBytes;
    m_nLineLen = limits.lineLen;
    m_nMaxLines = limits.maxLines;
    m_bMultiLine = limits.countChars;
}

// Text put in by the program: the limits cut what passes them instead of
// refusing it, so a record's text is never replaced by the one shown before.
void CTRL_EDITSTR_CLASS::ShowText(const std::string& text, int whole) {
    if (!m_hWnd) return;
    std::string shown = m_nOption[0] & LINE_FEEDS ? ToEditText(text) : text;
    SetLimits(whole ? FitEditLimits(shown, m_Declared) : m_Declared);
    m_bBusy = 1;
    ::SetWindowTextA(m_hWnd, shown.c_str());
    m_bBusy = 0;
    // Lines of the previous text keep their length: a stored text's, not one the program sets.
    m_strPrev = whole ? shown : std::string();
    m_nPrevStart = m_nPrevEnd = 0;
    m_bSetup = 1;
    CheckLimits();
    m_bSetup = 0;
    m_bEdited = 0;
    m_strShown = GetText();
}

std::string CTRL_EDITSTR_CLASS::GetText() const {
    int length = m_hWnd ? GetWindowTextLengthA(m_hWnd) : 0;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    if (m_hWnd) GetWindowTextA(m_hWnd, &text[0], length + 1);
    text.resize(std::char_traits<char>::length(text.c_str()));
    // Read as through a buffer of the limit, but never half a character.
    int buffer = m_bMultiLine ? 2 * m_nMaxLen - 1 : m_nMaxLen;
    return CutToCharBoundary(text, buffer > 0 ? static_cast<size_t>(buffer - 1) : 0);
}

void CTRL_EDITSTR_CLASS::ValueToCtrl() {
    if (m_pValue) ShowText(*m_pValue, 1);
}

// Untouched, the record keeps its text as it came, also where the edit could
// not hold it. A multi-line edit reports no text set without typing, hence
// the comparison besides the flag.
void CTRL_EDITSTR_CLASS::CtrlToValue() {
    if (!m_pValue || IsRefreshing() || (!m_bEdited && GetText() == m_strShown)) return;
    *m_pValue = m_nOption[0] & LINE_FEEDS ? FromEditText(GetText()) : GetText();
}

void CTRL_EDITSTR_CLASS::CheckLimits() {
    if (m_bBusy || !m_hWnd) return;
    m_bBusy = 1;
    DWORD start = 0, end = 0;
    SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EDIT_TEXT typed;
    typed.text = GetText();
    // The limits work on bytes; the edit may count characters.
    const int chars = CountsCharacters(typed.text);
    m_nSelStart = chars ? CharPosToByte(typed.text, static_cast<int>(start)) : static_cast<int>(start);
    m_nSelEnd = chars ? CharPosToByte(typed.text, static_cast<int>(end)) : static_cast<int>(end);
    typed.selStart = m_nSelStart;
    typed.selEnd = m_nSelEnd;
    EDIT_TEXT previous;
    previous.text = m_strPrev;
    previous.selStart = m_nPrevStart;
    previous.selEnd = m_nPrevEnd;
    EDIT_TEXT shown = CheckEditLimits(typed, previous, Limits(), m_bSetup, !m_bSetup && IsKeyHeld(VK_BACK));
    ::SetWindowTextA(m_hWnd, shown.text.c_str());
    if (!m_bSetup) {
        int from = chars ? BytePosToChar(shown.text, shown.selStart) : shown.selStart;
        int to = chars ? BytePosToChar(shown.text, shown.selEnd) : shown.selEnd;
        SendMessageA(m_hWnd, EM_SETSEL, from, to);
    }
    m_strPrev = shown.text;
    m_nPrevStart = shown.selStart;
    m_nPrevEnd = shown.selEnd;
    if (!m_bSetup) {
        // Once edited, a long stored text keeps its new size and lines as its limits, down to the declared ones.
        m_bEdited = 1;
        SetLimits(FitEditLimits(shown.text, m_Declared));
    }
    m_bBusy = 0;
}

void CTRL_EDITSTR_CLASS::SetProgramText(const std::string& text) {
    ShowText(text, 0);
    m_bEdited = 1;
}

void SetPathText(CTRL_EDITSTR_CLASS* edit, const std::string& text) {
    if (edit) edit->SetProgramText(text);
}
