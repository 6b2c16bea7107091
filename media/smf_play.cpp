#include "media/smf_play.h"

#include <cstring>
#include <new>

#include "base/report.h"
#include "media/smf_stream.h"

namespace {

// With no MIDI output there is nothing to open; and Wine's stream table keeps
// a stale entry after an open that failed, which the next open reads and dies on.
MMRESULT WINAPI OpenStream(LPHMIDISTRM stream, LPUINT device, DWORD count, DWORD_PTR callback, DWORD_PTR instance,
                           DWORD flags) {
    if (midiOutGetNumDevs() == 0) return MIDIERR_NODEVICE;
    return midiStreamOpen(stream, device, count, callback, instance, flags);
}

}  // namespace

const MidiStreamApi& WinmmMidiStream() {
    static const MidiStreamApi api = {OpenStream,    midiStreamProperty, midiOutPrepareHeader, midiOutUnprepareHeader,
                                      midiStreamOut, midiStreamRestart,  midiStreamStop,       midiStreamPause,
                                      midiOutReset,  midiStreamClose};
    return api;
}

MidiStreamApi g_MidiStream = WinmmMidiStream();

namespace {

class Lock {
public:
    explicit Lock(CRITICAL_SECTION* cs) : m_pCs(cs) { EnterCriticalSection(cs); }
    ~Lock() { LeaveCriticalSection(m_pCs); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    CRITICAL_SECTION* m_pCs;
};

bool HasMidExtension(const char* file) {
    const char* dot = file ? std::strrchr(file, '.') : nullptr;
    return dot && std::strcmp(dot + 1, "mid") == 0;
}

}  // namespace

cSmfPlay::cSmfPlay(const char* file) : SmfFormat(file) {
    InitializeCriticalSection(&m_Lock);
    if (HasImage()) Open();
}

cSmfPlay::~cSmfPlay() {
    // Stop, end the worker, and only then reset and take the buffers back from
    // the stream, close it and free them: nothing can refill a buffer once the
    // worker has gone.
    {
        Lock lock(&m_Lock);
        m_bClosing = 1;
        if (m_hStream) LogResult("Stop", g_MidiStream.Stop(m_hStream));
        m_nState = STATE_STOPPED;
    }
    if (m_hThread) {
        PostThreadMessageA(m_dwThreadId, WM_QUIT, 0, 0);
        WaitForSingleObject(m_hThread, INFINITE);
        CloseHandle(m_hThread);
        m_hThread = nullptr;
    }
    if (m_hStream) {
        HMIDIOUT out = reinterpret_cast<HMIDIOUT>(m_hStream);
        LogResult("Reset", g_MidiStream.Reset(out));
        for (MIDIHDR& hdr : m_Hdr) {
            if (hdr.dwFlags & MHDR_PREPARED) LogResult("Unprepare", g_MidiStream.Unprepare(out, &hdr, sizeof(hdr)));
        }
        LogResult("Close", g_MidiStream.Close(m_hStream));
        m_hStream = nullptr;
    }
    for (auto& data : m_Data) std::vector<unsigned char>().swap(data);
    DeleteCriticalSection(&m_Lock);
}

int cSmfPlay::Open() {
    if (!HasImage() || m_hThread) return 0;
    m_nNext = 0;
    for (int i = 0; i < kBuffers; ++i) {
        m_Data[i].assign(kBufferSize, 0);
        m_Hdr[i] = MIDIHDR{};
        m_Hdr[i].lpData = reinterpret_cast<LPSTR>(m_Data[i].data());
        m_Hdr[i].dwBufferLength = kBufferSize;
        m_Hdr[i].dwUser = static_cast<DWORD_PTR>(i);
    }
    m_hThread = CreateThread(nullptr, 0, ThreadProc, this, 0, &m_dwThreadId);
    if (!m_hThread) {
        ReportAndEcLog("Midi %s Open %s", m_strFile.c_str(), "スレッドが作れません");
        return 0;
    }
    // The stream may call back as soon as it is open; the worker's queue must
    // exist by then. Posting succeeds once the worker has made it.
    for (int tries = 0; !PostThreadMessageA(m_dwThreadId, kSmfWorkerHello, 0, 0); ++tries) {
        if (tries >= 5000 || WaitForSingleObject(m_hThread, 1) == WAIT_OBJECT_0) {
            ReportAndEcLog("Midi %s Open %s", m_strFile.c_str(), "スレッドが応答しません");
            return 0;
        }
    }
    UINT device = MIDI_MAPPER;
    MMRESULT mr = g_MidiStream.Open(&m_hStream, &device, 1, m_dwThreadId, 0, CALLBACK_THREAD);
    if (mr != MMSYSERR_NOERROR) {
        m_hStream = nullptr;
        LogResult("Open", mr);
        return 0;
    }
    MIDIPROPTIMEDIV division = {sizeof(MIDIPROPTIMEDIV), (DWORD(m_Image[12]) << 8) | m_Image[13]};
    LogResult("Property",
              g_MidiStream.Property(m_hStream, reinterpret_cast<LPBYTE>(&division), MIDIPROP_SET | MIDIPROP_TIMEDIV));
    Lock lock(&m_Lock);
    m_nReadPos = kSmfImageHeader;
    m_nCarry = 0;
    m_nState = STATE_STOPPED;
    FillBuffer();
    return 1;
}

void cSmfPlay::Restart(int loop) {
    Lock lock(&m_Lock);
    RestartLocked(loop);
}

void cSmfPlay::Stop(int pause) {
    Lock lock(&m_Lock);
    StopLocked(pause);
}

int cSmfPlay::GetState() const {
    Lock lock(&m_Lock);
    return m_nState;
}

size_t cSmfPlay::GetReadPos() const {
    Lock lock(&m_Lock);
    return m_nReadPos;
}

int cSmfPlay::GetCallbackCount() const {
    Lock lock(&m_Lock);
    return m_nCallbacks;
}

void cSmfPlay::RestartLocked(int loop) {
    m_bLoop = loop;
    if (!m_hStream || m_nState == STATE_PLAYING) return;
    LogResult("Restart", g_MidiStream.Restart(m_hStream));
    const int wasStopped = m_nState == STATE_STOPPED;
    m_nState = STATE_PLAYING;
    if (wasStopped && m_nReadPos < m_Image.size()) FillBuffer();
}

void cSmfPlay::StopLocked(int pause) {
    if (!m_hStream) return;
    if (!pause) {
        LogResult("Stop", g_MidiStream.Stop(m_hStream));
        m_nState = STATE_STOPPED;
        m_nReadPos = kSmfImageHeader;
        m_nCarry = 0;
        FillBuffer();
    } else if (m_nState == STATE_PLAYING) {
        LogResult("Pause", g_MidiStream.Pause(m_hStream));
        m_nState = STATE_PAUSED;
    }
}

void cSmfPlay::FillBuffer() {
    if (!m_hStream || m_nReadPos >= m_Image.size()) return;
    MIDIHDR& hdr = m_Hdr[m_nNext];
    if (hdr.dwFlags & MHDR_INQUEUE) return;
    HMIDIOUT out = reinterpret_cast<HMIDIOUT>(m_hStream);
    if (hdr.dwFlags & MHDR_PREPARED) LogResult("Unprepare", g_MidiStream.Unprepare(out, &hdr, sizeof(hdr)));
    SmfConvertResult r = SmfConvertEvents(m_Image.data(), m_nReadPos, m_Image.size(), m_Data[m_nNext].data(),
                                          kBufferSize, &m_nCarry, m_strFile.c_str());
    m_nReadPos += r.nConsumed;
    if (r.nWritten == 0) return;  // only silent events were left: nothing to send or wait for
    hdr.dwBytesRecorded = static_cast<DWORD>(r.nWritten);
    hdr.dwFlags = 0;
    hdr.dwOffset = 0;
    MMRESULT mr = g_MidiStream.Prepare(out, &hdr, sizeof(hdr));
    LogResult("Prepare", mr);
    if (mr == MMSYSERR_NOERROR) LogResult("Out", g_MidiStream.Out(m_hStream, &hdr, sizeof(hdr)));
    m_nNext = (m_nNext + 1) % kBuffers;
}

void cSmfPlay::OnPosition(MIDIHDR* hdr) {
    Lock lock(&m_Lock);
    ++m_nCallbacks;
    if (m_bClosing || (hdr != &m_Hdr[0] && hdr != &m_Hdr[1])) return;
    uint32_t word = 0;
    if (hdr->dwOffset + kMevtHeader <= hdr->dwBytesRecorded) {
        std::memcpy(&word, hdr->lpData + hdr->dwOffset + 8, 4);
    }
    if ((word & ~kMevtCallback) == (kMevtEndOfTrack & ~kMevtCallback)) {
        StopLocked(0);
        if (m_bLoop) RestartLocked(m_bLoop);
    } else if (m_nReadPos < m_Image.size()) {
        FillBuffer();
    }
}

DWORD WINAPI cSmfPlay::ThreadProc(LPVOID self) {
    static_cast<cSmfPlay*>(self)->Run();
    return 0;
}

void cSmfPlay::Run() {
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // makes the queue
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == MM_MOM_POSITIONCB) OnPosition(reinterpret_cast<MIDIHDR*>(msg.lParam));
    }
}

