// The standard MIDI file reader and the conversion of its image into MIDI
// stream buffers.
#include <gtest/gtest.h>

#include <cstring>

#include "media/smf_format.h"
#include "media/smf_stream.h"
#include "tests/media/smf_builder.h"
#include "tests/media/test_files.h"

namespace {

Bytes Flatten(const Bytes& file, LogCapture* log = nullptr, std::string* lastLine = nullptr) {
    SmfFormat smf;
    smf.SetFileName("t.mid");
    const int ok = smf.Init(file.data(), file.size());
    EXPECT_EQ(ok, smf.HasImage());
    if (log && lastLine) {
        auto lines = log->Report();
        *lastLine = lines.empty() ? "" : lines.back();
    }
    return smf.GetImage();
}

TEST(SmfVarLen, WritesAndReadsEveryWidth) {
    struct Case {
        uint32_t value;
        Bytes bytes;
    } cases[] = {
        {0, {0x00}},
        {0x7F, {0x7F}},
        {0x80, {0x81, 0x00}},
        {0x3FFF, {0xFF, 0x7F}},
        {0x4000, {0x81, 0x80, 0x00}},
        {0x1FFFFF, {0xFF, 0xFF, 0x7F}},
        {0x200000, {0x81, 0x80, 0x80, 0x00}},
        {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const Case& c : cases) {
        unsigned char buf[8] = {};
        ASSERT_EQ(static_cast<int>(c.bytes.size()), WriteVarLen(buf, c.value)) << c.value;
        EXPECT_EQ(c.bytes, Bytes(buf, buf + c.bytes.size())) << c.value;
        uint32_t back = 0xDEAD;
        EXPECT_EQ(static_cast<int>(c.bytes.size()), ReadVarLen(c.bytes.data(), c.bytes.data() + c.bytes.size(), &back));
        EXPECT_EQ(c.value, back);
        // One byte short of the quantity reads nothing.
        EXPECT_EQ(0, ReadVarLen(c.bytes.data(), c.bytes.data() + c.bytes.size() - 1, &back));
    }
    // Values past four bytes are clamped, never cut to a wrong small delta.
    for (uint32_t big : {0x10000000u, 0xFFFFFFFFu}) {
        unsigned char buf[8] = {};
        ASSERT_EQ(4, WriteVarLen(buf, big));
        EXPECT_EQ(Bytes({0xFF, 0xFF, 0xFF, 0x7F}), Bytes(buf, buf + 4));
    }
    // The reader stops after four bytes even when the fourth says more follow.
    const Bytes five = {0x81, 0x80, 0x80, 0x80, 0x00};
    uint32_t v = 0;
    EXPECT_EQ(4, ReadVarLen(five.data(), five.data() + five.size(), &v));
    EXPECT_EQ(0x200000u, v);
}

TEST(SmfFormat, FormatZeroExpandsRunningStatusAndKeepsOneEndOfTrack) {
    const Bytes file =
        Smf(0, 480, {{0x00, 0x90, 0x3C, 0x64,  // note on
                      0x60, 0x3C, 0x00,        // running status
                      0x00, 0xC0, 0x05,        // program change: one data byte
                      0x10, 0x07,              // running status program change
                      0x00, 0xFF, 0x01, 0x02, 'h', 'i', 0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7, 0x20, 0xFF, 0x2F, 0x00}});
    const Bytes image = Flatten(file);
    ASSERT_GE(image.size(), kSmfImageHeader);
    const Bytes header = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0, 'M', 'T', 'r', 'k'};
    EXPECT_EQ(header, Bytes(image.begin(), image.begin() + 18));
    const Bytes events = {0x00, 0x90, 0x3C, 0x64, 0x60, 0x90, 0x3C, 0x00, 0x00, 0xC0, 0x05, 0x10, 0xC0, 0x07, 0x00,
                          0xFF, 0x01, 0x02, 'h',  'i',  0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7, 0x20, 0xFF, 0x2F, 0x00};
    EXPECT_EQ(events, ImageEvents(image));
    const uint32_t length = (image[18] << 24) | (image[19] << 16) | (image[20] << 8) | image[21];
    EXPECT_EQ(image.size() - kSmfImageHeader, length);
}

TEST(SmfFormat, FormatOneMergesTracksInTimeOrderLowerTrackFirstOnTies) {
    // Track 0 ends at 300, track 1 at 250, track 2 (the last) at 120.
    const Bytes file =
        Smf(1, 96,
            {{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x64, 0x90, 0x40, 0x50, 0x81, 0x48, 0xFF, 0x2F, 0x00},
             {0x32, 0x91, 0x41, 0x50, 0x32, 0x41, 0x00, 0x81, 0x16, 0xFF, 0x2F, 0x00},
             {0x64, 0x92, 0x42, 0x50, 0x14, 0xFF, 0x2F, 0x00}});
    // Absolute times: t0 tempo@0, note@100; t1 on@50, off@100; t2 on@100; ends 300/250/120.
    const Bytes events = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // 0: tempo (track 0)
                          0x32, 0x91, 0x41, 0x50,                    // 50: track 1
                          0x32, 0x90, 0x40, 0x50,                    // 100: track 0 first
                          0x00, 0x91, 0x41, 0x00,                    // 100: then track 1
                          0x00, 0x92, 0x42, 0x50,                    // 100: then track 2
                          0x81, 0x48, 0xFF, 0x2F, 0x00};             // one end of track at 300
    EXPECT_EQ(events, ImageEvents(Flatten(file)));
}

