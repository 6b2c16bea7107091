// The sound manager: file slots, the back end chosen by file type, the Ogg
// voices' calls, and the optional MIDI library (a test double beside the test
// program) against the program's own player.
#include "media/sound.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/platform.h"
#include "media/ggs4_api.h"
#include "tests/media/fake_midi_stream.h"
#include "tests/media/ggs4_double.h"
#include "tests/media/smf_builder.h"
#include "tests/media/test_files.h"
#include "tests/support/seams.h"

namespace {

// ---- A recording Ogg voice -----------------------------------------------------

std::vector<std::string> g_VoxCalls;
bool g_VoxPlayFails = false;

struct FakeVox : VOX {
    int id;
};
int g_NextVox = 0;

void Rec(VOX* v, const std::string& what) {
    g_VoxCalls.push_back(std::to_string(static_cast<FakeVox*>(v)->id) + " " + what);
}

unsigned char VOX_CALL FOpen(VOX* v, const char* f) {
    Rec(v, std::string("open ") + f);
    const std::string s = f;
    return s.size() > 4 && s.compare(s.size() - 4, 4, ".ogg") == 0 ? 1 : 0;  // only Ogg decodes
}
unsigned char VOX_CALL FPlay(VOX* v) {
    Rec(v, "play");
    return g_VoxPlayFails ? 0 : 1;
}
void VOX_CALL FStop(VOX* v) { Rec(v, "stop"); }
void VOX_CALL FClose(VOX* v) { Rec(v, "close"); }
void VOX_CALL FSetLoop(VOX* v, int n) { Rec(v, "loop " + std::to_string(n)); }
int VOX_CALL FGetLoop(VOX*) { return 0; }
void VOX_CALL FSetVolume(VOX* v, float f) {
    char t[32];
    std::snprintf(t, sizeof(t), "volume %.2f", f);
    Rec(v, t);
}
float VOX_CALL FGetVolume(VOX*) { return 1.0f; }
unsigned char VOX_CALL FIsPlaying(VOX*) { return 0; }
void VOX_CALL FRelease(VOX* v) {
    Rec(v, "release");
    delete static_cast<FakeVox*>(v);
}
const VOX_VTBL kFakeVtbl = {FOpen,    FPlay,      FStop,      FClose,     FSetLoop,
                            FGetLoop, FSetVolume, FGetVolume, FIsPlaying, FRelease};

VOX* VOX_CALL FakeCreateVox() {
    auto* v = new FakeVox;
    v->lpVtbl = &kFakeVtbl;
    v->id = g_NextVox++;
    return v;
}

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The double beside the program stays loaded for the whole test, so
        // that its record outlives the manager's own load and unload.
        ggs4 = LoadLibraryA("GuruGuruSMF4.dll");
        ASSERT_NE(nullptr, ggs4);
        auto record =
            reinterpret_cast<GGS4DOUBLESTATE>(reinterpret_cast<void*>(GetProcAddress(ggs4, "Ggs4DoubleRecord")));
        ASSERT_NE(nullptr, record);
        state = record();
        *state = Ggs4DoubleState{};
        g_VoxCalls.clear();
        g_VoxPlayFails = false;
        g_NextVox = 0;
        SetCreateVoxOverride(FakeCreateVox);
        fake_midi::Install();
        std::snprintf(ogg[0].szFile, sizeof(ogg[0].szFile), "bgm\\Free.ogg");
        std::snprintf(midi[0].szFile, sizeof(midi[0].szFile), "bgm\\Free.mid");
    }
    void TearDown() override {
        sound.Release();
        fake_midi::Uninstall();
        SetCreateVoxOverride(nullptr);
        SetVoxLibraryName(nullptr);
        FreeLibrary(ggs4);
    }
    std::vector<std::string> TakeVox() {
        std::vector<std::string> out;
        out.swap(g_VoxCalls);
        return out;
    }
    int InitOwnMidi() {
        state->openResult = 1;  // the library finds no device
        return sound.Init(1, ogg, midi, 1, 0);
    }

    HMODULE ggs4 = nullptr;
    Ggs4DoubleState* state = nullptr;
    ScopedBoxes boxes;
    cOggEntry ogg[1] = {};
    cMidiEntry midi[1] = {};
    cSound sound;
};

