// The project's path table, the default data and the path functions. Paths
// are code page 932 byte strings relative to the project folder (the current
// folder), with the backslash as separator.
#pragma once

#include <string>

#include "model/containers.h"
#include "model/platform.h"

struct cPathTable {
    std::string Data = "data\\";
    std::string Default = "default\\";
    std::string DefaultStage = "data\\stg\\Default.stg2";
    std::string OldEditConfig = "data\\EditConfig.dat";  // read once and removed at start-up
    std::string EditConfig = "e_data\\EditConfig.dat";
    std::string TestPlay = "e_data\\Testplay.dat";
    std::string GValInfo = "data\\GValInfo.dat";
    std::string MoveAITemplate = "data\\MoveAITemplate.dat";
    std::string EventPlt = "data\\EventPlt.dat";
    std::string EventActionPlt = "data\\EventActionPlt.dat";
    std::string WorldMap = "data\\database\\WorldMap.dat";
    std::string StartEvent = "data\\database\\StartEvent.dat";
    std::string Class = "data\\database\\Class.dat";
    std::string Friend = "data\\database\\Friend.dat";
    std::string Enemy = "data\\database\\Enemy.dat";
    std::string Skill = "data\\database\\Skill.dat";
    std::string CompatiType = "data\\database\\CompatiType.dat";
    std::string Land = "data\\database\\Land.dat";
    std::string PartyVal = "data\\database\\PartyVal.dat";
    std::string Picture = "data\\database\\Picture.dat";
    std::string Back = "data\\database\\Back.dat";
    std::string Sound = "data\\database\\Sound.dat";
    std::string Bgm = "data\\database\\Bgm.dat";
    std::string CharaAnim = "data\\database\\CharaAnim.dat";
    std::string EffectAnim = "data\\database\\EffectAnim.dat";
    std::string Help = "data\\database\\Help.dat";
    std::string System = "data\\database\\System.dat";
    std::string ClassCsv = "csv\\Class.csv";    // reserved, unused
    std::string FriendCsv = "csv\\Friend.csv";  // reserved, unused
    std::string EnemyCsv = "csv\\Enemy.csv";    // reserved, unused
    std::string SkillCsv = "csv\\Skill";        // name prefix of the skill-list CSV files
    std::string LandCsv = "csv\\Land.csv";      // reserved, unused
    std::string UserData = "user_data\\";
    std::string KeyConfig = "user_data\\KeyConfig.dat";  // the game program's own files
    std::string Boot = "user_data\\Boot.dat";
    std::string Window = "user_data\\Window.dat";
    std::string Option = "user_data\\Option.dat";
};
extern const cPathTable g_PathTable;

struct cExtTable {
    std::string Stage = "stg2";
    std::string MoveAI = "mva";
    std::string Palette = "plt";
    std::string Csv = "csv";
};
extern const cExtTable g_ExtTable;

extern const std::string g_strSaveDataFolder;  // "user_data\SaveData"

// The folders start-up makes when they are missing, in order (null-ended).
extern const char* const g_ProjectFolders[];
int CreateProjectFolders();  // 1 when all exist afterwards

// A new project's data: copies "default\" to "data\" after asking. 1 when
// "data\" exists afterwards (`created` 1 when it was made now); 0 when there
// is no default data, the user declines or the copy fails (nothing is left).
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
