// The entries of a record (an animation's frames, a help topic's texts) are
// written one at a time in a modal dialog of their own.
#pragma once

#include <functional>

#include "ui/ctrl_list.h"
#include "ui/dlg.h"

// Runs `dialog` (owned; none: out of memory) modal and deletes it; after OK
// the entry list's rows are refilled. 1 after OK.
int RunEntryDialog(DLG_CLASS*& dialog, CTRL_LIST_BASE& entries);

enum { ENTRY_FULL = -1, ENTRY_CANCELLED = 0, ENTRY_ADDED = 1 };
// A default entry inserted before the current row, then `edit` on it: when
// it is cancelled the entry goes again; after OK the row after it becomes
// current. A full list beeps and opens nothing.
int InsertThroughDialog(CTRL_LIST_BASE& entries, const std::function<int()>& edit);
