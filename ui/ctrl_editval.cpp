#include "ui/ctrl_editval.h"

#include <imm.h>

#include <utility>
#include <vector>

namespace {

const char kEditValProp[] = "CTRL_EDITVAL_CLASS";

std::string ReadImeResult(HWND edit) {
    HIMC imc = ImmGetContext(edit);
    if (!imc) return std::string();
    char text[1025] = {};
    LONG n = ImmGetCompositionStringA(imc, GCS_RESULTSTR, text, 1024);
    ImmReleaseContext(edit, imc);
    if (n <= 0) return std::string();
    return std::string(text, static_cast<size_t>(n));
}

IME_RESULT_READER g_pfnImeResult = ReadImeResult;

CTRL_EDITVAL_BASE* EditValOf(HWND edit) {
    return edit ? static_cast<CTRL_EDITVAL_BASE*>(GetPropA(edit, kEditValProp)) : nullptr;
}

LRESULT CALLBACK EditValProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CTRL_EDITVAL_BASE* self = EditValOf(wnd);
    if (!self || !self->m_lpPrevProc) return DefWindowProcA(wnd, msg, wParam, lParam);
    WNDPROC prev = self->m_lpPrevProc;
    switch (msg) {
    case WM_DESTROY:
        SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prev));
        RemovePropA(wnd, kEditValProp);
        self->m_lpPrevProc = nullptr;
        break;
    case WM_KEYDOWN:
        if (self->StepByKey(wParam)) return 0;
        break;
    case WM_CHAR:
        if (!IsNumericEditChar(static_cast<unsigned>(wParam))) return 0;
        break;
    case WM_IME_COMPOSITION:
        if (lParam & GCS_RESULTSTR) {
            // The input method's own text never reaches the edit: only the
            // ASCII of its full-width digits, minus and full stop.
            std::string result = g_pfnImeResult(wnd);
            for (char c : FullWidthToAsciiText(result.c_str())) SendMessageA(wnd, WM_CHAR, static_cast<BYTE>(c), 1);
            return 0;
        }
        break;
    }
    return CallWindowProcA(prev, wnd, msg, wParam, lParam);
}

// The up-down's own procedure, kept on it; and the mark of a step it makes
// on its own.
const char kSpinProcProp[] = "CTRL_SPIN_CLASS";
const char kStrayStepProp[] = "CTRL_SPIN_STRAY";

// Wine's up-down shows a key's press for a moment on a timer; when that
// timer runs out with the pointer resting on an arrow, it steps once more,
// down. A timer of the up-down steps for the user only while a held button
// has captured the mouse for it. A key never reaches it (StepByKey).
LRESULT CALLBACK SpinProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WNDPROC prev = reinterpret_cast<WNDPROC>(GetPropA(wnd, kSpinProcProp));
    if (!prev) return DefWindowProcA(wnd, msg, wParam, lParam);
    if (msg == WM_KEYDOWN) {
        CTRL_EDITVAL_BASE* edit = EditValOf(reinterpret_cast<HWND>(CallWindowProcA(prev, wnd, UDM_GETBUDDY, 0, 0)));
        if (edit && edit->StepByKey(wParam)) return 0;
    } else if (msg == WM_DESTROY) {
        SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prev));
        RemovePropA(wnd, kSpinProcProp);
    } else if (msg == WM_TIMER && GetCapture() != wnd) {
        SetPropA(wnd, kStrayStepProp, reinterpret_cast<HANDLE>(1));
        const LRESULT r = CallWindowProcA(prev, wnd, msg, wParam, lParam);
        RemovePropA(wnd, kStrayStepProp);
        return r;
    }
    return CallWindowProcA(prev, wnd, msg, wParam, lParam);
}

}  // namespace

IME_RESULT_READER SetImeResultReader(IME_RESULT_READER reader) {
    return std::exchange(g_pfnImeResult, reader ? reader : ReadImeResult);
}

int EditValTypeLimits(int code, long long* minimum, long long* maximum) {
    static const long long kLimits[][2] = {
        {-128, 127}, {0, 255}, {-32768, 32767}, {0, 65535}, {-2147483648LL, 2147483647LL}, {0, 4294967295LL},
    };
    if (code < 0 || code > EDITVAL_UINT) return 0;
    *minimum = kLimits[code][0];
    *maximum = kLimits[code][1];
    return 1;
}

// Wine's up-down, given a key, also presses its arrow on a quarter-second
// timer; a button held on the arrow meanwhile loses its press to that timer,
// and its release then neither stops the repeat nor gives the mouse back.
// So the key is the edit's own step and never reaches the up-down. Only keys
// the up-down itself would take: it must be there, enabled, with arrow keys.
int CTRL_EDITVAL_BASE::StepByKey(WPARAM key) {
    HWND spin = SpinWnd();
    if ((key != VK_UP && key != VK_DOWN) || !spin || !IsWindowEnabled(spin) ||
        !(GetWindowLongA(spin, GWL_STYLE) & UDS_ARROWKEYS))
        return 0;
    Step(key == VK_UP ? 1 : -1);
    return 1;
}

void CTRL_EDITVAL_BASE::SubclassEdit() {
    if (!m_hWnd || GetPropA(m_hWnd, kEditValProp)) return;
    SetPropA(m_hWnd, kEditValProp, this);
    m_lpPrevProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditValProc)));
}

void CTRL_EDITVAL_BASE::SubclassSpin(HWND spin) {
    if (!spin || GetPropA(spin, kSpinProcProp)) return;
    SetPropA(spin, kSpinProcProp, reinterpret_cast<HANDLE>(GetWindowLongPtrA(spin, GWLP_WNDPROC)));
    SetWindowLongPtrA(spin, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SpinProc));
}

int CTRL_EDITVAL_BASE::IsStrayStep(HWND spin) { return spin && GetPropA(spin, kStrayStepProp); }

void CTRL_EDITVAL_BASE::GetSel(DWORD* start, DWORD* end) const {
    *start = *end = 0;
    SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(start), reinterpret_cast<LPARAM>(end));
}

void CTRL_EDITVAL_BASE::SetSel(DWORD start, DWORD end) const { SendMessageA(m_hWnd, EM_SETSEL, start, end); }

std::string CTRL_EDITVAL_BASE::GetText() const {
    char text[1024] = {};
    if (m_hWnd) GetWindowTextA(m_hWnd, text, sizeof(text));
    return text;
}
