#include "tests/app/hostile_projects.h"

#include <cstring>
#include <functional>

#include "app/stage_rows.h"
#include "base/paths.h"
#include "base/serial.h"
#include "database/units/unit_rows.h"
#include "editing/shared_words.h"
#include "events/action_forms.h"
#include "model/ai.h"
#include "model/chara.h"
#include "model/class.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/media_database.h"
#include "model/project_files.h"
#include "model/skill.h"
#include "model/stage.h"
#include "model/system.h"
#include "model/worldmap.h"
#include "tests/support/seams.h"

const char kHostileStage[] = "data\\stg\\Sample.stg2";

namespace {

// One action of every kind that has a dialog, on the stage's first event and
// in the start event (the kinds it allows), so that each dialog opens on a
// stored action.
void AddEveryAction() {
    if (g_Stage.Events.empty()) g_Stage.Events.emplace_back();
    cEventPage& page = g_Stage.Events[0].Pages.At(0);
    cEventPage& start = g_StartEvent.Pages.At(0);
    page.Acts.clear();
    start.Acts.clear();
    for (int kind = EACT_MESSAGE; kind <= EACT_CHANGEPARTY; ++kind) {
        cEventAct act;
        act.Kind = kind;
        SizeActionParams(act);
        page.Acts.push_back(act);
        if (g_EventActKind[kind].bStartEvent) start.Acts.push_back(act);
    }
}

// Every list of records empty (the loader takes a list of no records), on
// the smallest stage and world map.
void EmptyLists() {
    g_SkillLists.clear();
    g_ClassList.clear();
    g_LandList.clear();
    g_FriendList.clear();
    g_EnemyList.clear();
    g_MoveAITemplates.clear();
    g_EventPlt.clear();
    g_EventActPlt.clear();
    cDatabase& db = g_Database;
    db.CompatiTypes.clear();
    db.PtVals.clear();
    db.CharaAnims.clear();
    db.EffectAnims.clear();
    db.Pictures.clear();
    db.Backs.clear();
    db.Sounds.clear();
    db.Bgms.clear();
    db.Helps.clear();
    g_System.Elements.clear();
    g_WorldMap.Chips.clear();
    g_WorldMap.EventTemplates.clear();
    g_WorldMap.Resize(1, 1);
    g_Stage.Groups.clear();
    g_Stage.Events[0].X = g_Stage.Events[0].Y = 0;
    g_Stage.Resize(1, 1);
}

// Records whose own lists are empty: skill lists without categories or
// slots, the first with its skills but no scene or menu, the last without
// even skill 0 but with more scenes and menu entries than the editor shows;
// characters, classes and rules without their tables, animations without
// frames, help pages without text, events without pages.
void InnerListsEmptyOrOverlong() {
    if (g_SkillLists.size() < 2) g_SkillLists.push_back(g_SkillLists.empty() ? cSkillList() : g_SkillLists.back());
    for (cSkillList& list : g_SkillLists) {
        list.vCateg.clear();
        list.vSlot.clear();
        for (VECTOR_CLASS<cCmd>* menu : {&list.vCmd, &list.vLearnMenu, &list.vSellMenu, &list.vForgetMenu})
            menu->resize(&list == &g_SkillLists.back() ? menu->size() + 2 : 0);
        list.vScene.resize(&list == &g_SkillLists.back() ? 16 : 0, 1);
    }
    g_SkillLists.back().vSkill.clear();
    for (cClass& c : g_ClassList) {
        c.OrgSlots.clear();
        c.Senses.clear();
        c.Resists.clear();
    }
    auto emptyChara = [](cChara& c) {
        c.LearntSkills.clear();
        c.Senses.clear();
        c.ClassSenses.clear();
        c.SenseBonus.clear();
        c.AcqSkills.clear();
        for (int k = 0; k < STAT_COUNT; ++k) {
            c.FixedGrowth[k].clear();
            c.RandomGrowthTable[k].clear();
        }
    };
    for (cFriend& ally : g_FriendList) emptyChara(ally);
    for (cEnemy& enemy : g_EnemyList) {
        emptyChara(enemy);
        enemy.MoveAI.clear();
        for (cBattleAI& rule : enemy.BattleAI) rule.Conds.clear();
    }
    for (cMoveAITemplate& t : g_MoveAITemplates) t.Rules.clear();
    for (cLand& land : g_LandList) land.ElemRate.clear();
    cDatabase& db = g_Database;
    for (cCompatiType& type : db.CompatiTypes) type.vInfl.clear();
    for (cCharaAnimPat& anim : db.CharaAnims) anim.vAnim.clear();
    for (cEffectAnimPat& anim : db.EffectAnims) anim.vAnim.clear();
    for (cEdHelp& help : db.Helps) help.vText.clear();
    for (cGroupPos& group : g_Stage.Groups) group.Cells.clear();
    for (cPutEnemy& enemy : g_Stage.PutEnemies) enemy.MoveAI.clear();
    // The first event keeps the page of every action.
    for (size_t i = 1; i < g_Stage.Events.size(); ++i) g_Stage.Events[i].Pages.clear();
    for (cEvent& event : g_EventPlt) event.Pages.clear();
    for (cEventActPlt& entry : g_EventActPlt) entry.Acts.clear();
    for (VECTOR_CLASS<cWorldEvent>* events : {&g_WorldMap.Events, &g_WorldMap.EventTemplates})
        for (cWorldEvent& event : *events) event.Pages.clear();
}

// Every reference that the loader does not repair names the record or word
// one past the last of its list.
void ReferencesPastTheEnd() {
    const int enemies = static_cast<int>(g_EnemyList.size());
    const int lists = static_cast<int>(g_SkillLists.size());
    const int variables = static_cast<int>(g_GValInfo.size());
    const int compare = WordCount(g_WordCompare);
    for (cPutEnemy& e : g_Stage.PutEnemies) {
        e.Enemy = enemies;
        for (cMoveAI& rule : e.MoveAI) {
            rule.Range = WordCount(g_WordMoveRange);
            rule.Target = WordCount(g_WordMoveTarget);
            rule.StatusParam = WordCount(g_WordMoveStatus);
            rule.StatusCompare = rule.GValCompare = compare;
            rule.JudgeType = WordCount(g_WordMoveJudge);
            rule.GVal = variables;
        }
    }
    for (cEndCond& line : g_Stage.WinConds) line.Target = WordCount(g_WordEndCondTarget);
    for (cEvent& event : g_Stage.Events) {
        for (cEventPage& page : event.Pages) {
            page.CommonVar = variables;
            page.EventVarCompare = page.CommonVarCompare = compare;
            for (cEventAct& act : page.Acts)
                for (int& value : act.Ints) value = variables;
        }
    }
    for (cEventAct& act : g_StartEvent.Pages.At(0).Acts)
        for (int& value : act.Ints) value = variables;
    for (cEnemy& enemy : g_EnemyList) {
        for (cBattleAI& rule : enemy.BattleAI) {
            rule.Action = WordCount(BattleAIActionNames);
            rule.SkillList = lists;
            for (cBattleAICond& cond : rule.Conds) {
                cond.Subject = WordCount(BattleAISubjectNames);
                cond.Item = WordCount(BattleAICondItemNames);
                cond.Comparison = compare;
            }
        }
    }
    for (cFriend& ally : g_FriendList)
        for (cLearnSkill& learnt : ally.LearntSkills) learnt.SkillList = lists;
    for (cMoveAITemplate& t : g_MoveAITemplates)
        for (cMoveAI& rule : t.Rules) rule.Target = WordCount(g_WordMoveTarget);
    for (cWorldEvent& event : g_WorldMap.Events) {
        for (cWorldEventPage& page : event.Pages) {
            page.CondVar = page.SetVar = variables;
            page.CondCompare = compare;
        }
    }
}

// The oldest version of each file among the fuzzers' seeds, where the loader
// takes it through every migration since (0: the current one). Stages, palettes
// and the start event hold actions only from 55 on.
int SeedVersion(const char* path) {
    const cPathTable& p = g_PathTable;
    const struct {
        const char* path;
        int version;
    } oldest[] = {
        {p.Skill, 4},     {p.CompatiType, 4},     {p.CharaAnim, 4},   {p.EffectAnim, 4},
        {p.Help, 4},      {p.System, 4},          {p.Class, 35},      {p.Friend, 45},
        {p.Enemy, 45},    {p.MoveAITemplate, 45}, {p.Land, 66},       {p.WorldMap, 20},
        {p.EventPlt, 55}, {p.EventActionPlt, 55}, {p.StartEvent, 55}, {kHostileStage, 55},
    };
    for (const auto& file : oldest)
        if (std::strcmp(file.path, path) == 0) return file.version;
    return 0;
}

// Writes `save`'s file in the version the project gives it.
int SaveIn(const cHostileProject& project, const char* path, const std::function<int()>& save) {
    const int version = project.VersionOf ? project.VersionOf(path) : 0;
    const int current = g_nDataVersion;
    if (version) g_nDataVersion = version;
    const int ok = save();
    g_nDataVersion = current;
    return ok;
}

}  // namespace

