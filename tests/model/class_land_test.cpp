// Classes and lands: their layouts in the versions that changed them and the
// repair that sizes them to the current database.
#include "tests/model/records.h"

namespace {

class ClassLandTest : public RecordsTest {};

// A class as a file of `v` stores it; tells records apart by name and movement.
void ClassFields(Bytes& b, int v, const std::string& name, int move) {
    b.I32(0).I32(3);                             // id, graphic
    if (v >= 40) b.I16(-20).I16(5).I16(6);       // hue, saturation, value
    if (v >= 36) b.I32(150);                     // scale
    b.I32(move).I32(1).I32(90).I32(25);          // move, flying, EX, level limit
    for (int k = 0; k < 9; ++k) b.I32(10 + k);   // initial
    for (int k = 0; k < 9; ++k) b.I32(100 + k);  // final
    if (v < 35) b.I32(7).I32(8).I32(9);          // dropped triple
    if (v >= 16) b.I32(0).I32(2);                // normal attack
    if (v >= 116) b.I32(1);
    if (v >= 83) b.U32(1).I32(1).U32(1).I32(0).I32(0).I32(4).U32(0);  // one list, one slot
    b.Str(name);
    b.U32(1).U32(2).I32(7).I32(8);  // senses
    b.U32(2).I32(90).I32(80);       // resistances
}

TEST_F(ClassLandTest, ClassListsOfEveryLayout) {
    AddSkillList(0, 2, 3);
    for (int v : {15, 16, 34, 35, 36, 39, 40, 82, 83, 115, 116, 270}) {
        SCOPED_TRACE(v);
        Bytes b;
        b.U32(2);
        ClassFields(b, v, "knight", 5);
        ClassFields(b, v, "mage", 3);
        VECTOR_CLASS<cClass> list;
        ASSERT_TRUE(ReadListAs(list, v, b));
        ASSERT_EQ(list.size(), 2u);
        EXPECT_EQ(list[0].Name, "knight");
        EXPECT_EQ(list[1].Name, "mage");
        EXPECT_EQ(list[1].Move, 3);
        EXPECT_EQ(list[1].MaxLevel, 25);
        EXPECT_EQ(list[1].FinalStats[8], 108);
        EXPECT_EQ(list[1].Scale, v >= 36 ? 150 : 200);
        EXPECT_EQ(list[1].Hue, v >= 40 ? -20 : 0);
        EXPECT_EQ(list[1].AttackSkill, v >= 16 ? 2 : 1);
        EXPECT_EQ(list[1].NoNormalAttack, v >= 116 ? 1 : 0);
        EXPECT_EQ(list[1].Senses, (IntTable{{7, 8}}));
        EXPECT_EQ(list[1].Resists, (VECTOR_CLASS<int>{90, 80}));
        ASSERT_EQ(list[1].OrgSlots.size(), 1u);
        EXPECT_EQ(list[1].OrgSlots[0].OwnSlots, v >= 83 ? 1 : 0);
        ASSERT_EQ(list[1].OrgSlots[0].Slots.size(), 1u);
        EXPECT_EQ(list[1].OrgSlots[0].Slots[0].nSymbol, v >= 83 ? 4 : 0);
    }
}

// A new class's fields are pinned by the units test.
TEST_F(ClassLandTest, ClassFollowsSkillListsAndElements) {
    AddSkillList(1, 2, 3);
    AddSkillList(1, 1, 3);
    AddSkillList(1, 3, 3);
    cClass c;
    EXPECT_EQ(c.OrgSlots.size(), 1u);  // a new class: one list until the next repair
    c.Resists.back() = 55;
    c.Senses = {{1, 2, 3}};
    g_System.Elements.resize(g_System.Elements.size() + 1);
    c.Fixup(ProjectFixupInputs());
    EXPECT_EQ(c.OrgSlots.size(), 3u);
    EXPECT_EQ(c.OrgSlots[2].Slots.size(), 1u);
    EXPECT_EQ(c.Senses, (IntTable{{1, 2}, {0}, {0, 0, 0}}));
    ASSERT_EQ(c.Resists.size(), g_System.Elements.size());
    EXPECT_EQ(c.Resists[c.Resists.size() - 2], 55);
    EXPECT_EQ(c.Resists.back(), 100);
    g_System.Elements.resize(1);
    g_SkillLists[1].vCateg.resize(2);
    c.Fixup(ProjectFixupInputs());
    EXPECT_EQ(c.Resists, (VECTOR_CLASS<int>{100}));
    EXPECT_EQ(c.Senses[1], (VECTOR_CLASS<int>{0, 0}));
}

void LandFields(Bytes& b, int v, const std::string& name, int cost, int back) {
    b.I32(0).I32(cost).I32(1).I32(4).I32(1);
    for (int k = 0; k < 9; ++k) b.I32(k - 4);
    if (v >= 94) b.U32(2).I32(150).I32(50);
    b.I32(2).I32(30).I32(0);
    b.Str(name).Str(name + " text");
    if (v < 66)
        b.Str("old background");
    else
        b.I32(back);
}

TEST_F(ClassLandTest, LandListsOfEveryLayout) {
    ASSERT_EQ(g_System.Elements.size(), 2u);
    g_Database.Backs.resize(4);
    for (int v : {65, 66, 93, 94, 270}) {
        SCOPED_TRACE(v);
        Bytes b;
        b.U32(3);
        LandFields(b, v, "grass", 2, 3);
        LandFields(b, v, "wall", 0, 4);
        LandFields(b, v, "sea", -3, -1);
        VECTOR_CLASS<cLand> list;
        ASSERT_TRUE(ReadListAs(list, v, b));
        ASSERT_EQ(list.size(), 3u);
        EXPECT_EQ(list[2].Name, "sea");
        EXPECT_EQ(list[2].Description, "sea text");
        EXPECT_EQ(list[0].StatMod[8], 4);
        EXPECT_EQ(list[0].MoveCost, 2);
        EXPECT_EQ(list[1].MoveCost, 1);
        EXPECT_EQ(list[2].MoveCost, 1);
        EXPECT_EQ(list[1].EffectValue, 30);
        EXPECT_EQ(list[0].BattleBack, v >= 66 ? 3 : 1);
        EXPECT_EQ(list[1].BattleBack, 1);  // one past the backgrounds
        EXPECT_EQ(list[2].BattleBack, 1);
        EXPECT_EQ(list[0].ElemRate, v >= 94 ? (VECTOR_CLASS<int>{150, 50}) : (VECTOR_CLASS<int>{100, 100}));
    }
}

TEST_F(ClassLandTest, LandRepairAndDefaults) {
    g_Database.Backs.clear();
    cLand land;
    EXPECT_EQ(land.BattleBack, 1);  // with no background at all still 1
    land.BattleBack = 0;
    land.Fixup(ProjectFixupInputs());
    EXPECT_EQ(land.BattleBack, 1);
    g_System.Elements.resize(3);
    land.ElemRate = {70};
    land.Fixup(ProjectFixupInputs());
    EXPECT_EQ(land.ElemRate, (VECTOR_CLASS<int>{70, 100, 100}));
}

}  // namespace
