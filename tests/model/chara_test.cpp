// Characters: defaults and the globals they read while the program is being
// built, the repair at the edges of every list, the slot layout, acquisition
// and learning by level.
#include "tests/model/records.h"

namespace {

// Built before main() with every other global of this program: what the
// model's globals looked like to them.
struct cEarlyView {
    size_t params;
    size_t elements;
    size_t backs;
    cEnemy enemy;
    cClass cls;
    cLand land;
    cEarlyView()
        : params(g_System.ParamInfo.size()), elements(g_System.Elements.size()), backs(g_Database.Backs.size()) {}
};
cEarlyView g_early;

class CharaTest : public RecordsTest {};

TEST_F(CharaTest, GlobalsBuiltBeforeMainSeeTheModelGlobalsBuilt) {
    const cSystem fresh;
    EXPECT_EQ(g_early.params, fresh.ParamInfo.size());
    EXPECT_EQ(g_early.elements, fresh.Elements.size());
    EXPECT_EQ(g_early.backs, cDatabase().Backs.size());
    ASSERT_EQ(g_early.enemy.BattleAI.size(), 1u);  // manual battle, the default mode
    EXPECT_EQ(g_early.enemy.BattleAI[0].Action, BATTLEAI_ATTACK);
    EXPECT_EQ(g_early.cls.Resists.size(), fresh.Elements.size());
    EXPECT_EQ(g_early.land.ElemRate.size(), fresh.Elements.size());
    EXPECT_EQ(g_early.land.BattleBack, 1);
}

// A reset gives an edited record a new record's state (whose bytes the units
// test pins); an enemy follows the battle mode of the moment.
TEST_F(CharaTest, SetDefaultIsANewRecord) {
    g_System.BattleMode = 1;
    cFriend edited;
    edited.Name = "x";
    edited.Level = 9;
    edited.RandomName = 0;
    edited.LearntSkills.resize(2);
    edited.SetDefault();
    EXPECT_TRUE(edited.Compare(cFriend()));
    cEnemy enemy;
    enemy.BattleAI.resize(4);
    enemy.SetDefault();
    EXPECT_TRUE(enemy.Compare(cEnemy()));
}

TEST_F(CharaTest, CopiesCarryEveryPart) {
    AddSkillList(1, 2, 4);
    AddClasses(2);
    cEnemy e;
    e.Name = "slime";
    e.FixedGrowth[3] = {0, 5, 6};
    e.Senses = {{1, 2}};
    e.LearntSkills.resize(1);
    e.MoveAI.resize(1);
    e.BattleAI.resize(2);
    e.BattleAI[1].Conds.resize(1);
    e.AcqSkills[0][1].Skill = 3;
    const cEnemy copy(e);
    EXPECT_TRUE(copy.Compare(e));
    EXPECT_FALSE(cFriend().Compare(cEnemy())) << "an enemy is never equal to an ally";
    e.BattleAI[1].Conds[0].Value = 4;
    EXPECT_FALSE(copy.Compare(e));
    e = copy;
    e.AcqSkills[0][1].Slot.nSymbol = 2;
    EXPECT_FALSE(copy.Compare(e));
}

TEST_F(CharaTest, FixupAtTheEdgesOfEveryList) {
    AddSkillList(1, 2, 4);
    AddSkillList(1, 1, 2);
    AddClasses(3);
    g_ClassList[2].MaxLevel = 5;
    g_Database.PtVals.resize(4);
    g_Database.CompatiTypes.resize(3);
    struct Case {
        int cls, ptval, compat;
        int wantCls, wantPtval, wantCompat;
    };
    const Case kCases[] = {
        {2, 3, 2, 2, 3, 2},     // last of each list stays
        {3, 4, 3, 1, 1, 0},     // one past each list
        {-1, -5, -2, 1, 1, 0},  // negative counts as too large
        {0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : kCases) {
        cFriend f;
        f.Class = c.cls;
        f.RewardPtVal = c.ptval;
        f.CompatiType = c.compat;
        Saved(f);  // the save repairs the record
        EXPECT_EQ(f.Class, c.wantCls) << c.cls;
        EXPECT_EQ(f.RewardPtVal, c.wantPtval) << c.ptval;
        EXPECT_EQ(f.CompatiType, c.wantCompat) << c.compat;
    }

    cFriend f;
    f.Class = 2;
    f.Level = 9;
    f.AcqSkills.resize(2);
    f.AcqSkills[0].resize(3);
    f.AcqSkills[0][0].Skill = 3;  // last skill of list 0
    f.AcqSkills[0][1].Skill = 4;  // one past
    f.AcqSkills[1].resize(3);
    f.AcqSkills[1][2].Skill = -1;
    f.ReserveSkills.resize(2);
    f.ReserveSkills[1].resize(3);
    f.ReserveSkills[1][0].Skill = 1;
    f.ReserveSkills[1][1].Skill = 2;  // one past list 1: removed
    f.ReserveSkills[1][2].Skill = 1;
    f.LearntSkills = {Learn(0, 3, 0), Learn(0, 4, 0), Learn(1, 1, 0), Learn(2, 1, 0), Learn(-1, 1, 0), Learn(1, 2, 0)};
    f.SkillRef[0] = 1;  // list 1, slot 2: last of each
    f.SkillRef[1] = 2;
    f.SkillRef[2] = 2;  // list past the rows
    f.SkillRef[3] = 3;
    f.SkillRef[4] = 0;  // slot past the row
    f.SkillRef[5] = 3;
    f.Fixup(ProjectFixupInputs());
    EXPECT_EQ(f.MaxLevel, 5);
    EXPECT_EQ(f.Level, 5);
    for (int k = 0; k < STAT_COUNT; ++k) {
        EXPECT_EQ(f.FixedGrowth[k].size(), 5u);
        EXPECT_EQ(f.RandomGrowthTable[k].size(), 5u);
    }
    EXPECT_EQ(f.Senses.size(), 2u);
    EXPECT_EQ(f.Senses[0].size(), 2u);
    EXPECT_EQ(f.SenseBonus[1].size(), 1u);
    EXPECT_EQ(f.AcqSkills[0][0].Skill, 3);
    EXPECT_EQ(f.AcqSkills[0][1].Skill, 0);
    EXPECT_EQ(f.AcqSkills[1][2].Skill, 0);
    ASSERT_EQ(f.ReserveSkills[1].size(), 2u);  // no reserve in these lists: not laid out again
    ASSERT_EQ(f.LearntSkills.size(), 2u);
    EXPECT_EQ(f.LearntSkills[0].Skill, 3);
    EXPECT_EQ(f.LearntSkills[1].SkillList, 1);
    const int wantRefs[6] = {1, 2, 0, 0, 0, 0};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(f.SkillRef[i], wantRefs[i]) << i;
    EXPECT_TRUE(ScopedMainWindow::Actions().empty());
}

TEST_F(CharaTest, FixupDoesNothingWithoutClasses) {
    AddSkillList(1, 2, 4);
    cFriend f;
    f.Class = 7;
    f.RewardPtVal = 50;
    f.Fixup(ProjectFixupInputs());
    EXPECT_EQ(f.Class, 7);
    EXPECT_EQ(f.RewardPtVal, 50);
    EXPECT_TRUE(f.AcqSkills.empty());
}

// With one class there is no class 1: the character takes class 0, whose
// record the rules read like any other (its limit, senses and slots); only
// the stats are not taken from it.
TEST_F(CharaTest, DatabaseOfOneClass) {
    cSkillList& list = AddSkillList(0, 1, 3);
    list.vSlot.resize(1);
    AddClasses(1);
    cClass& only = g_ClassList[0];
    only.MaxLevel = 50;
    only.Senses.assign(1, VECTOR_CLASS<int>(1, 4));
    only.OrgSlots.resize(1);
    only.OrgSlots[0].OwnSlots = 1;
    only.OrgSlots[0].Slots.resize(3);
    only.InitStats[0] = 77;
    cEnemy e;
    EXPECT_EQ(e.Class, 0);
    e.Class = 5;
    e.MaxLevel = 7;
    e.Level = 9;
    e.Fixup(ProjectFixupInputs());
    EXPECT_EQ(e.Class, 0);
    EXPECT_EQ(e.MaxLevel, 50) << "class 0's limit";
    EXPECT_EQ(e.Level, 9);
    ASSERT_EQ(e.AcqSkills.size(), 1u);
    EXPECT_EQ(e.AcqSkills[0].size(), 3u) << "class 0's own slots";
    e.BuildParams();
    ASSERT_EQ(e.ClassSenses.size(), 1u);
    EXPECT_EQ(e.ClassSenses[0][0], 4) << "class 0's senses";
    e.ApplyClass(0);
    EXPECT_NE(e.EffInitStats[0], 77) << "class 0 lends no stats";
    e.LearnSkills(0, 0, 0, 0, e);
    e.SetLevel(3, 0, 0, 0);
    EXPECT_EQ(e.Level, 3);
    EXPECT_TRUE(ScopedMainWindow::Actions().empty());
}

TEST_F(CharaTest, SlotLayoutByTheListsSlotType) {
    cSkillList& limited = AddSkillList(0, 3, 5);
    limited.vSlot.resize(2);
    limited.vSlot[1].bAllCateg = 0;
    limited.vSlot[1].vAcqCond.resize(1);
    limited.vSlot[1].vAcqCond[0].nCateg = 2;
    limited.vSlot[1].nSymbol = 4;
    AddSkillList(1, 1, 3);  // three open slots
    cSkillList& none = AddSkillList(2, 1, 3);
    none.bReserve = 1;
    none.nReserveNum = 2;
    AddSkillList(7, 1, 3);  // unknown type: rows untouched
    AddClasses(2);

    cFriend f;
    ASSERT_EQ(f.AcqSkills.size(), 4u);
    EXPECT_EQ(f.AcqSkills[0].size(), 2u);
    EXPECT_EQ(f.AcqSkills[0][1].Slot.vAcqCond.size(), 1u);
    EXPECT_EQ(f.AcqSkills[0][1].Slot.nSymbol, 4);
    EXPECT_EQ(f.AcqSkills[1].size(), 3u);
    EXPECT_EQ(f.AcqSkills[2].size(), 1u);
    EXPECT_TRUE(f.AcqSkills[3].empty());
    EXPECT_EQ(f.ReserveSkills[2].size(), 2u);

    // Skills in limited and open slots survive the upkeep; the single slot of
    // a list without slots and every reserve slot are reset by it.
    f.AcqSkills[0][0].Skill = 4;
    f.AcqSkills[1][2].Skill = 2;
    f.AcqSkills[2][0].Skill = 1;
    f.ReserveSkills[2][1].Skill = 2;
    f.Refresh(ProjectFixupInputs());
    EXPECT_EQ(f.AcqSkills[0][0].Skill, 4);
    EXPECT_EQ(f.AcqSkills[1][2].Skill, 2);
    EXPECT_EQ(f.AcqSkills[2][0].Skill, 0);
    EXPECT_EQ(f.ReserveSkills[2][1].Skill, 0);
    // A rebuild with reset empties them all.
    f.BuildSkillSlots(1);
    EXPECT_EQ(f.AcqSkills[0][0].Skill, 0);
    EXPECT_EQ(f.AcqSkills[1][2].Skill, 0);

    // A class with slots of its own for list 0; with none, the row stays.
    g_ClassList[1].OrgSlots[0].OwnSlots = 1;
    g_ClassList[1].OrgSlots[0].Slots.resize(4);
    f.BuildSkillSlots(0);
    EXPECT_EQ(f.AcqSkills[0].size(), 4u);
    g_ClassList[1].OrgSlots[0].Slots.clear();
    f.BuildSkillSlots(0);
    EXPECT_EQ(f.AcqSkills[0].size(), 4u);

    // Enemies get no reserve slots of their own.
    cEnemy e;
    e.ReserveSkills.assign(4, {});
    e.BuildSkillSlots(0);
    EXPECT_TRUE(e.ReserveSkills[2].empty());
}

TEST_F(CharaTest, SlotCountsOutsideReasonAreBounded) {
    cSkillList& list = AddSkillList(1, 1, 3);
    list.nSpare1 = -5;
    list.bReserve = 1;
    list.nReserveNum = 0x7FFFFFFF;
    AddClasses(2);
    cFriend f;
    EXPECT_TRUE(f.AcqSkills[0].empty());
    EXPECT_EQ(f.ReserveSkills[0].size(), static_cast<size_t>(SLOT_COUNT_MAX));
}

class AcquireTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        cSkillList& list = AddSkillList(0, 3, 6);
        list.vSlot.resize(2);
        list.vSlot[0].bAllCateg = 0;
        list.vSlot[0].vAcqCond.resize(1);
        list.vSlot[0].vAcqCond[0].nCateg = 1;
        list.bReserve = 1;
        list.nReserveNum = 2;
        for (cSkill& s : list.vSkill) s.nNeedSense = 0;
        list.vSkill[1].nCateg = 1;
        list.vSkill[2].nCateg = 2;
        list.vSkill[3].nCateg = 2;
        list.vSkill[3].nResourceType = 1;
        list.vSkill[3].nUseLimit = 12;
        list.vSkill[4].nClass = 1;
        list.vSkill[5].nNeedSense = 4;
        AddClasses(3);
    }
};

