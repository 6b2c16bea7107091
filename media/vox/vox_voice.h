// One Ogg voice: a decoder streamed into a wave output by a worker thread
// that keeps kVoxBuffers buffers queued until the last pass has been played.
#pragma once

#include <atomic>
#include <vector>

#include "media/vox/vox_api.h"
#include "media/vox/vox_decoder.h"
#include "media/vox/vox_waveout.h"

class VoxVoice {
public:
    explicit VoxVoice(VoxWaveOut* out);  // takes the output
    VoxVoice(const VoxVoice&) = delete;
    VoxVoice& operator=(const VoxVoice&) = delete;
    ~VoxVoice();

    int Open(const char* file);
    int Play();
    void Stop();
    void Close();
    void SetLoop(int count) { m_Decoder.SetLoop(count); }
    int GetLoop() const { return m_Decoder.GetLoop(); }
    void SetVolume(float volume) { m_Decoder.SetVolume(volume); }
    float GetVolume() const { return m_Decoder.GetVolume(); }
    int IsPlaying() const { return m_bPlaying; }

private:
    static DWORD WINAPI ThreadProc(LPVOID self);
    void Run();

    VoxDecoder m_Decoder;
    VoxWaveOut* m_pOut;
    HANDLE m_hDone = nullptr;  // buffer played, or a stop request
    HANDLE m_hThread = nullptr;
    std::atomic<int> m_bQuit{0};
    std::atomic<int> m_bPlaying{0};
    std::vector<char> m_Buffers[kVoxBuffers];
};

// A voice behind the component's table of operations; CreateVox gives one
// with WINMM output, tests give their own output.
VOX* VoxCreate(VoxWaveOut* out);
