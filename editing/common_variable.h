// Renaming a common variable: the one box every editor opens for it.
#pragma once

#include "ui/dlg.h"

// Asks for a new name of common variable `variable` ("変数名の入力", up to 12
// characters) over `placeRef`; 1 when it was renamed. Variable 0 (none
// chosen) and one outside the list beep and ask nothing. The name changes
// in the project's list at once, whatever happens to the dialog that asked;
// writing the list is the caller's affair.
int RenameCommonVariable(DLG_CLASS* dlg, int variable, const CTRL_CLASS* placeRef);
