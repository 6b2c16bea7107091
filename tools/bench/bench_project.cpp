// BenchProject [--size N] [folder [keep]]: writes a large synthetic project
// into a new folder, relative to the current one or absolute (a new temporary
// folder when none is given; a folder that is there already is refused, as only
// what the benchmark made is removed), checks that it holds every file, then
// loads and saves every data file in the order of the project's file table, and
// prints for each step of the project load the milliseconds and MB/s of the
// load and of the save beside one plain read of the same bytes. The exit code
// is 1 when anything could not be written or read back, 2 for arguments it does
// not take.
//
// The project at its full size, 16 (the default): 16 skill lists of 999
// skills, 999 classes, allies and enemies, 100 stages of 64 x 64 with enemies
// and events, a full world map. --size N (1 to 16) makes the skills, classes,
// allies, enemies and stages N sixteenths of that, so that sizes 1, 4 and 16
// show how the load grows with the data.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "base/paths.h"
#include "model/ai.h"
#include "model/chara.h"
#include "model/class.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/media_database.h"
#include "model/project_files.h"
#include "model/stage.h"
#include "model/worldmap.h"
#include "tools/bench/scratch_folder.h"

namespace {

enum { FULL_SIZE = 16, RUNS = 3 };

int s_nSize = FULL_SIZE;
int s_nStages = 100;
VECTOR_CLASS<cStage> s_stages;

// `full` records at the full size, in proportion at the others.
int Scaled(int full) { return std::max(1, (full * s_nSize + FULL_SIZE / 2) / FULL_SIZE); }

double Seconds(const std::function<int()>& work, int* ok) {
    const auto start = std::chrono::steady_clock::now();
    *ok &= work();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

std::string StagePath(int i) {
    char name[64];
    std::snprintf(name, sizeof(name), "data\\stg\\Stage%03d.stg2", i);
    return name;
}

// ---- The synthetic project ----------------------------------------------------------

cEventAct Act(int kind, int value) {
    cEventAct act;
    act.Kind = kind;
    act.FixupParams(ProjectFixupInputs());
    for (int& v : act.Ints) v = value;
    for (std::string& s : act.Strs) s = "ベンチマーク用のメッセージです。";
    return act;
}

cEvent SyntheticEvent(int i) {
    cEvent event;
    event.Name = "イベント" + std::to_string(i);
    event.Pages.resize(2);
    for (cEventPage& page : event.Pages) {
        page.CommandName = "技";
        for (int kind : {EACT_MESSAGE, EACT_PICTURE, EACT_STATUS, EACT_CREASEGVAL, EACT_WAIT})
            page.Acts.push_back(Act(kind, 1));
    }
    return event;
}

void BuildDatabase() {
    g_GValInfo.resize(GVALINFO_COUNT);
    for (size_t i = 1; i < g_GValInfo.size(); ++i) g_GValInfo[i].Name = "変数" + std::to_string(i);
    g_Database.Backs.resize(200);
    g_Database.Bgms.resize(200);
    g_Database.Sounds.resize(200);
    g_Database.Pictures.resize(200);
    g_Database.PtVals.resize(50);
    g_Database.Helps.resize(100);
    for (cEdHelp& help : g_Database.Helps) help.vText.resize(20);
    g_LandList.resize(256);
    for (cLand& land : g_LandList) land.Name = "平地";
    g_SkillLists.resize(16);
    for (cSkillList& list : g_SkillLists) {
        list.strName = "スキルリスト";
        list.vCateg.resize(8);
        list.vSkill.resize(static_cast<size_t>(Scaled(999)));
        for (cSkill& skill : list.vSkill) skill.strName = "ファイアボール";
    }
    RenumberSkillLists(g_SkillLists);
    g_ClassList.resize(static_cast<size_t>(Scaled(999)));
    for (cClass& c : g_ClassList) {
        c.Fixup(ProjectFixupInputs());
        c.Name = "ファイター";
    }
    g_FriendList.resize(static_cast<size_t>(Scaled(999)));
    for (cFriend& f : g_FriendList) f.Name = "アレックス";
    g_EnemyList.resize(static_cast<size_t>(Scaled(999)));
    for (cEnemy& e : g_EnemyList) {
        e.Name = "スライム";
        e.MoveAI.resize(2);
        e.BattleAI.resize(2);
    }
    g_MoveAITemplates.resize(100);
    for (cMoveAITemplate& t : g_MoveAITemplates) t.Rules.resize(4);
}

void BuildEvents() {
    g_EventPlt.clear();
    for (int i = 0; i < PALETTE_MAX; ++i) g_EventPlt.push_back(SyntheticEvent(i));
    g_EventActPlt.resize(PALETTE_MAX);
    for (cEventActPlt& entry : g_EventActPlt) {
        entry.Name = "回復";
        entry.Description = "全員のHPを回復する";
        entry.Acts = g_EventPlt[0].Pages[0].Acts;
    }
    g_StartEvent = SyntheticEvent(0);
    for (cEventPage& page : g_StartEvent.Pages) page.Acts.assign(5, Act(EACT_CREASEGVAL, 1));

    cWorldMap& map = g_WorldMap;
    map.SetDefault();
    map.Resize(cWorldMap::MAX_WIDTH, cWorldMap::MAX_HEIGHT);
    map.Chips.resize(64);
    for (int y = 0; y < map.Height; ++y)
        for (int x = 0; x < map.Width; ++x) map.SetChip(x, y, (x * y) % 64);
    cWorldEvent event;
    event.Pages.resize(3);
    for (int i = 0; i < 500; ++i) {
        event.Name = "町" + std::to_string(i);
        event.Pages[0].StageNo = i + 1;
        event.Pages[0].StageFile = StagePath(i % s_nStages);
        map.PlaceAt(event, i % map.Width, i / map.Width);
    }
    map.EventTemplates.assign(100, event);
}

cStage SyntheticStage(int i) {
    cStage stage;
    stage.Name = "ステージ" + std::to_string(i);
    stage.Resize(cStage::MAX_SIZE, cStage::MAX_SIZE);
    for (int y = 0; y < stage.Height; ++y)
        for (int x = 0; x < stage.Width; ++x) stage.SetChip(x, y, (x + y + i) % 256);
    stage.Groups.resize(10);
    for (cGroupPos& group : stage.Groups)
        for (int c = 0; c < 8; ++c) group.Cells.push_back({c, c});
    stage.PutEnemies.resize(50);
    for (size_t e = 0; e < stage.PutEnemies.size(); ++e) {
        stage.PutEnemies[e].Enemy = 1 + static_cast<int>(e);
        stage.PutEnemies[e].X = static_cast<int>(e);
        stage.PutEnemies[e].Y = static_cast<int>(e % 64);
        stage.PutEnemies[e].MoveAI.resize(3);
    }
    for (int e = 0; e < 100; ++e) {
        cEvent event = SyntheticEvent(e);
        stage.PlaceAt(event, e % 64, e / 64 + 10);
    }
    stage.WinConds.resize(3);
    stage.LoseConds.resize(3);
    return stage;
}

// Every file of the table (the stage, untouched, is a new stage), then the
// stages.
int SaveProject() {
    int ok = 1;
    for (const char* dir : {"data", "data\\database", "data\\stg", "data\\plt", "e_data"}) ok &= FolderCreate(dir);
    for (const cProjectFile& file : ProjectFiles()) ok &= SaveProjectFile(g_Project, file, ProjectFilePath(file));
    s_stages.resize(static_cast<size_t>(s_nStages));
    for (int i = 0; i < s_nStages; ++i) {
        s_stages[i] = SyntheticStage(i);
        ok &= s_stages[i].SaveFile(StagePath(i));
    }
    return ok;
}

// ---- One step of the project load ---------------------------------------------------

struct cStep {
    std::string name;
    std::vector<std::string> files;
    std::function<int()> load;
    std::function<int()> save;
    double bytes = 0;
    double read = 1e30, loaded = 1e30, saved = 1e30;
};

std::vector<std::string> StageFiles() {
    std::vector<std::string> files;
    for (int i = 0; i < s_nStages; ++i) files.push_back(StagePath(i));
    return files;
}

// The steps of the project load, from the project's file table: the media
// database's nine files are one step. The stages come last, as the editor
// opens them one by one.
std::vector<cStep> LoadOrder() {
    std::vector<cStep> steps;
    cStep media{"media database (9 files)",
                {},
                [] { return LoadMediaDatabase(g_Database); },
                [] { return SaveMediaDatabase(g_Database); }};
    for (const cProjectFile& file : ProjectFiles()) {
        const std::string path = ProjectFilePath(file);
        if (file.Media) {
            if (steps.empty() || steps.back().name != media.name) steps.push_back(media);
            steps.back().files.push_back(path);
            continue;
        }
        std::string name = path;
        const cProjectFile* row = &file;
        steps.push_back({StripFolderPartStr(name),
                         {path},
                         [row, path] { return LoadProjectFile(g_Project, *row, path); },
                         [row, path] { return SaveProjectFile(g_Project, *row, path); }});
    }
    steps.push_back({std::to_string(s_nStages) + " stages of 64 x 64", StageFiles(),
                     [] {
                         int ok = 1;
                         for (int i = 0; i < s_nStages; ++i) ok &= s_stages[i].LoadFile(StagePath(i));
                         return ok;
                     },
                     [] {
                         int ok = 1;
                         for (int i = 0; i < s_nStages; ++i) ok &= s_stages[i].SaveFile(StagePath(i));
                         return ok;
                     }});
    return steps;
}

// Every file of the table and every stage stands in `folder`, where the
// benchmark wrote them.
int HoldsTheProject(const std::string& folder) {
    for (const cProjectFile& file : ProjectFiles())
        if (!FileExists((folder + "\\" + ProjectFilePath(file)).c_str())) return 0;
    for (int i = 0; i < s_nStages; ++i)
        if (!FileExists((folder + "\\" + StagePath(i)).c_str())) return 0;
    return 1;
}

void PrintRow(const char* name, double bytes, double read, double load, double save) {
    const double mb = bytes / 1e6;
    std::printf("%-26s %8.2f %9.1f %8.1f %9.1f %8.1f %9.1f %8.1f\n", name, mb, read * 1e3, mb / read, load * 1e3,
                mb / load, save * 1e3, mb / save);
}

}  // namespace

int main(int argc, char** argv) {
    g_nDataVersion = DATA_VERSION;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 2 && args[0] == "--size") {
        s_nSize = std::atoi(args[1].c_str());
        args.erase(args.begin(), args.begin() + 2);
    }
    if (s_nSize < 1 || s_nSize > FULL_SIZE || args.size() > 2 || (args.size() == 2 && args[1] != "keep")) {
        std::printf("BenchProject [--size 1..16] [folder [keep]]\n");
        return 2;
    }
    s_nStages = Scaled(100);
    const cScratchFolder scratch(args.empty() ? "bench_project" : nullptr);
    const std::string folder = args.empty() ? scratch.Path() : args[0];
    // "keep" leaves the project for the start-up benchmark.
    const bool keep = args.size() == 2;
    char home[MAX_PATH], full[MAX_PATH];
    // The folder as given, relative to the current one or absolute.
    if (folder.empty() || !GetCurrentFolder(home, sizeof(home)) || !GetFullPath(folder.c_str(), full, sizeof(full))) {
        std::printf("cannot resolve %s\n", folder.empty() ? "a new temporary folder" : folder.c_str());
        return 1;
    }
    if (!args.empty() && (FolderExists(full) || FileExists(full))) {
        std::printf("%s is there already: give a new folder\n", full);
        return 1;
    }
    // Paths are relative to the project folder, as in the editor.
    if (!FolderCreate(full) || !EnterFolder(full)) {
        std::printf("cannot create %s\n", full);
        return 1;
    }

