// The toolkit's window-free rules: number text of the numeric edits, list
// rows and record names, the keyboard hook's decisions, text counting and the
// string edit's limits, and the frame timers.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "tests/support/seams.h"
#include "ui/frame_timer.h"
#include "ui/hook_rules.h"
#include "ui/list_rules.h"
#include "ui/numtext.h"
#include "ui/record_names.h"
#include "ui/text_rules.h"

TEST(NumberText, FormatNumberEx) {
    struct {
        int value, digits, keepZeros, plus;
        const char* text;
    } cases[] = {
        {7, 3, 1, 0, "007"},   {123, 2, 1, 0, "123"}, {-5, 3, 1, 0, "-005"},
        {0, 0, 1, 0, "0"},     {42, 4, 0, 0, "  42"}, {0, 3, 0, 0, "  0"},
        {5, 2, 1, 1, "+05"},   {-5, 2, 0, 1, "- 5"},  {INT_MIN, 0, 1, 0, "-2147483648"},
        {100, 3, 1, 0, "100"},
    };
    for (const auto& c : cases) {
        std::string out;
        FormatNumberEx(out, c.value, c.digits, c.keepZeros, c.plus);
        EXPECT_EQ(c.text, out) << c.value << " " << c.digits;
    }
}

TEST(NumberText, CountDecimals) {
    EXPECT_EQ(2, CountDecimals(0.05));
    EXPECT_EQ(1, CountDecimals(0.5));
    EXPECT_EQ(0, CountDecimals(1.0));
    EXPECT_EQ(1, CountDecimals(0.1));
    EXPECT_EQ(0, CountDecimals(12.0));
}

TEST(NumberText, TypedCharactersAndFullWidthInput) {
    for (unsigned c : {unsigned('0'), unsigned('9'), unsigned('-'), unsigned('.'), 8u, 9u, 13u, 22u, 24u, 39u})
        EXPECT_TRUE(IsNumericEditChar(c)) << c;
    for (unsigned c : {0u, unsigned('a'), unsigned('+'), unsigned('e'), unsigned(','), 0x82u})
        EXPECT_FALSE(IsNumericEditChar(c)) << c;
    // "１２", "－３．５", "ａ１", "x9" in Shift-JIS.
    EXPECT_EQ("12", FullWidthToAsciiText("\x82\x50\x82\x51"));
    EXPECT_EQ("-3.5", FullWidthToAsciiText("\x81\x7C\x82\x52\x81\x44\x82\x54"));
    EXPECT_EQ("1", FullWidthToAsciiText("\x82\x81\x82\x50"));
    EXPECT_EQ("", FullWidthToAsciiText("x9"));
    EXPECT_EQ('0', FullWidthToAscii(0x82, 0x4F));
    EXPECT_EQ(0, FullWidthToAscii(0x82, 0x59));
}

TEST(NumberText, CleanText) {
    struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"a1b2", "12"},
        {"-12", "-12"},
        {"1-2", "12"},
        {"--5", "-5"},
        {"1.5", "1.5"},
        {"\x82\x50"
         "7",
         "7"},  // a full-width digit typed around the filter is dropped
        {" 4 2 ", "42"},
        {"", ""},
        {"\x82", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.out, CleanNumberText(c.in)) << c.in;
}

TEST(NumberText, ParseIntText) {
    struct {
        const char* text;
        long long lo, hi, minimum;
        long long value;
        int typing;
        const char* pending;
    } cases[] = {
        {"42", INT_MIN, INT_MAX, 0, 42, 0, ""},
        {"", INT_MIN, INT_MAX, 0, 0, 1, ""},
        {"", INT_MIN, INT_MAX, 5, 5, 1, ""},
        {"abc", INT_MIN, INT_MAX, 3, 3, 1, ""},
        {"-", INT_MIN, INT_MAX, 0, 0, 0, "-"},
        {"-0", INT_MIN, INT_MAX, 0, 0, 0, "-0"},
        {"-00", INT_MIN, INT_MAX, 0, 0, 0, "-0"},
        {"-5", INT_MIN, INT_MAX, 0, -5, 0, ""},
        {"300", 0, 255, 0, 255, 0, ""},
        {"-7", 0, 255, 0, 0, 0, ""},
        {"99999999999999999999999", INT_MIN, INT_MAX, 0, INT_MAX, 0, ""},
        {"40000", -32768, 32767, 0, 32767, 0, ""},
        {"12.9", INT_MIN, INT_MAX, 0, 12, 0, ""},
    };
    for (const auto& c : cases) {
        NumberParse p = ParseIntText(c.text, c.lo, c.hi, c.minimum);
        EXPECT_EQ(c.value, p.value) << c.text;
        EXPECT_EQ(c.typing, p.typing) << c.text;
        EXPECT_EQ(c.pending, p.pending) << c.text;
    }
}

