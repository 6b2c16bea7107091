// The database files Apply writes, in its fixed order: the nine media files,
// the record lists, the system settings and the world map. Each goes through
// a temporary file that replaces the old one only once it is complete.
#pragma once

#include <string>
#include <vector>

// Writes every file; each that could not be written is named in `failed` and
// left as it was. 1 when all were written.
int WriteDatabaseFiles(std::vector<std::string>* failed);
