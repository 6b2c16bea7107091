// The default database of a new project: the records as a new project has
// them, in the files of "default\database\".
#include "tools/sample/sample_database.h"

#include "model/media_database.h"
#include "model/skill.h"
#include "model/system.h"
#include "tools/sample/default_files.h"

int WriteDefaultDatabase(const std::string& root) {
    VECTOR_CLASS<cSkillList> skillLists(1);
    RenumberSkillLists(skillLists);
    cSystem system;
    cDatabase media;
    cProject project = g_Project;
    project.SkillLists = &skillLists;
    project.System = &system;
    project.Database = &media;

    int ok = WriteDefaultFile(project, root, g_PathTable.Skill);
    ok &= WriteDefaultFile(project, root, g_PathTable.System);
    for (const cProjectFile& file : ProjectFiles())
        if (file.Media) ok &= WriteDefaultFile(project, root, file.Path);
    return ok;
}
