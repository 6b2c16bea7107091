// The Ogg component: decoding, looping and volume, through its table of
// operations, with a wave output that plays every buffer at once.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "media/vox/vox_api.h"
#include "media/vox/vox_decoder.h"
#include "media/vox/vox_voice.h"
#include "tests/media/ogg_writer.h"
#include "tests/media/test_files.h"

namespace {

struct WaveRecord {
    std::mutex lock;
    std::vector<int16_t> samples;
    int opens = 0;
    int closes = 0;
    int channels = 0;
    long rate = 0;
    bool failOpen = false;
    size_t Count() {
        std::lock_guard<std::mutex> g(lock);
        return samples.size();
    }
};

class FakeWaveOut : public VoxWaveOut {
public:
    explicit FakeWaveOut(WaveRecord* rec) : m_pRec(rec) {}
    int Open(int channels, long rate, HANDLE done) override {
        std::lock_guard<std::mutex> g(m_pRec->lock);
        if (m_pRec->failOpen) return 0;
        ++m_pRec->opens;
        m_pRec->channels = channels;
        m_pRec->rate = rate;
        m_hDone = done;
        return 1;
    }
    int Write(int, char* data, int bytes) override {
        {
            std::lock_guard<std::mutex> g(m_pRec->lock);
            const size_t at = m_pRec->samples.size();
            m_pRec->samples.resize(at + bytes / 2);
            std::memcpy(&m_pRec->samples[at], data, bytes / 2 * 2);
        }
        SetEvent(m_hDone);
        return 1;
    }
    int IsDone(int) override { return 1; }
    void Close() override {
        std::lock_guard<std::mutex> g(m_pRec->lock);
        ++m_pRec->closes;
    }

private:
    WaveRecord* m_pRec;
    HANDLE m_hDone = nullptr;
};

std::vector<int16_t> DecodeAll(VoxDecoder& dec) {
    std::vector<int16_t> out;
    std::vector<char> buf(4000);
    int n;
    while ((n = dec.Read(buf.data(), static_cast<int>(buf.size()))) > 0) {
        const size_t at = out.size();
        out.resize(at + n / 2);
        std::memcpy(&out[at], buf.data(), n);
    }
    return out;
}

class VoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        mono = TempFile("vox_mono.ogg");
        stereo = TempFile("vox_stereo.ogg");
        ASSERT_TRUE(WriteTestOgg(mono, 1, 22050, 22050));
        ASSERT_TRUE(WriteTestOgg(stereo, 2, 44100, 10000));
    }
    void TearDown() override {
        DeleteFileA(mono.c_str());
        DeleteFileA(stereo.c_str());
    }
    std::string mono, stereo;
};

TEST_F(VoxTest, DecodesEveryFrameOfEachPassTheLoopCountAsks) {
    struct Case {
        const std::string* file;
        int channels;
        long rate;
        int loops;
        size_t samples;
    } cases[] = {
        {&mono, 1, 22050, 2, 3 * 22050},
        {&stereo, 2, 44100, 0, 2 * 10000},
    };
    for (const Case& c : cases) {
        VoxDecoder dec;
        dec.SetLoop(c.loops);
        ASSERT_TRUE(dec.Open(c.file->c_str()));
        EXPECT_EQ(c.channels, dec.GetChannels());
        EXPECT_EQ(c.rate, dec.GetRate());
        EXPECT_EQ(c.samples, DecodeAll(dec).size()) << *c.file << " loops " << c.loops;
        // A rewind restores the loop count and the whole file plays again.
        ASSERT_TRUE(dec.Rewind());
        EXPECT_EQ(c.samples, DecodeAll(dec).size());
    }
}

TEST_F(VoxTest, VolumeScalesEverySample) {
    VoxDecoder full, half;
    ASSERT_TRUE(full.Open(mono.c_str()));
    ASSERT_TRUE(half.Open(mono.c_str()));
    half.SetVolume(0.5f);
    std::vector<int16_t> a = DecodeAll(full), b = DecodeAll(half);
    ASSERT_EQ(a.size(), b.size());
    int16_t peak = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(a[i] / 2, b[i]) << i;
        peak = a[i] > peak ? a[i] : peak;
    }
    EXPECT_GT(peak, 8000);  // the tone really is there
    // Out-of-range volumes are held to 0..1.
    half.SetVolume(-3.0f);
    EXPECT_EQ(0.0f, half.GetVolume());
    half.SetVolume(7.0f);
    EXPECT_EQ(1.0f, half.GetVolume());
}

