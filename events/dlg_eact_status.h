// The status action: [target] "を" [operator] [value]. Its enabling rules
// are its form's; the class adds the note shown in the start event, the
// refusals of OK there, and the ranges of the value edits taken from the
// chosen status.
#pragma once

#include "events/dlg_eact_base.h"

class DLG_EACT_STATUS : public DLG_EACT_BASE {
public:
    DLG_EACT_STATUS(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                    const CTRL_CLASS* placeRef);
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    void UpdateControls() override;
    int CanStore() override;
    // A status chosen in combo `id` (the target's or the value's): the
    // target's status gives the constant and random edits its range.
    void OnStatusChange(unsigned short id);

    // The target status last seen by any status dialog; NO_STATUS: none.
    enum { NO_STATUS = 65535 };
    static unsigned short s_wLastTargetStatus;
};
