// The toolkit's window-free rules: number text of the numeric edits and the
// list rows, and the keyboard hook's decisions.
#include <gtest/gtest.h>

#include <climits>

#include "ui/hook_rules.h"
#include "ui/list_rules.h"
#include "ui/numtext.h"

TEST(NumberText, FormatNumberEx) {
    struct {
        int value, digits, keepZeros, plus;
        const char* text;
    } cases[] = {
        {7, 3, 1, 0, "007"},     {123, 2, 1, 0, "123"},  {-5, 3, 1, 0, "-005"}, {0, 0, 1, 0, "0"},
        {42, 4, 0, 0, "  42"},   {0, 3, 0, 0, "  0"},    {5, 2, 1, 1, "+05"},   {-5, 2, 0, 1, "- 5"},
        {INT_MIN, 0, 1, 0, "-2147483648"}, {100, 3, 1, 0, "100"},
    };
    for (const auto& c : cases) {
        std::string out;
        FormatNumberEx(out, c.value, c.digits, c.keepZeros, c.plus);
        EXPECT_EQ(c.text, out) << c.value << " " << c.digits;
    }
    EXPECT_EQ(1, CountDigits(0));
    EXPECT_EQ(3, CountDigits(-100));
    EXPECT_EQ(10, CountDigits(INT_MIN));
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
        {"a1b2", "12"}, {"-12", "-12"}, {"1-2", "12"}, {"--5", "-5"}, {"1.5", "1.5"},
        {"\x82\x50" "7", "7"},  // a full-width digit typed around the filter is dropped
        {" 4 2 ", "42"}, {"", ""}, {"\x82", ""},
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
        {"arrow while composing is posted as a key", Key(kLeft, 0, HOOK_IME_COMPOSING), 0, kDown, 0},
        {"Ctrl down sets the flag", Key(kCtrl), 0, kDown, 1},
        {"Ctrl up clears the flag", Key(kCtrl, 0, HOOK_IME_IDLE, 1, 1), 0, kUp, 0},
        {"Ctrl+X in a modal dialog is posted", Key(kX, 0, HOOK_IME_IDLE, 1), 0, kDown, 1},
        {"Ctrl+X in a modeless dialog is not", Key(kX, 1, HOOK_IME_IDLE, 1), 0, 0, 1},
        {"Ctrl down in a modeless dialog is not", Key(kCtrl, 1), 0, 0, 1},
        {"X in a modeless dialog is posted", Key(kX, 1), 0, kDown, 0},
        {"Escape reaches a dialog", Key(kEsc), 0, kDown, 0},
        {"no input-method context: arrow posted as a key", Key(kLeft, 0, HOOK_IME_NO_CONTEXT), 0, kDown, 0},
    };
    for (const auto& c : cases) {
        HOOK_KEY_DECISION d = DecideHookKey(c.in);
        EXPECT_EQ(c.swallow, d.swallow) << c.what;
        EXPECT_EQ(c.post, d.post) << c.what;
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
        {0, 0, 9, 1, "1 a"},   {8, 0, 9, 1, "9 a"},     {0, 0, 12, 1, "01 a"},  {11, 0, 12, 1, "12 a"},
        {0, 0, 100, 1, "001 a"}, {99, 0, 100, 1, "100 a"}, {1, 1, 5, 1, "1 a"}, {3, 0, 5, 0, "a"},
        {0, 0, 0, 1, "1 a"},
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