    auto build = std::chrono::steady_clock::now();
    BuildDatabase();
    BuildEvents();
    if (!SaveProject() || !HoldsTheProject(full)) {
        std::printf("writing the project to %s failed\n", full);
        EnterFolder(home);
        FolderDelete(nullptr, full);
        return 1;
    }
    const std::chrono::duration<double> built = std::chrono::steady_clock::now() - build;
    std::printf("synthetic project of size %d/16 (%d allies, %d stages) built and written in %.0f ms\n\n", s_nSize,
                Scaled(999), s_nStages, built.count() * 1e3);

    std::vector<cStep> steps = LoadOrder();
    int ok = 1;
    for (int run = 0; run < RUNS; ++run) {
        for (cStep& step : steps) {
            step.bytes = 0;
            step.read = std::min(step.read, Seconds(
                                                [&] {
                                                    for (const std::string& file : step.files) {
                                                        std::string bytes;
                                                        if (!FileReadAll(file.c_str(), &bytes)) return 0;
                                                        step.bytes += static_cast<double>(bytes.size());
                                                    }
                                                    return 1;
                                                },
                                                &ok));
            step.loaded = std::min(step.loaded, Seconds(step.load, &ok));
            step.saved = std::min(step.saved, Seconds(step.save, &ok));
        }
    }
    std::printf("best of %d runs; every step loads, then saves, in the project's load order\n", RUNS);
    std::printf("%-26s %8s %9s %8s %9s %8s %9s %8s\n", "file", "MB", "read ms", "MB/s", "load ms", "MB/s", "save ms",
                "MB/s");
    double bytes = 0, read = 0, loaded = 0, saved = 0;
    for (const cStep& step : steps) {
        PrintRow(step.name.c_str(), step.bytes, step.read, step.loaded, step.saved);
        bytes += step.bytes;
        read += step.read;
        loaded += step.loaded;
        saved += step.saved;
    }
    PrintRow("whole project", bytes, read, loaded, saved);
    if (!ok) std::printf("a load or save failed\n");
    if (!EnterFolder(home)) return 1;
    if (!keep) FolderDelete(nullptr, full);
    return ok ? 0 : 1;
}