void cSmfPlay::LogResult(const char* what, MMRESULT result) const {
    if (result == MMSYSERR_NOERROR) return;
    char text[512] = {};
    // MCI has no text for the MIDI codes; the MIDI output's own table does.
    if (!mciGetErrorStringA(result, text, sizeof(text)) || !text[0]) {
        midiOutGetErrorTextA(result, text, sizeof(text));
    }
    ReportAndEcLog("Midi %s %s %s", m_strFile.c_str(), what, text);
}

// ---- SmfSlotTable --------------------------------------------------------------

int SmfSlotTable::Play(int channel, const char* file, int loop) {
    Stop(1);
    for (cSmfPlay*& player : m_Players) {
        delete player;
        player = nullptr;
    }
    if (channel < 0 || channel >= GetCount() || !HasMidExtension(file)) return 0;
    cSmfPlay* player = new (std::nothrow) cSmfPlay(file);
    if (!player) return 0;
    if (!player->HasImage() || !player->IsOpen()) {
        delete player;
        return 0;
    }
    m_Players[channel] = player;
    player->Restart(loop);
    return 1;
}

void SmfSlotTable::Stop(int pause) {
    for (cSmfPlay* player : m_Players) {
        if (player) player->Stop(pause);
    }
}

void SmfSlotTable::Clear() { m_Players.clear(); }

void SmfSlotTable::DeleteAll() {
    for (cSmfPlay* player : m_Players) delete player;
    m_Players.clear();
}

void SmfSlotTable::Resize(int channels) {
    if (channels < 0) channels = 0;
    for (size_t i = static_cast<size_t>(channels); i < m_Players.size(); ++i) delete m_Players[i];
    m_Players.resize(static_cast<size_t>(channels), nullptr);
}

cSmfPlay* SmfSlotTable::GetPlayer(int channel) const {
    return channel >= 0 && channel < GetCount() ? m_Players[channel] : nullptr;
}
