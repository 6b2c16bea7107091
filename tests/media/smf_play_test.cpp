// The program's own MIDI player against a fake MIDI stream: buffers, the
// worker's refills, loop, pause and stop, and teardown.
#include "media/smf_play.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "media/smf_stream.h"
#include "tests/media/fake_midi_stream.h"
#include "tests/media/smf_builder.h"
#include "tests/media/test_files.h"

namespace {

class SmfPlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake_midi::Install();
        table.Resize(1);
        oneNote = TempFile("smf_one.mid");
        ASSERT_TRUE(WriteBytes(oneNote,
                               Smf(0, 96, {{0x00, 0x90, 0x3C, 0x64, 0x60, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00}})));
        // 3000 notes, 6000 events: four buffers of stream events.
        Bytes track;
        for (int i = 0; i < 3000; ++i) {
            const unsigned char key = static_cast<unsigned char>(i % 100);
            track.insert(track.end(), {0x00, 0x90, key, 0x40, 0x08, key, 0x00});
        }
        track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
        longFile = TempFile("smf_long.mid");
        ASSERT_TRUE(WriteBytes(longFile, Smf(1, 480, {track})));
    }
    void TearDown() override {
        table.DeleteAll();
        fake_midi::Uninstall();
        DeleteFileA(oneNote.c_str());
        DeleteFileA(longFile.c_str());
    }
    // Plays the next buffer and waits until the worker has taken its callbacks.
    int PlayNext() {
        cSmfPlay* player = table.GetPlayer(0);
        const int before = player->GetCallbackCount();
        const int n = fake_midi::PlayNext();
        if (n > 0) {
            EXPECT_TRUE(WaitFor([&] { return player->GetCallbackCount() == before + n; }));
        }
        return n;
    }
    static std::vector<uint32_t> Words(const std::vector<fake_midi::Played>& played) {
        std::vector<uint32_t> out;
        for (const auto& p : played) {
            for (uint32_t w : p.words) out.push_back(w & ~kMevtCallback);
        }
        return out;
    }

    SmfSlotTable table;
    std::string oneNote, longFile;
};

TEST_F(SmfPlayTest, OneNotePlaysOnceThenStopsRewound) {
    ASSERT_EQ(1, table.Play(0, oneNote.c_str(), 0));
    EXPECT_EQ(96u, fake_midi::TimeDivision());
    EXPECT_EQ((std::vector<std::string>{"Open", "Property", "Out 0", "Restart"}), fake_midi::Calls());
    cSmfPlay* player = table.GetPlayer(0);
    ASSERT_NE(nullptr, player);
    EXPECT_EQ(cSmfPlay::STATE_PLAYING, player->GetState());
    EXPECT_EQ(1, PlayNext());
    EXPECT_EQ(cSmfPlay::STATE_STOPPED, player->GetState());
    EXPECT_EQ((std::vector<uint32_t>{0x00643C90u, 0x00003C80u, 0x00002FFFu}), Words(fake_midi::PlayedBuffers()));
    // Rewound: the start is queued again, but nothing plays without a restart.
    EXPECT_EQ(1, fake_midi::Queued());
    EXPECT_EQ(-1, fake_midi::PlayNext());
}

TEST_F(SmfPlayTest, OneNoteLoopsWhenAsked) {
    ASSERT_EQ(1, table.Play(0, oneNote.c_str(), 1));
    for (int pass = 0; pass < 3; ++pass) ASSERT_EQ(1, PlayNext()) << pass;
    EXPECT_EQ(cSmfPlay::STATE_PLAYING, table.GetPlayer(0)->GetState());
    EXPECT_EQ(9u, Words(fake_midi::PlayedBuffers()).size());
}

TEST_F(SmfPlayTest, ALongFileAlternatesBuffersToItsEnd) {
    ASSERT_EQ(1, table.Play(0, longFile.c_str(), 0));
    int buffers = 0;
    while (PlayNext() > 0) ++buffers;
    EXPECT_EQ(cSmfPlay::STATE_STOPPED, table.GetPlayer(0)->GetState());
    const auto played = fake_midi::PlayedBuffers();
    EXPECT_EQ(4, buffers);
    for (size_t i = 0; i < played.size(); ++i) EXPECT_EQ(static_cast<int>(i % 2), played[i].buffer) << i;
    const auto words = Words(played);
    ASSERT_EQ(6001u, words.size());
    for (int i = 0; i < 3000; ++i) {
        const uint32_t key = static_cast<uint32_t>(i % 100) << 8;
        ASSERT_EQ(0x00400090u | key, words[2 * i]) << i;
        ASSERT_EQ(0x00000090u | key, words[2 * i + 1]) << i;
    }
    EXPECT_EQ(0x00002FFFu, words.back());
}

