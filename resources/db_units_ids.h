// Ids of the class, ally and enemy pages' dialogs (db_units.rc); the pages
// themselves are in database_ids.h with the other tabs. The controls carry
// the numbers their dialogs' control tables name.
#pragma once

#define IDD_SENSE 216
#define IDD_ORGSLOT 223
#define IDD_LEARNSKILL 126
#define IDD_BATTLEAI 132
#define IDD_BATTLEAI_COND 133

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
