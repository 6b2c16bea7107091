// The message action: the frame with the message's controls, a preview of
// the chosen "#P" symbol and the list of common variables to look up and
// rename (neither is stored in the action).
#pragma once

#include "events/dlg_eact_base.h"

class DLG_EACT_MESSAGE : public DLG_EACT_BASE {
public:
    DLG_EACT_MESSAGE(const EACT_CONTEXT& context, WND_CLASS* parent, WND_LIST_CLASS* wndList,
                     const CTRL_CLASS* placeRef);
    void OnPaint() override;
    // The message dialog writes the names at once, cancelled or not.
    void OnRenamed() override;
};
