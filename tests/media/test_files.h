// Files the media tests write into the temporary folder, named by process
// (other test runs may share the folder), and the report log and the second
// log as they read them.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "base/report.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

inline std::string TempFile(const char* name) {
#ifdef _WIN32
    char dir[MAX_PATH];
    GetTempPathA(sizeof(dir), dir);
    return std::string(dir) + std::to_string(GetCurrentProcessId()) + "_" + name;
#else
    return "/tmp/" + std::to_string(getpid()) + "_" + name;
#endif
}

inline bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    FILE* fp = std::fopen(path.c_str(), "wb");
    if (!fp) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), fp) == bytes.size();
    return std::fclose(fp) == 0 && ok;
}

#ifdef _WIN32
template <class F>
bool WaitFor(F done, DWORD ms = 5000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > ms) return false;
        Sleep(1);
    }
    return true;
}
#endif

// While alive, the report log and a fresh second log are written to files
// of their own.
class LogCapture {
public:
    LogCapture() : m_strReport(TempFile("report.txt")), m_strEc(TempFile("ec.txt")) {
        std::remove(m_strEc.c_str());
        g_bEcLogStarted = 0;  // the next line starts the second log afresh
        ReportOpen(m_strReport.c_str());
        EcLogOpen(1, m_strEc.c_str());
    }
    ~LogCapture() {
        EcLogOpen(0, m_strEc.c_str());
        std::remove(m_strEc.c_str());
        std::remove(m_strReport.c_str());
    }
    std::vector<std::string> Report() const { return Lines(m_strReport); }
    std::vector<std::string> Ec() const { return Lines(m_strEc); }
    std::string LastReport() const { return Report().empty() ? "" : Report().back(); }
    std::string LastEc() const { return Ec().empty() ? "" : Ec().back(); }

private:
    static std::vector<std::string> Lines(const std::string& path) {
        std::vector<std::string> lines(1);
        if (FILE* fp = std::fopen(path.c_str(), "rb")) {
            for (int c; (c = std::fgetc(fp)) != EOF;) {
                if (c == '\n')
                    lines.emplace_back();
                else if (c != '\r')
                    lines.back() += static_cast<char>(c);
            }
            std::fclose(fp);
        }
        if (lines.back().empty()) lines.pop_back();
        return lines;
    }
    std::string m_strReport, m_strEc;
};
