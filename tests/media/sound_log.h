// The report log and the second log as the sound tests read them.
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

class LogCapture {
public:
    LogCapture() {
        // Named by process: other test runs may share the temporary folder.
#ifdef _WIN32
        char dir[MAX_PATH];
        GetTempPathA(sizeof(dir), dir);
        const std::string base = std::string(dir) + "sound_" + std::to_string(GetCurrentProcessId());
#else
        const std::string base = "/tmp/sound_" + std::to_string(getpid());
#endif
        m_strReport = base + "_report.txt";
        m_strEc = base + "_ec.txt";
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
    std::string LastReport() const { return Last(Report()); }
    std::string LastEc() const { return Last(Ec()); }
    static std::string Last(const std::vector<std::string>& lines) { return lines.empty() ? "" : lines.back(); }

    static std::vector<std::string> Lines(const std::string& path) {
        std::vector<std::string> lines;
        FILE* fp = std::fopen(path.c_str(), "rb");
        if (!fp) return lines;
        std::string line;
        int c;
        while ((c = std::fgetc(fp)) != EOF) {
            if (c == '\r') continue;
            if (c == '\n') {
                lines.push_back(line);
                line.clear();
            } else {
                line += static_cast<char>(c);
            }
        }
        if (!line.empty()) lines.push_back(line);
        std::fclose(fp);
        return lines;
    }

private:
    std::string m_strReport, m_strEc;
};