TEST_F(SoundTest, SetFileDecidesTheSlotKindByExtension) {
    ASSERT_EQ(1, InitOwnMidi());
    struct Case {
        const char* file;
        int volume;
        int result;
        int kind;
        const char* oggFile;
        int oggVolume;
        const char* midiFile;
        int midiVolume;
    } cases[] = {
        {"bgm\\a.ogg", 80, 1, cSound::KIND_OGG, "bgm\\a.ogg", 80, "bgm\\Free.mid", 0},
        {"bgm\\b.MID", 50, 1, cSound::KIND_MIDI, "bgm\\a.ogg", 80, "bgm\\b.mid", 50},
        {"bgm\\c.OGG", 30, 1, cSound::KIND_OGG, "bgm\\c.OGG", 30, "bgm\\b.mid", 50},
        {"bgm\\d.mid", 100, 1, cSound::KIND_MIDI, "bgm\\c.OGG", 30, "bgm\\d.mid", 100},
        {"bgm\\e.wav", 70, 0, cSound::KIND_UNDECIDED, "bgm\\e.wav", 70, "bgm\\e.wav", 70},
        {"bgm\\f.Mid", 60, 0, cSound::KIND_UNDECIDED, "bgm\\f.Mid", 60, "bgm\\f.Mid", 60},
        {"bgm\\noext", 90, 0, cSound::KIND_UNDECIDED, "", 0, "", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result, sound.SetFile(0, c.file, c.volume)) << c.file;
        EXPECT_EQ(c.kind, sound.GetSlotKind(0)) << c.file;
        EXPECT_STREQ(c.oggFile, ogg[0].szFile) << c.file;
        EXPECT_EQ(c.oggVolume, ogg[0].nVolume) << c.file;
        EXPECT_STREQ(c.midiFile, midi[0].szFile) << c.file;
        EXPECT_EQ(c.midiVolume, midi[0].nVolume) << c.file;
    }
}

TEST_F(SoundTest, OggPlaysOnTheChannelsVoiceWithLoopAndVolume) {
    ASSERT_EQ(1, InitOwnMidi());
    sound.SetFile(0, "bgm\\a.ogg", 100);
    ASSERT_EQ(1, sound.Play(0, 0, 1, 0, 1));
    EXPECT_EQ((std::vector<std::string>{"0 close", "0 open bgm\\a.ogg", "0 loop 2147483647", "0 play"}), TakeVox());
    EXPECT_EQ(cSound::CHANNEL_OGG, sound.GetChannelState(0));
    EXPECT_EQ(0, sound.GetCurrentSlot());

    // The same slot again starts nothing unless forced.
    EXPECT_EQ(1, sound.Play(0, 0, 1, 0, 0));
    EXPECT_TRUE(TakeVox().empty());
    sound.SetFile(0, "bgm\\b.ogg", 50);
    ASSERT_EQ(1, sound.Play(0, 0, 0, 0, 1));
    EXPECT_EQ(
        (std::vector<std::string>{"0 stop", "0 close", "0 open bgm\\b.ogg", "0 volume 0.50", "0 loop 0", "0 play"}),
        TakeVox());

    sound.Stop();
    EXPECT_EQ((std::vector<std::string>{"0 stop"}), TakeVox());
}

TEST_F(SoundTest, NothingThatPlaysLeavesNoSlotCurrent) {
    ASSERT_EQ(1, InitOwnMidi());
    struct Case {
        const char* file;
        std::vector<std::string> vox;
    } cases[] = {
        // Undecided: the Ogg voice is tried, then the MIDI player, and both refuse.
        {"bgm\\song.wav", {"0 close", "0 open bgm\\song.wav"}},
        {"bgm\\noext", {}},
    };
    for (const Case& c : cases) {
        sound.SetFile(0, c.file, 100);
        TakeVox();
        EXPECT_EQ(0, sound.Play(0, 0, 1, 0, 1)) << c.file;
        EXPECT_EQ(-1, sound.GetCurrentSlot());
        EXPECT_EQ(cSound::CHANNEL_IDLE, sound.GetChannelState(0));
        EXPECT_EQ(c.vox, TakeVox()) << c.file;
    }
    // A voice that cannot start (no wave device) is a failure too.
    g_VoxPlayFails = true;
    sound.SetFile(0, "bgm\\a.ogg", 100);
    EXPECT_EQ(0, sound.Play(0, 0, 1, 0, 1));
    EXPECT_EQ(-1, sound.GetCurrentSlot());
}

