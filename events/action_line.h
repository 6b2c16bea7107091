// The one-line text of an action: its kind's name and a summary of its
// parameters, the row text of an event page's action list. Window-free.
#pragma once

#include <string>

#include "model/event.h"

// Sets `text` to the kind's name and appends the kind's summary. A kind
// outside the table, a word or record index outside its table and a
// parameter the action lacks all read as empty (or 0): a damaged file never
// makes a row read past anything.
void FormatActionLine(std::string& text, const cEventAct& act);
std::string ActionLine(const cEventAct& act);

// The action palette's content line of an entry: "内容： " and the kinds of
// its actions joined by " → ".
std::string PaletteContentLine(const cEventActPlt& entry);