const cHostileProject kHostileProjects[] = {
    {"EmptyLists", EmptyLists, nullptr},
    {"InnerListsEmptyOrOverlong", InnerListsEmptyOrOverlong, nullptr},
    {"ReferencesPastTheEnd", ReferencesPastTheEnd, nullptr},
    {"OldestSeedVersions", [] {}, SeedVersion},
};

int HostileProjectCount() { return static_cast<int>(sizeof(kHostileProjects) / sizeof(kHostileProjects[0])); }

const cHostileProject& HostileProject(const char* name) {
    for (const cHostileProject& project : kHostileProjects)
        if (std::strcmp(project.Name, name) == 0) return project;
    return kHostileProjects[0];
}

int WriteHostileProject(const cHostileProject& project) {
    if (!LoadDataFiles(g_Project, 0) || !g_Stage.LoadFile(kHostileStage)) return 0;
    AddEveryAction();
    project.Damage();
    int ok = 1;
    for (const cProjectFile& file : ProjectFiles()) {
        const std::string path = ProjectFilePath(file);
        ok &= SaveIn(project, file.Path, [&] { return SaveProjectFile(g_Project, file, path); });
    }
    return ok & SaveIn(project, kHostileStage, [] { return g_Stage.SaveFile(kHostileStage); });
}