TEST_F(SmfPlayTest, PauseGoesOnWhereItWasAndStopStartsOver) {
    ASSERT_EQ(1, table.Play(0, longFile.c_str(), 0));
    cSmfPlay* player = table.GetPlayer(0);
    ASSERT_EQ(1, PlayNext());
    const size_t pos = player->GetReadPos();
    player->Stop(1);
    EXPECT_EQ(cSmfPlay::STATE_PAUSED, player->GetState());
    EXPECT_EQ(-1, fake_midi::PlayNext());
    player->Restart(0);
    EXPECT_EQ(cSmfPlay::STATE_PLAYING, player->GetState());
    EXPECT_EQ(pos, player->GetReadPos());  // no refill on a resume
    ASSERT_EQ(1, PlayNext());
    const size_t playedBefore = fake_midi::PlayedBuffers().size();
    EXPECT_EQ(0x00000090u | (99u << 8), Words(fake_midi::PlayedBuffers())[3999]);  // note 1999 off

    player->Stop(0);
    EXPECT_EQ(cSmfPlay::STATE_STOPPED, player->GetState());
    player->Restart(0);
    ASSERT_EQ(1, PlayNext());
    const auto played = fake_midi::PlayedBuffers();
    ASSERT_EQ(playedBefore + 1, played.size());
    EXPECT_EQ(0x00400090u, played.back().words[0] & ~kMevtCallback);  // from the first note again
}

TEST_F(SmfPlayTest, RefusesWhatItCannotPlay) {
    LogCapture log;
    const std::string upper = TempFile("smf_upper.MID");
    ASSERT_TRUE(WriteBytes(upper, Smf(0, 96, {{0x00, 0xFF, 0x2F, 0x00}})));
    EXPECT_EQ(0, table.Play(0, upper.c_str(), 0));  // the extension must be exactly "mid"
    EXPECT_TRUE(fake_midi::Calls().empty());
    DeleteFileA(upper.c_str());

    const std::string missing = TempFile("smf_missing.mid");
    EXPECT_EQ(0, table.Play(0, missing.c_str(), 0));
    EXPECT_EQ("Midi " + missing + " Create ファイルが開けません", log.LastReport());

    fake_midi::FailOpen(true);
    EXPECT_EQ(0, table.Play(0, oneNote.c_str(), 0));
    EXPECT_EQ(0u, log.LastReport().find("Midi " + oneNote + " Open "));
    EXPECT_EQ(nullptr, table.GetPlayer(0));
    EXPECT_EQ(0, table.Play(1, oneNote.c_str(), 0));  // no such channel
}

TEST_F(SmfPlayTest, TeardownEndsTheWorkerBeforeResettingTheStream) {
    ASSERT_EQ(1, table.Play(0, longFile.c_str(), 1));
    ASSERT_EQ(1, PlayNext());
    const size_t before = fake_midi::Calls().size();
    // A new file pauses and deletes the old player first.
    ASSERT_EQ(1, table.Play(0, oneNote.c_str(), 0));
    auto calls = fake_midi::Calls();
    calls.erase(calls.begin(), calls.begin() + static_cast<long>(before));
    const std::vector<std::string> expected = {"Pause", "Stop", "Reset",    "Unprepare", "Unprepare",
                                               "Close", "Open", "Property", "Out 0",     "Restart"};
    EXPECT_EQ(expected, calls);
    EXPECT_TRUE(fake_midi::WorkerGoneAtReset());
}

}  // namespace

namespace {

// The real MIDI stream: with a device the file plays to its end and stops;
// without one the player is refused with its log line.
TEST(SmfPlayReal, PlaysToTheEndOrFailsWithItsLogLine) {
    LogCapture log;
    const std::string file = TempFile("smf_real.mid");
    ASSERT_TRUE(
        WriteBytes(file, Smf(0, 480, {{0x00, 0x90, 0x3C, 0x40, 0x10, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00}})));
    SmfSlotTable table;
    table.Resize(1);
    if (table.Play(0, file.c_str(), 0)) {
        cSmfPlay* player = table.GetPlayer(0);
        EXPECT_TRUE(WaitFor([&] { return player->GetState() == cSmfPlay::STATE_STOPPED; }, 3000));
        EXPECT_GE(player->GetCallbackCount(), 1);
    } else {
        EXPECT_EQ(0u, log.LastReport().find("Midi " + file + " Open ")) << log.LastReport();
    }
    table.DeleteAll();
    DeleteFileA(file.c_str());
}

}  // namespace
