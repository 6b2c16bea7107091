#include "base/report.h"

#include <cpuid.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "base/platform_internal.h"
#include "base/serial.h"

char g_szReportPath[MAX_PATH] = "";
char g_szEcLogPath[MAX_PATH] = "";
int g_bEcLogEnable = 0;
unsigned char g_bEcLogStarted = 0;

namespace {

// The MIDI worker logs too: one open-append-close at a time per log.
std::mutex g_reportLock;
std::mutex g_ecLogLock;

const char kErrorCaption[] = "エラー";

void CopyPath(char* destination, const char* path) {
    std::strncpy(destination, path ? path : "", MAX_PATH - 1);
    destination[MAX_PATH - 1] = '\0';
}

// Stored as a text-mode file stores it: every LF as CR LF.
std::string TextMode(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 16);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

int AppendToReport(const std::string& text) {
    std::lock_guard<std::mutex> lock(g_reportLock);
    if (!g_szReportPath[0]) return 0;
    HANDLE file;
    if (!FileOpenWrite(&file, g_szReportPath)) return 0;
    FileSeekEnd(file);
    const std::string bytes = TextMode(text);
    // A full disk opens the log but takes none of the line.
    const int written = FileWrite(file, bytes.data(), static_cast<unsigned>(bytes.size()));
    return FileClose(&file) && written;
}

std::string Format(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n <= 0) return std::string();
    std::string text(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(&text[0], text.size(), format, args);
    text.resize(static_cast<size_t>(n));
    return text;
}

// Formats into a fixed buffer as the logs and boxes do; `filled` tells
// whether the text with its NUL filled the buffer.
template <size_t N>
const char* FormatCut(char (&buffer)[N], const char* format, va_list args, bool* filled = nullptr) {
    const int n = std::vsnprintf(buffer, N, format, args);
    if (n < 0) buffer[0] = '\0';
    if (filled) *filled = n >= static_cast<int>(N) - 1;
    return buffer;
}

}  // namespace

// ---- Report log ------------------------------------------------------------------

int ReportOpen(const char* path) {
    HANDLE file;
    if (!FileCreate(&file, path)) return 0;
    FileClose(&file);
    std::lock_guard<std::mutex> lock(g_reportLock);
    CopyPath(g_szReportPath, path);
    return 1;
}

int Report(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = Format(format, args);
    va_end(args);
    return AppendToReport(text + "\n");
}

static int ReportLine(const char* text) {
    if (!AppendToReport(std::string(text) + "\n")) return 0;
    EcLogWrite(text);
    return 1;
}

int ReportAndEcLog(const char* format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    FormatCut(text, format, args);
    va_end(args);
    return ReportLine(text);
}

int ReportError(const char* format, const char* argument) {
    char text[1024];
    std::snprintf(text, sizeof(text), format, argument);
    const int logged = ReportLine(text);
    ErrorBoxPrintf("%s", text);
    return logged;
}

int ReportOrBox(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = Format(format, args);
    va_end(args);
    if (AppendToReport(text + "\n")) return 1;
    ErrorBoxPrintf("%s", text.c_str());
    return 0;
}

int ReportLoadFailure(const std::string& path) {
    static const char kMissing[] =
        "%s の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」フォルダへ同名のファイルをコピーして下さい。";
    static const char kTooNew[] =
        "%s の読み込みに失敗しました！\nソフトより上位のバージョンのファイルは使用できません。";
    static const char kNoMemory[] = "%s の読み込みに失敗しました！\nメモリが不足しています！";
    if (g_bFileOutOfMemory) return ReportError(kNoMemory, path.c_str());
    return ReportError(g_bFileTooNew ? kTooNew : kMissing, path.c_str());
}

const char kSaveFailedText[] = "%s の保存に失敗しました！";

int ReportSave(int saved, const std::string& path) {
    if (saved) return 1;
    ReportError(kSaveFailedText, path.c_str());
    return 0;
}

int ReportSystemInfo() {
    std::string os;
    GetOsName(&os, nullptr, nullptr);
    cCpuInfo cpu;
    GetCpuInfo(&cpu);
    cMemoryStatus memory;
    GetMemoryStatus(&memory);
    return AppendToReport(FormatSystemInfo(os.c_str(), cpu, memory, GetDiskFreeBytes(nullptr)));
}

// ---- Second log ------------------------------------------------------------------

const char* EcLogOpen(int enable, const char* path) {
    g_bEcLogEnable = enable;
    CopyPath(g_szEcLogPath, path);
    return g_szEcLogPath;
}

void EcLogWrite(const char* text) {
    if (!g_bEcLogEnable) return;
    std::lock_guard<std::mutex> lock(g_ecLogLock);
    HANDLE file;
    // The first write of a run starts the file afresh.
    if (!g_bEcLogStarted) {
        if (!FileCreate(&file, g_szEcLogPath)) return;
    } else {
        if (!FileOpenWrite(&file, g_szEcLogPath)) return;
        FileSeekEnd(file);
    }
    FileWrite(file, text, static_cast<unsigned>(std::strlen(text)));
    FileWrite(file, "\r\n", 2);
    FileClose(&file);
    g_bEcLogStarted = 1;
}

namespace {

// ECSP and ECMSP: the text through a 4196-byte buffer to `show`, and the
// overflow notice after it when the text filled the buffer.
void EcFormatted(void (*show)(const char*), const char* overflow, const char* format, va_list args) {
    char text[4196];
    bool filled = false;
    FormatCut(text, format, args, &filled);
    show(text);
    if (filled) show(overflow);
}

void ShowEcBox(const char* text) { MesBox(text, kErrorCaption, MB_OK); }

}  // namespace

