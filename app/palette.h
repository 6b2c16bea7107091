// The frame of the stage editor's palettes (map chips, enemies, events): a
// modeless dialog beside the stage editor that stands only while its edit
// layer is the current one. It keeps its place in a window record of the
// editor settings, ignores its close box (it goes with its layer) and passes
// Space (the next layer) and F5 (test play) on to the stage editor.
#pragma once

#include "ui/dlg.h"

class cWndPosInfo;

// A palette ends its window in its own destructor: its messages reach the
// palette's own message procedure only while it is still whole.
class PALETTE_CLASS : public DLG_CLASS {
public:
    // `place` is the palette's window record: a stored place gives the
    // position and the window's size; without one it opens `dx` right of
    // the stage editor's right edge and `dy` below its top. The place is
    // stored when the window goes.
    PALETTE_CLASS(WORD resId, WND_CLASS* stageEditor, WND_LIST_CLASS* wndList, cWndPosInfo* place, int dx, int dy);
    ~PALETTE_CLASS() override;

    // After the stage changed: the palette shows it.
    virtual void Refresh() { OnPaint(); }
    // The stage editor found the palette's entry `index` on the map: a
    // pick-up selects it (-1 clears the selection), a right double click
    // opens its editor. Only the enemy palette has such entries.
    virtual void SelectEntry(int) {}
    virtual void EditEntry(int) {}

protected:
    // The frame's part of the palette's message procedure, after the dialog
    // procedure: 1 when it took the message.
    int PaletteMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // The window size stored with a place; 0 without a stored place.
    int StoredSize(int* width, int* height) const;
    // The size of window `wnd` (the palette's, as it closes) kept with the
    // place: the window's own size.
    virtual SIZE SizeToStore(HWND wnd) const;

private:
    cWndPosInfo* m_pPlace;
};
