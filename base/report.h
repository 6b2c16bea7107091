// The report log, the second log, message boxes and the system information
// written at start-up.
#pragma once

#include <string>

#include "base/containers.h"
#include "base/platform.h"

// ---- Report log ("Report_Editor.txt") ------------------------------------------
// Every line is appended by opening, seeking to the end, writing and closing;
// line ends (also inside a message) are stored as CR LF.

extern char g_szReportPath[MAX_PATH];

int ReportOpen(const char* path);  // truncates; 1, or 0 when it cannot be created
int Report(const char* format, ...) ORR_PRINTF(1, 2);
// To the report log and the second log (text cut at 1023 bytes).
int ReportAndEcLog(const char* format, ...) ORR_PRINTF(1, 2);
// As ReportAndEcLog, then the text in an error box; the box is shown also
// when the log cannot be written (the result is then 0).
int ReportError(const char* format, const char* argument);
// A failure the user must learn of: a line in the report log or, when the
// log cannot be written (a full or read-only disk), the same text in an
// error box. 1 when it went to the log.
int ReportOrBox(const char* format, ...) ORR_PRINTF(1, 2);
int ReportSystemInfo();
// The load-failure message for `path` (the out-of-memory one when
// g_bFileOutOfMemory is set, the newer-version one when g_bFileTooNew is),
// to the log and in an error box.
int ReportLoadFailure(const std::string& path);
// The message of a save that failed: "%s の保存に失敗しました！" with the path.
extern const char kSaveFailedText[];
// A save the user asked for, or one made at once for them: 1 when `saved`;
// else the save-failed message for `path`, to the log and in an error box,
// and 0. What was edited stays in memory, to be saved again.
int ReportSave(int saved, const std::string& path);

// ---- Second log ("EC_Editor.txt"), off at start-up --------------------------

extern char g_szEcLogPath[MAX_PATH];
extern int g_bEcLogEnable;
extern unsigned char g_bEcLogStarted;

const char* EcLogOpen(int enable, const char* path);
void EcLogWrite(const char* text);
void ECSP(const char* format, ...) ORR_PRINTF(1, 2);
void ECMSP(const char* format, ...) ORR_PRINTF(1, 2);

// ---- Message boxes -------------------------------------------------------------
// All go through the message-box sink of base/platform.h.

int MesBoxWnd(HWND owner, const char* text, const char* caption, unsigned type);
int MesBox(const char* text, const char* caption, unsigned type);  // owned by the active window
int ErrorBox(const char* text);                                    // caption "エラー", OK
int ErrorBoxPrintf(const char* format, ...) ORR_PRINTF(1, 2);      // text cut at 4195 bytes
// "メモリが不足しています！", then WM_CLOSE to the main frame; the post's result.
int MemoryShortageExit();

// ---- System information --------------------------------------------------------

struct cCpuInfo {
    char brand[49];
    char vendor[13];
    int bMMX;
    int bSSE;
    int bSSE2;
    int b3DNow;
    int b3DNowExt;
    double clock;  // Hz
};

struct cMemoryStatus {
    unsigned totalPhys;
    unsigned availPhys;
    unsigned totalVirtual;
    unsigned availVirtual;
};

// The OS description "%s %s PID %d Build %d" into `text` (may be null); the
// version pair into major and minor (may be null). The text's length.
int GetOsName(std::string* text, int* major, int* minor);
int IsOsVersionAtLeast(int major, int minor);
// The name and version pair of a platform id and version (the table of
// GetOsName); "" when the version has no name.
const char* OsNameOf(int platform, int major, int minor, int* outMajor, int* outMinor);
void GetMemoryStatus(cMemoryStatus* status);
double GetCpuClock();
void GetCpuInfo(cCpuInfo* info);
// Free bytes for the caller on the disk of `folder` (null: the current one),
// capped at 2147483647; 0 on failure.
long long GetDiskFreeBytes(const char* folder);

// The system-information block as ReportSystemInfo writes it.
std::string FormatSystemInfo(const char* osName, const cCpuInfo& cpu, const cMemoryStatus& memory, long long diskFree);
