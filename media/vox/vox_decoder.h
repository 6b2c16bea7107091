// Ogg Vorbis decoding for one voice: 16-bit interleaved PCM, going round the
// file as many times as the loop count asks, scaled by the voice's volume.
#pragma once

#include <vorbis/vorbisfile.h>

#include <atomic>
#include <cstdio>

class VoxDecoder {
public:
    VoxDecoder() = default;
    VoxDecoder(const VoxDecoder&) = delete;
    VoxDecoder& operator=(const VoxDecoder&) = delete;
    ~VoxDecoder() { Close(); }

    int Open(const char* file);  // 1 when the file is Ogg Vorbis
    void Close();
    int IsOpen() const { return m_pFile != nullptr; }
    int GetChannels() const { return m_nChannels; }
    long GetRate() const { return m_nRate; }

    // Back to the first sample, with the loop count restored.
    int Rewind();
    // Fills out with up to `bytes` bytes (whole frames); 0 once the last pass ended.
    int Read(char* out, int bytes);

    void SetLoop(int count) {
        m_nLoop = count < 0 ? 0 : count;
        m_nLoopLeft = m_nLoop.load();
    }
    int GetLoop() const { return m_nLoop; }
    void SetVolume(float volume);
    float GetVolume() const { return m_fVolume; }

private:
    void Scale(char* data, int bytes) const;

    OggVorbis_File m_Vorbis{};
    FILE* m_pFile = nullptr;
    int m_nChannels = 0;
    long m_nRate = 0;
    std::atomic<int> m_nLoop{0};
    std::atomic<int> m_nLoopLeft{0};
    std::atomic<float> m_fVolume{1.0f};
    bool m_bPassHadSamples = false;
};
