// Drives windows as the main loop and the user would: runs the waiting
// messages through the loop's filter, and answers the modal boxes that their
// openers run to the end.
#pragma once

#include <functional>
#include <vector>

#include "ui/dlg.h"

class WND_LIST_CLASS;

// Runs every waiting message through the main loop's path (the filter first).
void PumpMessages(WND_LIST_CLASS* wndList);

// `step` runs after every dialog initialisation until it returns true. The
// box is answered before it shows: Wine without a window manager waits
// seconds whenever a shown window is hidden. Null drops a step that is
// still waiting; one still waiting when its test ends fails the test.
void WhenOpen(std::function<bool()> step);
// The same once a box is on the screen, retried from a timer.
void WhenShown(std::function<bool()> step);

// Presses the keys of `chord` in order and lets them go in reverse, as the
// keyboard does.
void TypeKeys(const std::vector<WORD>& chord);

// Whether a pop-up menu or a dropped-down combo list is on the screen.
bool IsMenuOrListShown();
// A right click on the list's first row, posted to its dialog: the menu's
// loop runs in the dialog's own, not in the caller.
void RightClickFirstRow(HWND list);
// The combo box on its first row, its list down.
void DropFirstRow(HWND combo);

// The instance of dialog class D once its window is initialised.
template <class D>
D* OpenBox() {
    D* box = DLG_STATIC<D>::s_pInstance;
    return box && box->m_hWnd && box->m_bCreated ? box : nullptr;
}
