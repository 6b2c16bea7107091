// Turns the events of a flattened MIDI image into the stream events of the
// Windows MIDI stream interface: delta time, stream id 0, event word, and for
// a long event its bytes padded to a multiple of four.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint32_t kMevtCallback = 0x40000000;  // MEVT_F_CALLBACK
constexpr uint32_t kMevtLong = 0x80000000;      // MEVT_F_LONG (also MEVT_LONGMSG << 24)
constexpr uint32_t kMevtTempo = 0x01000000;     // MEVT_TEMPO << 24
// The end of track: the parameter bytes FF 2F 00, with a callback.
constexpr uint32_t kMevtEndOfTrack = kMevtCallback | 0x002FFF;
constexpr uint32_t kMevtParamMask = 0x00FFFFFF;
constexpr size_t kMevtHeader = 12;

struct SmfConvertResult {
    size_t nConsumed;  // image bytes used
    size_t nWritten;   // buffer bytes written
    int bEndOfTrack;   // the end-of-track event was written
};

// Converts events from image[pos, end) into `buffer` until the end of track or
// until the next event does not fit. Unless the end of track was written, the
// last event written gets the callback flag so that the player hears when the
// buffer has been played. Events that write nothing (other meta events, one
// too large for any buffer) pass their delta time on through *carry, which
// also holds over to the next buffer. A malformed event is reported (with
// `file`) and ends the image as an end of track would, so playback stops or
// loops instead of waiting for a callback that never comes.
SmfConvertResult SmfConvertEvents(const unsigned char* image, size_t pos, size_t end, unsigned char* buffer,
                                  size_t size, uint32_t* carry, const char* file);