TEST(SmfFormat, ChunksOfOtherKindsBetweenTracksArePassedOver) {
    Bytes file = SmfHeader(1, 2, 48);
    AddChunk(&file, "MTrk", {0x00, 0x90, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00});
    AddChunk(&file, "XFIH", {1, 2, 3, 4, 5});
    AddChunk(&file, "MTrk", {0x10, 0x91, 0x3D, 0x40, 0x00, 0xFF, 0x2F, 0x00});
    const Bytes events = {0x00, 0x90, 0x3C, 0x40, 0x10, 0x91, 0x3D, 0x40, 0x00, 0xFF, 0x2F, 0x00};
    EXPECT_EQ(events, ImageEvents(Flatten(file)));
}

TEST(SmfFormat, RefusesBrokenFilesWithTheirMessage) {
    LogCapture log;
    const Bytes good = Smf(0, 96, {{0x00, 0x90, 0x3C, 0x40, 0x10, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00}});
    auto with = [&](size_t at, std::initializer_list<unsigned char> bytes) {
        Bytes b = good;
        size_t i = at;
        for (unsigned char c : bytes) b[i++] = c;
        return b;
    };
    auto track = [&](const Bytes& t) { return Smf(1, 96, {t}); };
    struct Case {
        const char* what;
        Bytes file;
        const char* message;
    } cases[] = {
        {"not MThd", with(0, {'M', 'T', 'h', 'x'}), "Midi t.mid Init 標準MIDIでない(4)"},
        {"header length 7", with(4, {0, 0, 0, 7}), "Midi t.mid Init 標準MIDIでない(6)"},
        {"format 2", with(8, {0, 2}), "Midi t.mid Init 対応フォーマットが2でない"},
        {"format 3", with(8, {0, 3}), "Midi t.mid Init 対応フォーマットが0または1でない"},
        {"no MTrk at 14", with(14, {'M', 'T', 'r', 'x'}), "Midi t.mid Init 標準MIDIでない(4)"},
        {"empty", Bytes(), "Midi t.mid Init 標準MIDIでない(4)"},
        {"header only", Bytes(good.begin(), good.begin() + 12), "Midi t.mid Init 標準MIDIでない(6)"},
        {"no end of track", track({0x00, 0x90, 0x3C, 0x40, 0x10, 0x3C, 0x00}), "Midi t.mid Init トラック1が壊れている"},
        {"data byte first", track({0x00, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00}), "Midi t.mid Init トラック1が壊れている"},
        {"huge meta", track({0x00, 0xFF, 0x01, 0x8F, 0xFF, 0xFF, 0x7F, 'a', 0x00, 0xFF, 0x2F, 0x00}),
         "Midi t.mid Init トラック1が壊れている"},
        {"note cut short", track({0x00, 0x90, 0x3C}), "Midi t.mid Init トラック1が壊れている"},
        {"data byte after a meta event first",
         track({0x00, 0xFF, 0x01, 0x00, 0x00, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00}),
         "Midi t.mid Init トラック1が壊れている"},
        {"missing second track", with(10, {0, 2}), "Midi t.mid Init トラック2がない"},
    };
    for (const Case& c : cases) {
        std::string line;
        EXPECT_TRUE(Flatten(c.file, &log, &line).empty()) << c.what;
        EXPECT_EQ(c.message, line) << c.what;
    }
}

