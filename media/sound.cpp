#include "media/sound.h"

#include <cstring>
#include <new>
#include <utility>

#include "base/report.h"

cOggEntry g_OggEntry[1] = {{"bgm\\Free.ogg", 100}};
cMidiEntry g_MidiEntry[1] = {{"bgm\\Free.mid", 100}};
cSound g_Sound;

namespace {

CREATEVOX_PROC g_pfnCreateVoxOverride = nullptr;
const char* g_pszVoxLibrary = "Vox.dll";

template <size_t N>
void CopyName(char (&to)[N], const char* from) {
    std::strncpy(to, from, N - 1);
    to[N - 1] = '\0';
}

}  // namespace

CREATEVOX_PROC SetCreateVoxOverride(CREATEVOX_PROC create) { return std::exchange(g_pfnCreateVoxOverride, create); }

void SetVoxLibraryName(const char* name) { g_pszVoxLibrary = name ? name : "Vox.dll"; }

int cSound::Init(int channels, cOggEntry* oggEntries, cMidiEntry* midiEntries, int slots, int directMusic) {
    Release();
    m_bActive = 1;
    m_bExternalMidi = Ggs4Open(&m_Ggs4, directMusic);
    if (!m_bExternalMidi) m_SmfSlots.Clear();

    if (g_pfnCreateVoxOverride) {
        m_Ogg.pfnCreateVox = g_pfnCreateVoxOverride;
    } else {
        m_Ogg.hLibrary = LoadLibraryA(g_pszVoxLibrary);
        if (m_Ogg.hLibrary) {
            m_Ogg.pfnCreateVox =
                reinterpret_cast<CREATEVOX_PROC>(reinterpret_cast<void*>(GetProcAddress(m_Ogg.hLibrary, "CreateVox")));
        }
    }
    if (!m_Ogg.pfnCreateVox) {
        ErrorBoxPrintf("oggの初期化に失敗！");
        ReleaseOgg();
        m_bActive = 0;
        return 0;
    }

    if (channels < 0) channels = 0;
    if (!m_bExternalMidi) m_SmfSlots.Resize(channels);
    for (int i = 0; i < channels; ++i) {
        VOX* voice = m_Ogg.pfnCreateVox();
        if (!voice) {
            MemoryShortageExit();
            break;
        }
        m_Ogg.voices.push_back(voice);
    }
    m_Ogg.nPlaying = -1;
    m_ChannelStates.assign(static_cast<size_t>(channels), CHANNEL_IDLE);

    m_pOggEntries = oggEntries;
    m_pMidiEntries = midiEntries;
    m_SlotKinds.assign(static_cast<size_t>(slots < 0 ? 0 : slots), KIND_UNDECIDED);
    m_nCurrentSlot = -1;
    return 1;
}

int cSound::SetFile(int slot, const char* file, int volume) {
    if (!m_bActive) return 1;
    if (!IsSlot(slot) || !file) return 0;
    cOggEntry& ogg = m_pOggEntries[slot];
    cMidiEntry& midi = m_pMidiEntries[slot];
    const char* dot = std::strrchr(file, '.');
    if (!dot) {
        ogg.szFile[0] = '\0';
        ogg.nVolume = 0;
        midi.szFile[0] = '\0';
        midi.nVolume = 0;
        m_SlotKinds[slot] = KIND_UNDECIDED;
        return 0;
    }
    const char* ext = dot + 1;
    if (std::strcmp(ext, "mid") == 0 || std::strcmp(ext, "MID") == 0) {
        CopyName(midi.szFile, file);
        // The extension is rewritten where it stands (a name cut short by the
        // buffer simply keeps its own).
        const size_t at = static_cast<size_t>(ext - file);
        if (at + 3 < sizeof(midi.szFile)) std::memcpy(midi.szFile + at, "mid", 3);
        midi.nVolume = volume;
        m_SlotKinds[slot] = KIND_MIDI;
        return 1;
    }
    if (std::strcmp(ext, "ogg") == 0 || std::strcmp(ext, "OGG") == 0) {
        CopyName(ogg.szFile, file);
        ogg.nVolume = volume;
        m_SlotKinds[slot] = KIND_OGG;
        return 1;
    }
    CopyName(ogg.szFile, file);
    ogg.nVolume = volume;
    CopyName(midi.szFile, file);
    midi.nVolume = volume;
    m_SlotKinds[slot] = KIND_UNDECIDED;
    return 0;
}

