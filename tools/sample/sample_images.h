#pragma once

#include <string>

// Writes the sample project's images under `root`; 1 when all were written.
int WriteSampleImages(const std::string& root);
