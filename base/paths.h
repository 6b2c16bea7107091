// The project's path table, the default data and the path functions. Paths
// are code page 932 byte strings relative to the project folder (the current
// folder), with the backslash as separator.
#pragma once

#include <string>

#include "base/containers.h"
#include "base/file.h"

struct cPathTable {
    const char* Data = "data\\";
    const char* Default = "default\\";
    const char* DefaultStage = "data\\stg\\Default.stg2";
    const char* OldEditConfig = "data\\EditConfig.dat";  // read once and removed at start-up
    const char* EditConfig = "e_data\\EditConfig.dat";
    const char* TestPlay = "e_data\\Testplay.dat";
    const char* GValInfo = "data\\GValInfo.dat";
    const char* MoveAITemplate = "data\\MoveAITemplate.dat";
    const char* EventPlt = "data\\EventPlt.dat";
    const char* EventActionPlt = "data\\EventActionPlt.dat";
    const char* WorldMap = "data\\database\\WorldMap.dat";
    const char* StartEvent = "data\\database\\StartEvent.dat";
    const char* Class = "data\\database\\Class.dat";
    const char* Friend = "data\\database\\Friend.dat";
    const char* Enemy = "data\\database\\Enemy.dat";
    const char* Skill = "data\\database\\Skill.dat";
    const char* CompatiType = "data\\database\\CompatiType.dat";
    const char* Land = "data\\database\\Land.dat";
    const char* PartyVal = "data\\database\\PartyVal.dat";
    const char* Picture = "data\\database\\Picture.dat";
    const char* Back = "data\\database\\Back.dat";
    const char* Sound = "data\\database\\Sound.dat";
    const char* Bgm = "data\\database\\Bgm.dat";
    const char* CharaAnim = "data\\database\\CharaAnim.dat";
    const char* EffectAnim = "data\\database\\EffectAnim.dat";
    const char* Help = "data\\database\\Help.dat";
    const char* System = "data\\database\\System.dat";
    const char* ClassCsv = "csv\\Class.csv";    // reserved, unused
    const char* FriendCsv = "csv\\Friend.csv";  // reserved, unused
    const char* EnemyCsv = "csv\\Enemy.csv";    // reserved, unused
    const char* SkillCsv = "csv\\Skill";        // name prefix of the skill-list CSV files
    const char* LandCsv = "csv\\Land.csv";      // reserved, unused
    const char* UserData = "user_data\\";
    const char* KeyConfig = "user_data\\KeyConfig.dat";  // the game program's own files
    const char* Boot = "user_data\\Boot.dat";
    const char* Window = "user_data\\Window.dat";
    const char* Option = "user_data\\Option.dat";
};
// Constant, so that other globals may use it while they are built.
inline constexpr cPathTable g_PathTable{};

struct cExtTable {
    const char* Stage = "stg2";
    const char* MoveAI = "mva";
    const char* Palette = "plt";
    const char* Csv = "csv";
};
inline constexpr cExtTable g_ExtTable{};

inline constexpr const char* g_szSaveDataFolder = "user_data\\SaveData";

// The folders start-up makes when they are missing, in order (null-ended).
extern const char* const g_ProjectFolders[];
int CreateProjectFolders();  // 1 when all exist afterwards

// A new project's data: copies "default\" to "data\" after asking. 1 when
// "data\" exists afterwards (`created` 1 when it was made now); 0 when there
// is no default data, the user declines or the copy fails (`created` -1, and
// nothing of the copy is left).
int CreateDefaultData(HWND owner, int* created);

// ---- Path functions (buffers of MAX_PATH bytes) ------------------------------

// Lead byte of code page 932 followed by a trail byte.
int IsDoubleByteChar(unsigned char lead, unsigned char trail);
// Position of the last folder separator, -1 for none: a backslash that is not
// the second byte of a double-byte character. `before` limits the search to
// positions below it.
int FindLastSeparator(const char* path, int before);

int MakeRelativePath(char* path);
int MakeAbsolutePath(char* path);
int MakeRelativePathStr(std::string* path);
void StripFolderPart(char* path);
std::string& StripFolderPartStr(std::string& path);
void StripFileNamePart(char* path);
// The extension functions look for the last "." after the last separator.
int ReplaceExtension(char* destination, const char* name, const char* extension);
int GetExtension(char* destination, const char* name);
int IsExtension(const char* name, const char* extension);
int RemoveExtension(char* name);
int RemoveExtensionStr(std::string& name);
// Appends "<folder>\<name>" for every "<folder>\*.<extension>"; 0 when none.
int ListFiles(VECTOR_CLASS<std::string>& files, const char* folder, const char* extension);

// ---- Paths a project keeps -----------------------------------------------------
// A project names its files relative to its own folder, so that a copy of the
// folder uses and writes its own files, never those of the folder it came
// from. `folder` is the project folder's full path; names compare as the
// system compares them (letters of either case alike, double-byte characters
// whole).

// A path (full, or relative to `folder`) as the project keeps it: relative to
// `folder` when the file lies below it ("." and ".." resolved), else its full
// path as given. `inside` (optional) says which. An empty path stays empty.
std::string ProjectPathIn(const std::string& path, const std::string& folder, int* inside = nullptr);
// The file a stage path remembered in the settings stands for in the project
// `folder`: a file in the project in its project form. One outside (settings
// that came with a copied or moved project) is never taken: the stage of the
// same name in "data\stg\" when `exists` finds it there, else `fallback`.
std::string StoredStagePathIn(const std::string& stored, const std::string& folder, const std::string& fallback,
                              int (*exists)(const char* path));
// Both in the current folder, which is the project folder.
std::string ProjectPath(const std::string& path);
std::string StoredStagePath(const std::string& stored, const std::string& fallback);
