// The sound actions: choosing a sound effect plays it at once, "再生" plays
// the chosen BGM (until the event dialog stops it when the chooser closes).
#pragma once

#include "events/dlg_eact_base.h"

class DLG_EACT_PLAYSOUND : public DLG_EACT_BASE {
public:
    DLG_EACT_PLAYSOUND(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                       const CTRL_CLASS* placeRef);
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
};

class DLG_EACT_CHANGEBGM : public DLG_EACT_BASE {
public:
    DLG_EACT_CHANGEBGM(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                       const CTRL_CLASS* placeRef);
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
};
