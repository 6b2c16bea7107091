#include "model/project_files.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "base/editor_settings.h"
#include "base/paths.h"
#include "base/report.h"
#include "model/ai.h"
#include "model/chara.h"
#include "model/class.h"
#include "model/event.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/media_database.h"
#include "model/skill.h"
#include "model/stage.h"
#include "model/system.h"
#include "model/worldmap.h"

cFixupInputs FixupInputsOf(const cProject& project) {
    cFixupInputs in;
    in.Elements = project.System->Elements.size();
    const cDatabase& db = *project.Database;
    in.CompatiTypes = db.CompatiTypes.size();
    in.PtVals = db.PtVals.size();
    in.Pictures = db.Pictures.size();
    in.Backs = db.Backs.size();
    in.Sounds = db.Sounds.size();
    in.Bgms = db.Bgms.size();
    in.Lands = project.Lands->size();
    in.Friends = project.Friends->size();
    in.Enemies = project.Enemies->size();
    in.SkillLists = project.SkillLists;
    in.Classes = project.Classes;
    in.Stage = project.Stage->Bounds();
    return in;
}

cFixupInputs ProjectFixupInputs() { return FixupInputsOf(g_Project); }

namespace {

// ---- How each row reads and writes its record or list -----------------------------

template <auto List>
int LoadList(const cProject& p, const char* path) {
    return LoadRecordList(*(p.*List), path);
}
template <auto List>
int SaveList(const cProject& p, const char* path) {
    return SaveRecordList(*(p.*List), path);
}
template <auto Record>
int LoadRecord(const cProject& p, const char* path) {
    return (p.*Record)->LoadFile(path);
}
template <auto Record>
int SaveRecord(const cProject& p, const char* path) {
    return (p.*Record)->SaveFile(path);
}
template <auto List>
int LoadMedia(const cProject& p, const char* path) {
    return LoadRecordList(p.Database->*List, path);
}
template <auto List>
int SaveMedia(const cProject& p, const char* path) {
    return SaveRecordList(p.Database->*List, path);
}

int LoadGValInfo(const cProject& p, const char* path) { return LoadGValInfoFile(*p.GValInfo, path); }
int SaveGValInfo(const cProject& p, const char* path) { return SaveGValInfoFile(*p.GValInfo, path); }
int LoadSkills(const cProject& p, const char* path) { return LoadSkillFile(*p.SkillLists, path); }
int SaveSkills(const cProject& p, const char* path) { return SaveSkillFile(*p.SkillLists, path); }

// The compatibility types' influences are bounded by the list's own count:
// while it is read, by none, as that count is known only once it is all in.
int LoadCompatiTypes(const cProject& p, const char* path) {
    VECTOR_CLASS<cCompatiType>& types = p.Database->CompatiTypes;
    {
        cFixupInputs in = FixupInputsOf(p);
        in.CompatiTypes = SIZE_MAX;
        cFixupScope reading(&in);
        if (!LoadRecordList(types, path)) return 0;
    }
    for (cCompatiType& type : types) type.ClampInfluences(types.size());
    return 1;
}
int SaveCompatiTypes(const cProject& p, const char* path) {
    cFixupInputs in = FixupInputsOf(p);
    in.CompatiTypes = p.Database->CompatiTypes.size();
    cFixupScope writing(&in);
    return SaveRecordList(p.Database->CompatiTypes, path);
}

// Test-play settings older than this were kept in the editor settings.
const uint32_t kTestPlayFileVersion = 221;

// Without its own file, the version last read is System.dat's: an older
// project's settings are those its editor settings kept.
int LoadTestPlay(const cProject& p, const char* path) {
    cTestPlay& play = *p.TestPlay;
    if (play.LoadFile(path)) return 1;
    if (g_nFileVersion < kTestPlayFileVersion) {
        play.Clear();
        play.AutoFind = g_EditConfig.OldUseDefaultGame;
        play.GamePath = g_EditConfig.OldGamePath;
        play.Training = 2;
    }
    return 0;
}

int LoadEventPaletteFile(const cProject& p, const char* path) { return LoadEventPalette(*p.EventPalette, path); }

// clang-format off
const cProjectFile kFiles[] = {
    // path                          holds                         media apply a failed load
    {g_PathTable.GValInfo,        "common-variable names",            0,  0, LOAD_STOPS,
     LoadGValInfo, SaveGValInfo},
    {g_PathTable.CompatiType,     "compatibility types",              1,  1, LOAD_STOPS,
     LoadCompatiTypes, SaveCompatiTypes},
    {g_PathTable.PartyVal,        "party variables",                  1,  2, LOAD_STOPS,
     LoadMedia<&cDatabase::PtVals>, SaveMedia<&cDatabase::PtVals>},
    {g_PathTable.CharaAnim,       "character animations",             1,  5, LOAD_STOPS,
     LoadMedia<&cDatabase::CharaAnims>, SaveMedia<&cDatabase::CharaAnims>},
    {g_PathTable.EffectAnim,      "effect animations",                1,  6, LOAD_STOPS,
     LoadMedia<&cDatabase::EffectAnims>, SaveMedia<&cDatabase::EffectAnims>},
    {g_PathTable.Picture,         "pictures",                         1,  3, LOAD_STOPS,
     LoadMedia<&cDatabase::Pictures>, SaveMedia<&cDatabase::Pictures>},
    {g_PathTable.Back,            "backgrounds",                      1,  4, LOAD_STOPS,
     LoadMedia<&cDatabase::Backs>, SaveMedia<&cDatabase::Backs>},
    {g_PathTable.Sound,           "sound effects",                    1,  7, LOAD_STOPS,
     LoadMedia<&cDatabase::Sounds>, SaveMedia<&cDatabase::Sounds>},
    {g_PathTable.Bgm,             "BGM",                              1,  8, LOAD_STOPS,
     LoadMedia<&cDatabase::Bgms>, SaveMedia<&cDatabase::Bgms>},
    {g_PathTable.Help,            "help pages",                       1,  9, LOAD_STOPS,
     LoadMedia<&cDatabase::Helps>, SaveMedia<&cDatabase::Helps>},
    {g_PathTable.System,          "system settings",                  0, 15, LOAD_STOPS,
     LoadRecord<&cProject::System>, SaveRecord<&cProject::System>},
    {g_PathTable.TestPlay,        "test-play settings",               0,  0, LOAD_TAKES_OVER,
     LoadTestPlay, SaveRecord<&cProject::TestPlay>},
    {g_PathTable.Land,            "lands",                            0, 13, LOAD_STOPS,
     LoadList<&cProject::Lands>, SaveList<&cProject::Lands>},
    {g_PathTable.Skill,           "skill lists, renumbered on loading", 0, 14, LOAD_STOPS,
     LoadSkills, SaveSkills},
    {g_PathTable.Class,           "classes",                          0, 10, LOAD_STOPS,
     LoadList<&cProject::Classes>, SaveList<&cProject::Classes>},
    {g_PathTable.Friend,          "allies",                           0, 11, LOAD_STOPS,
     LoadList<&cProject::Friends>, SaveList<&cProject::Friends>},
    {g_PathTable.Enemy,           "enemies",                          0, 12, LOAD_STOPS,
     LoadList<&cProject::Enemies>, SaveList<&cProject::Enemies>},
    {g_PathTable.DefaultStage,    "the default stage, into the stage", 0,  0, LOAD_KEEPS,
     LoadRecord<&cProject::Stage>, SaveRecord<&cProject::Stage>},
    {g_PathTable.MoveAITemplate,  "movement-AI templates",            0,  0, LOAD_STOPS,
     LoadList<&cProject::MoveAITemplates>, SaveList<&cProject::MoveAITemplates>},
    {g_PathTable.EventPlt,        "event palette",                    0,  0, LOAD_FALLS_BACK,
     LoadEventPaletteFile, SaveList<&cProject::EventPalette>},
    {g_PathTable.EventActionPlt,  "action palette",                   0,  0, LOAD_STOPS,
     LoadList<&cProject::ActionPalette>, SaveList<&cProject::ActionPalette>},
    {g_PathTable.WorldMap,        "world map",                        0, 16, LOAD_STOPS,
     LoadRecord<&cProject::WorldMap>, SaveRecord<&cProject::WorldMap>},
    {g_PathTable.StartEvent,      "start event",                      0,  0, LOAD_STOPS,
     LoadRecord<&cProject::StartEvent>, SaveRecord<&cProject::StartEvent>},
};
// clang-format on

// The rows Apply writes, in its order.
std::vector<const cProjectFile*> InApplyOrder() {
    std::vector<const cProjectFile*> rows;
    for (const cProjectFile& file : kFiles)
        if (file.ApplyOrder > 0) rows.push_back(&file);
    std::sort(rows.begin(), rows.end(),
              [](const cProjectFile* a, const cProjectFile* b) { return a->ApplyOrder < b->ApplyOrder; });
    return rows;
}

// Every skill's learning class within the class list.
void FixupSkillClasses(const cProject& project) {
    const cFixupInputs in = FixupInputsOf(project);
    for (cSkillList& list : *project.SkillLists)
        for (cSkill& skill : list.vSkill) skill.FixupClass(in);
}

int LoadMediaFiles(const cProject& project) {
    for (const cProjectFile& file : kFiles) {
        if (!file.Media) continue;
        // Help pages came with Bgm.dat's version 212; older projects keep the defaults.
        if (IsFile(file, g_PathTable.Help) && g_nFileVersion < 212) continue;
        if (!LoadProjectFile(project, file, file.Path)) {
            ReportLoadFailure(file.Path);
            return 0;
        }
    }
    FixupSkillClasses(project);
    return 1;
}

// Writes `file`; a failure is named in the report log and, when it is the
// first, in `failedPath`.
int SaveNamingFailure(const cProject& project, const cProjectFile& file, const std::string& path,
                      std::string* failedPath) {
    if (SaveProjectFile(project, file, path)) return 1;
    Report("書き込み失敗 : %s", path.c_str());
    if (failedPath && failedPath->empty()) *failedPath = path;
    return 0;
}

int SaveMediaFiles(const cProject& project, std::string* failedPath) {
    if (failedPath) failedPath->clear();
    FixupSkillClasses(project);
    int ok = 1;
    for (const cProjectFile* file : InApplyOrder())
        if (file->Media) ok &= SaveNamingFailure(project, *file, file->Path, failedPath);
    return ok;
}

// The project with another media database.
cProject WithDatabase(cDatabase& db) {
    cProject project = g_Project;
    project.Database = &db;
    return project;
}

}  // namespace

