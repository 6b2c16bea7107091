// The default database of a new project: the records as a new project has
// them, in the files of "default\database\".
#include "tools/sample/sample_database.h"

#include <cstdio>

#include "model/media_database.h"
#include "base/paths.h"
#include "model/skill.h"
#include "model/system.h"

namespace {

// "<root>\default\database\<name>" for the data file `dataPath`.
std::string DefaultFile(const std::string& root, const char* dataPath) {
    std::string name = dataPath;
    return root + "\\default\\database\\" + StripFolderPartStr(name);
}

int Written(int ok, const std::string& path) {
    if (!ok) std::fprintf(stderr, "MakeSample: cannot write %s\n", path.c_str());
    return ok;
}

}  // namespace

int WriteDefaultDatabase(const std::string& root) {
    int ok = 1;

    VECTOR_CLASS<cSkillList> skillLists(1);
    RenumberSkillLists(skillLists);
    const std::string skillPath = DefaultFile(root, g_PathTable.Skill);
    ok &= Written(SaveSkillFile(skillLists, skillPath), skillPath);

    cSystem system;
    const std::string systemPath = DefaultFile(root, g_PathTable.System);
    ok &= Written(system.SaveFile(systemPath), systemPath);

    cDatabase media;
    std::string failed;
    const std::string folder = root + "\\default\\database\\";
    ok &= Written(SaveMediaDatabase(media, &failed, folder.c_str()), failed);
    return ok;
}
