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
    const std::string first = MakeScratchFolder("bench_startup");
    ASSERT_TRUE(!first.empty() && WriteFileBytes((first + "\\kept.txt").c_str(), kEdited));
    const std::string second = MakeScratchFolder("bench_startup");
    EXPECT_TRUE(FolderExists(second.c_str()));
    EXPECT_NE(first, second);
    EXPECT_TRUE(ReadFileBytes((first + "\\kept.txt").c_str()) == kEdited);
    FolderDelete(nullptr, first.c_str());
    FolderDelete(nullptr, second.c_str());

    // What a stopped run left there goes at the next run; a running program's folder and others stay.
    char temp[MAX_PATH];
    ASSERT_NE(0u, GetTempPathA(sizeof(temp), temp));
    const std::string stopped = std::string(temp) + "bench_startup_4000000_0",
                      running = std::string(temp) + "bench_startup_" + std::to_string(GetCurrentProcessId()) + "_7",
                      other = std::string(temp) + "bench_startup_4000000_old";
    for (const std::string& left : {stopped, running, other})
        ASSERT_TRUE(FolderCreate(left.c_str()) && WriteFileBytes((left + "\\kept.txt").c_str(), kEdited));
    const std::string third = MakeScratchFolder("bench_startup");
    EXPECT_FALSE(FolderExists(stopped.c_str()));
    EXPECT_TRUE(FolderExists(running.c_str()) && FolderExists(other.c_str()));
    for (const std::string& made : {third, running, other}) FolderDelete(nullptr, made.c_str());

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
        const std::string temp = MakeScratchFolder("bench_temp");
        EXPECT_EQ(0u, RunBuiltProgram(run.command, temp)) << run.command;
        for (const char* name : run.names) EXPECT_TRUE(user.Read(name) == kEdited) << run.command << ": " << name;
        EXPECT_EQ(kept, entries()) << run.command;
        EXPECT_TRUE(RemoveDirectoryA(temp.c_str())) << run.command << " left files in the temporary folder";
        FolderDelete(nullptr, temp.c_str());
    }
}

}  // namespace
