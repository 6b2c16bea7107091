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
#include "tests/model/records.h"

namespace {

// One change per kind that survives the save's repairs: a text with a
// carriage return where the kind has text, a number where it has none.
struct Change {
    static void Of(cCmd& r) { r.Label = "a\r\nb"; }
    static void Of(cCateg& r) { r.strName = "a\r\nb"; }
    static void Of(cAcqCond& r) { r.nCateg = 2; }
    static void Of(cSlot& r) { r.nSymbol = 3; }
    static void Of(cOrgSlotList& r) { r.OwnSlots = 1; }
    static void Of(cAcqSkill& r) { r.Uses = 4; }
    static void Of(cLearnSkill& r) { r.Level = 5; }
    static void Of(cShopSkill& r) { r.Extra2 = 6; }
    static void Of(cSkill& r) { r.strHelp = "a\r\nb"; }
    static void Of(cSkillList& r) { r.strName = "a\r\nb"; }
    static void Of(cInfl& r) { r.nValue = 7; }
    static void Of(cCompatiType& r) { r.strName = "a\r\nb"; }
    static void Of(cPtVal& r) { r.Unit = "a\r\nb"; }
    static void Of(cCharaAnimPat& r) { r.strName = "a\r\nb"; }
    static void Of(cEffectAnimPat& r) { r.strName = "a\r\nb"; }
    static void Of(cEdPicture& r) { r.strPath = "a\r\nb"; }
    static void Of(cEdBack& r) { r.strPath = "a\r\nb"; }
    static void Of(cEdSound& r) { r.strName = "a\r\nb"; }
    static void Of(cEdBgm& r) { r.strName = "a\r\nb"; }
    static void Of(cEdHelpText& r) { r.strText = "a\r\nb"; }
    static void Of(cEdHelp& r) { r.strTitle = "a\r\nb"; }
    static void Of(cElem& r) { r.Name = "a\r\nb"; }
    static void Of(cParamInfo& r) { r.Name = "a\r\nb"; }
    static void Of(cIni& r) { r.Comment = "a\r\nb"; }
    static void Of(cSystem& r) { r.GameName = "a\r\nb"; }
    static void Of(cMoveAI& r) { r.Range = 8; }
    static void Of(cMoveAITemplate& r) { r.Description = "a\r\nb"; }
    static void Of(cBattleAICond& r) { r.Value = 9; }
    static void Of(cBattleAI& r) { r.PriorityValue = 11; }
    static void Of(cClass& r) { r.Name = "a\r\nb"; }
    static void Of(cLand& r) { r.Description = "a\r\nb"; }
    static void Of(cGValInfo& r) { r.Name = "a\r\nb"; }
    static void Of(cEnemy& r) { r.Description = "a\r\nb"; }
    static void Of(cFriend& r) { r.Name = "a\r\nb"; }
    static void Of(cPutEnemy& r) { r.CharaId = 12; }
    static void Of(cGroupPos& r) { r.Name = "a\r\nb"; }
    static void Of(cEventAct& r) {
        r.Kind = EACT_MESSAGE;
        r.Ints.assign(26, 1);
        r.Strs = {"a\r\nb"};
    }
    static void Of(cEventPage& r) { r.CommandName = "a\r\n"; }
    static void Of(cEvent& r) { r.Name = "a\r\nb"; }
    static void Of(cEventActPlt& r) { r.Description = "a\r\nb"; }
    static void Of(cEndCond& r) { r.Text = "a\r\nb"; }
    static void Of(cStage& r) { r.Name = "a\r\nb"; }
    static void Of(cWorldChip& r) { r.strSub = "a\r\nb"; }
    static void Of(cWorldEventPage& r) { r.StageName = "a\r\nb"; }
    static void Of(cWorldEvent& r) { r.Name = "a\r\nb"; }
    static void Of(cWorldMap& r) { r.BackImage = "a\r\nb"; }
    static void Of(cWndPosInfo& r) { r.Height = 13; }
    static void Of(cEditConfig& r) { r.SpareText = "a\r\nb"; }
    static void Of(cTestPlay& r) { r.GamePath = "a\r\nb"; }
};

template <class T>
class RoundTripTest : public SizedRecordsTest {
protected:
    void SetUp() override {
        SizedRecordsTest::SetUp();
        g_ClassList.resize(3);
        Change::Of(m_Changed);
    }
    void TearDown() override {
        g_ClassList.clear();
        SizedRecordsTest::TearDown();
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
