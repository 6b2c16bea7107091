// The skill record: its layout in every file version that changed it, the
// migrations and the reference clamps.
#include "tests/model/records.h"

namespace {

// A skill as a file of `v` stores it; every int field holds its field number
// from the layout table (kind 8, the old magic weapon), the arrays 350.. and
// 370.., the doubles 42.5, 54.5 and 58.5.
std::string SkillImage(int v) {
    Bytes b;
    b.I32(1).I32(2);
    if (v >= 109) b.I32(3);
    b.I32(4).I32(5).I32(6).I32(7).I32(8).I32(9).I32(10).I32(11).I32(12).I32(13);
    if (v >= 30) b.I32(14);
    b.I32(8);  // kind
    b.I32(16).I32(17).I32(18).I32(19).I32(20).I32(21);
    if (v >= 261) b.I32(22);
    if (v >= 99) b.I32(23).I32(24);
    b.I32(25);
    if (v >= 18) b.I32(26).I32(27);
    b.I32(28);
    if (v >= 17) b.I32(29);
    b.I32(30);
    if (v >= 79) b.I32(31);
    b.I32(32).I32(33).I32(34);
    for (int i = 0; i < 9; ++i) b.I32(350 + i);
    b.I32(36);
    if (v >= 80) {
        for (int i = 0; i < 9; ++i) b.I32(370 + i);
        b.I32(38);
    }
    b.I32(39).I32(40);
    if (v >= 102) b.I32(41).F64(42.5);
    if (v >= 17) b.I32(43);
    b.I32(44);
    if (v >= 14) b.I32(45).I32(46);
    if (v >= 36) b.I32(47);
    b.U8(48);
    if (v >= 38) b.I16(49).I16(50).I16(51);
    if (v < 39) b.I32(9991).I32(9992);
    b.I32(52).I32(53);
    if (v >= 122) b.F64(54.5);
    b.I32(55).I32(56).I32(57).F64(58.5);
    if (v >= 103) b.I32(59).I32(60).I32(61);
    b.Str("name").Str("help");
    if (v < 5)
        b.Str("old sound");
    else
        b.I32(64);
    b.Str("spare");
    return b;
}

class SkillTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        // Lists long enough that the field values survive the clamps.
        g_Database.CompatiTypes.resize(30);
        g_System.Elements.resize(30);
    }
};

TEST_F(SkillTest, EveryFieldOfTheCurrentLayoutRoundTrips) {
    cSkill skill;
    ASSERT_TRUE(ReadAs(skill, DATA_VERSION, SkillImage(DATA_VERSION)));
    EXPECT_EQ(Saved(skill), SkillImage(DATA_VERSION));
}

TEST_F(SkillTest, OlderLayoutsAreReadAndMigrated) {
    const int kVersions[] = {0,  4,  5,  13, 14, 17,  18,  29,  30,  35,  36,  37,  38,  39,
                             78, 79, 80, 98, 99, 101, 102, 103, 108, 109, 121, 122, 260, 261};
    for (int v : kVersions) {
        SCOPED_TRACE(v);
        cSkill s;
        ASSERT_TRUE(ReadAs(s, v, SkillImage(v)));
        const cSkill d;
        EXPECT_EQ(s.nNo, 2);
        EXPECT_EQ(s.bNotInUse, v >= 109 ? 3 : d.bNotInUse);
        EXPECT_EQ(s.nClass, 13);
        EXPECT_EQ(s.bNoForget, v >= 30 ? 14 : d.bNoForget);
        // The old magic weapon is armour now.
        EXPECT_EQ(s.nKind, v >= 261 ? SKILL_MAGIC_WEAPON : SKILL_ARMOUR);
        EXPECT_EQ(s.nWeaponSkill, v >= 261 ? 22 : 0);
        EXPECT_EQ(s.nCompatiType, v >= 99 ? 23 : d.nCompatiType);
        EXPECT_EQ(s.nElem, 25);
        EXPECT_EQ(s.nElemValue, v >= 18 ? 26 : d.nElemValue);
        EXPECT_EQ(s.bSameHit, v >= 17 ? 29 : d.bSameHit);
        EXPECT_EQ(s.nDamageRate, v >= 79 ? 31 : 100);
        EXPECT_EQ(s.nSubA[8], 358);
        EXPECT_EQ(s.nSubB[0], v >= 80 ? 370 : 0);
        EXPECT_EQ(s.dSortNo, v >= 102 ? 42.5 : 0.0);
        EXPECT_EQ(s.nCharaAnim, v >= 14 ? 45 : 1);
        EXPECT_EQ(s.nZoom, v >= 36 ? 47 : 200);
        EXPECT_EQ(s.byAlpha, 48);
        EXPECT_EQ(s.sValue, v >= 38 ? 51 : 0);
        EXPECT_EQ(s.nLearnRate, 52);
        EXPECT_EQ(s.nLearnRateSenseOld, 53);
        // The whole-number bonus of old files becomes the double.
        EXPECT_EQ(s.dLearnRateSense, v >= 122 ? 54.5 : 53.0);
        EXPECT_EQ(s.dLearnLvSense, 58.5);
        EXPECT_EQ(s.nRarity, v >= 103 ? 61 : 0);
        EXPECT_EQ(s.strName, "name");
        EXPECT_EQ(s.nSound, v >= 5 ? 64 : 1);
        EXPECT_EQ(s.strSpare, "spare");
    }
}

TEST_F(SkillTest, ReferencesOutsideTheirListsBecomeZero) {
    g_Database.CompatiTypes.resize(4);
    g_System.Elements.resize(5);
    struct Case {
        int compati, elem, wantCompati, wantElem;
    };
    const Case kCases[] = {
        {3, 4, 3, 4},    // last valid entries stay
        {4, 5, 0, 0},    // the count itself is outside
        {-1, -1, 0, 0},  // negative counts as outside
        {0, 0, 0, 0},
    };
    for (const Case& c : kCases) {
        cSkill s;
        s.nCompatiType = c.compati;
        s.nElem = c.elem;
        cSkill back = RoundTrip(s);  // Save clamps before writing
        EXPECT_EQ(back.nCompatiType, c.wantCompati);
        EXPECT_EQ(back.nElem, c.wantElem);
    }
}

TEST_F(SkillTest, ClassFixupFollowsTheClassList) {
    const VECTOR_CLASS<cClass> fourClasses(4);
    cFixupInputs in;
    struct Case {
        const VECTOR_CLASS<cClass>* classes;
        int nClass, want;
    };
    const Case kCases[] = {
        {&fourClasses, 3, 3}, {&fourClasses, 4, 0}, {&fourClasses, -2, 0}, {nullptr, 1, 0}, {nullptr, 0, 0}};
    for (const Case& c : kCases) {
        in.Classes = c.classes;
        cSkill s;
        s.nClass = c.nClass;
        s.FixupClass(in);
        EXPECT_EQ(s.nClass, c.want) << c.nClass;
    }
}

TEST_F(SkillTest, EquippableSkills) {
    cSkill s;
    s.nNo = 1;
    EXPECT_TRUE(s.IsEquippable());
    s.bBattleSkill = 0;
    EXPECT_FALSE(s.IsEquippable());
    s.bBattleSkill = 1;
    for (int kind : {SKILL_PHYSICAL_WEAPON, SKILL_MAGIC_WEAPON, SKILL_ARMOUR}) {
        s.nKind = kind;
        EXPECT_FALSE(s.IsEquippable());
    }
    s.nKind = SKILL_HEAL;
    s.nNo = 0;
    EXPECT_FALSE(s.IsEquippable());
}

}  // namespace