TEST(NumberText, ParseRealText) {
    NumberParse p = ParseRealText("1.056", 2, 0.0);
    EXPECT_DOUBLE_EQ(1.06, p.real);
    EXPECT_EQ("1.056", p.pending);
    p = ParseRealText("", 2, 0.5);
    EXPECT_EQ(1, p.typing);
    EXPECT_DOUBLE_EQ(0.5, p.real);
    p = ParseRealText("", 2, -1.0);
    EXPECT_DOUBLE_EQ(0.0, p.real);
    p = ParseRealText("x-2.5y", 1, -10.0);
    EXPECT_DOUBLE_EQ(-2.5, p.real);
    EXPECT_EQ("-2.5", p.pending);
    EXPECT_EQ("1.05", FormatReal(1.05, 2));
    EXPECT_EQ("3", FormatReal(3.0, 0));
}

namespace {
const unsigned kEsc = 0x1B, kTab = 0x09, kEnter = 0x0D, kCtrl = 0x11, kLeft = 0x25, kDelete = 0x2E, kF8 = 0x77,
               kF9 = 0x78, kX = 'X';
const unsigned kDown = 0x0100, kUp = 0x0101;

HOOK_KEY_INPUT Key(unsigned key, int modeless = 0, int ime = HOOK_IME_IDLE, int ctrl = 0, int up = 0) {
    HOOK_KEY_INPUT in;
    in.key = key;
    in.keyUp = up;
    in.hasClient = 1;
    in.clientActive = 1;
    in.modeless = modeless;
    in.ime = ime;
    in.ctrlHeld = ctrl;
    return in;
}
HOOK_KEY_INPUT WithAlt(HOOK_KEY_INPUT in) {
    in.altHeld = 1;
    return in;
}
HOOK_KEY_INPUT InTextBox(HOOK_KEY_INPUT in) {
    in.focusTakesReturn = 1;
    return in;
}
}  // namespace

TEST(HookRules, KeyDecisions) {
    struct {
        const char* what;
        HOOK_KEY_INPUT in;
        int swallow;
        unsigned post;
        int ctrlAfter;
    } cases[] = {
        {"arrow in a modal dialog is copied", Key(kLeft), 0, WM_HOOKKEY, 0},
        {"Delete is copied", Key(kDelete), 0, WM_HOOKKEY, 0},
        {"F8 is copied, F9 is posted", Key(kF8), 0, WM_HOOKKEY, 0},
        {"F9 is posted as a key", Key(kF9), 0, kDown, 0},
        {"Tab is never re-posted", Key(kTab), 0, 0, 0},
        {"Enter while composing goes to the input method", Key(kEnter, 0, HOOK_IME_COMPOSING), 0, 0, 0},
        {"Enter otherwise is posted", Key(kEnter), 0, kDown, 0},
        {"Enter in a multi-line edit stays there", InTextBox(Key(kEnter)), 0, 0, 0},
        {"Ctrl+Enter in a multi-line edit too", InTextBox(Key(kEnter, 0, HOOK_IME_IDLE, 1)), 0, 0, 1},
        {"arrow while composing is posted as a key", Key(kLeft, 0, HOOK_IME_COMPOSING), 0, kDown, 0},
        {"Ctrl down sets the flag", Key(kCtrl), 0, kDown, 1},
        {"Ctrl up clears the flag", Key(kCtrl, 0, HOOK_IME_IDLE, 1, 1), 0, kUp, 0},
        {"Ctrl+X in a modal dialog is posted", Key(kX, 0, HOOK_IME_IDLE, 1), 0, kDown, 1},
        {"Ctrl+X in a modeless dialog is not", Key(kX, 1, HOOK_IME_IDLE, 1), 0, 0, 1},
        {"Ctrl down in a modeless dialog is not", Key(kCtrl, 1), 0, 0, 1},
        {"X in a modeless dialog is posted", Key(kX, 1), 0, kDown, 0},
        {"Escape reaches a dialog", Key(kEsc), 0, kDown, 0},
        {"no input-method context: arrow posted as a key", Key(kLeft, 0, HOOK_IME_NO_CONTEXT), 0, kDown, 0},
        {"a letter with Alt is left to the menus", WithAlt(Key(kX, 1)), 0, 0, 0},
        {"an arrow with Alt is not copied", WithAlt(Key(kLeft)), 0, 0, 0},
    };
    for (const auto& c : cases) {
        HOOK_KEY_DECISION d = DecideHookKey(c.in);
        EXPECT_EQ(c.swallow, d.swallow) << c.what;
        EXPECT_EQ(c.post, d.post) << c.what;
        EXPECT_EQ(c.ctrlAfter, d.ctrlHeld) << c.what;
    }
}

