// The lands, classes, allies, enemies, movement-AI templates and common
// variables of a new project, where the default data does not hold them yet.
#pragma once

#include <string>

// Writes each missing file of "<root>\default\": "database\Land.dat",
// "database\Class.dat", "database\Friend.dat", "database\Enemy.dat",
// "MoveAITemplate.dat" and "GValInfo.dat". Files already there are kept.
// 1, or 0 when a file could not be written (named on stderr).
int WriteDefaultUnits(const std::string& root);
