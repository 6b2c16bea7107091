#include "media/smf_format.h"

#include <algorithm>
#include <cstring>

#include "base/platform.h"
#include "base/report.h"

int ReadVarLen(const unsigned char* p, const unsigned char* end, uint32_t* value) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        if (p + i >= end) return 0;
        v = (v << 7) | (p[i] & 0x7F);
        if (!(p[i] & 0x80) || i == 3) {
            *value = v;
            return i + 1;
        }
    }
    return 0;
}

int WriteVarLen(unsigned char* buffer, uint32_t value) {
    // A longer delta cannot be written; a shorter one keeps the image readable.
    if (value > kSmfVarLenMax) value = kSmfVarLenMax;
    unsigned char groups[4];
    int n = 0;
    do {
        groups[n++] = static_cast<unsigned char>(value & 0x7F);
        value >>= 7;
    } while (value && n < 4);
    for (int i = 0; i < n; ++i) {
        buffer[i] = static_cast<unsigned char>(groups[n - 1 - i] | (i + 1 < n ? 0x80 : 0));
    }
    return n;
}

namespace {

uint32_t Be32(const unsigned char* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

unsigned Be16(const unsigned char* p) { return (unsigned(p[0]) << 8) | p[1]; }

// One event of a track while the tracks are merged. Meta and system-exclusive
// data stay in the file's bytes; the length is written anew.
struct SmfEvent {
    uint64_t time;
    uint8_t status;
    uint8_t data[2];  // channel data, or the meta type in data[0]
    uint32_t length;  // meta and system exclusive
    size_t offset;    // their data in the file
};

// Reads one track's events from [p, end) up to its end of track; false when the
// data ends first or breaks the format.
bool ReadTrack(const unsigned char* base, const unsigned char* p, const unsigned char* end,
               std::vector<SmfEvent>* events, uint64_t* endTime) {
    unsigned running = 0;
    uint64_t time = 0;
    while (p < end) {
        uint32_t delta = 0;
        int n = ReadVarLen(p, end, &delta);
        if (!n) return false;
        p += n;
        time += delta;
        if (p >= end) return false;
        SmfEvent e = {};
        e.time = time;
        if (*p & 0x80) {
            e.status = *p++;
        } else if (running) {
            e.status = static_cast<uint8_t>(running);  // the byte is the first data byte
        } else {
            return false;  // a data byte with no status to run on
        }
        // Real files run a channel's status on across meta and system-exclusive
        // events, so only a channel status becomes the running status.
        if (e.status < 0xF0) running = e.status;
        // System common and real-time messages have no place in a file's track.
        else if (e.status != 0xFF && e.status != 0xF0 && e.status != 0xF7)
            return false;
        if (e.status == 0xFF || e.status == 0xF0 || e.status == 0xF7) {
            if (e.status == 0xFF) {
                if (p >= end) return false;
                e.data[0] = *p++;
            }
            n = ReadVarLen(p, end, &e.length);
            if (!n) return false;
            p += n;
            if (e.length > static_cast<size_t>(end - p)) return false;
            e.offset = static_cast<size_t>(p - base);
            p += e.length;
            if (e.status == 0xFF && e.data[0] == 0x2F && e.length == 0) {
                *endTime = time;
                return true;
            }
        } else {
            const int count = (e.status & 0xF0) == 0xC0 || (e.status & 0xF0) == 0xD0 ? 1 : 2;
            if (end - p < count) return false;
            e.data[0] = p[0];
            if (count == 2) e.data[1] = p[1];
            e.length = static_cast<uint32_t>(count);
            p += count;
        }
        events->push_back(e);
    }
    return false;  // no end of track inside the chunk
}

void Append(std::vector<unsigned char>* image, const void* bytes, size_t size) {
    const auto* b = static_cast<const unsigned char*>(bytes);
    image->insert(image->end(), b, b + size);
}

void AppendVarLen(std::vector<unsigned char>* image, uint64_t value) {
    unsigned char buffer[4];
    Append(image, buffer, WriteVarLen(buffer, value > kSmfVarLenMax ? kSmfVarLenMax : uint32_t(value)));
}

}  // namespace

SmfFormat::SmfFormat(const char* file) : m_strFile(file ? file : "") { ReadFile(); }

int SmfFormat::ReadFile() {
    m_Image.clear();
    std::string bytes;
    if (!FileReadAll(m_strFile.c_str(), &bytes)) {
        ReportAndEcLog("Midi %s Create ファイルが開けません", m_strFile.c_str());
        return 0;
    }
    return Init(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

int SmfFormat::Init(const unsigned char* bytes, size_t size) {
    m_Image.clear();
    const char* file = m_strFile.c_str();
    if (size < 4 || std::memcmp(bytes, "MThd", 4) != 0) {
        ReportAndEcLog("Midi %s Init 標準MIDIでない(4)", file);
        return 0;
    }
    if (size < 14 || Be32(bytes + 4) != 6) {
        ReportAndEcLog("Midi %s Init 標準MIDIでない(6)", file);
        return 0;
    }
    const unsigned format = Be16(bytes + 8);
    if (format == 2) {
        ReportAndEcLog("Midi %s Init 対応フォーマットが2でない", file);
        return 0;
    }
    if (format >= 3) {
        ReportAndEcLog("Midi %s Init 対応フォーマットが0または1でない", file);
        return 0;
    }
    if (size < 22 || std::memcmp(bytes + 14, "MTrk", 4) != 0) {
        ReportAndEcLog("Midi %s Init 標準MIDIでない(4)", file);
        return 0;
    }

    // Each track is read inside its own chunk; chunks of other kinds between
    // the tracks are passed over.
    const unsigned tracks = Be16(bytes + 10);
    const unsigned char* end = bytes + size;
    size_t pos = 14;
    std::vector<SmfEvent> events;
    uint64_t lastEnd = 0;
    for (unsigned t = 0; t < tracks; ++t) {
        while (pos + 8 <= size && std::memcmp(bytes + pos, "MTrk", 4) != 0) {
            const size_t skip = Be32(bytes + pos + 4);
            pos = skip < size - pos - 8 ? pos + 8 + skip : size;
        }
        if (pos + 8 > size) {
            ReportAndEcLog("Midi %s Init トラック%uがない", file, t + 1);
            return 0;
        }
        const size_t length = Be32(bytes + pos + 4);
        const unsigned char* start = bytes + pos + 8;
        const unsigned char* stop = length < static_cast<size_t>(end - start) ? start + length : end;
        uint64_t endTime = 0;
        if (!ReadTrack(bytes, start, stop, &events, &endTime)) {
            ReportAndEcLog("Midi %s Init トラック%uが壊れている", file, t + 1);
            return 0;
        }
        lastEnd = std::max(lastEnd, endTime);
        pos = static_cast<size_t>(stop - bytes);
    }
    SmfEvent eot = {};
    eot.time = lastEnd;
    eot.status = 0xFF;
    eot.data[0] = 0x2F;
    events.push_back(eot);

    // Tracks were appended in order and each is in time order, so a stable sort
    // by time is the merge in which the lower track goes first on equal times.
    std::stable_sort(events.begin(), events.end(),
                     [](const SmfEvent& a, const SmfEvent& b) { return a.time < b.time; });

    std::vector<unsigned char> image;
    image.reserve(kSmfImageHeader + size * 2);
    const unsigned char header[kSmfImageHeader] = {'M', 'T', 'h', 'd',       0,         0,   0,   6,   0,
                                                   0,   0,   1,   bytes[12], bytes[13], 'M', 'T', 'r', 'k'};
    Append(&image, header, sizeof(header));
    uint64_t time = 0;
    for (const SmfEvent& e : events) {
        AppendVarLen(&image, e.time - time);
        time = e.time;
        image.push_back(e.status);
        if (e.status == 0xFF || e.status == 0xF0 || e.status == 0xF7) {
            if (e.status == 0xFF) image.push_back(e.data[0]);
            AppendVarLen(&image, e.length);
            Append(&image, bytes + e.offset, e.length);
        } else {
            Append(&image, e.data, e.length);
        }
    }
    const uint32_t trackLength = static_cast<uint32_t>(image.size() - kSmfImageHeader);
    for (int i = 0; i < 4; ++i) image[18 + i] = static_cast<unsigned char>(trackLength >> (24 - 8 * i));
    m_Image.swap(image);
    return 1;
}
