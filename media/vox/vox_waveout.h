// The wave output a voice streams into. The real one is WINMM's; tests give
// a voice their own so that playback runs without a sound device.
#pragma once

#include <windows.h>

class VoxWaveOut {
public:
    virtual ~VoxWaveOut() = default;
    // Opens 16-bit PCM output; `done` is signalled whenever a buffer has been played.
    virtual int Open(int channels, long rate, HANDLE done) = 0;
    // Queues buffer `index` (0 to kVoxBuffers - 1); the data stays the caller's until done.
    virtual int Write(int index, char* data, int bytes) = 0;
    // True when buffer `index` is not queued (never written, or played).
    virtual int IsDone(int index) = 0;
    // Drops every queued buffer and closes the output; harmless when not open.
    virtual void Close() = 0;
};

constexpr int kVoxBuffers = 4;

VoxWaveOut* NewWinmmWaveOut();
