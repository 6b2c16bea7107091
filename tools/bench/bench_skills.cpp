// BenchSkills [lists] [skills]: saves and loads a large "Skill.dat" and
// a "System.dat" of the current and of the oldest layout, printing the rates.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/skill.h"
#include "model/system.h"
#include "tools/bench/bench_timing.h"

namespace {

double FileSize(const char* path) {
    std::string bytes;
    FileReadAll(path, &bytes);
    return static_cast<double>(bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    g_nDataVersion = DATA_VERSION;
    const int listCount = argc > 1 ? std::atoi(argv[1]) : 20;
    const int skillCount = argc > 2 ? std::atoi(argv[2]) : 1000;
    const char* skillPath = "bench_skill.dat";
    VECTOR_CLASS<cSkillList> lists(listCount);
    for (cSkillList& list : lists) {
        list.vSkill.resize(skillCount);
        for (cSkill& skill : list.vSkill) skill.strName = "スキル名";
    }
    const double save = Best(3, [&] { SaveSkillFile(lists, skillPath); });
    VECTOR_CLASS<cSkillList> loaded;
    const double load = Best(3, [&] { LoadSkillFile(loaded, skillPath); });
    const double size = FileSize(skillPath);
    std::printf("Skill.dat: %d lists x %d skills, %.1f MB\n", listCount, skillCount, size / 1e6);
    PrintRate("SaveSkillFile", size, save);
    PrintRate("LoadSkillFile", size, load);

    const char* systemPath = "bench_system.dat";
    cSystem system;
    const double systemSave = Best(20, [&] { system.SaveFile(systemPath); });
    const double systemLoad = Best(20, [&] { system.LoadFile(systemPath); });
    // The oldest layout: every upgrade step runs.
    g_nDataVersion = 0;
    system.SaveFile(systemPath);
    g_nDataVersion = DATA_VERSION;
    const double systemUpgrade = Best(20, [&] { system.LoadFile(systemPath); });
    std::printf("System.dat: save %.3f ms, load %.3f ms, load with every upgrade step %.3f ms\n", systemSave * 1e3,
                systemLoad * 1e3, systemUpgrade * 1e3);
    FileDelete(skillPath);
    FileDelete(systemPath);
    return 0;
}
