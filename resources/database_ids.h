// Ids of the database sheet's resources (database.rc).
#pragma once

#define IDD_DBCLASS 111
