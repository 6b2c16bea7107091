// The lists of the database sheet, its pages' dialogs and the skill sheet,
// for the clicks of tests/app/list_clicks.h.
#pragma once

#include <functional>
#include <vector>

#include "tests/app/list_clicks.h"

class PROP_DATABASE;

// Records enough to click in every list of the database (several skill
// lists, classes with senses and slots, units with their skills and rules,
// animations with frames ...), put into the database globals.
void MakeDatabaseRecords();
// The database lists; `openSheet` opens the database sheet (or finds it open).
std::vector<cListCase> DatabaseCases(const std::function<PROP_DATABASE*()>& openSheet);
