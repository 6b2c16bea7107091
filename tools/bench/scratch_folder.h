// Where the benchmarks and demonstrations write their own projects: a folder
// that did not exist before, made for the one run, so that removing it
// afterwards can never take what a user keeps.
#pragma once

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <stdlib.h>
#include <unistd.h>
#endif

#include "base/file.h"

// A new, empty folder named after `name` in the system's folder for temporary
// files (in `parent`, an absolute path, when given), as an absolute path with
// backslashes; "" when none could be made.
inline std::string MakeScratchFolder(const char* name, const char* parent = nullptr) {
#ifdef _WIN32
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(sizeof(temp), temp);
    if (length == 0 || length >= sizeof(temp)) return "";
    const std::string folder = parent ? std::string(parent) + "\\" : std::string(temp);
    const std::string base = folder + name + "_" + std::to_string(GetCurrentProcessId()) + "_";
    // CreateDirectory refuses a name that is there, so the folder is ours alone.
    for (unsigned n = 0; n < 1000; ++n) {
        const std::string path = base + std::to_string(n);
        if (CreateDirectoryA(path.c_str(), nullptr)) return path;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return "";
    }
    return "";
#else
    const char* temp = parent ? parent : getenv("TMPDIR");
    std::string pattern = std::string(temp && *temp ? temp : "/tmp") + "/" + name + "_XXXXXX";
    for (char& c : pattern)
        if (c == '\\') c = '/';
    if (!mkdtemp(&pattern[0])) return "";
    for (char& c : pattern)
        if (c == '/') c = '\\';
    return pattern;
#endif
}

// The current folder becomes `path` (absolute); 0 when it cannot.
inline int EnterFolder(const std::string& path) {
#ifdef _WIN32
    return SetCurrentDirectoryA(path.c_str()) != FALSE;
#else
    std::string system = path;
    for (char& c : system)
        if (c == '\\') c = '/';
    return chdir(system.c_str()) == 0;
#endif
}

// A scratch folder for one run (none for a null name), removed with all it
// holds when the run ends, on every way out; the current folder first goes
// back to the one the run began in, as a folder in use cannot be removed.
class cScratchFolder {
public:
    explicit cScratchFolder(const char* name, const char* parent = nullptr)
        : m_Path(name ? MakeScratchFolder(name, parent) : "") {
        if (!GetCurrentFolder(m_Home, sizeof(m_Home))) m_Home[0] = '\0';
    }
    ~cScratchFolder() {
        if (m_Path.empty()) return;
        if (m_Home[0]) EnterFolder(m_Home);
        FolderDelete(nullptr, m_Path.c_str());
    }
    cScratchFolder(const cScratchFolder&) = delete;
    cScratchFolder& operator=(const cScratchFolder&) = delete;

    const std::string& Path() const { return m_Path; }
    // The run goes on in the folder, writing its files by their bare names; 0
    // when there is none.
    int Enter() const { return !m_Path.empty() && EnterFolder(m_Path); }
    void Keep() { m_Path.clear(); }

private:
    std::string m_Path;
    char m_Home[MAX_PATH];
};
