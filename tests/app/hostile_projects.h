// Projects that no editor writes but the loader accepts: what a damaged or
// hand-made "data\" folder, or a file of an old version, can leave. Each is
// the sample project with its records damaged in one way, written as its
// files and left for the editor to load.
#pragma once

#include <string>

struct cHostileProject {
    const char* Name;
    void (*Damage)();  // changes the sample's records before they are written
    // The version file `path` is written in; null or 0: the current one.
    int (*VersionOf)(const char* path);
};

extern const cHostileProject kHostileProjects[];
int HostileProjectCount();
const cHostileProject& HostileProject(const char* name);

// The sample project's "data\" written into the current project folder,
// loaded, damaged by `project` and written again, the open stage with it.
// 1 when every file was written.
int WriteHostileProject(const cHostileProject& project);

// The stage the sample opens, which a hostile project damages as well.
extern const char kHostileStage[];
