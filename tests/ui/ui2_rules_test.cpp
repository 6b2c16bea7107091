// The window-free rules of the second toolkit part: text counting and the
// string edit's limits, the frame timers, line stepping, the map cursor and
// the name lists of the combo fillers.
#include <gtest/gtest.h>

#include <cstdint>

#include "base/platform.h"
#include "model/skill.h"
#include "ui/frame_timer.h"
#include "ui/record_names.h"
#include "editing/skill_rows.h"
#include "editing/map_cursor.h"
#include "ui/text_rules.h"

namespace {

// "あい" and "漢" in Shift-JIS, spelled as bytes so that the test reads the
// same in every tree.
const std::string kA = "\x82\xA0";
const std::string kI = "\x82\xA2";
const std::string kKan = "\x8A\xBF";
// A double-byte character whose trail byte is a backslash.
const std::string kSo = "\x83\x5C";

TEST(TextRules, CountTextChars) {
    const struct {
        std::string text;
        int chars;
    } cases[] = {
        {"", 0},
        {"abc", 3},
        {kA + kI, 2},
        {"a\nb", 2},
        {"#P12.x", 2},
        {"#p7", 1},
        {"#Pxy", 4},
        {"#P", 2},
        {"x#P3" + kKan, 3},
        {"a\r\nb", 3},  // a carriage return is a character to the game
        {kSo + "#P1.", 2},
    };
    for (const auto& c : cases) EXPECT_EQ(c.chars, CountTextChars(c.text.c_str())) << c.text;
}

TEST(TextRules, ParseRefCode) {
    std::string digits;
    EXPECT_TRUE(ParseRefCode("#P12.x", digits));
    EXPECT_EQ("12", digits);
    EXPECT_TRUE(ParseRefCode("#p1.2", digits));
    EXPECT_EQ("12", digits) << "a full stop between digits is skipped";
    EXPECT_FALSE(ParseRefCode("#Q12", digits));
    EXPECT_FALSE(ParseRefCode("#P.", digits));
    EXPECT_FALSE(ParseRefCode("P12", digits));
}

TEST(TextRules, LinesAndCharacterBoundaries) {
    EXPECT_EQ(0, CountTextLines(""));
    EXPECT_EQ(1, CountTextLines("a"));
    EXPECT_EQ(3, CountTextLines("a\r\nb\r\n"));
    EXPECT_EQ("ab", CutToCharBoundary("ab" + kA, 3)) << "never half a character";
    EXPECT_EQ("ab" + kA, CutToCharBoundary("ab" + kA, 4));
    EXPECT_EQ(kSo, CutToCharBoundary(kSo + "x", 2));
    EXPECT_EQ(4, CharPosToByte(kA + kI + "u", 2));
    EXPECT_EQ(5, CharPosToByte(kA + kI + "u", 9));
    EXPECT_EQ(2, BytePosToChar(kA + kI + "u", 4));
    EXPECT_EQ(3, BytePosToChar(kA + kI + "u", 5));
    EXPECT_EQ("a\nb", FromEditText("a\r\nb"));
    EXPECT_EQ("a\r\nb\r\n", ToEditText("a\nb\r\n"));
}

EDIT_TEXT Typed(const std::string& text, int caret) {
    EDIT_TEXT t;
    t.text = text;
    t.selStart = t.selEnd = caret;
    return t;
}

TEST(EditLimits, SingleLineCutsAtTheLineLength) {
    const EDIT_LIMITS limits = {4096, 16, 32, 0};
    EDIT_TEXT out = CheckEditLimits(Typed("0123456789abcdefX", 17), Typed("0123456789abcdef", 16), limits, 0, 0);
    EXPECT_EQ("0123456789abcdef", out.text);
    EXPECT_EQ(16, out.selEnd);
    // A double-byte character that does not fit goes whole.
    out = CheckEditLimits(Typed("0123456789abcde" + kA, 17), Typed("0123456789abcde", 15), limits, 0, 0);
    EXPECT_EQ("0123456789abcde", out.text);
}

TEST(EditLimits, TotalLengthIsTheReadBuffer) {
    EDIT_TEXT out = CheckEditLimits(Typed("abcdefgh", 8), Typed("", 0), {5, 1024, 32, 0}, 0, 0);
    EXPECT_EQ("abcd", out.text);
    EXPECT_EQ(4, out.selEnd);
    // Counting characters reads with twice the buffer: 12 double-byte characters in 13.
    std::string thirteen;
    for (int i = 0; i < 13; ++i) thirteen += kKan;
    out = CheckEditLimits(Typed(thirteen, 26), Typed("", 0), {13, 12, 1, 1}, 0, 0);
    EXPECT_EQ(thirteen.substr(0, 24), out.text);
    // Within a larger buffer the 13th character would open a second line: refused.
    out = CheckEditLimits(Typed(thirteen, 26), Typed("x", 1), {4096, 12, 1, 1}, 0, 0);
    EXPECT_EQ("x", out.text);
    out = CheckEditLimits(Typed(thirteen, 26), Typed("x", 1), {4096, 12, 1, 1}, 1, 0);
    EXPECT_EQ(thirteen.substr(0, 24), out.text) << "set-up cuts instead";
}

TEST(EditLimits, MultiLineBreaksOverLongLines) {
    const EDIT_LIMITS limits = {4096, 8, 3, 1};
    // A ninth character continues on a new line; the caret after it moves along.
    EDIT_TEXT out = CheckEditLimits(Typed("abcdefghi", 9), Typed("abcdefgh", 8), limits, 0, 0);
    EXPECT_EQ("abcdefgh\r\ni", out.text);
    EXPECT_EQ(11, out.selEnd);
    // "#P12." counts one, so it fits where five bytes would not.
    out = CheckEditLimits(Typed("abcdefg#P12.", 12), Typed("abcdefg", 7), limits, 0, 0);
    EXPECT_EQ("abcdefg#P12.", out.text);
    // Double-byte characters are counted as one and never split.
    std::string nine;
    for (int i = 0; i < 9; ++i) nine += kA;
    out = CheckEditLimits(Typed(nine, 18), Typed(nine.substr(0, 16), 16), limits, 0, 0);
    EXPECT_EQ(nine.substr(0, 16) + "\r\n" + kA, out.text);
}

TEST(EditLimits, SurplusLinesAreRefusedAndCutAtSetUp) {
    const EDIT_LIMITS limits = {4096, 8, 3, 1};
    EDIT_TEXT previous = Typed("a\r\nb\r\nc", 7);
    EDIT_TEXT out = CheckEditLimits(Typed("a\r\nb\r\nc\r\n", 9), previous, limits, 0, 0);
    EXPECT_EQ(previous.text, out.text);
    EXPECT_EQ(7, out.selEnd) << "the caret of the previous text comes back";
    // Wrapping that would open a fourth line is refused as well.
    out = CheckEditLimits(Typed("a\r\nb\r\nabcdefghi", 15), Typed("a\r\nb\r\nabcdefgh", 14), limits, 0, 0);
    EXPECT_EQ("a\r\nb\r\nabcdefgh", out.text);
    out = CheckEditLimits(Typed("1\r\n2\r\n3\r\n4\r\n5", 0), Typed("", 0), limits, 1, 0);
    EXPECT_EQ("1\r\n2\r\n3", out.text);
}

TEST(EditLimits, BackspaceJoiningTooLongALineIsRefused) {
    const EDIT_LIMITS limits = {4096, 8, 3, 1};
    EDIT_TEXT previous = Typed("abcd\r\nefgh", 6);
    // Joined "abcdefgh" reaches the limit of 8: the line break comes back.
    EDIT_TEXT out = CheckEditLimits(Typed("abcdefgh", 4), previous, limits, 0, 1);
    EXPECT_EQ(previous.text, out.text);
    // A shorter join is allowed.
    out = CheckEditLimits(Typed("abcefg", 3), Typed("abc\r\nefg", 5), limits, 0, 1);
    EXPECT_EQ("abcefg", out.text);
    // Without Backspace the same text is simply wrapped again.
    out = CheckEditLimits(Typed("abcdefghij", 4), Typed("abcd\r\nefghij", 6), limits, 0, 0);
    EXPECT_EQ("abcdefgh\r\nij", out.text);
}

TEST(EditLimits, CaretNeverSitsInsideALineBreak) {
    EDIT_TEXT typed = Typed("ab\r\ncd", 3);
    EDIT_TEXT out = CheckEditLimits(typed, typed, {4096, 8, 3, 1}, 0, 0);
    EXPECT_EQ(4, out.selStart);
    typed = Typed("ab", 9);
    out = CheckEditLimits(typed, typed, {4096, 8, 3, 1}, 0, 0);
    EXPECT_EQ(2, out.selEnd);
}

// ---- Frame timers ----------------------------------------------------------------------

uint32_t g_nNow = 0;
uint32_t FakeClock() { return g_nNow; }

struct FakeClockScope {
    explicit FakeClockScope(uint32_t start) {
        g_nNow = start;
        m_Old = SetClockSource(FakeClock);
        ResetFrameTimers();
    }
    ~FakeClockScope() {
        SetClockSource(m_Old);
        ResetFrameTimers();
    }
    ClockSource m_Old;
};

int DueInOneSecond(int rate) {
    int due = 0;
    for (int i = 0; i < 1000; ++i, ++g_nNow)
        if (IsFrameDue(rate)) ++due;
    return due;
}

TEST(FrameTimer, PacerIsDueOnceEveryFrame) {
    {
        FakeClockScope clock(5000);
        EXPECT_EQ(20, DueInOneSecond(20));
    }
    {
        FakeClockScope clock(5000);
        EXPECT_EQ(1000, DueInOneSecond(0));
    }
    // Across the wrap of the millisecond clock the pace stays the same.
    FakeClockScope clock(0xFFFFFFFFu - 400);
    EXPECT_EQ(20, DueInOneSecond(20));
    EXPECT_TRUE(g_nNow < 1000) << "the clock wrapped during the second";
}

TEST(FrameTimer, FpsCountsTheFramesOfTheLastSecond) {
    FakeClockScope clock(100);
    int fps = -1;
    for (int i = 0; i < 30; ++i, g_nNow += 33) fps = CountFps(1);
    EXPECT_EQ(0, fps) << "nothing during the first second";
    g_nNow = 1100;
    EXPECT_EQ(30, CountFps(1)) << "the closing call is not counted";
    EXPECT_EQ(30, CountFps(0));
    g_nNow = 1500;
    CountFps(1);
    g_nNow = 2100;
    EXPECT_EQ(1, CountFps(1));
}

// ---- Small rules -------------------------------------------------------------------------

TEST(SmallRules, LineStep) {
    double x = 0.0, y = 0.0;
    EXPECT_TRUE(LineStep(&x, &y, 1, 0, 2.0));
    EXPECT_DOUBLE_EQ(1.0, x);
    x = y = 0.0;
    EXPECT_FALSE(LineStep(&x, &y, 1, 0, 1.0));
    EXPECT_LT(x, 1.0);
    EXPECT_GT(x, 0.99);
    // Along the major axis; the minor one steps every other time here.
    x = y = 0.0;
    EXPECT_TRUE(LineStep(&x, &y, 2, 1, 4.0));
    EXPECT_DOUBLE_EQ(2.0, x);
    EXPECT_DOUBLE_EQ(1.2, y);
    x = 3.5, y = 0.0;
    EXPECT_FALSE(LineStep(&x, &y, 0, 0, 1.0)) << "ten steps of 0.1 back from 3.5";
    EXPECT_NEAR(2.5, x, 1e-9);
}

TEST(SmallRules, MapCursorStack) {
    cMapCursor cursor;
    EXPECT_EQ(1, cursor.Count());
    EXPECT_EQ(nullptr, cursor.m_pPrev);
    cursor.m_pCur->nX = 3;
    cursor.m_pCur->nY = 4;
    cursor.Pop(0);
    EXPECT_EQ(3, cursor.m_pCur->nX) << "one record: nothing happens";

    cursor.Push(1);
    EXPECT_EQ(2, cursor.Count());
    EXPECT_EQ(3, cursor.m_pCur->nX);
    EXPECT_EQ(&cursor.m_Stack[0], cursor.m_pPrev);
    cursor.m_pCur->nX = 9;
    cursor.Pop(2);
    EXPECT_EQ(9, cursor.m_pCur->nX) << "mode 2 carries the values down";
    EXPECT_EQ(nullptr, cursor.m_pPrev);

    cursor.Push(1);
    cursor.Pop(0);
    EXPECT_EQ(0, cursor.m_pCur->nX) << "mode 0 zeroes the record below";
    cursor.m_pCur->nY = 7;
    cursor.Push(0);
    EXPECT_EQ(0, cursor.m_pCur->nY);
    cursor.Pop(1);
    EXPECT_EQ(7, cursor.m_pCur->nY);
    cursor.Reset();
    EXPECT_EQ(1, cursor.Count());
    EXPECT_EQ(0, cursor.m_pCur->nY);
}

// ---- Name lists -----------------------------------------------------------------------------

struct NamedRec {
    std::string strName;
};
struct OtherRec {
    std::string Name;
};

TEST(NameLists, MakeRecordNameList) {
    VECTOR_CLASS<NamedRec> recs = {{"なし"}, {"炎"}, {"氷"}};
    VECTOR_CLASS<std::string> out;
    MakeRecordNameList(out, recs, nullptr, 0, 1, 2, 1);
    EXPECT_EQ((VECTOR_CLASS<std::string>{"01 なし", "02 炎", "03 氷"}), out);
    MakeRecordNameList(out, recs, "（なし）", 0, 1, 3, 0);
    EXPECT_EQ((VECTOR_CLASS<std::string>{"（なし）", "001 炎", "002 氷"}), out);
    MakeRecordNameList(out, recs, nullptr, 1, 0, 0, 0);
    EXPECT_EQ((VECTOR_CLASS<std::string>{"炎", "氷"}), out);
    VECTOR_CLASS<OtherRec> others = {{"変数"}};
    MakeRecordNameList(out, others, nullptr, 0, 1, 1, 1);
    EXPECT_EQ((VECTOR_CLASS<std::string>{"1 変数"}), out);
}

cSkillList MakeList(const char* name, int skills) {
    cSkillList list;
    list.strName = name;
    list.vCateg.clear();
    for (const char* c : {"A", "B", "C"}) {
        cCateg categ;
        categ.strName = c;
        list.vCateg.push_back(categ);
    }
    list.vSkill.assign(static_cast<size_t>(skills), cSkill());
    for (int i = 0; i < skills; ++i) list.vSkill[i].strName = "技" + std::to_string(i);
    return list;
}

TEST(NameLists, SkillRows) {
    VECTOR_CLASS<cSkillList> saved = g_SkillLists;
    g_SkillLists.clear();
    g_SkillLists.push_back(MakeList("剣技", 3));
    g_SkillLists.push_back(MakeList("魔法", 1));
    g_SkillLists[0].vSkill[2].nCateg = 2;

    VECTOR_CLASS<std::string> rows;
    MakeSkillRows(rows, 0);
    EXPECT_EQ((VECTOR_CLASS<std::string>{"001 A-技1", "002 C-技2"}), rows);
    MakeSkillRows(rows, 1);
    EXPECT_TRUE(rows.empty()) << "a list holding only skill 0";
    MakeSkillRows(rows, -1);
    EXPECT_TRUE(rows.empty()) << "no list chosen";
    MakeSkillListRows(rows);
    EXPECT_EQ((VECTOR_CLASS<std::string>{"01 剣技", "02 魔法"}), rows);
    MakeNumberRows(rows, 256, 64);
    ASSERT_EQ(64u, rows.size());
    EXPECT_EQ("0", rows[0]);
    EXPECT_EQ("63", rows[63]);
    MakeNumberRows(rows, 15, 64);
    EXPECT_TRUE(rows.empty());
    g_SkillLists = saved;
}

}  // namespace
