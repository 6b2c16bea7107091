#include "app/palette.h"

#include "base/editor_settings.h"
#include "resources/stage_editor_ids.h"

PALETTE_CLASS::PALETTE_CLASS(WORD resId, WND_CLASS* stageEditor, WND_LIST_CLASS* wndList, cWndPosInfo* place, int dx,
                             int dy)
    : DLG_CLASS(resId, stageEditor, WND_MODE_DIALOG, wndList), m_pPlace(place) {
    StartAt(m_pPlace, stageEditor, 1, dx, dy);
}

PALETTE_CLASS::~PALETTE_CLASS() { End(0); }

int PALETTE_CLASS::StoredSize(int* width, int* height) const {
    if (!m_pPlace || !m_pPlace->Valid) return 0;
    *width = m_pPlace->Width;
    *height = m_pPlace->Height;
    return 1;
}

SIZE PALETTE_CLASS::SizeToStore(HWND wnd) const {
    RECT wr = {0, 0, 0, 0};
    GetWindowRect(wnd, &wr);
    return {wr.right - wr.left, wr.bottom - wr.top};
}

int PALETTE_CLASS::PaletteMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_DESTROY: {
        RECT wr;
        const SIZE size = SizeToStore(hwnd);
        if (m_pPlace && GetWindowRect(hwnd, &wr)) m_pPlace->Set(wr.left, wr.top, size.cx, size.cy);
        return 1;
    }
    case WM_CLOSE: return 1;
    case WM_KEYDOWN: {
        // Posted: the stage editor may replace this palette on the way.
        HWND editor = m_pParentObj ? m_pParentObj->m_hWnd : nullptr;
        if (!editor) return 1;
        if (wParam == VK_SPACE) PostMessageA(editor, WM_KEYDOWN, VK_SPACE, 0);
        if (wParam == VK_F5) PostMessageA(editor, WM_COMMAND, CM_TESTPLAY_KEY, 0);
        return 1;
    }
    default: return 0;
    }
}
