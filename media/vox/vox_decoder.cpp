#include "media/vox/vox_decoder.h"

#include <cstdint>
#include <cstring>

namespace {

size_t ReadCb(void* ptr, size_t size, size_t count, void* source) {
    return std::fread(ptr, size, count, static_cast<FILE*>(source));
}

int SeekCb(void* source, ogg_int64_t offset, int whence) {
    return std::fseek(static_cast<FILE*>(source), static_cast<long>(offset), whence);
}

long TellCb(void* source) { return std::ftell(static_cast<FILE*>(source)); }

// The decoder is closed before the file; ov_clear must not close it a second time.
const ov_callbacks kCallbacks = {ReadCb, SeekCb, nullptr, TellCb};

}  // namespace

int VoxDecoder::Open(const char* file) {
    Close();
    if (!file || !*file) return 0;
    FILE* fp = std::fopen(file, "rb");
    if (!fp) return 0;
    if (ov_open_callbacks(fp, &m_Vorbis, nullptr, 0, kCallbacks) != 0) {
        std::fclose(fp);
        return 0;
    }
    vorbis_info* info = ov_info(&m_Vorbis, -1);
    if (!info || info->channels < 1 || info->channels > 8 || info->rate <= 0) {
        ov_clear(&m_Vorbis);
        std::fclose(fp);
        return 0;
    }
    m_pFile = fp;
    m_nChannels = info->channels;
    m_nRate = info->rate;
    m_nLoopLeft = m_nLoop.load();
    m_bPassHadSamples = false;
    return 1;
}

void VoxDecoder::Close() {
    if (!m_pFile) return;
    ov_clear(&m_Vorbis);
    std::fclose(m_pFile);
    m_pFile = nullptr;
    m_nChannels = 0;
    m_nRate = 0;
}

int VoxDecoder::Rewind() {
    if (!m_pFile) return 0;
    m_nLoopLeft = m_nLoop.load();
    m_bPassHadSamples = false;
    return ov_pcm_seek(&m_Vorbis, 0) == 0;
}

void VoxDecoder::SetVolume(float volume) {
    if (!(volume > 0.0f)) volume = 0.0f;  // also catches NaN
    if (volume > 1.0f) volume = 1.0f;
    m_fVolume = volume;
}

int VoxDecoder::Read(char* out, int bytes) {
    if (!m_pFile || bytes <= 0) return 0;
    const int frame = 2 * m_nChannels;
    bytes -= bytes % frame;
    int done = 0;
    while (done < bytes) {
        int section = 0;
        long n = ov_read(&m_Vorbis, out + done, bytes - done, 0, 2, 1, &section);
        if (n == OV_HOLE) continue;  // a gap in the data; decoding goes on after it
        if (n > 0) {
            done += static_cast<int>(n);
            m_bPassHadSamples = true;
            continue;
        }
        // End of the file (or an error that ends it): go round again while loops are left,
        // but never for a pass that gave nothing, which would spin for ever.
        if (m_nLoopLeft > 0 && m_bPassHadSamples && ov_pcm_seek(&m_Vorbis, 0) == 0) {
            --m_nLoopLeft;
            m_bPassHadSamples = false;
            continue;
        }
        break;
    }
    done -= done % frame;
    Scale(out, done);
    return done;
}

void VoxDecoder::Scale(char* data, int bytes) const {
    const float volume = m_fVolume;
    if (volume >= 1.0f) return;
    const int factor = static_cast<int>(volume * 65536.0f);
    for (int i = 0; i + 1 < bytes; i += 2) {
        int16_t s;
        std::memcpy(&s, data + i, 2);
        s = static_cast<int16_t>((s * factor) / 65536);
        std::memcpy(data + i, &s, 2);
    }
}
