// Completing the user's sample project: what is missing is written, nothing
// that is there is replaced or deleted.
#include "tools/sample/sample_project.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/seams.h"
#include "tools/bench/scratch_folder.h"

namespace {

const char* const kEdited = "edited by the user";

struct SampleFolder {
    ScratchFolder folder{"sample"};
    std::string Path(const char* name) const { return folder.Path() + "\\" + name; }
    std::string Read(const char* name) const { return ReadFileBytes(Path(name).c_str()); }
    bool Write(const char* name, const std::string& bytes) const { return WriteFileBytes(Path(name).c_str(), bytes); }
    int Complete(cSampleCount* count) const { return WriteSampleWhereMissing(folder.Path(), count); }
};

TEST(SampleProject, DataIsCopiedFromTheDefaultThatIsThereOnlyWhenMissing) {
    SampleFolder sample;
    cSampleCount count;
    ASSERT_EQ(1, sample.Complete(&count));
    EXPECT_TRUE(count.dataMade);
    EXPECT_EQ(0, count.kept);
    for (const char* name : {"default\\database\\Skill.dat", "default\\stg\\Sample.stg2", "image\\MapChip.png",
                             "e_image\\ToolBar_Pen.bmp", "e_data\\EditConfig.dat", "System.ini"})
        EXPECT_TRUE(FileExists(sample.Path(name).c_str())) << name;
    for (const char* name : {"bgm", "wave", "csv"}) EXPECT_TRUE(FolderExists(sample.Path(name).c_str())) << name;
    EXPECT_FALSE(FileExists((sample.folder.Path() + kScratchMark).c_str()));  // the fresh sample's scratch folder's
    for (const char* name : {"database\\Skill.dat", "database\\Friend.dat", "stg\\Sample.stg2", "EventPlt.dat"}) {
        const std::string data = std::string("data\\") + name, model = std::string("default\\") + name;
        EXPECT_FALSE(sample.Read(data.c_str()).empty()) << name;
        EXPECT_TRUE(sample.Read(model.c_str()) == sample.Read(data.c_str())) << name;
    }

    ASSERT_TRUE(FolderDelete(nullptr, sample.Path("data").c_str()));
    ASSERT_TRUE(sample.Write("default\\database\\Land.dat", kEdited));
    count = cSampleCount();
    ASSERT_EQ(1, sample.Complete(&count));
    EXPECT_TRUE(count.dataMade);
    EXPECT_EQ(0, count.written);
    EXPECT_TRUE(sample.Read("data\\database\\Land.dat") == kEdited);
}

// Run again over a sample the user worked in.
TEST(SampleProject, ASecondRunKeepsEveryEditAndWritesOnlyWhatIsMissing) {
    SampleFolder sample;
    cSampleCount first;
    ASSERT_EQ(1, sample.Complete(&first));
    const std::string skills = sample.Read("default\\database\\Skill.dat");
    const struct {
        const char* name;
        bool remove;    // deleted by the user instead of edited
        bool restored;  // written again by the second run
    } files[] = {
        {"data\\stg\\Sample.stg2", false, false},
        {"data\\stg\\Saved.stg2", false, false},  // a stage the user saved
        {"data\\database\\Skill.dat", false, false},
        {"data\\database\\Class.dat", true, false},  // data\ is the user's as a whole
        {"default\\database\\Land.dat", false, false},
        {"default\\database\\Enemy.dat", true, true},
        {"image\\MapChip.png", false, false},
        {"image\\Symbol.png", true, true},
        {"e_data\\EditConfig.dat", false, false},
        {"System.ini", true, true},
    };
    for (const auto& f : files) {
        if (f.remove)
            ASSERT_TRUE(FileDelete(sample.Path(f.name).c_str())) << f.name;
        else
            ASSERT_TRUE(sample.Write(f.name, kEdited)) << f.name;
    }

    cSampleCount second;
    ASSERT_EQ(1, sample.Complete(&second));
    EXPECT_FALSE(second.dataMade);
    EXPECT_EQ(3, second.written);  // the default enemies, the symbols and "System.ini"
    EXPECT_EQ(first.written - 3, second.kept);
    for (const auto& f : files) {
        if (f.restored)
            EXPECT_TRUE(FileExists(sample.Path(f.name).c_str())) << f.name;
        else if (f.remove)
            EXPECT_FALSE(FileExists(sample.Path(f.name).c_str())) << f.name;
        else
            EXPECT_TRUE(sample.Read(f.name) == kEdited) << f.name;
    }
    EXPECT_TRUE(sample.Read("default\\database\\Skill.dat") == skills);
}

// Runs a program of the build's bin folder in the current folder with `temp`
// as its folder for temporary files; its exit code (STILL_ACTIVE past a minute).
DWORD RunBuiltProgram(const char* command, const std::string& temp) {
    char path[MAX_PATH];
    std::string line(path, GetModuleFileNameA(nullptr, path, sizeof(path)));
    for (int up = 0; up < 2; ++up) line.erase(line.find_last_of('\\'));  // <build>\tests\test_sample.exe
    line += std::string("\\bin\\") + command;
    std::string environment = "TMP=" + temp + '\0' + "TEMP=" + temp + '\0';
    char* own = GetEnvironmentStringsA();
    for (const char* entry = own; *entry; entry += strlen(entry) + 1)
        if (_strnicmp(entry, "TMP=", 4) && _strnicmp(entry, "TEMP=", 5)) environment.append(entry, strlen(entry) + 1);
    FreeEnvironmentStringsA(own);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, &environment[0], nullptr, &startup, &process))
        return ~0u;
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = ~0u;
    GetExitCodeProcess(process.hProcess, &code);
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