// An open menu or a dropped combo list takes every key: nothing is copied
// to the dialog behind it, not even Escape is swallowed where the dialog
// has no hook object; only the Ctrl flag follows.
TEST(HookRules, AMenuOrADroppedListTakesEveryKey) {
    const struct {
        const char* what;
        HOOK_KEY_INPUT in;
        int ctrlAfter;
    } cases[] = {
        {"Return", Key(kEnter), 0},
        {"Escape", Key(kEsc), 0},
        {"Delete", Key(kDelete), 0},
        {"an arrow", Key(kLeft), 0},
        {"Ctrl+X", Key(kX, 0, HOOK_IME_IDLE, 1), 1},
        {"Ctrl down", Key(kCtrl), 1},
        {"Ctrl up", Key(kCtrl, 0, HOOK_IME_IDLE, 1, 1), 0},
        {"Escape in a window without a hook object", HOOK_KEY_INPUT{kEsc}, 0},
    };
    for (auto c : cases) {
        c.in.menuOrListOpen = 1;
        const HOOK_KEY_DECISION d = DecideHookKey(c.in);
        EXPECT_EQ(0, d.swallow) << c.what;
        EXPECT_EQ(0u, d.post) << c.what;
        EXPECT_EQ(c.ctrlAfter, d.ctrlHeld) << c.what;
    }
}

TEST(HookRules, EscapeOutsideDialogs) {
    HOOK_KEY_INPUT in;
    in.key = kEsc;
    EXPECT_EQ(1, DecideHookKey(in).swallow);  // the main frame: no hook object
    in.ime = HOOK_IME_COMPOSING;
    EXPECT_EQ(0, DecideHookKey(in).swallow);  // the input method cancels its composition
    in.ime = HOOK_IME_NO_CONTEXT;
    HOOK_KEY_DECISION d = DecideHookKey(in);
    EXPECT_EQ(0, d.swallow);
    EXPECT_EQ(1, d.logNoContext);
    HOOK_KEY_INPUT opt = Key(kEsc);
    opt.option = 1;  // a dialog that wants no Escape
    EXPECT_EQ(1, DecideHookKey(opt).swallow);
    HOOK_KEY_INPUT other = Key(kLeft);
    other.clientActive = 0;  // the hook object serves another window
    EXPECT_EQ(0u, DecideHookKey(other).post);
    for (unsigned k = 0x70; k <= 0x77; ++k) EXPECT_TRUE(IsHookCopiedKey(k));
    EXPECT_FALSE(IsHookCopiedKey(kEnter));
}

