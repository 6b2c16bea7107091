#include "tests/media/fake_midi_stream.h"

#include <cstring>
#include <deque>
#include <mutex>

#include "media/smf_play.h"
#include "media/smf_stream.h"

namespace fake_midi {
namespace {

struct State {
    std::mutex lock;
    bool failOpen = false;
    bool running = false;
    DWORD thread = 0;
    DWORD division = 0;
    bool workerGone = false;
    std::deque<MIDIHDR*> queue;
    std::vector<std::string> calls;
    std::vector<Played> played;
} g;

HMIDISTRM const kHandle = reinterpret_cast<HMIDISTRM>(0x5EED);

void ReturnAll() {
    for (MIDIHDR* hdr : g.queue) hdr->dwFlags = (hdr->dwFlags & ~MHDR_INQUEUE) | MHDR_DONE;
    g.queue.clear();
}

MMRESULT WINAPI Open(LPHMIDISTRM h, LPUINT, DWORD, DWORD_PTR callback, DWORD_PTR, DWORD flags) {
    std::lock_guard<std::mutex> l(g.lock);
    g.calls.push_back("Open");
    if (g.failOpen) return MMSYSERR_NODRIVER;
    if (flags != CALLBACK_THREAD) return MMSYSERR_INVALFLAG;
    g.thread = static_cast<DWORD>(callback);
    *h = kHandle;
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI Property(HMIDISTRM, LPBYTE data, DWORD flags) {
    std::lock_guard<std::mutex> l(g.lock);
    g.calls.push_back("Property");
    if (flags == (MIDIPROP_SET | MIDIPROP_TIMEDIV)) g.division = reinterpret_cast<MIDIPROPTIMEDIV*>(data)->dwTimeDiv;
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI Prepare(HMIDIOUT, LPMIDIHDR hdr, UINT) {
    hdr->dwFlags |= MHDR_PREPARED;
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI Unprepare(HMIDIOUT, LPMIDIHDR hdr, UINT) {
    std::lock_guard<std::mutex> l(g.lock);
    g.calls.push_back("Unprepare");
    if (hdr->dwFlags & MHDR_INQUEUE) return MIDIERR_STILLPLAYING;
    hdr->dwFlags &= ~MHDR_PREPARED;
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI Out(HMIDISTRM, LPMIDIHDR hdr, UINT) {
    std::lock_guard<std::mutex> l(g.lock);
    g.calls.push_back("Out " + std::to_string(hdr->dwUser));
    if (!(hdr->dwFlags & MHDR_PREPARED)) return MIDIERR_UNPREPARED;
    hdr->dwFlags = (hdr->dwFlags | MHDR_INQUEUE) & ~MHDR_DONE;
    g.queue.push_back(hdr);
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI Restart(HMIDISTRM) {
    std::lock_guard<std::mutex> l(g.lock);
    g.calls.push_back("Restart");
    g.running = true;
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI Stop(HMIDISTRM) {
    std::lock_guard<std::mutex> l(g.lock);
    g.calls.push_back("Stop");
    g.running = false;
    ReturnAll();
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI Pause(HMIDISTRM) {
    std::lock_guard<std::mutex> l(g.lock);
    g.calls.push_back("Pause");
    g.running = false;
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI Reset(HMIDIOUT) {
    std::lock_guard<std::mutex> l(g.lock);
    g.calls.push_back("Reset");
    HANDLE t = OpenThread(SYNCHRONIZE, FALSE, g.thread);
    g.workerGone = !t || WaitForSingleObject(t, 0) == WAIT_OBJECT_0;
    if (t) CloseHandle(t);
    ReturnAll();
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI Close(HMIDISTRM) {
    std::lock_guard<std::mutex> l(g.lock);
    g.calls.push_back("Close");
    return MMSYSERR_NOERROR;
}

}  // namespace

void Install() {
    {
        std::lock_guard<std::mutex> l(g.lock);
        g.failOpen = false;
        g.running = false;
        g.thread = 0;
        g.division = 0;
        g.workerGone = false;
        g.queue.clear();
        g.calls.clear();
        g.played.clear();
    }
    g_MidiStream = MidiStreamApi{Open, Property, Prepare, Unprepare, Out, Restart, Stop, Pause, Reset, Close};
}

void Uninstall() { g_MidiStream = WinmmMidiStream(); }

void FailOpen(bool fail) {
    std::lock_guard<std::mutex> l(g.lock);
    g.failOpen = fail;
}

int PlayNext() {
    std::lock_guard<std::mutex> l(g.lock);
    if (!g.running || g.queue.empty()) return -1;
    MIDIHDR* hdr = g.queue.front();
    g.queue.pop_front();
    Played p;
    p.buffer = static_cast<int>(hdr->dwUser);
    std::vector<DWORD> callbacks;
    for (DWORD at = 0; at + kMevtHeader <= hdr->dwBytesRecorded;) {
        uint32_t word;
        std::memcpy(&word, hdr->lpData + at + 8, 4);
        p.words.push_back(word);
        if (word & kMevtCallback) callbacks.push_back(at);
        at += kMevtHeader;
        if (word & kMevtLong) at += ((word & kMevtParamMask) + 3) & ~3u;
    }
    g.played.push_back(p);
    // The buffer is handed back before its callbacks are seen, so the worker
    // may refill it at once.
    hdr->dwFlags = (hdr->dwFlags & ~MHDR_INQUEUE) | MHDR_DONE;
    for (DWORD at : callbacks) {
        hdr->dwOffset = at;
        PostThreadMessageA(g.thread, MM_MOM_POSITIONCB, reinterpret_cast<WPARAM>(kHandle),
                           reinterpret_cast<LPARAM>(hdr));
    }
    return static_cast<int>(callbacks.size());
}

std::vector<std::string> Calls() {
    std::lock_guard<std::mutex> l(g.lock);
    return g.calls;
}

std::vector<Played> PlayedBuffers() {
    std::lock_guard<std::mutex> l(g.lock);
    return g.played;
}

int Queued() {
    std::lock_guard<std::mutex> l(g.lock);
    return static_cast<int>(g.queue.size());
}

DWORD TimeDivision() {
    std::lock_guard<std::mutex> l(g.lock);
    return g.division;
}

bool WorkerGoneAtReset() {
    std::lock_guard<std::mutex> l(g.lock);
    return g.workerGone;
}

}  // namespace fake_midi
