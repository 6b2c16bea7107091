#include "media/vox/vox_voice.h"

#include <new>

VoxVoice::VoxVoice(VoxWaveOut* out) : m_pOut(out) { m_hDone = CreateEventA(nullptr, FALSE, FALSE, nullptr); }

VoxVoice::~VoxVoice() {
    Close();
    delete m_pOut;
    if (m_hDone) CloseHandle(m_hDone);
}

int VoxVoice::Open(const char* file) {
    Close();
    return m_Decoder.Open(file);
}

int VoxVoice::Play() {
    Stop();
    if (!m_Decoder.IsOpen() || !m_pOut || !m_hDone) return 0;
    // About a quarter of a second per buffer.
    const int frame = 2 * m_Decoder.GetChannels();
    const int bytes = static_cast<int>(m_Decoder.GetRate() / 4) * frame;
    for (auto& buffer : m_Buffers) buffer.assign(bytes > frame ? bytes : frame, 0);
    if (!m_pOut->Open(m_Decoder.GetChannels(), m_Decoder.GetRate(), m_hDone)) return 0;
    m_bQuit = 0;
    m_bPlaying = 1;
    m_hThread = CreateThread(nullptr, 0, ThreadProc, this, 0, nullptr);
    if (!m_hThread) {
        m_bPlaying = 0;
        m_pOut->Close();
        return 0;
    }
    return 1;
}

void VoxVoice::Stop() {
    if (m_hThread) {
        m_bQuit = 1;
        SetEvent(m_hDone);
        WaitForSingleObject(m_hThread, INFINITE);
        CloseHandle(m_hThread);
        m_hThread = nullptr;
    }
    if (m_pOut) m_pOut->Close();
    m_bPlaying = 0;
    m_Decoder.Rewind();
}

void VoxVoice::Close() {
    Stop();
    m_Decoder.Close();
}

DWORD WINAPI VoxVoice::ThreadProc(LPVOID self) {
    static_cast<VoxVoice*>(self)->Run();
    return 0;
}

void VoxVoice::Run() {
    int next = 0;
    bool ended = false;
    while (!m_bQuit) {
        // Buffers go out in ring order, each as soon as the output has played it.
        while (!ended && !m_bQuit && m_pOut->IsDone(next)) {
            std::vector<char>& buffer = m_Buffers[next];
            int n = m_Decoder.Read(buffer.data(), static_cast<int>(buffer.size()));
            if (n <= 0 || !m_pOut->Write(next, buffer.data(), n)) {
                ended = true;
                break;
            }
            next = (next + 1) % kVoxBuffers;
        }
        if (ended) {
            bool idle = true;
            for (int i = 0; i < kVoxBuffers; ++i) idle = idle && m_pOut->IsDone(i);
            if (idle) break;
        }
        WaitForSingleObject(m_hDone, 100);
    }
    m_bPlaying = 0;
}

namespace {

struct VoxObject : VOX {
    explicit VoxObject(VoxWaveOut* out) : voice(out) {}
    VoxVoice voice;
};

VoxVoice& V(VOX* self) { return static_cast<VoxObject*>(self)->voice; }

unsigned char VOX_CALL VoxOpen(VOX* self, const char* file) { return V(self).Open(file) ? 1 : 0; }
unsigned char VOX_CALL VoxPlay(VOX* self) { return V(self).Play() ? 1 : 0; }
void VOX_CALL VoxStop(VOX* self) { V(self).Stop(); }
void VOX_CALL VoxClose(VOX* self) { V(self).Close(); }
void VOX_CALL VoxSetLoop(VOX* self, int count) { V(self).SetLoop(count); }
int VOX_CALL VoxGetLoop(VOX* self) { return V(self).GetLoop(); }
void VOX_CALL VoxSetVolume(VOX* self, float volume) { V(self).SetVolume(volume); }
float VOX_CALL VoxGetVolume(VOX* self) { return V(self).GetVolume(); }
unsigned char VOX_CALL VoxIsPlaying(VOX* self) { return V(self).IsPlaying() ? 1 : 0; }
void VOX_CALL VoxRelease(VOX* self) { delete static_cast<VoxObject*>(self); }

const VOX_VTBL kVoxVtbl = {VoxOpen,    VoxPlay,      VoxStop,      VoxClose,     VoxSetLoop,
                           VoxGetLoop, VoxSetVolume, VoxGetVolume, VoxIsPlaying, VoxRelease};

}  // namespace

VOX* VoxCreate(VoxWaveOut* out) {
    if (!out) return nullptr;
    auto* object = new (std::nothrow) VoxObject(out);
    if (!object) {
        delete out;
        return nullptr;
    }
    object->lpVtbl = &kVoxVtbl;
    return object;
}
