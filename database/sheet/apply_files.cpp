#include "database/sheet/apply_files.h"

#include "base/paths.h"
#include "base/report.h"
#include "model/chara.h"
#include "model/class.h"
#include "model/land.h"
#include "model/media_database.h"
#include "model/skill.h"
#include "model/system.h"
#include "model/worldmap.h"

namespace {

struct cApplyFile {
    const char* path;
    int (*save)(const char* path);
};

const cApplyFile kApplyFiles[] = {
    {g_PathTable.CompatiType,
     [](const char* p) { return SaveRecordList(g_Database.CompatiTypes, p); }},
    {g_PathTable.PartyVal, [](const char* p) { return SaveRecordList(g_Database.PtVals, p); }},
    {g_PathTable.Picture, [](const char* p) { return SaveRecordList(g_Database.Pictures, p); }},
    {g_PathTable.Back, [](const char* p) { return SaveRecordList(g_Database.Backs, p); }},
    {g_PathTable.CharaAnim, [](const char* p) { return SaveRecordList(g_Database.CharaAnims, p); }},
    {g_PathTable.EffectAnim,
     [](const char* p) { return SaveRecordList(g_Database.EffectAnims, p); }},
    {g_PathTable.Sound, [](const char* p) { return SaveRecordList(g_Database.Sounds, p); }},
    {g_PathTable.Bgm, [](const char* p) { return SaveRecordList(g_Database.Bgms, p); }},
    {g_PathTable.Help, [](const char* p) { return SaveRecordList(g_Database.Helps, p); }},
    {g_PathTable.Class, [](const char* p) { return SaveRecordList(g_ClassList, p); }},
    {g_PathTable.Friend, [](const char* p) { return SaveRecordList(g_FriendList, p); }},
    {g_PathTable.Enemy, [](const char* p) { return SaveRecordList(g_EnemyList, p); }},
    {g_PathTable.Land, [](const char* p) { return SaveRecordList(g_LandList, p); }},
    {g_PathTable.Skill, [](const char* p) { return SaveSkillFile(g_SkillLists, p); }},
    {g_PathTable.System, [](const char* p) { return g_System.SaveFile(p); }},
    {g_PathTable.WorldMap, [](const char* p) { return g_WorldMap.SaveFile(p); }},
};

}  // namespace

int WriteDatabaseFiles(std::vector<std::string>* failed) {
    failed->clear();
    // A skill's class beyond the class list is none, before any file is written.
    for (cSkillList& list : g_SkillLists)
        for (cSkill& skill : list.vSkill) skill.FixupClass();
    for (const cApplyFile& file : kApplyFiles) {
        if (file.save(file.path)) continue;
        Report("書き込み失敗 : %s", file.path);
        failed->push_back(file.path);
    }
    return failed->empty();
}
