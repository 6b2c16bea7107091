// Where the benchmarks and demonstrations write their own projects: a folder
// that did not exist before, made for the one run, so that removing it
// afterwards can never take what a user keeps.
#pragma once

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <stdlib.h>
#endif

// A new, empty folder named after `name` in the system's folder for temporary
// files, as an absolute path with backslashes; "" when none could be made.
inline std::string MakeScratchFolder(const char* name) {
#ifdef _WIN32
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(sizeof(temp), temp);
    if (length == 0 || length >= sizeof(temp)) return "";
    const std::string base = std::string(temp) + name + "_" + std::to_string(GetCurrentProcessId()) + "_";
    // CreateDirectory refuses a name that is there, so the folder is ours alone.
    for (unsigned n = 0; n < 1000; ++n) {
        const std::string path = base + std::to_string(n);
        if (CreateDirectoryA(path.c_str(), nullptr)) return path;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return "";
    }
    return "";
#else
    const char* temp = getenv("TMPDIR");
    std::string pattern = std::string(temp && *temp ? temp : "/tmp") + "/" + name + "_XXXXXX";
    if (!mkdtemp(&pattern[0])) return "";
    for (char& c : pattern)
        if (c == '/') c = '\\';
    return pattern;
#endif
}
