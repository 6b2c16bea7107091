#include "ui/frame_timer.h"

#include <cstdint>

#include "base/platform.h"

namespace {

bool g_bPacerStarted = false;
uint32_t g_nNextFrame = 0;

bool g_bFpsStarted = false;
uint32_t g_nSecondStart = 0;
int g_nFrames = 0;
int g_nFps = 0;

}  // namespace

bool IsFrameDue(int rate) {
    uint32_t now = ClockMs();
    if (!g_bPacerStarted) {
        g_bPacerStarted = true;
        g_nNextFrame = now;
    }
    if (rate <= 0) return true;
    // Signed distance, so that a clock that wrapped past 2^32 still compares.
    if (static_cast<int32_t>(now - g_nNextFrame) < 0) return false;
    g_nNextFrame = now + static_cast<uint32_t>(1000 / rate);
    return true;
}

int CountFps(int count) {
    uint32_t now = ClockMs();
    if (!g_bFpsStarted) {
        g_bFpsStarted = true;
        g_nSecondStart = now;
    }
    if (!count) return g_nFps;
    if (now - g_nSecondStart >= 1000) {
        g_nFps = g_nFrames;
        g_nSecondStart = now;
        g_nFrames = 0;
    } else {
        ++g_nFrames;
    }
    return g_nFps;
}

void ResetFrameTimers() {
    g_bPacerStarted = g_bFpsStarted = false;
    g_nNextFrame = g_nSecondStart = 0;
    g_nFrames = g_nFps = 0;
}