TEST_F(SoundTest, MidiGoesToTheOwnPlayerWithoutTheLibrary) {
    ASSERT_EQ(1, InitOwnMidi());
    EXPECT_EQ(0, sound.IsExternalMidi());
    EXPECT_EQ(1, state->opens);
    EXPECT_EQ(0, state->closes);  // a library without a device is only unloaded
    const std::string file = TempFile("sound_own.mid");
    ASSERT_TRUE(WriteBytes(file, Smf(0, 96, {{0x00, 0x90, 0x3C, 0x40, 0x10, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00}})));
    sound.SetFile(0, file.c_str(), 100);
    ASSERT_EQ(1, sound.Play(0, 0, 1, 0, 1));
    EXPECT_EQ(cSound::CHANNEL_MIDI, sound.GetChannelState(0));
    ASSERT_NE(nullptr, sound.GetSmfSlots().GetPlayer(0));
    EXPECT_EQ(cSmfPlay::STATE_PLAYING, sound.GetSmfSlots().GetPlayer(0)->GetState());
    sound.Stop();
    EXPECT_EQ(cSmfPlay::STATE_STOPPED, sound.GetSmfSlots().GetPlayer(0)->GetState());
    DeleteFileA(file.c_str());
}

TEST_F(SoundTest, MidiGoesToTheLibraryWhenItOpensADevice) {
    ASSERT_EQ(1, sound.Init(1, ogg, midi, 1, 1));
    ASSERT_EQ(1, sound.IsExternalMidi());
    EXPECT_EQ(kGgs4DeviceDirectMusic, state->device);
    sound.SetFile(0, "bgm\\x.MID", 50);
    ASSERT_EQ(1, sound.Play(0, 0, 1, 0, 1));
    EXPECT_STREQ("bgm\\x.mid", state->file);
    EXPECT_EQ(-64, state->volume);
    EXPECT_EQ(1, state->playOption);
    EXPECT_EQ(1, state->pauses);  // what played before is paused first
    EXPECT_EQ(cSound::CHANNEL_MIDI, sound.GetChannelState(0));

    // An Ogg file plays on the voice and stops the library.
    sound.SetFile(0, "bgm\\y.ogg", 100);
    ASSERT_EQ(1, sound.Play(0, 0, 1, 0, 1));
    const int stops = state->stops;
    // A refused file in the library fails the play.
    state->addResult = 3;
    sound.SetFile(0, "bgm\\z.mid", 100);
    EXPECT_EQ(0, sound.Play(0, 0, 1, 0, 1));
    EXPECT_EQ(stops + 1, state->stops);

    sound.Release();
    EXPECT_EQ(1, state->closes);
    EXPECT_EQ(0, sound.IsActive());
}

TEST_F(SoundTest, LibraryDeviceAndVolumeFollowTheSettings) {
    ASSERT_EQ(1, sound.Init(1, ogg, midi, 1, 0));
    EXPECT_EQ(kGgs4DeviceDefault, state->device);
    const int volumes[][2] = {{100, 0}, {0, -127}, {50, -64}, {1, -126}, {99, -2}};
    for (const auto& v : volumes) EXPECT_EQ(v[1], Ggs4MasterVolume(v[0])) << v[0];
}

TEST_F(SoundTest, WithoutTheOggComponentTheManagerStaysSilent) {
    SetCreateVoxOverride(nullptr);
    SetVoxLibraryName("NoSuchVox.dll");
    EXPECT_EQ(0, sound.Init(1, ogg, midi, 1, 0));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("エラー", boxes.Calls()[0].caption);
    EXPECT_EQ("oggの初期化に失敗！", boxes.Calls()[0].text);
    EXPECT_EQ(0, sound.IsActive());
    EXPECT_EQ(1, sound.SetFile(0, "bgm\\a.ogg", 100));
    EXPECT_EQ(1, sound.Play(0, 0, 1, 0, 1));
    sound.Stop();
    EXPECT_EQ(1u, boxes.Count());
}

TEST_F(SoundTest, AWrongSlotIsReportedNotFollowed) {
    LogCapture log;
    static int closes;
    closes = 0;  // again in each run of the test (--gtest_repeat)
    MainWindowAction oldAction = SetMainWindowAction([](int action) { return closes += action == MAINWND_CLOSE; });
    ASSERT_EQ(1, InitOwnMidi());
    EXPECT_EQ(0, sound.SetFile(3, "bgm\\a.ogg", 100));
    EXPECT_EQ("err V[3] ( 1 , 4 )", log.LastReport());
    EXPECT_EQ(0, sound.Play(2, 0, 1, 0, 1));
    EXPECT_EQ("err V[2] ( 1 , 4 )", log.LastReport());
    EXPECT_EQ(2, closes);  // the main frame is asked to close, as for any such error
    SetMainWindowAction(oldAction);
}

}  // namespace