cProjectFileRange ProjectFiles() { return {std::begin(kFiles), std::end(kFiles)}; }

const cProjectFile* FindProjectFile(const std::string& path) {
    for (const cProjectFile& file : kFiles)
        if (path == file.Path) return &file;
    return nullptr;
}

std::string ProjectFilePath(const cProjectFile& file) {
    if (IsFile(file, g_PathTable.DefaultStage)) return g_EditConfig.DefaultStage;
    return file.Path;
}

int LoadProjectFile(const cProject& project, const cProjectFile& file, const std::string& path) {
    const cFixupInputs in = FixupInputsOf(project);
    cFixupScope scope(&in);
    return file.Load(project, path.c_str());
}

int SaveProjectFile(const cProject& project, const cProjectFile& file, const std::string& path) {
    const cFixupInputs in = FixupInputsOf(project);
    cFixupScope scope(&in);
    return file.Save(project, path.c_str());
}

int LoadDataFiles(const cProject& project, int keepGoing, void (*afterStep)(const cProjectFile& file, int ok)) {
    bool mediaRead = false;
    for (const cProjectFile& file : kFiles) {
        int ok;
        if (file.Media) {
            if (mediaRead) continue;
            mediaRead = true;
            ok = LoadMediaFiles(project);  // names its own file
        } else {
            const std::string path = ProjectFilePath(file);
            ok = LoadProjectFile(project, file, path);
            // Memory that ran out is said even where a failure is no failure.
            if (!ok && (file.Failure == LOAD_STOPS || g_bFileOutOfMemory)) ReportLoadFailure(path);
        }
        if (!ok && file.Failure == LOAD_STOPS && !keepGoing) return 0;
        if (afterStep) afterStep(file, ok);
    }
    return 1;
}

int SaveDatabaseFiles(const cProject& project, std::vector<std::string>* failed) {
    if (failed) failed->clear();
    FixupSkillClasses(project);
    int ok = 1;
    for (const cProjectFile* file : InApplyOrder()) {
        if (SaveNamingFailure(project, *file, file->Path, nullptr)) continue;
        ok = 0;
        if (failed) failed->push_back(file->Path);
    }
    return ok;
}

int LoadMediaDatabase(cDatabase& db) { return LoadMediaFiles(WithDatabase(db)); }

int SaveMediaDatabase(cDatabase& db, std::string* failedPath) { return SaveMediaFiles(WithDatabase(db), failedPath); }
