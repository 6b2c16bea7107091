// The whole sample project: its folders, the default data, the images, and a
// project folder ready to open ("data\" copied from "default\", the editor
// settings opening the sample stage, "System.ini").
#pragma once

#include <string>

// Folders, "default\" and the images under `root`; 1 when all were written.
int WriteSampleDefaults(const std::string& root);
// "data\" replaced by a copy of "default\", "e_data\EditConfig.dat" opening
// the sample stage, and "System.ini". 1 when all were written.
int WriteSampleData(const std::string& root);