// A channel's running status survives meta and system-exclusive events: the
// note-off after them is still a note-off.
TEST(SmfFormat, RunningStatusOutlivesMetaAndSystemExclusiveEvents) {
    const Bytes file = Smf(0, 96, {{0x00, 0x90, 0x3C, 0x40,        // note on
                                    0x10, 0xFF, 0x01, 0x01, 'x',   // text
                                    0x00, 0x3C, 0x00,              // running: note off
                                    0x00, 0xF0, 0x02, 0x7E, 0xF7,  // system exclusive
                                    0x08, 0x3E, 0x40,              // running: note on
                                    0x00, 0xFF, 0x2F, 0x00}});
    const Bytes events = {0x00, 0x90, 0x3C, 0x40, 0x10, 0xFF, 0x01, 0x01, 'x',  0x00, 0x90, 0x3C, 0x00,
                          0x00, 0xF0, 0x02, 0x7E, 0xF7, 0x08, 0x90, 0x3E, 0x40, 0x00, 0xFF, 0x2F, 0x00};
    EXPECT_EQ(events, ImageEvents(Flatten(file)));
}

// Status bytes of system common and real-time messages fail the track rather
// than take data bytes that belong to the next event.
TEST(SmfFormat, UndefinedStatusBytesInATrackAreRefused) {
    LogCapture log;
    for (unsigned status = 0xF1; status <= 0xFE; ++status) {
        if (status == 0xF7) continue;
        const Bytes file = Smf(
            0, 96,
            {{0x00, 0x90, 0x3C, 0x40, 0x00, static_cast<unsigned char>(status), 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00}});
        std::string line;
        EXPECT_TRUE(Flatten(file, &log, &line).empty()) << std::hex << status;
        EXPECT_EQ("Midi t.mid Init トラック1が壊れている", line) << std::hex << status;
    }
}

// ---- Stream conversion ----------------------------------------------------------

struct StreamEvent {
    uint32_t delta;
    uint32_t word;
    Bytes data;  // a long event's bytes
};

std::vector<StreamEvent> Events(const unsigned char* buf, size_t size) {
    std::vector<StreamEvent> out;
    size_t p = 0;
    while (p + 12 <= size) {
        StreamEvent e;
        uint32_t id;
        std::memcpy(&e.delta, buf + p, 4);
        std::memcpy(&id, buf + p + 4, 4);
        std::memcpy(&e.word, buf + p + 8, 4);
        EXPECT_EQ(0u, id);
        p += 12;
        if (e.word & kMevtLong) {
            const size_t n = e.word & kMevtParamMask;
            e.data.assign(buf + p, buf + p + n);
            p += (n + 3) & ~size_t(3);
        }
        out.push_back(e);
    }
    EXPECT_EQ(size, p);
    return out;
}

Bytes ImageOf(const Bytes& events) {
    Bytes image = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k'};
    AddBe(&image, static_cast<uint32_t>(events.size()), 4);
    image.insert(image.end(), events.begin(), events.end());
    return image;
}

TEST(SmfStream, ConvertsEachKindOfEvent) {
    const Bytes image = ImageOf({0x00, 0x90, 0x3C, 0x64,                             // note on
                                 0x05, 0xC1, 0x07,                                   // program change
                                 0x0A, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,           // tempo
                                 0x03, 0xFF, 0x06, 0x02, 'a',  'b',                  // marker: skipped
                                 0x04, 0xF0, 0x06, 1,    2,    3,    4,    5, 0xF7,  // sysex of 6 bytes
                                 0x07, 0xFF, 0x2F, 0x00,                             // end of track
                                 0x00, 0x90, 0x40, 0x40});                           // never reached
    unsigned char buf[24000];
    uint32_t carry = 0;
    SmfConvertResult r = SmfConvertEvents(image.data(), 22, image.size(), buf, sizeof(buf), &carry, "t.mid");
    EXPECT_EQ(1, r.bEndOfTrack);
    EXPECT_EQ(image.size() - 22 - 4, r.nConsumed);
    EXPECT_EQ(12u * 5 + 8, r.nWritten);  // the sysex takes 12 + 8 bytes
    auto ev = Events(buf, r.nWritten);
    ASSERT_EQ(5u, ev.size());
    EXPECT_EQ(0u, ev[0].delta);
    EXPECT_EQ(0x00643C90u, ev[0].word);
    EXPECT_EQ(5u, ev[1].delta);
    EXPECT_EQ(0x000007C1u, ev[1].word);
    EXPECT_EQ(10u, ev[2].delta);
    EXPECT_EQ(kMevtTempo | 0x07A120u, ev[2].word);
    EXPECT_EQ(3u + 4u, ev[3].delta);  // the marker's delta carried on
    EXPECT_EQ(kMevtLong | 7u, ev[3].word);
    EXPECT_EQ(Bytes({0xF0, 1, 2, 3, 4, 5, 0xF7}), ev[3].data);
    EXPECT_EQ(7u, ev[4].delta);
    EXPECT_EQ(0x40002FFFu, ev[4].word);
    EXPECT_EQ(0u, carry);
}

