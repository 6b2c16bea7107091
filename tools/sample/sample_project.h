// The whole sample project: its folders, the default data, the images, and a
// project folder ready to open ("data\" copied from "default\", the editor
// settings opening the sample stage, "System.ini"). The tests write it anew;
// the user's sample is only ever completed (WriteSampleWhereMissing).
#pragma once

#include <string>

// Folders, "default\" and the images under `root`; 1 when all were written.
int WriteSampleDefaults(const std::string& root);
// "data\" replaced by a copy of "default\", "e_data\EditConfig.dat" opening
// the sample stage, and "System.ini". 1 when all were written.
int WriteSampleData(const std::string& root);

struct cSampleCount {
    int written = 0;        // files that were missing
    int kept = 0;           // files that were there, untouched
    bool dataMade = false;  // "data\" was missing and is a copy of "default\" now
};
// Completes the sample under `root` without replacing or deleting anything:
// each file of "default\", of the images and of the other folders that is
// missing, "data\" copied from "default\" only when there is no "data\", the
// editor settings and "System.ini" when missing. 1 when all of that was
// written.
int WriteSampleWhereMissing(const std::string& root, cSampleCount* count);
