#include "ui/numtext.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

void FormatNumberEx(std::string& out, int value, int minDigits, int keepZeros, int plusSign) {
    unsigned long long v = value < 0 ? 0ULL - static_cast<long long>(value) : value;
    int digits = CountDigits(value);
    if (minDigits > digits) digits = minDigits;
    std::string text(digits, '0');
    for (int i = digits - 1; i >= 0 && v; --i, v /= 10) text[i] = static_cast<char>('0' + v % 10);
    if (!keepZeros) {
        for (size_t i = 0; i + 1 < text.size() && text[i] == '0'; ++i) text[i] = ' ';
    }
    if (value < 0)
        out = "-" + text;
    else if (plusSign == 1)
        out = "+" + text;
    else
        out = text;
}

void FormatNumber(std::string& out, int value, int minDigits) { FormatNumberEx(out, value, minDigits, 1, 0); }

int CountDecimals(double step) {
    char text[64];
    std::snprintf(text, sizeof(text), "%.10lf", step);
    const char* point = std::strchr(text, '.');
    if (!point) return 0;
    int after = static_cast<int>(std::strlen(point + 1));
    while (after > 0 && point[after] == '0') --after;
    return after;
}

bool IsSjisLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

bool IsNumericEditChar(unsigned code) {
    return code == '-' || code == '.' || (code >= '0' && code <= '9') || (code >= 1 && code <= 39);
}

char FullWidthToAscii(unsigned char lead, unsigned char trail) {
    unsigned code = lead << 8 | trail;
    if (code >= 0x824F && code <= 0x8258) return static_cast<char>('0' + (code - 0x824F));
    if (code == 0x817C) return '-';
    if (code == 0x8144) return '.';
    return 0;
}

std::string FullWidthToAsciiText(const char* text) {
    std::string out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p;) {
        if (IsSjisLeadByte(*p) && p[1]) {
            if (char c = FullWidthToAscii(p[0], p[1])) out += c;
            p += 2;
        } else {
            ++p;
        }
    }
    return out;
}

std::string CleanNumberText(const char* text) {
    std::string out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p;) {
        if (IsSjisLeadByte(*p)) {
            p += p[1] ? 2 : 1;
            continue;
        }
        char c = static_cast<char>(*p++);
        if ((c == '-' && out.empty()) || c == '.' || (c >= '0' && c <= '9')) out += c;
    }
    return out;
}

NumberParse ParseIntText(const char* text, long long typeMin, long long typeMax, long long minimum) {
    NumberParse r;
    std::string clean = CleanNumberText(text);
    if (clean.empty()) {
        r.typing = 1;
        r.value = minimum >= 1 ? minimum : 0;
        return r;
    }
    errno = 0;
    long long v = std::strtoll(clean.c_str(), nullptr, 10);
    if (clean == "-") {
        r.pending = "-";
    } else if (clean[0] == '-') {
        // A minus sign before zeros stays on screen as the user typed it.
        long long rest = std::strtoll(clean.c_str() + 1, nullptr, 10);
        if (rest == v) r.pending = "-" + std::to_string(rest);
    }
    if (v < typeMin || v > typeMax) {
        v = v < typeMin ? typeMin : typeMax;
        r.pending.clear();
    }
    r.value = v;
    return r;
}

std::string FormatReal(double value, int decimals) {
    char text[512];
    std::snprintf(text, sizeof(text), "%.*lf", decimals, value);
    return text;
}

NumberParse ParseRealText(const char* text, int decimals, double minimum) {
    NumberParse r;
    std::string clean = CleanNumberText(text);
    if (clean.empty()) {
        r.typing = 1;
        r.real = minimum > 0 ? minimum : 0;
        return r;
    }
    double v = std::strtod(clean.c_str(), nullptr);
    r.real = std::strtod(FormatReal(v, decimals).c_str(), nullptr);
    r.pending = clean;
    return r;
}
