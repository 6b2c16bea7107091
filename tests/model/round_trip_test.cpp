// Every record kind: a changed record differs from a new one, its copies
// compare equal, written and read back it is the same record and writes the
// same bytes again, Clear leaves nothing of what it held, and FixUp strips
// the carriage returns of its texts and nothing else.
#include "model/ai.h"
#include "model/chara.h"
#include "model/class.h"
#include "model/event.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/placement.h"
#include "model/system.h"
#include "tests/model/records3_support.h"

namespace {

// One change per kind that survives the save's repairs: a text with a
// carriage return where the kind has text, a number where it has none.
void Change(cCmd& r) {
    r.Label = "a\r\nb";
}
void Change(cCateg& r) {
    r.strName = "a\r\nb";
}
void Change(cAcqCond& r) {
    r.nCateg = 2;
}
void Change(cSlot& r) {
    r.nSymbol = 3;
}
void Change(cOrgSlotList& r) {
    r.OwnSlots = 1;
}
void Change(cAcqSkill& r) {
    r.Uses = 4;
}
void Change(cLearnSkill& r) {
    r.Level = 5;
}
void Change(cShopSkill& r) {
    r.Extra2 = 6;
}
void Change(cSkill& r) {
    r.strHelp = "a\r\nb";
}
void Change(cSkillList& r) {
    r.strName = "a\r\nb";
}
void Change(cInfl& r) {
    r.nValue = 7;
}
void Change(cCompatiType& r) {
    r.strName = "a\r\nb";
}
void Change(cPtVal& r) {
    r.Unit = "a\r\nb";
}
void Change(cCharaAnimPat& r) {
    r.strName = "a\r\nb";
}
void Change(cEffectAnimPat& r) {
    r.strName = "a\r\nb";
}
void Change(cEdPicture& r) {
    r.strPath = "a\r\nb";
}
void Change(cEdBack& r) {
    r.strPath = "a\r\nb";
}
void Change(cEdSound& r) {
    r.strName = "a\r\nb";
}
void Change(cEdBgm& r) {
    r.strName = "a\r\nb";
}
void Change(cEdHelpText& r) {
    r.strText = "a\r\nb";
}
void Change(cEdHelp& r) {
    r.strTitle = "a\r\nb";
}
void Change(cElem& r) {
    r.Name = "a\r\nb";
}
void Change(cParamInfo& r) {
    r.Name = "a\r\nb";
}
void Change(cIni& r) {
    r.Comment = "a\r\nb";
}
void Change(cSystem& r) {
    r.GameName = "a\r\nb";
}
void Change(cMoveAI& r) {
    r.Range = 8;
}
void Change(cMoveAITemplate& r) {
    r.Description = "a\r\nb";
}
void Change(cBattleAICond& r) {
    r.Value = 9;
}
void Change(cBattleAI& r) {
    r.PriorityValue = 11;
}
void Change(cClass& r) {
    r.Name = "a\r\nb";
}
void Change(cLand& r) {
    r.Description = "a\r\nb";
}
void Change(cGValInfo& r) {
    r.Name = "a\r\nb";
}
void Change(cEnemy& r) {
    r.Description = "a\r\nb";
}
void Change(cFriend& r) {
    r.Name = "a\r\nb";
}
void Change(cPutEnemy& r) {
    r.CharaId = 12;
}
void Change(cGroupPos& r) {
    r.Name = "a\r\nb";
}
void Change(cEventAct& r) {
    r.Kind = EACT_MESSAGE;
    r.Ints.assign(26, 1);
    r.Strs = {"a\r\nb"};
}
void Change(cEventPage& r) {
    r.CommandName = "a\r\n";
}
void Change(cEvent& r) {
    r.Name = "a\r\nb";
}
void Change(cEventActPlt& r) {
    r.Description = "a\r\nb";
}
void Change(cEndCond& r) {
    r.Text = "a\r\nb";
}
void Change(cStage& r) {
    r.Name = "a\r\nb";
}
void Change(cWorldChip& r) {
    r.strSub = "a\r\nb";
}
void Change(cWorldEventPage& r) {
    r.StageName = "a\r\nb";
}
void Change(cWorldEvent& r) {
    r.Name = "a\r\nb";
}
void Change(cWorldMap& r) {
    r.BackImage = "a\r\nb";
}
void Change(cWndPosInfo& r) {
    r.Height = 13;
}
void Change(cEditConfig& r) {
    r.SpareText = "a\r\nb";
}
void Change(cTestPlay& r) {
    r.GamePath = "a\r\nb";
}

template <class T>
class RoundTripTest : public RecordsTest {
  protected:
    void SetUp() override {
        RecordsTest::SetUp();
        g_ClassList.resize(3);
        Change(m_Changed);
    }
    void TearDown() override {
        g_ClassList.clear();
        RecordsTest::TearDown();
    }
    T m_Changed;
};

using Kinds =
    ::testing::Types<cCmd, cCateg, cAcqCond, cSlot, cOrgSlotList, cAcqSkill, cLearnSkill, cShopSkill, cSkill,
                     cSkillList, cInfl, cCompatiType, cPtVal, cCharaAnimPat, cEffectAnimPat, cEdPicture, cEdBack,
                     cEdSound, cEdBgm, cEdHelpText, cEdHelp, cElem, cParamInfo, cIni, cSystem, cMoveAI, cMoveAITemplate,
                     cBattleAICond, cBattleAI, cClass, cLand, cGValInfo, cEnemy, cFriend, cPutEnemy, cGroupPos,
                     cEventAct, cEventPage, cEvent, cEventActPlt, cEndCond, cStage, cWorldChip, cWorldEventPage,
                     cWorldEvent, cWorldMap, cWndPosInfo, cEditConfig, cTestPlay>;
TYPED_TEST_SUITE(RoundTripTest, Kinds);

TYPED_TEST(RoundTripTest, CopiesCompareEqualAndTheChangeShows) {
    const TypeParam& changed = this->m_Changed;
    EXPECT_FALSE(changed.Compare(TypeParam()));
    TypeParam copied;
    copied.CopyFrom(changed);
    TypeParam assigned;
    assigned = changed;
    const TypeParam constructed(changed);
    EXPECT_TRUE(copied.Compare(changed));
    EXPECT_TRUE(assigned.Compare(changed));
    EXPECT_TRUE(constructed.Compare(changed));
}

TYPED_TEST(RoundTripTest, WrittenAndReadBackIsTheSameRecordAndBytes) {
    const std::string bytes = Saved(this->m_Changed);
    TypeParam back;
    back.Clear();
    ASSERT_TRUE(ReadAs(back, DATA_VERSION, bytes));
    EXPECT_TRUE(back.Compare(this->m_Changed));
    EXPECT_TRUE(SameBytes(bytes, Saved(back)));
}

TYPED_TEST(RoundTripTest, ClearLeavesNothingOfWhatItHeld) {
    TypeParam cleared(this->m_Changed);
    cleared.Clear();
    TypeParam fresh;
    fresh.Clear();
    EXPECT_TRUE(cleared.Compare(fresh));
}

TYPED_TEST(RoundTripTest, FixUpStripsCarriageReturnsOnly) {
    const std::string before = Saved(this->m_Changed);
    if (before.find("a\r\n") == std::string::npos) return;  // a kind without text
    this->m_Changed.FixUp();
    const std::string after = Saved(this->m_Changed);
    EXPECT_EQ(std::string::npos, after.find("a\r\n"));
    EXPECT_NE(std::string::npos, after.find("a\n"));
    EXPECT_EQ(before.size() - 1, after.size());
}

}  // namespace
