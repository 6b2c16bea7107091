// The sound-effect table over a recording stand-in for mciSendCommandA.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <set>
#include <string>
#include <vector>

#include "media/mci_sound.h"
#include "tests/media/test_files.h"

namespace {

std::vector<std::string> g_Calls;
std::set<std::string> g_Refused;  // element names whose open fails
MCIDEVICEID g_NextId = 1;
bool g_PlayFails = false;

MCIERROR WINAPI FakeMci(MCIDEVICEID id, UINT msg, DWORD_PTR flags, DWORD_PTR param) {
    std::string call;
    switch (msg) {
    case MCI_OPEN: {
        auto* open = reinterpret_cast<MCI_OPEN_PARMSA*>(param);
        call = std::string("open ") + open->lpstrDeviceType + " " + open->lpstrElementName;
        if (flags != (MCI_OPEN_TYPE | MCI_OPEN_ELEMENT)) call += " badflags";
        g_Calls.push_back(call);
        if (g_Refused.count(open->lpstrElementName)) return MCIERR_FILE_NOT_FOUND;
        open->wDeviceID = g_NextId++;
        return 0;
    }
    case MCI_CLOSE: call = "close " + std::to_string(id); break;
    case MCI_STOP: call = "stop " + std::to_string(id); break;
    case MCI_SEEK: call = "seek " + std::to_string(id) + (flags == MCI_SEEK_TO_START ? " start" : " ?"); break;
    case MCI_PLAY: {
        auto* play = reinterpret_cast<MCI_PLAY_PARMS*>(param);
        call = "play " + std::to_string(id) + ((flags & MCI_NOTIFY) ? " notify" : "") + " from " +
               std::to_string(play->dwFrom) + (play->dwCallback ? " owner" : "");
        g_Calls.push_back(call);
        return g_PlayFails ? MCIERR_HARDWARE : 0;
    }
    default: call = "msg " + std::to_string(msg);
    }
    // Drivers refuse these commands without a parameter block; the seek then never rewinds.
    if (!param) {
        g_Calls.push_back(call + " (no parameters)");
        return MCIERR_NULL_PARAMETER_BLOCK;
    }
    g_Calls.push_back(call);
    return 0;
}

class MciTest : public ::testing::Test {
protected:
    void SetUp() override {
        old = SetMciSendCommand(FakeMci);
        g_Calls.clear();
        g_Refused.clear();
        g_NextId = 1;
        g_PlayFails = false;
        MciInit(&table);
    }
    void TearDown() override {
        MciTerm(&table);
        SetMciSendCommand(old);
    }
    std::vector<std::string> Take() {
        std::vector<std::string> out;
        out.swap(g_Calls);
        return out;
    }
    cMciTable table;
    MciSendCommandProc old = nullptr;
    HWND owner = reinterpret_cast<HWND>(0x1234);
};

TEST_F(MciTest, OpensTheFiveEffectsLeavingFailuresEmpty) {
    g_Refused.insert("wave\\エラー.wav");
    ASSERT_EQ(1, MciOpenAll(&table, "waveaudio", g_MciSoundFiles));
    EXPECT_EQ(5, table.nCount);
    EXPECT_EQ(-1, table.nCurrent);
    const std::vector<std::string> expected = {"open waveaudio wave\\決定.wav", "open waveaudio wave\\キャンセル.wav",
                                               "open waveaudio wave\\エラー.wav", "open waveaudio wave\\コピー.wav",
                                               "open waveaudio wave\\free.wav"};
    EXPECT_EQ(expected, Take());
    const MCIDEVICEID ids[] = {1, 2, 0, 3, 4};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(ids[i], table.pEntries[i].wDeviceID) << i;
    MciTerm(&table);
    EXPECT_EQ((std::vector<std::string>{"close 1", "close 2", "close 3", "close 4"}), Take());
    EXPECT_EQ(0, table.bEnable);
}

TEST_F(MciTest, PlayFileReopensThePreviewEntryByExtension) {
    LogCapture log;
    ASSERT_EQ(1, MciOpenAll(&table, "waveaudio", g_MciSoundFiles));
    Take();
    struct Step {
        const char* file;
        int result;
        std::vector<std::string> calls;
    } steps[] = {
        {"wave\\a.wav", 1, {"close 5", "open waveaudio wave\\a.wav", "play 6 from 0"}},
        {"wave\\b.WAV", 1, {"stop 6", "seek 6 start", "close 6", "open waveaudio wave\\b.WAV", "play 7 from 0"}},
        // A MIDI effect closes every device of the table for the sequencer.
        {"wave\\c.MID",
         1,
         {"stop 7", "seek 7 start", "close 1", "close 2", "close 3", "close 4", "close 7", "open sequencer wave\\c.mid",
          "play 8 notify from 0 owner"}},
        {"wave\\d.ogg", 0, {}},
        {"wave\\noext", 0, {}},
        {"wave\\e.wav", 1, {"stop 8", "seek 8 start", "close 8", "open waveaudio wave\\e.wav", "play 9 from 0"}},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(s.result, MciPlayFile(owner, &table, kMciPreviewEntry, s.file, 0)) << s.file;
        EXPECT_EQ(s.calls, Take()) << s.file;
    }
    EXPECT_EQ(kMciPreviewEntry, table.nCurrent);
    // The stops went to the second log.
    auto ec = log.Ec();
    ASSERT_EQ(3u, ec.size());
    EXPECT_EQ("Stop成功！ mr =        0 stop =4", ec[0]);
}

TEST_F(MciTest, FailuresAreReportedAndTheDisabledTableSucceedsSilently) {
    LogCapture log;
    ASSERT_EQ(1, MciOpenAll(&table, "waveaudio", g_MciSoundFiles));
    g_Refused.insert("wave\\gone.wav");
    EXPECT_EQ(0, MciPlayFile(owner, &table, kMciPreviewEntry, "wave\\gone.wav", 0));
    EXPECT_EQ("ChangeSound失敗！ wave\\gone.wav", log.LastEc());
    EXPECT_EQ(0, table.pEntries[kMciPreviewEntry].wDeviceID);
    g_PlayFails = true;
    EXPECT_EQ(0, MciPlayFile(owner, &table, kMciPreviewEntry, "wave\\a.wav", 0));
    EXPECT_EQ(0, MciPlayFile(owner, &table, 9, "wave\\a.wav", 0));  // no such entry

    MciTerm(&table);
    Take();
    EXPECT_EQ(1, MciPlayFile(owner, &table, kMciPreviewEntry, "wave\\a.wav", 0));
    EXPECT_TRUE(Take().empty());
}

TEST_F(MciTest, TheCallersTextKeepsItsExtension) {
    ASSERT_EQ(1, MciOpenAll(&table, "waveaudio", g_MciSoundFiles));
    char name[] = "wave\\upper.MID";
    EXPECT_EQ(1, MciPlayFile(owner, &table, kMciPreviewEntry, name));  // from the start
    EXPECT_STREQ("wave\\upper.MID", name);
}

}  // namespace
