// The program's own MIDI player: a flattened MIDI image streamed to the
// Windows MIDI stream interface in two alternating buffers, refilled by a
// worker thread as the stream reports each buffer played.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <vector>

#include "media/smf_format.h"

// The MIDI stream functions the player calls: WINMM's, unless a test has put
// in its own (a fake stream that posts the position callbacks).
struct MidiStreamApi {
    MMRESULT(WINAPI* Open)(LPHMIDISTRM, LPUINT, DWORD, DWORD_PTR, DWORD_PTR, DWORD);
    MMRESULT(WINAPI* Property)(HMIDISTRM, LPBYTE, DWORD);
    MMRESULT(WINAPI* Prepare)(HMIDIOUT, LPMIDIHDR, UINT);
    MMRESULT(WINAPI* Unprepare)(HMIDIOUT, LPMIDIHDR, UINT);
    MMRESULT(WINAPI* Out)(HMIDISTRM, LPMIDIHDR, UINT);
    MMRESULT(WINAPI* Restart)(HMIDISTRM);
    MMRESULT(WINAPI* Stop)(HMIDISTRM);
    MMRESULT(WINAPI* Pause)(HMIDISTRM);
    MMRESULT(WINAPI* Reset)(HMIDIOUT);
    MMRESULT(WINAPI* Close)(HMIDISTRM);
};
extern MidiStreamApi g_MidiStream;
const MidiStreamApi& WinmmMidiStream();

// The thread message that tells the worker's queue exists.
constexpr UINT kSmfWorkerHello = 0x8000;

class cSmfPlay : public SmfFormat {
public:
    enum { STATE_STOPPED = 0, STATE_PLAYING = 1, STATE_PAUSED = 2 };
    static constexpr int kBuffers = 2;
    static constexpr int kBufferSize = 24000;

    // Reads the file; when it gave an image, opens the stream (IsOpen tells).
    explicit cSmfPlay(const char* file);
    ~cSmfPlay() override;

    int Open();
    int IsOpen() const { return m_hStream != nullptr; }
    void Restart(int loop);
    void Stop(int pause);

    int GetState() const;
    size_t GetReadPos() const;
    int GetCallbackCount() const;  // position callbacks the worker has taken
    size_t GetEndPos() const { return m_Image.size(); }

private:
    void StopLocked(int pause);
    void RestartLocked(int loop);
    void FillBuffer();  // with the lock held
    void OnPosition(MIDIHDR* hdr);
    void LogResult(const char* what, MMRESULT result) const;
    static DWORD WINAPI ThreadProc(LPVOID self);
    void Run();

    HMIDISTRM m_hStream = nullptr;
    MIDIHDR m_Hdr[kBuffers] = {};
    std::vector<unsigned char> m_Data[kBuffers];
    int m_nNext = 0;
    size_t m_nReadPos = kSmfImageHeader;
    uint32_t m_nCarry = 0;  // delta time of events that wrote nothing, for the next one
    int m_nState = STATE_STOPPED;
    HANDLE m_hThread = nullptr;
    DWORD m_dwThreadId = 0;
    int m_bLoop = 0;
    int m_bClosing = 0;
    int m_nCallbacks = 0;
    // The worker and the user-interface thread both drive the stream and the
    // buffers; every such step holds this lock.
    mutable CRITICAL_SECTION m_Lock;
};

// One player per channel, owned by the table.
class SmfSlotTable {
public:
    SmfSlotTable() { Clear(); }
    SmfSlotTable(const SmfSlotTable&) = delete;
    SmfSlotTable& operator=(const SmfSlotTable&) = delete;
    ~SmfSlotTable() { DeleteAll(); }

    // Pauses and deletes every player, then plays the ".mid" file on the
    // channel; 0 when it cannot be read or no MIDI stream opens.
    int Play(int channel, const char* file, int loop);
    void Stop(int pause);
    void Clear();  // forgets the players without deleting them
    void DeleteAll();
    void Resize(int channels);
    int GetCount() const { return static_cast<int>(m_Players.size()); }
    cSmfPlay* GetPlayer(int channel) const;

private:
    std::vector<cSmfPlay*> m_Players;
};
