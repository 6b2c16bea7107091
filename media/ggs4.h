// The optional MIDI library "GuruGuruSMF4.dll", loaded from the program's own
// folder at start-up. Without it the program's own player plays MIDI.
#pragma once

// What the sound manager keeps of the library's playback.
struct cGgs4State {
    int nMusicId = 0;
    int nMasterVolume = 0;
};

// 0 when the library is loaded (or already was), 1 when it is missing.
int LoadGgs4();
// 1 when the library loaded and opened a device (DirectMusic's when the flag is set).
int Ggs4Open(cGgs4State* state, int directMusic);
// Pauses what plays, then plays the ".mid" file at the volume in percent; 1 or 0.
int Ggs4Play(cGgs4State* state, int musicId, const char* file, int loop, int volume);
void Ggs4Stop(int pause);
// Closes the device and unloads the library.
void Ggs4Close();
int Ggs4IsLoaded();
// The master volume for a volume in percent: 0 at 100, -127 at 0.
int Ggs4MasterVolume(int volume);
