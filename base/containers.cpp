#include "base/containers.h"

#include <cstdio>

#include "base/platform.h"
#include "base/report.h"

void ReportIndexError(const char* format, int index, int count, int size, int action) {
    std::string text;
    StringPrintf(text, format, index, count, size);
    EcLogWrite(text.c_str());
    Report("%s", text.c_str());
    if (action == MAINWND_CLOSE)
        CloseMainWindow();
    else
        DestroyMainWindow();
}

std::string& StringVPrintf(std::string& destination, const char* format, va_list args) {
    char buffer[4196];
    const int n = std::vsnprintf(buffer, sizeof(buffer), format, args);
    if (n < 0) buffer[0] = '\0';
    destination = buffer;
    return destination;
}

std::string& StringPrintf(std::string& destination, const char* format, ...) {
    va_list args;
    va_start(args, format);
    StringVPrintf(destination, format, args);
    va_end(args);
    return destination;
}

std::string& AppendFormat(std::string& destination, const char* format, ...) {
    std::string text;
    va_list args;
    va_start(args, format);
    StringVPrintf(text, format, args);
    va_end(args);
    return destination += text;
}

const char* StrOrEmpty(const std::string& text) {
    static const char kEmpty[] = "";
    return text.empty() ? kEmpty : text.c_str();
}

int CountDigits(int value) {
    long long v = value;
    if (v < 0) v = -v;
    int digits = 1;
    while (v >= 10) {
        v /= 10;
        ++digits;
    }
    return digits;
}