TEST_F(AcquireTest, SkillsGoToTheFirstFittingSlotThenTheReserve) {
    cFriend f;
    EXPECT_EQ(f.AcquireSkill(0, 0, 1), 0);
    EXPECT_EQ(f.AcquireSkill(0, 2, 1), 1);  // category 2: the open slot 1
    EXPECT_EQ(f.AcqSkills[0][1].Skill, 2);
    EXPECT_EQ(f.AcquireSkill(0, 2, 1), 0);  // already held
    EXPECT_EQ(f.AcquireSkill(0, 3, 0), 1);  // no fitting slot left: the reserve
    EXPECT_EQ(f.ReserveSkills[0][0].Skill, 3);
    EXPECT_EQ(f.ReserveSkills[0][0].Uses, 12);
    EXPECT_EQ(f.AcquireSkill(0, 1, 1), 1);  // category 1 fits slot 0
    EXPECT_EQ(f.AcqSkills[0][0].Skill, 1);
    EXPECT_EQ(f.AcquireSkill(0, 2, 0), 1);  // several of a kind: the reserve again
    EXPECT_EQ(f.AcquireSkill(0, 1, 0), 0);  // everything full
    EXPECT_EQ(f.AcquireSkill(0, 6, 0), 0);  // outside the list
    EXPECT_EQ(f.AcquireSkill(3, 1, 0), 0);

    cEnemy e;
    EXPECT_EQ(e.AcquireSkill(0, 2, 1), 1);
    EXPECT_EQ(e.AcquireSkill(0, 3, 1), 0);  // enemies have no reserve
}

