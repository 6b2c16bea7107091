// TEMPORARY: the few data-model services the sound layer calls, until the
// data model's library lands on this branch.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>

#include "model/containers.h"
#include "model/platform.h"
#include "model/report.h"

char g_szReportPath[MAX_PATH];
char g_szEcLogPath[MAX_PATH];
int g_bEcLogEnable;
HWND g_hWndMain;

namespace {
std::mutex g_LogLock;
MessageBoxSink g_Sink;
void Append(const char* path, const char* text) {
    if (!path[0]) return;
    std::lock_guard<std::mutex> g(g_LogLock);
    FILE* fp = std::fopen(path, "ab");
    if (!fp) return;
    std::fprintf(fp, "%s\r\n", text);
    std::fclose(fp);
}
} // namespace

int ReportOpen(const char* path) {
    std::snprintf(g_szReportPath, sizeof(g_szReportPath), "%s", path);
    FILE* fp = std::fopen(path, "wb");
    if (!fp) return 0;
    std::fclose(fp);
    return 1;
}
int ReportAndEcLog(const char* format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    Append(g_szReportPath, text);
    if (g_bEcLogEnable) Append(g_szEcLogPath, text);
    return 1;
}
const char* EcLogOpen(int enable, const char* path) {
    g_bEcLogEnable = enable;
    std::snprintf(g_szEcLogPath, sizeof(g_szEcLogPath), "%s", path);
    return g_szEcLogPath;
}
void ECSP(const char* format, ...) {
    if (!g_bEcLogEnable) return;
    char text[4196];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    Append(g_szEcLogPath, text);
}
void ECMSP(const char*, ...) {}
MessageBoxSink SetMessageBoxSink(MessageBoxSink sink) {
    MessageBoxSink old = g_Sink;
    g_Sink = sink;
    return old;
}
int ErrorBoxPrintf(const char* format, ...) {
    char text[4196];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    return g_Sink ? g_Sink(nullptr, text, "エラー", 0) : 0;
}
int MemoryShortageExit() { return 0; }
void ReportIndexError(const char* format, int index, int count, int size, int) {
    ReportAndEcLog(format, index, count, size);
}
int FileReadAll(const char* path, std::string* bytes) {
    FILE* fp = std::fopen(path, "rb");
    if (!fp) return 0;
    char buf[4096];
    size_t n;
    bytes->clear();
    while ((n = std::fread(buf, 1, sizeof(buf), fp)) > 0) bytes->append(buf, n);
    std::fclose(fp);
    return 1;
}
