// The sound manager: BGM file slots handed by extension to the Ogg voices of
// "Vox.dll" or to a MIDI back end (the optional MIDI library when it opened a
// device, else the program's own stream player).
#pragma once

#include <windows.h>

#include <vector>

#include "base/containers.h"
#include "media/ggs4.h"
#include "media/smf_play.h"
#include "media/vox/vox_api.h"

// A slot's Ogg file and volume in percent.
struct cOggEntry {
    char szFile[260];
    int nVolume;
};
// A slot's MIDI file and volume in percent.
struct cMidiEntry {
    char szFile[264];
    int nVolume;
};

// The editor's one slot of each, "bgm\Free.ogg" and "bgm\Free.mid" at start-up.
extern cOggEntry g_OggEntry[1];
extern cMidiEntry g_MidiEntry[1];

// The Ogg voices, one per channel, made by the component's "CreateVox".
struct cOggPlayer {
    std::vector<VOX*> voices;
    int nPlaying = -1;  // the voice now playing
    HMODULE hLibrary = nullptr;
    CREATEVOX_PROC pfnCreateVox = nullptr;
};

class cSound {
public:
    enum { KIND_UNDECIDED = 0, KIND_OGG = 1, KIND_MIDI = 2 };
    enum { CHANNEL_IDLE = 0, CHANNEL_OGG = 1, CHANNEL_MIDI = 2 };

    cSound() = default;
    cSound(const cSound&) = delete;
    cSound& operator=(const cSound&) = delete;
    ~cSound() { Release(); }

    // 1, or 0 when "Vox.dll" is not usable (shown once; the manager then stays silent).
    int Init(int channels, cOggEntry* oggEntries, cMidiEntry* midiEntries, int slots, int directMusic);
    // 1 for a "mid"/"MID" or "ogg"/"OGG" file, 0 otherwise (see the kinds).
    int SetFile(int slot, const char* file, int volume);
    // 1 when the slot plays (also when skipped as already current, or while
    // inactive), 0 when no back end could play it.
    int Play(int channel, int slot, int loop, int pause, int force);
    void Stop();
    void Release();

    int IsActive() const { return m_bActive; }
    int IsExternalMidi() const { return m_bExternalMidi; }
    int GetCurrentSlot() const { return m_nCurrentSlot; }
    int GetSlotKind(int slot) const;
    int GetChannelState(int channel) const;
    SmfSlotTable& GetSmfSlots() { return m_SmfSlots; }

private:
    int IsSlot(int slot);
    int IsChannel(int channel);
    int PlayOgg(int channel, const char* file, int loop, int volume);
    int PlayMidi(int channel, int slot, int loop);
    void StopOgg();
    void StopMidi(int pause);
    void ReleaseOgg();

    int m_bActive = 0;
    cOggPlayer m_Ogg;
    cOggEntry* m_pOggEntries = nullptr;
    int m_bExternalMidi = 0;
    cGgs4State m_Ggs4;
    SmfSlotTable m_SmfSlots;
    cMidiEntry* m_pMidiEntries = nullptr;
    int m_nCurrentSlot = -1;
    // Guarded: a slot or channel that does not exist is a programming error.
    VECTOR_CLASS<int> m_SlotKinds;
    VECTOR_CLASS<int> m_ChannelStates;
};

extern cSound g_Sound;

// Where the Ogg voices come from: "Vox.dll", unless a test gives its own
// CreateVox (null: the library again). Returns the previous override.
CREATEVOX_PROC SetCreateVoxOverride(CREATEVOX_PROC create);
// The library's file name, for tests of a missing component (null: "Vox.dll").
void SetVoxLibraryName(const char* name);
