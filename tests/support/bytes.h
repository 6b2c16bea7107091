// Builds file images byte by byte, for tests of stored layouts and of old
// versions: Bytes().U32(270).I32(5).Str("abc").
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

class Bytes {
public:
    Bytes& U32(uint32_t v) { return Raw(&v, 4); }
    Bytes& I32(int32_t v) { return Raw(&v, 4); }
    Bytes& I16(int16_t v) { return Raw(&v, 2); }
    Bytes& U8(uint8_t v) { return Raw(&v, 1); }
    Bytes& F64(double v) { return Raw(&v, 8); }
    // As a data file stores a string: length with the NUL, the bytes, the NUL.
    Bytes& Str(const std::string& s) {
        if (s.empty()) return I32(1);
        I32(static_cast<int32_t>(s.size() + 1));
        m_data += s;
        m_data += '\0';
        return *this;
    }
    Bytes& Raw(const void* p, size_t n) {
        m_data.append(static_cast<const char*>(p), n);
        return *this;
    }
    Bytes& Append(const std::string& s) {
        m_data += s;
        return *this;
    }
    const std::string& str() const { return m_data; }
    operator const std::string&() const { return m_data; }

private:
    std::string m_data;
};

// Hex text of bytes, for readable failures: "04 00 00 00 61".
inline std::string Hex(const std::string& bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        if (!out.empty()) out += ' ';
        out += kDigits[c >> 4];
        out += kDigits[c & 15];
    }
    return out;
}
