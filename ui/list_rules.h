// Rules of the list control that need no window: the command slots and
// their keys, and the numbering of the rows.
#pragma once

#include <string>

// Slots of the record commands, in the order of the id tables.
enum {
    LIST_CMD_CUT = 0,
    LIST_CMD_COPY,
    LIST_CMD_PASTE,
    LIST_CMD_NEW,
    LIST_CMD_INSERT,
    LIST_CMD_CLEAR,
    LIST_CMD_DELETE,
    LIST_CMD_COUNT
};

// Container kinds; only vectors are bound.
enum { LIST_KIND_LIST = 0, LIST_KIND_VECTOR = 1 };

// Keys of the record commands; the first five need Ctrl.
bool IsListShortcut(int slot, unsigned key, int ctrlHeld);

// The row of record `index`: "%s %s" of its 1-based number among the shown
// records, zero-padded to the digits of the shown count, and its text.
std::string MakeListRow(int index, int firstShown, int shownCount, int numbered, const std::string& text);