// The benchmarks' files go where nothing was: a second folder of the same
// name leaves the first, and what it holds, alone; a run leaves the user's
// files of the names its own files have as they were, adds nothing beside
// them and leaves nothing in the folder for temporary files.
TEST(SampleProject, BenchmarksWriteOnlyIntoAFolderNewToThem) {
    {
        const cScratchFolder first("bench_startup");
        ASSERT_TRUE(!first.Path().empty() && WriteFileBytes((first.Path() + "\\kept.txt").c_str(), kEdited));
        const cScratchFolder second("bench_startup");
        EXPECT_TRUE(FolderExists(second.Path().c_str()));
        EXPECT_NE(first.Path(), second.Path());
        EXPECT_TRUE(ReadFileBytes((first.Path() + "\\kept.txt").c_str()) == kEdited);
    }

    // What a stopped run left there goes at the next run: a folder with its
    // mark whose lock nobody holds, whatever process id its name has; a living
    // run's folder (its lock held), a folder without the mark (the user's,
    // there or in a folder given) and other names stay.
    enum { NO_LOCK, LOCK_FREE, LOCK_HELD };
    const std::string pid = std::to_string(GetCurrentProcessId());
    const struct {
        std::string name;
        bool given;  // in the folder given instead of the temporary one
        bool folder;
        bool mark;
        int lock;
        bool kept;
    } left[] = {
        {"bench_startup_4000000_0", false, true, true, NO_LOCK, false},
        {"bench_startup_" + pid + "_1", false, true, true, NO_LOCK, false},  // a new Wine session gives the id again
        {"bench_startup_4000000_2", false, true, true, LOCK_FREE, false},
        {"bench_startup_4000000_3", false, true, true, LOCK_HELD, true},
        {"bench_startup_4000000_4", false, false, false, LOCK_HELD, true},  // a run about to make its folder
        {"bench_startup_4000000_5", false, false, false, LOCK_FREE, false},
        {"bench_startup_4000000_old", false, true, true, NO_LOCK, true},
        {"bench_startup_4000000_6x", false, true, true, LOCK_FREE, true},
        {"bench_startup_4000000_7", false, true, false, NO_LOCK, true},    // the user's
        {"bench_startup_4000000_8", false, true, false, LOCK_FREE, true},  // and a file named as a lock
        {"bench_startup_4000000_0", true, true, false, NO_LOCK, true},     // in a project given to BenchApply
        {"bench_startup_4000000_1", true, true, true, LOCK_FREE, false},
    };
    char temp[MAX_PATH];
    ASSERT_NE(0u, GetTempPathA(sizeof(temp), temp));
    const ScratchFolder given("bench_given");
    const auto pathOf = [&](const auto& l) { return (l.given ? given.Path() + "\\" : std::string(temp)) + l.name; };
    cScratchLock held[sizeof(left) / sizeof(left[0])];
    for (size_t i = 0; i < sizeof(left) / sizeof(left[0]); ++i) {
        const std::string path = pathOf(left[i]);
        const bool made =
            !left[i].folder || (FolderCreate(path.c_str()) && WriteFileBytes((path + "\\kept.txt").c_str(), kEdited) &&
                                (!left[i].mark || WriteFileBytes((path + kScratchMark).c_str(), "")));
        const bool locked =
            left[i].lock == NO_LOCK || (left[i].lock == LOCK_FREE ? WriteFileBytes((path + ".lock").c_str(), "")
                                                                  : held[i].Take(path + ".lock", true));
        ASSERT_TRUE(made && locked) << left[i].name;
    }
    {
        const cScratchFolder third("bench_startup"), inGiven("bench_startup", given.Path().c_str());
        EXPECT_FALSE(third.Path().empty() || inGiven.Path().empty());
        for (const auto& l : left) {
            const std::string path = pathOf(l);
            EXPECT_EQ(l.kept && l.folder, FolderExists(path.c_str()) != 0) << path;
            if (l.kept && l.folder) {
                EXPECT_TRUE(ReadFileBytes((path + "\\kept.txt").c_str()) == kEdited) << path;
            }
            EXPECT_EQ(l.kept && l.lock != NO_LOCK, FileExists((path + ".lock").c_str()) != 0) << path;
        }
    }
    for (const auto& l : left) {
        const std::string path = pathOf(l);
        FolderDelete(nullptr, path.c_str());
        FileDelete((path + ".lock").c_str());
    }
    for (cScratchLock& lock : held) lock.Release();

    const struct {
        const char* command;
        std::vector<const char*> names;  // of the files it writes
    } runs[] = {
        {"BenchModel.exe 1", {"bench_model.dat", "bench_model_direct.dat"}},
        {"BenchSkills.exe 1 1", {"bench_skill.dat", "bench_system.dat"}},
        {"BenchSkillCsv.exe 1", {"bench_skill.csv", "bench_skill_plain.csv"}},
        {"BenchProject.exe --size 1", {}},
    };
    SampleFolder user;
    const auto entries = [&] {
        std::vector<std::string> names;
        FindFiles(user.folder.Path().c_str(), "*", &names);
        return names.size();
    };
    for (const auto& run : runs) {
        for (const char* name : run.names) ASSERT_TRUE(user.Write(name, kEdited)) << name;
        const size_t kept = entries();
        const cScratchFolder temp("bench_temp");
        EXPECT_EQ(0u, RunBuiltProgram(run.command, temp.Path())) << run.command;
        for (const char* name : run.names) EXPECT_TRUE(user.Read(name) == kEdited) << run.command << ": " << name;
        EXPECT_EQ(kept, entries()) << run.command;
        EXPECT_TRUE(FileDelete((temp.Path() + kScratchMark).c_str()) && RemoveDirectoryA(temp.Path().c_str()))
            << run.command << " left files in the temporary folder";
    }
}

}  // namespace
