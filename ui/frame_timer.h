// Frame pacing of the idle routine: the frame pacer and the frames-per-second
// counter on the millisecond clock (ClockMs, which tests replace). Both keep
// their state process-wide; comparisons survive the wrap of the clock.
#pragma once

// True when the next frame is due at `rate` frames per second; the next one
// is then due 1000 / rate ms later. Rate 0 is always due.
bool IsFrameDue(int rate);

// Counts one frame (count non-zero) and returns the frames of the last full
// second; 0 only reads that figure.
int CountFps(int count);

// Forgets both timers' state, as before their first call.
void ResetFrameTimers();
