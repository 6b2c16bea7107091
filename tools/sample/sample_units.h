// The sample project's classes, lands, characters, movement-AI templates,
// common-variable names and random-name lists.
#pragma once

#include <string>

// Writes "Class.dat", "Land.dat", "Friend.dat" and "Enemy.dat" into
// "<root>\default\database\", "MoveAITemplate.dat" and "GValInfo.dat" into
// "<root>\default\" and a few lists into "<root>\default\random_name\". Reads
// the skill lists that WriteDefaultDatabase wrote, so that the characters'
// slots match them. 1, or 0 when a file could not be written (named on stderr).
int WriteDefaultUnits(const std::string& root);
