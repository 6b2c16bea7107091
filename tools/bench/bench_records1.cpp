// BenchRecords1 [lists] [skills]: saves and loads a large "Skill.dat" and
// a "System.dat" of the current and of the oldest layout, printing the rates.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "model/skill.h"
#include "model/system.h"

namespace {

double Best(int runs, const std::function<void()>& work) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

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
    std::printf("  save %7.1f MB/s (%.3f s)   load %7.1f MB/s (%.3f s)\n", size / save / 1e6, save,
                size / load / 1e6, load);

    const char* systemPath = "bench_system.dat";
    cSystem system;
    const double systemSave = Best(20, [&] { system.SaveFile(systemPath); });
    const double systemLoad = Best(20, [&] { system.LoadFile(systemPath); });
    // The oldest layout: every upgrade step runs.
    g_nDataVersion = 0;
    system.SaveFile(systemPath);
    g_nDataVersion = DATA_VERSION;
    const double systemUpgrade = Best(20, [&] { system.LoadFile(systemPath); });
    std::printf("System.dat: save %.3f ms, load %.3f ms, load with every upgrade step %.3f ms\n",
                systemSave * 1e3, systemLoad * 1e3, systemUpgrade * 1e3);
    FileDelete(skillPath);
    FileDelete(systemPath);
    return 0;
}
