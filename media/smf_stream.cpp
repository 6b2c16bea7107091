#include "media/smf_stream.h"

#include <cstring>

#include "base/report.h"
#include "media/smf_format.h"

namespace {

void Put32(unsigned char* p, uint32_t v) { std::memcpy(p, &v, 4); }  // stream events are little-endian

uint32_t AddDelta(uint32_t a, uint32_t b) { return b > 0xFFFFFFFFu - a ? 0xFFFFFFFFu : a + b; }

}  // namespace

SmfConvertResult SmfConvertEvents(const unsigned char* image, size_t pos, size_t end, unsigned char* buffer,
                                  size_t size, uint32_t* carry, const char* file) {
    SmfConvertResult result = {0, 0, 0};
    if (!file) file = "";
    std::memset(buffer, 0, size);
    size_t w = 0;
    size_t last = static_cast<size_t>(-1);  // offset of the last event written
    const unsigned char* const stop = image + end;
    const unsigned char* p = image + pos;

    auto fits = [&](size_t need) { return need <= size - w; };
    auto put = [&](uint32_t delta, uint32_t word) {
        Put32(buffer + w, AddDelta(*carry, delta));
        Put32(buffer + w + 4, 0);
        Put32(buffer + w + 8, word);
        *carry = 0;
        last = w;
        w += kMevtHeader;
    };

    while (p < stop) {
        const unsigned char* q = p;
        uint32_t delta = 0;
        bool malformed = false;
        int n = ReadVarLen(q, stop, &delta);
        q += n;
        if (!n || q >= stop) malformed = true;
        const unsigned status = malformed ? 0 : *q++;
        if (!malformed && (status == 0xF0 || status == 0xF7)) {
            uint32_t length = 0;
            n = ReadVarLen(q, stop, &length);
            if (!n || length > static_cast<size_t>(stop - q - n)) {
                malformed = true;
            } else {
                q += n;
                const size_t bytes = (1 + size_t(length) + 3) & ~size_t(3);
                if (kMevtHeader + bytes > size || 1 + size_t(length) > kMevtParamMask) {
                    ReportAndEcLog("Midi %s Buffer バッファに入らないイベントを飛ばす (%u)", file,
                                   static_cast<unsigned>(length));
                    *carry = AddDelta(*carry, delta);
                } else if (!fits(kMevtHeader + bytes)) {
                    break;
                } else {
                    put(delta, kMevtLong | static_cast<uint32_t>(1 + length));
                    buffer[w] = static_cast<unsigned char>(status);
                    std::memcpy(buffer + w + 1, q, length);
                    w += bytes;
                }
                p = q + length;
                continue;
            }
        } else if (!malformed && status == 0xFF) {
            uint32_t length = 0;
            n = q < stop ? ReadVarLen(q + 1, stop, &length) : 0;
            if (!n || length > static_cast<size_t>(stop - q - 1 - n)) {
                malformed = true;
            } else {
                const unsigned type = q[0];
                const unsigned char* data = q + 1 + n;
                if (type == 0x2F) {
                    if (!fits(kMevtHeader)) break;
                    put(delta, kMevtEndOfTrack);
                    p = data + length;
                    result.bEndOfTrack = 1;
                    break;
                }
                if (type == 0x51 && length == 3) {
                    if (!fits(kMevtHeader)) break;
                    put(delta, kMevtTempo | (uint32_t(data[0]) << 16) | (uint32_t(data[1]) << 8) | data[2]);
                } else {
                    *carry = AddDelta(*carry, delta);  // text, markers and the like play nothing
                }
                p = data + length;
                continue;
            }
        } else if (!malformed && status >= 0x80) {
            const int count = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
            if (stop - q < count) {
                malformed = true;
            } else {
                if (!fits(kMevtHeader)) break;
                uint32_t word = status | (uint32_t(q[0]) << 8);
                if (count == 2) word |= uint32_t(q[1]) << 16;
                put(delta, word);
                p = q + count;
                continue;
            }
        } else {
            malformed = true;
        }
        // Only a broken image gets here: what is left of it is given up.
        if (!fits(kMevtHeader)) break;
        ReportAndEcLog("Midi %s Buffer 不正なイベント (%u)", file, static_cast<unsigned>(p - image));
        put(0, kMevtEndOfTrack);
        p = stop;
        result.bEndOfTrack = 1;
        break;
    }
    if (!result.bEndOfTrack && last != static_cast<size_t>(-1)) {
        uint32_t word;
        std::memcpy(&word, buffer + last + 8, 4);
        Put32(buffer + last + 8, word | kMevtCallback);
    }
    result.nConsumed = static_cast<size_t>(p - (image + pos));
    result.nWritten = w;
    return result;
}
