// A MIDI stream that plays nothing: it keeps the queued buffers and, when the
// test says so, "plays" the oldest one, posting a position callback to the
// player's worker for each event that asks for one.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <string>
#include <vector>

namespace fake_midi {

struct Played {
    int buffer;                   // the header's user value
    std::vector<uint32_t> words;  // every event word, flags included
};

void Install();    // puts the fake in g_MidiStream and clears the record
void Uninstall();  // WINMM again
void FailOpen(bool fail);
// Plays the oldest queued buffer while the stream runs: the number of
// callbacks posted, -1 when nothing was queued or the stream is not running.
int PlayNext();
std::vector<std::string> Calls();  // "Open", "Out 0", "Restart", ... in order
std::vector<Played> PlayedBuffers();
int Queued();
DWORD TimeDivision();
// Whether the player's worker had ended when the stream was reset.
bool WorkerGoneAtReset();

}  // namespace fake_midi
