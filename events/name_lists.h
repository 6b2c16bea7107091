// The combo rows that the event editor's dialogs build from the project's
// record lists, numbered as each list is shown. Window-free.
#pragma once

#include <string>

#include "base/containers.h"

// The rows of a row source of events/action_forms.h (EACT_ROWS_...); 0 for
// a source that is not a record list (word tables, symbols).
int MakeNameRows(VECTOR_CLASS<std::string>& out, int rows);

// The event conditions' own lists: common variables after
// "コモン変数条件なし", the stage's position groups from 1, allies after "条件なし".
void MakeConditionGValRows(VECTOR_CLASS<std::string>& out);
void MakeConditionGroupRows(VECTOR_CLASS<std::string>& out);
void MakeConditionFriendRows(VECTOR_CLASS<std::string>& out);
