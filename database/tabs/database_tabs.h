// The 25 tabs of the database sheet in order, each with the page class that
// edits it. The one place that knows every page.
#pragma once

#include "database/sheet/prop_database.h"

extern const DB_TAB g_DatabaseTabs[PROP_DATABASE::PAGE_COUNT];
