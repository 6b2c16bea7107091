#include "media/vox/vox_waveout.h"

#include <mmsystem.h>

namespace {

class WinmmWaveOut : public VoxWaveOut {
public:
    ~WinmmWaveOut() override { Close(); }

    int Open(int channels, long rate, HANDLE done) override {
        Close();
        WAVEFORMATEX format = {};
        format.wFormatTag = WAVE_FORMAT_PCM;
        format.nChannels = static_cast<WORD>(channels);
        format.nSamplesPerSec = static_cast<DWORD>(rate);
        format.wBitsPerSample = 16;
        format.nBlockAlign = static_cast<WORD>(channels * 2);
        format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
        if (waveOutOpen(&m_hWave, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(done), 0, CALLBACK_EVENT) !=
            MMSYSERR_NOERROR) {
            m_hWave = nullptr;
            return 0;
        }
        return 1;
    }

    int Write(int index, char* data, int bytes) override {
        if (!m_hWave || index < 0 || index >= kVoxBuffers) return 0;
        WAVEHDR& hdr = m_Hdr[index];
        if (hdr.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(m_hWave, &hdr, sizeof(hdr));
        hdr = WAVEHDR{};
        hdr.lpData = data;
        hdr.dwBufferLength = static_cast<DWORD>(bytes);
        if (waveOutPrepareHeader(m_hWave, &hdr, sizeof(hdr)) != MMSYSERR_NOERROR) return 0;
        return waveOutWrite(m_hWave, &hdr, sizeof(hdr)) == MMSYSERR_NOERROR;
    }

    int IsDone(int index) override {
        if (index < 0 || index >= kVoxBuffers) return 0;
        return !(m_Hdr[index].dwFlags & WHDR_INQUEUE);
    }

    void Close() override {
        if (!m_hWave) return;
        waveOutReset(m_hWave);
        for (WAVEHDR& hdr : m_Hdr) {
            if (hdr.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(m_hWave, &hdr, sizeof(hdr));
            hdr = WAVEHDR{};
        }
        waveOutClose(m_hWave);
        m_hWave = nullptr;
    }

private:
    HWAVEOUT m_hWave = nullptr;
    WAVEHDR m_Hdr[kVoxBuffers] = {};
};

}  // namespace

VoxWaveOut* NewWinmmWaveOut() { return new WinmmWaveOut; }
