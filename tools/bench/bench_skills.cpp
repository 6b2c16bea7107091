// BenchSkills [lists] [skills]: saves and loads a large "Skill.dat" (20 lists
// of 1,000 skills unless given; up to 16 times that many skills in all) and a
// "System.dat" of the current and of the oldest layout, printing the rates.
// The files are written into a new temporary folder, removed afterwards. The
// exit code is 1 when no such folder could be made, a save or a load failed
// or the lists read back differ, 2 for sizes out of range.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/skill.h"
#include "model/system.h"
#include "tools/bench/bench_timing.h"
#include "tools/bench/scratch_folder.h"

namespace {

const long long kDefaultLists = 20, kDefaultSkills = 1000, kMaxSkillsInAll = 16 * kDefaultLists * kDefaultSkills;

double FileSize(const char* path) {
    std::string bytes;
    FileReadAll(path, &bytes);
    return static_cast<double>(bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    g_nDataVersion = DATA_VERSION;
    const long long listCount = argc > 1 ? std::atoll(argv[1]) : kDefaultLists;
    const long long skillCount = argc > 2 ? std::atoll(argv[2]) : kDefaultSkills;
    if (listCount < 1 || skillCount < 1 || listCount * skillCount > kMaxSkillsInAll) {
        std::printf("BenchSkills [lists] [skills]: at least 1 of each, at most %lld skills in all\n", kMaxSkillsInAll);
        return 2;
    }
    const cScratchFolder scratch("bench_skills");
    if (!scratch.Enter()) {
        std::printf("cannot make a temporary folder\n");
        return 1;
    }
    const char* skillPath = "bench_skill.dat";
    int ok = 1;
    VECTOR_CLASS<cSkillList> lists(static_cast<size_t>(listCount));
    for (cSkillList& list : lists) {
        list.vSkill.resize(static_cast<size_t>(skillCount));
        for (cSkill& skill : list.vSkill) skill.strName = "スキル名";
    }
    const double save = Best(3, [&] { ok &= SaveSkillFile(lists, skillPath); });
    VECTOR_CLASS<cSkillList> loaded;
    const double load = Best(3, [&] { ok &= LoadSkillFile(loaded, skillPath); });
    const bool same = loaded.size() == lists.size() && loaded.back().vSkill.size() == lists.back().vSkill.size() &&
                      loaded.back().vSkill.back().strName == lists.back().vSkill.back().strName;
    const double size = FileSize(skillPath);
    std::printf("Skill.dat: %lld lists x %lld skills, %.1f MB\n", listCount, skillCount, size / 1e6);
    PrintRate("SaveSkillFile", size, save);
    PrintRate("LoadSkillFile", size, load);

    const char* systemPath = "bench_system.dat";
    cSystem system;
    const double systemSave = Best(20, [&] { ok &= system.SaveFile(systemPath); });
    const double systemLoad = Best(20, [&] { ok &= system.LoadFile(systemPath); });
    // The oldest layout: every upgrade step runs.
    g_nDataVersion = 0;
    ok &= system.SaveFile(systemPath);
    g_nDataVersion = DATA_VERSION;
    const double systemUpgrade = Best(20, [&] { ok &= system.LoadFile(systemPath); });
    std::printf("System.dat: save %.3f ms, load %.3f ms, load with every upgrade step %.3f ms\n", systemSave * 1e3,
                systemLoad * 1e3, systemUpgrade * 1e3);
    if (!ok) std::printf("a save or a load failed\n");
    if (!same) std::printf("the skill lists read back differ from those written\n");
    return ok && same ? 0 : 1;
}