TEST(ListRules, RowNumbering) {
    struct {
        int index, first, shown, numbered;
        const char* row;
    } cases[] = {
        {0, 0, 9, 1, "1 a"},    {8, 0, 9, 1, "9 a"},     {0, 0, 12, 1, "01 a"},
        {11, 0, 12, 1, "12 a"}, {0, 0, 100, 1, "001 a"}, {99, 0, 100, 1, "100 a"},
        {1, 1, 5, 1, "1 a"},    {3, 0, 5, 0, "a"},       {0, 0, 0, 1, "1 a"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.row, MakeListRow(c.index, c.first, c.shown, c.numbered, "a")) << c.index << "/" << c.shown;
}

TEST(ListRules, ShortcutKeys) {
    const unsigned kDeleteKey = 0x2E;
    // Ctrl+X, C, V, I (twice) need Ctrl; Delete fires the clear and the delete slot either way.
    EXPECT_TRUE(IsListShortcut(LIST_CMD_CUT, 'X', 1));
    EXPECT_FALSE(IsListShortcut(LIST_CMD_CUT, 'X', 0));
    EXPECT_TRUE(IsListShortcut(LIST_CMD_NEW, 'I', 1));
    EXPECT_TRUE(IsListShortcut(LIST_CMD_INSERT, 'I', 1));
    EXPECT_TRUE(IsListShortcut(LIST_CMD_CLEAR, kDeleteKey, 0));
    EXPECT_TRUE(IsListShortcut(LIST_CMD_DELETE, kDeleteKey, 1));
    EXPECT_FALSE(IsListShortcut(LIST_CMD_PASTE, 'C', 1));
    EXPECT_FALSE(IsListShortcut(7, 'X', 1));
}

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
        {"a\r\nb", 3},  // a carriage return is a character to the
                        // game
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
    EXPECT_EQ(20, out.selEnd) << "the caret after the wrapped character";
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

// The fake clock, with the timers started afresh.
struct FrameClock : ScopedClock {
    explicit FrameClock(uint32_t start) : ScopedClock(start) { ResetFrameTimers(); }
    ~FrameClock() { ResetFrameTimers(); }
};
uint32_t& g_nNow = ScopedClock::Now();

int DueInOneSecond(int rate) {
    int due = 0;
    for (int i = 0; i < 1000; ++i, ++g_nNow)
        if (IsFrameDue(rate)) ++due;
    return due;
}

TEST(FrameTimer, PacerIsDueOnceEveryFrame) {
    {
        FrameClock clock(5000);
        EXPECT_EQ(20, DueInOneSecond(20));
    }
    {
        FrameClock clock(5000);
        EXPECT_EQ(1000, DueInOneSecond(0));
    }
    // Across the wrap of the millisecond clock the pace stays the same.
    FrameClock clock(0xFFFFFFFFu - 400);
    EXPECT_EQ(20, DueInOneSecond(20));
    EXPECT_TRUE(g_nNow < 1000) << "the clock wrapped during the second";
}

TEST(FrameTimer, FpsCountsTheFramesOfTheLastSecond) {
    FrameClock clock(100);
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

// A stored text raises the buffer and the line count it passes, just so far
// that set-up keeps it whole; the line length stays, as the lines it shows
// keep their own.
TEST(EditLimits, AStoredTextRaisesTheLimitsItPasses) {
    std::string kan13;
    for (int i = 0; i < 13; ++i) kan13 += kKan;
    const struct {
        std::string text;
        EDIT_LIMITS declared, fit;
    } cases[] = {
        {"short", {9, 1024, 32, 0}, {9, 1024, 32, 0}},
        {"0123456789ab", {9, 1024, 32, 0}, {13, 1024, 32, 0}},             // the read buffer
        {"0123456789ab", {4096, 8, 1, 0}, {4096, 8, 1, 0}},                // the line, in bytes
        {kan13, {13, 12, 1, 1}, {14, 12, 1, 1}},                           // half the bytes
        {"abcdefghijk\r\n1\r\n2\r\n3", {4096, 8, 3, 1}, {4096, 8, 4, 1}},  // the lines
        {"", {9, 1024, 32, 0}, {9, 1024, 32, 0}},
    };
    for (const auto& c : cases) {
        const EDIT_LIMITS fit = FitEditLimits(c.text, c.declared);
        EXPECT_EQ((std::vector<int>{c.fit.maxBytes, c.fit.lineLen, c.fit.maxLines, c.fit.countChars}),
                  (std::vector<int>{fit.maxBytes, fit.lineLen, fit.maxLines, fit.countChars}))
            << c.text;
        EXPECT_EQ(c.text, CheckEditLimits(Typed(c.text, 0), Typed(c.text, 0), fit, 1, 0).text)
            << "set-up keeps it whole";
    }
}

// Each line keeps its own length (8 here): a long stored line opens no other
// line; split by a typed break, each part may keep only its stored length.
TEST(EditLimits, ALongStoredLineOpensNoOtherLine) {
    const struct {
        const char *previous, *typed, *kept;
    } cases[] = {
        {"abcdefghijk\r\n1", "abcdefghijk\r\n1XXXXXXXX", "abcdefghijk\r\n1XXXXXXX\r\nX"},
        {"abcdefghijk", "aXXXXXXXXXX\r\nbcdefghijk", "aXXXXXXX\r\nXXX\r\nbcdefghijk"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.kept, CheckEditLimits(Typed(c.typed, 0), Typed(c.previous, 0), {4096, 8, 4, 1}, 0, 0).text)
            << c.typed;
}

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
    MakeNumberRows(out, 256, 64);
    ASSERT_EQ(64u, out.size());
    EXPECT_EQ("0", out[0]);
    EXPECT_EQ("63", out[63]);
    MakeNumberRows(out, 15, 64);
    EXPECT_TRUE(out.empty());
}

}  // namespace