void ECSP(const char* format, ...) {
    if (!g_bEcLogEnable) return;
    va_list args;
    va_start(args, format);
    EcFormatted(EcLogWrite, "バッファ不足で表示失敗 ECSP()", format, args);
    va_end(args);
}

void ECMSP(const char* format, ...) {
    if (!g_bEcLogEnable) return;
    va_list args;
    va_start(args, format);
    EcFormatted(ShowEcBox, "バッファ不足で表示失敗 ECMSP()", format, args);
    va_end(args);
}

// ---- Message boxes ---------------------------------------------------------------

int MesBoxWnd(HWND owner, const char* text, const char* caption, unsigned type) {
    return ShowMessageBox(owner, text, caption, type);
}

int MesBox(const char* text, const char* caption, unsigned type) {
    return ShowMessageBox(GetActiveOwner(), text, caption, type);
}

int ErrorBox(const char* text) { return MesBox(text, kErrorCaption, MB_OK); }

int ErrorBoxPrintf(const char* format, ...) {
    char text[4196];
    va_list args;
    va_start(args, format);
    FormatCut(text, format, args);
    va_end(args);
    return ErrorBox(text);
}

int MemoryShortageExit() {
    ErrorBox("メモリが不足しています！");
    return CloseMainWindow();
}

// ---- System information ----------------------------------------------------------

const char* OsNameOf(int platform, int major, int minor, int* outMajor, int* outMinor) {
    struct Row {
        int platform, major, minor;  // -1: any
        const char* name;
    };
    static const Row kNames[] = {
        {0, -1, -1, "Windows 3.1"}, {1, -1, 0, "Windows 95"},      {1, -1, 10, "Windows 98"},
        {1, -1, 90, "Windows Me"},  {2, 3, -1, "Windows NT 3.51"}, {2, 4, -1, "Windows NT 4.0"},
        {2, 5, 0, "Windows 2000"},  {2, 5, 1, "Windows XP"},       {2, 5, 2, "Windows XP Professional x64 Edition ?"},
        {2, 6, 0, "Windows Vista"}, {2, 6, 1, "Windows 7"},        {2, 6, 2, "Windows 8"},
    };
    int pairMajor = 6, pairMinor = 1;
    if (platform == 0) {
        pairMajor = 1;
        pairMinor = 0;
    } else if (platform == 1) {
        pairMajor = 1;
        pairMinor = minor;
    } else if (platform == 2) {
        pairMajor = major;
        pairMinor = minor;
    }
    if (outMajor) *outMajor = pairMajor;
    if (outMinor) *outMinor = pairMinor;
    for (const Row& row : kNames) {
        if (row.platform == platform && (row.major < 0 || row.major == major) && (row.minor < 0 || row.minor == minor))
            return row.name;
    }
    return "";
}

int GetOsName(std::string* text, int* major, int* minor) {
    int platform, rawMajor, rawMinor, build;
    std::string servicePack;
    os::Version(&platform, &rawMajor, &rawMinor, &build, &servicePack);
    const char* name = OsNameOf(platform, rawMajor, rawMinor, major, minor);
    if (!text) return 0;
    StringPrintf(*text, "%s %s PID %d Build %d", name, servicePack.c_str(), platform, build);
    return static_cast<int>(text->size());
}

int IsOsVersionAtLeast(int major, int minor) {
    int osMajor, osMinor;
    GetOsName(nullptr, &osMajor, &osMinor);
    return osMajor > major || (osMajor == major && osMinor >= minor);
}

void GetCpuInfo(cCpuInfo* info) {
    std::memset(info, 0, sizeof(*info));
    unsigned a, b, c, d;
    if (__get_cpuid_max(0, nullptr) > 0 && __get_cpuid(0, &a, &b, &c, &d)) {
        std::memcpy(info->vendor, &b, 4);
        std::memcpy(info->vendor + 4, &d, 4);
        std::memcpy(info->vendor + 8, &c, 4);
        if (__get_cpuid(1, &a, &b, &c, &d)) {
            info->bMMX = (d >> 23) & 1;
            info->bSSE = (d >> 25) & 1;
            info->bSSE2 = (d >> 26) & 1;
        }
        const unsigned extended = __get_cpuid_max(0x80000000u, nullptr);
        if (extended >= 0x80000001u && __get_cpuid(0x80000001u, &a, &b, &c, &d)) {
            info->b3DNow = (d >> 31) & 1;
            info->b3DNowExt = (d >> 30) & 1;
        }
        if (extended >= 0x80000004u) {
            for (unsigned leaf = 0; leaf < 3; ++leaf) {
                __get_cpuid(0x80000002u + leaf, &a, &b, &c, &d);
                const unsigned words[4] = {a, b, c, d};
                std::memcpy(info->brand + 16 * leaf, words, 16);
            }
        }
    }
    info->clock = GetCpuClock();
}

std::string FormatSystemInfo(const char* osName, const cCpuInfo& cpu, const cMemoryStatus& memory, long long diskFree) {
    const double kMB = 0.0009765625 * 0.0009765625;
    std::string text, line;
    text += StringPrintf(line, "OS : %s\n", osName);
    text +=
        StringPrintf(line, "CPU : %s %s %d\n", cpu.vendor, cpu.brand, static_cast<int>(cpu.clock / 1000.0 / 1000.0));
    text += StringPrintf(line, "Mem Total : %.3fMB\n", memory.totalPhys * kMB);
    text += StringPrintf(line, "Mem Free : %3.fMB\n", memory.availPhys * kMB);
    text += StringPrintf(line, "Vir Total : %.3fMB\n", memory.totalVirtual * kMB);
    text += StringPrintf(line, "Vir Free : %3.fMB\n", memory.availVirtual * kMB);
    text += StringPrintf(line, "HD Free : %3.fMB\n", static_cast<int32_t>(diskFree) * kMB);
    return text;
}