TEST_F(VoxTest, RefusesWhatIsNotOggVorbis) {
    const std::string junk = TempFile("vox_junk.ogg");
    FILE* fp = std::fopen(junk.c_str(), "wb");
    ASSERT_NE(nullptr, fp);
    std::fputs("RIFF....WAVEfmt not an ogg file", fp);
    std::fclose(fp);
    VoxDecoder dec;
    EXPECT_FALSE(dec.Open(junk.c_str()));
    EXPECT_FALSE(dec.Open(TempFile("vox_missing.ogg").c_str()));
    EXPECT_FALSE(dec.Open(""));
    EXPECT_FALSE(dec.Open(nullptr));
    EXPECT_EQ(0, dec.Read(nullptr, 100));
    DeleteFileA(junk.c_str());
}

TEST_F(VoxTest, VoicePlaysThroughItsTableToTheEnd) {
    WaveRecord rec;
    VOX* vox = VoxCreate(new FakeWaveOut(&rec));
    ASSERT_NE(nullptr, vox);
    const VOX_VTBL* op = vox->lpVtbl;
    EXPECT_EQ(0, op->Play(vox));  // nothing open yet
    ASSERT_EQ(1, op->Open(vox, mono.c_str()));
    op->SetLoop(vox, 1);
    op->SetVolume(vox, 0.25f);
    EXPECT_EQ(1, op->GetLoop(vox));
    EXPECT_EQ(0.25f, op->GetVolume(vox));
    ASSERT_EQ(1, op->Play(vox));
    ASSERT_TRUE(WaitFor([&] { return !op->IsPlaying(vox); }));
    EXPECT_EQ(2u * 22050u, rec.Count());
    EXPECT_EQ(1, rec.opens);
    EXPECT_EQ(1, rec.channels);
    EXPECT_EQ(22050, rec.rate);

    // Playing again starts from the beginning with the loop count restored.
    ASSERT_EQ(1, op->Play(vox));
    ASSERT_TRUE(WaitFor([&] { return !op->IsPlaying(vox); }));
    EXPECT_EQ(4u * 22050u, rec.Count());
    op->Close(vox);
    EXPECT_EQ(0, op->Play(vox));
    op->Release(vox);
}

TEST_F(VoxTest, EndlessLoopRunsUntilStopped) {
    WaveRecord rec;
    VOX* vox = VoxCreate(new FakeWaveOut(&rec));
    ASSERT_NE(nullptr, vox);
    ASSERT_EQ(1, vox->lpVtbl->Open(vox, stereo.c_str()));
    vox->lpVtbl->SetLoop(vox, VOX_LOOP_FOREVER);
    ASSERT_EQ(1, vox->lpVtbl->Play(vox));
    ASSERT_TRUE(WaitFor([&] { return rec.Count() > 5u * 20000u; }));
    EXPECT_EQ(1, vox->lpVtbl->IsPlaying(vox));
    vox->lpVtbl->Stop(vox);
    EXPECT_EQ(0, vox->lpVtbl->IsPlaying(vox));
    const size_t after = rec.Count();
    Sleep(20);
    EXPECT_EQ(after, rec.Count());  // nothing is written once stopped
    EXPECT_GE(rec.closes, 1);
    vox->lpVtbl->Release(vox);  // releasing a stopped voice with its file open
}

TEST_F(VoxTest, OutputThatDoesNotOpenFailsPlay) {
    WaveRecord rec;
    rec.failOpen = true;
    VOX* vox = VoxCreate(new FakeWaveOut(&rec));
    ASSERT_EQ(1, vox->lpVtbl->Open(vox, mono.c_str()));
    EXPECT_EQ(0, vox->lpVtbl->Play(vox));
    EXPECT_EQ(0, vox->lpVtbl->IsPlaying(vox));
    vox->lpVtbl->Release(vox);
}

TEST_F(VoxTest, TheLibraryExportsCreateVox) {
    HMODULE lib = LoadLibraryA("Vox.dll");
    ASSERT_NE(nullptr, lib);
    auto create = reinterpret_cast<CREATEVOX_PROC>(reinterpret_cast<void*>(GetProcAddress(lib, "CreateVox")));
    ASSERT_NE(nullptr, create);
    VOX* vox = create();
    ASSERT_NE(nullptr, vox);
    EXPECT_EQ(1, vox->lpVtbl->Open(vox, mono.c_str()));
    // Without a sound device Play fails; with one it plays until stopped.
    vox->lpVtbl->SetLoop(vox, VOX_LOOP_FOREVER);
    const unsigned char played = vox->lpVtbl->Play(vox);
    EXPECT_EQ(played, vox->lpVtbl->IsPlaying(vox));
    vox->lpVtbl->Stop(vox);
    EXPECT_EQ(0, vox->lpVtbl->IsPlaying(vox));
    vox->lpVtbl->Release(vox);
    FreeLibrary(lib);
}

}  // namespace
