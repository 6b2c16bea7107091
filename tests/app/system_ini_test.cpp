// Reading "System.ini": where the reading stops, what counts as a finished
// file, and where values go in the settings block.
#include "app/system_ini.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The key list as a new project's system settings hold it.
const VECTOR_CLASS<cIni>& Keys() {
    static cSystem system;
    return system.IniKeys;
}

struct IniResult {
    int ok;
    int block[INI_BLOCK_SIZE];
};

IniResult Parse(const std::string& text) {
    IniResult r{};
    SetDefaultSettings(r.block, Keys());
    r.ok = ParseSystemIni(text.data(), text.size(), r.block, Keys());
    return r;
}

// Slots: 1 WindowMode, 2 Color, 3 FrameRate, 4 VSync, 5 ShowFps, 6 English, 7 Midi_DirectMusic.
const int kDefaults[INI_BLOCK_SIZE] = {1, 2, 0, 60, 2, 2, 0, 1};

}  // namespace

TEST(SystemIni, DefaultsFollowTheKeyListWithFrameRateBeforeVSync) {
    int block[INI_BLOCK_SIZE] = {};
    SetDefaultSettings(block, Keys());
    for (int i = 0; i < INI_BLOCK_SIZE; ++i) EXPECT_EQ(kDefaults[i], block[i]) << "slot " << i;
    EXPECT_EQ(3, IniSlotOfKey(3)) << "FrameRate";
    EXPECT_EQ(4, IniSlotOfKey(2)) << "VSync";
    EXPECT_EQ(-1, IniSlotOfKey(7));
}

TEST(SystemIni, LinesAndWhereTheReadingStops) {
    const std::string exitLines(10000, '\n');
    struct Case {
        const char* what;
        std::string text;
        int ok;
        int slot;   // slot to check
        int value;  // its value afterwards
    };
    const Case cases[] = {
        {"a key and Exit", "WindowMode=1\nExit\n", 1, 1, 1},
        {"CR LF lines", "VSync=0\r\nFrameRate=45\r\nExit\r\n", 1, 3, 45},
        {"CR LF lines, the other key", "VSync=0\r\nFrameRate=45\r\nExit\r\n", 1, 4, 0},
        {"comment after a blank", "FrameRate=30 // fps\nExit\n", 1, 3, 30},
        {"comment after a slash", "FrameRate=30// fps\nExit\n", 1, 3, 30},
        {"blank inside a number", "FrameRate=3 0\nExit\n", 1, 3, 3},
        {"blanks around the key", "  Frame Rate =50\nExit\n", 1, 3, 50},
        {"a key after a blank is read", "English=1 Color=2\nExit\n", 1, 2, 2},
        {"keys compare case-sensitively", "framerate=30\nExit\n", 1, 3, 60},
        {"unknown keys are ignored", "Speed=9\nShowFps=0\nExit\n", 1, 5, 0},
        {"a line without = is skipped", "hello\nMidi_DirectMusic=0\nExit\n", 1, 7, 0},
        {"Exit with blanks still ends", " Exit \nFrameRate=10\n", 1, 3, 60},
        {"only Exit keeps the defaults", "Exit\n", 1, 3, 60},
        {"a NUL ends the file", std::string("Color=1\n", 8) + '\0' + "garbage", 1, 2, 1},
        {"a NUL ends a value, not the file", std::string("Color=4") + '\0' + "FrameRate=20\nExit\n", 1, 3, 20},
        {"the value before it counts", std::string("Color=4") + '\0' + "FrameRate=20\nExit\n", 1, 2, 4},
        {"nothing after a NUL in a value", std::string("Color=4") + '\0', 0, 2, 4},
        {"negative and signed values", "Color=-3\nFrameRate=+20\nExit\n", 1, 2, -3},
        {"no Exit line", "FrameRate=30\n", 0, 3, 30},
        {"exit in lower case", "exit\n", 0, 3, 60},
        {"Exit without its line break", "Exit", 0, 3, 60},
        {"empty file", "", 0, 3, 60},
        {"the file ends inside a value", "FrameRate=30", 0, 3, 60},
        {"10,000 lines are read", std::string(9999, '\n') + "FrameRate=25\nExit\n", 1, 3, 25},
        {"line 10,001 is not", exitLines + "FrameRate=25\nExit\n", 1, 3, 60},
        {"an overlong key", std::string(3000, 'K') + "=1\nExit\n", 0, 3, 60},
        {"an overlong value", "FrameRate=" + std::string(3000, '7') + "\nExit\n", 0, 3, 60},
        {"a key that just fits", std::string(2047, 'K') + "=1\nExit\n", 1, 3, 60},
        {"huge numbers are clamped", "FrameRate=99999999999\nExit\n", 1, 3, 2147483647},
    };
    for (const Case& c : cases) {
        IniResult r = Parse(c.text);
        EXPECT_EQ(c.ok, r.ok) << c.what;
        EXPECT_EQ(c.value, r.block[c.slot]) << c.what;
    }
}

TEST(SystemIni, MissingFileReadsNothing) {
    int block[INI_BLOCK_SIZE] = {};
    SetDefaultSettings(block, Keys());
    EXPECT_EQ(0, LoadSystemIni("no_such_System.ini", block, Keys()));
    for (int i = 0; i < INI_BLOCK_SIZE; ++i) EXPECT_EQ(kDefaults[i], block[i]);
}
