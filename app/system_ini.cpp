#include "app/system_ini.h"

#include <climits>
#include <cstdlib>
#include <string>

#include "base/platform.h"

int g_IniSettings[INI_BLOCK_SIZE] = {};

int IniSlotOfKey(int key) {
    // The block keeps FrameRate before VSync, the reverse of the key list.
    static const int kSlots[SYSTEM_INI_COUNT] = {1, 2, 4, 3, 5, 6, 7};
    return key >= 0 && key < SYSTEM_INI_COUNT ? kSlots[key] : -1;
}

void SetDefaultSettings(int* block, const VECTOR_CLASS<cIni>& keys) {
    block[INI_BLOCK_VALID] = 1;
    for (int k = 0; k < SYSTEM_INI_COUNT; ++k) {
        const int slot = IniSlotOfKey(k);
        block[slot] = k < static_cast<int>(keys.size()) ? keys[k].Default : 0;
    }
}

namespace {

// atoi without its undefined overflow: leading blanks, a sign, digits.
int IniNumber(const std::string& value) {
    const long long n = std::strtoll(value.c_str(), nullptr, 10);
    return n > INT_MAX ? INT_MAX : n < INT_MIN ? INT_MIN : static_cast<int>(n);
}

void StoreValue(const std::string& key, const std::string& value, int* block, const VECTOR_CLASS<cIni>& keys) {
    const int count = keys.size() < SYSTEM_INI_COUNT ? static_cast<int>(keys.size()) : SYSTEM_INI_COUNT;
    for (int k = 0; k < count; ++k) {
        if (keys[k].Key == key) {
            block[IniSlotOfKey(k)] = IniNumber(value);
            return;
        }
    }
}

}  // namespace

int ParseSystemIni(const char* text, size_t size, int* block, const VECTOR_CLASS<cIni>& keys) {
    size_t pos = 0;
    std::string key, value;
    for (int line = 0; line < INI_LINE_LIMIT; ++line) {
        key.clear();
        char c = 0;
        for (;;) {
            if (pos >= size) return 0;
            c = text[pos++];
            if (c == '\0') return 1;
            if (c == '=' || c == '\n') break;
            if (c == '\r' || c == ' ' || c == '\t') continue;
            if (key.size() + 1 >= INI_TEXT_LIMIT) return 0;
            key += c;
        }
        if (c == '\n') {
            if (key == "Exit") return 1;
            continue;
        }
        value.clear();
        for (;;) {
            if (pos >= size) return 0;
            c = text[pos++];
            if (c == ' ' || c == '\t' || c == '/' || c == '\n' || c == '\0') break;
            if (value.size() + 1 >= INI_TEXT_LIMIT) return 0;
            value += c;
        }
        // The byte that ended the value is consumed, a NUL too: only a NUL
        // outside a value ends the file.
        StoreValue(key, value, block, keys);
    }
    return 1;
}

int LoadSystemIni(const char* path, int* block, const VECTOR_CLASS<cIni>& keys) {
    std::string bytes;
    if (!FileReadAll(path, &bytes)) return 0;
    return ParseSystemIni(bytes.data(), bytes.size(), block, keys);
}
