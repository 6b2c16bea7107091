#include "editing/common_variable.h"

#include "model/gvalinfo.h"
#include "ui/dlg_input.h"

int RenameCommonVariable(DLG_CLASS* dlg, int variable, const CTRL_CLASS* placeRef) {
    if (variable <= 0 || variable >= static_cast<int>(g_GValInfo.size())) {
        MessageBeep(0);
        return 0;
    }
    return InputString(dlg, dlg ? dlg->m_pWndList : nullptr, &g_GValInfo[variable].Name, 12, 1, "変数名の入力",
                       placeRef, 1);
}
