// Standard MIDI files built byte by byte for the tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

inline void AddBe(Bytes* b, uint32_t v, int n) {
    for (int i = n - 1; i >= 0; --i) b->push_back(static_cast<unsigned char>(v >> (8 * i)));
}

inline Bytes SmfHeader(unsigned format, unsigned tracks, unsigned division) {
    Bytes b = {'M', 'T', 'h', 'd'};
    AddBe(&b, 6, 4);
    AddBe(&b, format, 2);
    AddBe(&b, tracks, 2);
    AddBe(&b, division, 2);
    return b;
}

inline void AddChunk(Bytes* file, const char* id, const Bytes& data) {
    file->insert(file->end(), id, id + 4);
    AddBe(file, static_cast<uint32_t>(data.size()), 4);
    file->insert(file->end(), data.begin(), data.end());
}

inline Bytes Smf(unsigned format, unsigned division, std::initializer_list<Bytes> tracks) {
    Bytes file = SmfHeader(format, static_cast<unsigned>(tracks.size()), division);
    for (const Bytes& t : tracks) AddChunk(&file, "MTrk", t);
    return file;
}

// The events of a flattened image (after its 22-byte header).
inline Bytes ImageEvents(const std::vector<unsigned char>& image) {
    return image.size() > 22 ? Bytes(image.begin() + 22, image.end()) : Bytes();
}