TEST_F(AcquireTest, SenseClassAndCategoryDecideWhatASlotTakes) {
    cFriend f;
    f.Class = 2;
    const cSlot open;
    cSlot onlyCategory1;
    onlyCategory1.bAllCateg = 0;
    onlyCategory1.vAcqCond.resize(1);
    onlyCategory1.vAcqCond[0].nCateg = 1;
    cSlot closed;
    closed.bAllCateg = 0;
    f.Senses = {{0, 0, 3}};
    EXPECT_EQ(f.SenseAllows(0, 4, 0), 0);  // learning class 1 only
    f.Class = 1;
    EXPECT_EQ(f.SenseAllows(0, 4, 0), 1);
    EXPECT_EQ(f.SenseAllows(0, 5, 1), 0);  // needs sense 4 in category 0
    EXPECT_EQ(f.SenseAllows(0, 5, 0), 1);
    EXPECT_EQ(f.CanFillSlot(0, closed, 0, 1, 1), 1);  // an empty slot always "fits" skill 0
    EXPECT_EQ(f.CanFillSlot(0, closed, 1, 1, 1), 0);
    EXPECT_EQ(f.CanFillSlot(0, onlyCategory1, 1, 1, 1), 1);
    EXPECT_EQ(f.CanFillSlot(0, onlyCategory1, 2, 1, 1), 0);
    EXPECT_EQ(f.CanFillSlot(0, open, 2, 1, 1), 1);
    EXPECT_EQ(f.CanFillReserve(0, open, 2, 3), 1);
    EXPECT_EQ(f.CanFillReserve(0, open, 2, 4), 0);
    EXPECT_EQ(f.CanFillReserve(0, onlyCategory1, 2, 0), 0);
}

TEST_F(AcquireTest, LearningByLevelTakesWhatIsDueAndDropsIt) {
    g_SkillLists[0].bMultiLearn = 0;
    cFriend f;
    f.LearntSkills = {Learn(0, 1, 1), Learn(0, 0, 9), Learn(0, 2, 3), Learn(0, 2, 2), Learn(0, 1, 1)};
    f.LearnByLevel(2);
    // Skill 0 and everything due went, placed or not (the second skill 1).
    ASSERT_EQ(f.LearntSkills.size(), 1u);
    EXPECT_EQ(f.LearntSkills[0].Level, 3);
    EXPECT_EQ(f.AcqSkills[0][0].Skill, 1);
    EXPECT_EQ(f.AcqSkills[0][1].Skill, 2);
    EXPECT_EQ(f.ReserveSkills[0][0].Skill, 0);
    // Several of one kind allowed: the duplicate check is off.
    g_SkillLists[0].bMultiLearn = 1;
    f.LearntSkills = {Learn(0, 2, 1)};
    f.LearnByLevel(1);
    EXPECT_EQ(f.ReserveSkills[0][0].Skill, 2);
}

}  // namespace