TEST(SmfStream, AFullBufferEndsBeforeTheEventThatDoesNotFitAndFlagsItsLast) {
    Bytes events;
    for (int i = 0; i < 5; ++i) events.insert(events.end(), {0x01, 0x90, static_cast<unsigned char>(60 + i), 0x40});
    events.insert(events.end(), {0x00, 0xFF, 0x2F, 0x00});
    const Bytes image = ImageOf(events);
    unsigned char buf[36 + 8];  // three short events and a little room
    uint32_t carry = 0;
    size_t pos = 22;
    std::vector<uint32_t> words;
    int fills = 0;
    for (;;) {
        SmfConvertResult r = SmfConvertEvents(image.data(), pos, image.size(), buf, sizeof(buf), &carry, "t.mid");
        ASSERT_GT(r.nConsumed, 0u);
        pos += r.nConsumed;
        ++fills;
        auto ev = Events(buf, r.nWritten);
        for (size_t i = 0; i < ev.size(); ++i) {
            const bool last = i + 1 == ev.size();
            // Only the last event of a buffer calls back (the end of track always does).
            EXPECT_EQ(last, (ev[i].word & kMevtCallback) != 0) << fills << ":" << i;
            words.push_back(ev[i].word & ~kMevtCallback);
        }
        if (r.bEndOfTrack) break;
        ASSERT_EQ(36u, r.nWritten);
    }
    EXPECT_EQ(2, fills);
    ASSERT_EQ(6u, words.size());
    for (int i = 0; i < 5; ++i) EXPECT_EQ(0x00400090u | (uint32_t(60 + i) << 8), words[i]);
    EXPECT_EQ(pos, image.size());
}

TEST(SmfStream, SkipsWhatCanNeverFitAndGivesUpABrokenImageAsAnEndOfTrack) {
    LogCapture log;
    Bytes events = {0x05, 0xF0, 0x81, 0x00};  // sysex of 128 bytes: too big for a 64-byte buffer
    events.insert(events.end(), 128, 0x11);
    events.insert(events.end(), {0x06, 0x90, 0x3C, 0x40,  // gets 5 + 6
                                 0x02, 0x3C, 0x00});      // no status: broken
    const Bytes image = ImageOf(events);
    unsigned char buf[64];
    uint32_t carry = 0;
    SmfConvertResult r = SmfConvertEvents(image.data(), 22, image.size(), buf, sizeof(buf), &carry, "t.mid");
    auto ev = Events(buf, r.nWritten);
    ASSERT_EQ(2u, ev.size());
    EXPECT_EQ(11u, ev[0].delta);
    EXPECT_EQ(0x00403C90u, ev[0].word);
    EXPECT_EQ(0x40002FFFu, ev[1].word);
    EXPECT_EQ(1, r.bEndOfTrack);
    EXPECT_EQ(image.size() - 22, r.nConsumed);
    auto lines = log.Report();
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ("Midi t.mid Buffer バッファに入らないイベントを飛ばす (128)", lines[0]);
    EXPECT_EQ(0u, lines[1].find("Midi t.mid Buffer 不正なイベント"));
}

TEST(SmfStream, SilentEventsAtTheEndCarryTheirDeltaIntoTheNextBuffer) {
    const Bytes image =
        ImageOf({0x01, 0x90, 0x3C, 0x40, 0x01, 0x90, 0x3D, 0x40, 0x09, 0xFF, 0x01, 0x00,  // text: nothing written
                 0x02, 0x90, 0x3E, 0x40, 0x00, 0xFF, 0x2F, 0x00});
    unsigned char buf[24];
    uint32_t carry = 0;
    SmfConvertResult r = SmfConvertEvents(image.data(), 22, image.size(), buf, sizeof(buf), &carry, "t.mid");
    EXPECT_EQ(24u, r.nWritten);
    EXPECT_EQ(9u, carry);  // the text passed before the buffer was full
    r = SmfConvertEvents(image.data(), 22 + r.nConsumed, image.size(), buf, sizeof(buf), &carry, "t.mid");
    auto ev = Events(buf, r.nWritten);
    ASSERT_EQ(2u, ev.size());
    EXPECT_EQ(11u, ev[0].delta);
    EXPECT_EQ(0u, carry);
}

}  // namespace
