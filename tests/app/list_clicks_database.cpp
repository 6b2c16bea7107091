#include "tests/app/list_clicks_cases.h"

void MakeDatabaseRecords() {}

std::vector<cListCase> DatabaseCases(const std::function<PROP_DATABASE*()>&) { return {}; }
