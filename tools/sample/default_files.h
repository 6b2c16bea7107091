// A new project's data lies in "<root>\default\", laid out as "data\" is:
// the sample writer reads and writes its files through the project's file
// table.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>

#include "base/paths.h"
#include "model/project_files.h"

// Where the table's file `dataPath` (below "data\") lies in the default data.
inline std::string DefaultFilePath(const std::string& root, const char* dataPath) {
    return root + "\\" + g_PathTable.Default + (dataPath + std::strlen(g_PathTable.Data));
}

// Writes the table's file `dataPath` from `project` into the default data;
// 1, or 0 (named on stderr).
inline int WriteDefaultFile(const cProject& project, const std::string& root, const char* dataPath) {
    const std::string path = DefaultFilePath(root, dataPath);
    const cProjectFile* file = FindProjectFile(dataPath);
    const int ok = file && SaveProjectFile(project, *file, path);
    if (!ok) std::fprintf(stderr, "MakeSample: cannot write %s\n", path.c_str());
    return ok;
}

// Reads the table's file `dataPath` from the default data into `project`.
inline int ReadDefaultFile(const cProject& project, const std::string& root, const char* dataPath) {
    const cProjectFile* file = FindProjectFile(dataPath);
    return file && LoadProjectFile(project, *file, DefaultFilePath(root, dataPath));
}
