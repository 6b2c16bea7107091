// The default database of a new project.
#pragma once

#include <string>

// Writes every database file of a new project into "<root>\default\database\",
// from where the editor's first start copies it to "data\". 1, or 0 when a
// file could not be written (named on stderr).
int WriteDefaultDatabase(const std::string& root);
