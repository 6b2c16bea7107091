// What the project is made of, said once: the table of its data files, with
// the record or list each holds, its place in the project load, its place in
// the database sheet's Apply and what a failed load does. The project load,
// Apply, the benchmarks, the sample writer and the tests walk this table.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "base/containers.h"
#include "model/fixup_inputs.h"

class cDatabase;
class cEnemy;
class cEvent;
class cEventActPlt;
class cFriend;
class cGValInfo;
class cLand;
class cMoveAITemplate;
class cStage;
class cSystem;
class cTestPlay;
class cWorldMap;

// The records one project is made of. The editor's, g_Project, points at the
// global records; a tool or a test may point members at records of its own.
struct cProject {
    VECTOR_CLASS<cGValInfo>* GValInfo;
    cDatabase* Database;
    cSystem* System;
    cTestPlay* TestPlay;
    VECTOR_CLASS<cLand>* Lands;
    VECTOR_CLASS<cSkillList>* SkillLists;
    VECTOR_CLASS<cClass>* Classes;
    VECTOR_CLASS<cFriend>* Friends;
    VECTOR_CLASS<cEnemy>* Enemies;
    cStage* Stage;  // the stage being edited; the load puts the default stage here
    VECTOR_CLASS<cMoveAITemplate>* MoveAITemplates;
    VECTOR_CLASS<cEvent>* EventPalette;
    VECTOR_CLASS<cEventActPlt>* ActionPalette;
    cWorldMap* WorldMap;
    cEvent* StartEvent;
};

extern const cProject g_Project;

// What the fix-ups read from `project`: the sizes of its lists and the
// bounds of its stage.
cFixupInputs FixupInputsOf(const cProject& project);

// What a failed load of a file does.
enum eLoadFailure {
    LOAD_STOPS,       // the load-failure message names it and the project does not open
    LOAD_TAKES_OVER,  // an old project's test-play settings come from the editor settings
    LOAD_KEEPS,       // the record stays as it was
    LOAD_FALLS_BACK,  // "data\plt\default.plt", else one event "デフォルト"
};

struct cProjectFile {
    const char* Path;   // relative to the project folder
    const char* Holds;  // the record or list, in words
    int Media;          // one of the media database's nine, read and written as its part
    int ApplyOrder;     // place among the files Apply writes; 0: a command of its own saves it
    eLoadFailure Failure;
    int (*Load)(const cProject& project, const char* path);  // 1 read whole
    int (*Save)(const cProject& project, const char* path);  // 1 written
};

// The rows, in the order of the project load.
struct cProjectFileRange {
    const cProjectFile* First;
    const cProjectFile* Last;
    const cProjectFile* begin() const { return First; }
    const cProjectFile* end() const { return Last; }
    size_t size() const { return static_cast<size_t>(Last - First); }
};
cProjectFileRange ProjectFiles();

// The row of `path` (a path of the table), or null.
const cProjectFile* FindProjectFile(const std::string& path);
inline bool IsFile(const cProjectFile& file, const char* path) { return std::strcmp(file.Path, path) == 0; }
// Where the project keeps the file: its path, but for the default stage the
// one the editor settings name.
std::string ProjectFilePath(const cProjectFile& file);

// Reads or writes one file at `path` with the fix-up inputs of `project` as
// it stands; 1 read whole, or written.
int LoadProjectFile(const cProject& project, const cProjectFile& file, const std::string& path);
int SaveProjectFile(const cProject& project, const cProjectFile& file, const std::string& path);

// Reads the table in its order into `project`: the media database's nine as
// one step (LoadMediaDatabase), every other file by its row. A file whose
// failure stops the load shows the load-failure message, and the result is 0
// at once unless `keepGoing`, which skips it. `afterStep`, when given, is
// told the result of every step the load goes on after (for the media
// database, with its first row).
int LoadDataFiles(const cProject& project, int keepGoing,
                  void (*afterStep)(const cProjectFile& file, int ok) = nullptr);

// The database sheet's Apply: the media database (SaveMediaDatabase), then
// every other file with an Apply order, in that order. A file that cannot be
// written is named in the report log (and in `failed`, when given) and the
// others are still written; 1 when every file was written.
int SaveDatabaseFiles(const cProject& project, std::vector<std::string>* failed = nullptr);