int cSound::Play(int channel, int slot, int loop, int pause, int force) {
    if (!m_bActive) return 1;
    if (slot == m_nCurrentSlot && !force) return 1;
    if (!IsSlot(slot) || !IsChannel(channel)) return 0;
    m_nCurrentSlot = slot;
    const cOggEntry& ogg = m_pOggEntries[slot];
    switch (m_SlotKinds[slot]) {
    case KIND_UNDECIDED:
        if (PlayOgg(channel, ogg.szFile, loop, ogg.nVolume)) {
            m_ChannelStates[channel] = CHANNEL_OGG;
            StopMidi(pause);
            return 1;
        }
        if (PlayMidi(channel, slot, loop)) {
            m_ChannelStates[channel] = CHANNEL_MIDI;
            StopOgg();
            return 1;
        }
        break;
    case KIND_OGG:
        if (PlayOgg(channel, ogg.szFile, loop, ogg.nVolume)) {
            m_ChannelStates[channel] = CHANNEL_OGG;
            StopMidi(0);
            return 1;
        }
        break;
    case KIND_MIDI:
        if (PlayMidi(channel, slot, loop)) {
            m_ChannelStates[channel] = CHANNEL_MIDI;
            StopOgg();
            return 1;
        }
        break;
    }
    m_ChannelStates[channel] = CHANNEL_IDLE;
    m_nCurrentSlot = -1;
    StopOgg();
    StopMidi(0);
    return 0;
}

void cSound::Stop() {
    if (!m_bActive) return;
    StopMidi(0);
    StopOgg();
}

void cSound::Release() {
    ReleaseOgg();
    if (m_bExternalMidi) Ggs4Close();
    m_bExternalMidi = 0;
    m_SmfSlots.DeleteAll();
    m_SlotKinds.clear();
    m_ChannelStates.clear();
    m_nCurrentSlot = -1;
    m_bActive = 0;
}

int cSound::IsSlot(int slot) {
    if (slot >= 0 && slot < static_cast<int>(m_SlotKinds.size())) return 1;
    m_SlotKinds.AtOrClose(slot);  // reports it and asks the main frame to close
    return 0;
}

int cSound::IsChannel(int channel) {
    if (channel >= 0 && channel < static_cast<int>(m_ChannelStates.size())) return 1;
    m_ChannelStates.AtOrClose(channel);
    return 0;
}

int cSound::GetSlotKind(int slot) const {
    return slot >= 0 && slot < static_cast<int>(m_SlotKinds.size()) ? m_SlotKinds[slot] : KIND_UNDECIDED;
}

int cSound::GetChannelState(int channel) const {
    return channel >= 0 && channel < static_cast<int>(m_ChannelStates.size()) ? m_ChannelStates[channel] : CHANNEL_IDLE;
}

int cSound::PlayOgg(int channel, const char* file, int loop, int volume) {
    if (!file[0] || channel >= static_cast<int>(m_Ogg.voices.size())) return 0;
    StopOgg();
    VOX* voice = m_Ogg.voices[channel];
    voice->lpVtbl->Close(voice);
    if (!voice->lpVtbl->Open(voice, file)) return 0;
    if (volume < 100) voice->lpVtbl->SetVolume(voice, static_cast<float>(volume) * 0.01f);
    voice->lpVtbl->SetLoop(voice, loop ? VOX_LOOP_FOREVER : 0);
    // Without a wave device the voice cannot start: that is a failure to play,
    // so a file of undecided kind goes on to the MIDI back end.
    if (!voice->lpVtbl->Play(voice)) return 0;
    m_Ogg.nPlaying = channel;
    return 1;
}

int cSound::PlayMidi(int channel, int slot, int loop) {
    const cMidiEntry& midi = m_pMidiEntries[slot];
    if (m_bExternalMidi) return Ggs4Play(&m_Ggs4, slot, midi.szFile, loop, midi.nVolume);
    return m_SmfSlots.Play(channel, midi.szFile, loop);
}

void cSound::StopOgg() {
    if (m_Ogg.nPlaying >= 0 && m_Ogg.nPlaying < static_cast<int>(m_Ogg.voices.size())) {
        VOX* voice = m_Ogg.voices[m_Ogg.nPlaying];
        voice->lpVtbl->Stop(voice);
    }
    m_Ogg.nPlaying = -1;
}

void cSound::StopMidi(int pause) {
    if (m_bExternalMidi) {
        Ggs4Stop(pause);
    } else {
        m_SmfSlots.Stop(pause);
    }
}

void cSound::ReleaseOgg() {
    for (VOX* voice : m_Ogg.voices) voice->lpVtbl->Release(voice);
    m_Ogg.voices.clear();
    m_Ogg.nPlaying = -1;
    m_Ogg.pfnCreateVox = nullptr;
    if (m_Ogg.hLibrary) FreeLibrary(m_Ogg.hLibrary);
    m_Ogg.hLibrary = nullptr;
}
