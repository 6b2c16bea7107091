// Where the benchmarks and demonstrations write their own projects: a folder
// that did not exist before, made for the one run, so that removing it
// afterwards can never take what a user keeps.
#pragma once

#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <errno.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "base/file.h"

// Whether the process `pid` still runs (a process that cannot be asked is
// taken to run).
inline bool ProcessRuns(unsigned long pid) {
#ifdef _WIN32
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!process) return GetLastError() != ERROR_INVALID_PARAMETER;
    const DWORD state = WaitForSingleObject(process, 0);
    CloseHandle(process);
    return state == WAIT_TIMEOUT;
#else
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
#endif
}

// The pid in a scratch folder's name "<name>_<pid>_<n>", 0 when it has
// another form.
inline unsigned long ScratchFolderPid(const std::string& folder, const std::string& name) {
    if (folder.compare(0, name.size() + 1, name + "_") != 0) return 0;
    const size_t pid = name.size() + 1, n = folder.find('_', pid);
    const auto digits = [&](size_t from, size_t to) {
        if (from >= to || to - from > 10) return false;
        for (size_t i = from; i < to; ++i)
            if (folder[i] < '0' || folder[i] > '9') return false;
        return true;
    };
    if (n == std::string::npos || !digits(pid, n) || !digits(n + 1, folder.size())) return 0;
    return std::stoul(folder.substr(pid, n - pid));
}

// Removes the scratch folders of `name` in `folder` (ending in a separator)
// whose program no longer runs: a run stopped before its end (Ctrl+C, a
// screenshot's end, a time limit) cannot remove its own.
inline void RemoveLeftScratchFolders(const std::string& folder, const char* name) {
    std::vector<std::string> left;
#ifdef _WIN32
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + name + "_*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) left.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
#else
    std::string system = folder;
    for (char& c : system)
        if (c == '\\') c = '/';
    DIR* dir = opendir(system.c_str());
    if (!dir) return;
    while (const dirent* entry = readdir(dir)) left.push_back(entry->d_name);
    closedir(dir);
#endif
    for (const std::string& entry : left) {
        const unsigned long pid = ScratchFolderPid(entry, name);
        if (pid && !ProcessRuns(pid)) FolderDelete(nullptr, (folder + entry).c_str());
    }
}

// A new, empty folder "<name>_<pid>_<n>" in the system's folder for temporary
// files (in `parent`, an absolute path, when given), as an absolute path with
// backslashes; "" when none could be made. Folders of the name that stopped
// runs left there are removed first.
inline std::string MakeScratchFolder(const char* name, const char* parent = nullptr) {
#ifdef _WIN32
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(sizeof(temp), temp);
    if (length == 0 || length >= sizeof(temp)) return "";
    const std::string folder = parent ? std::string(parent) + "\\" : std::string(temp);
    const unsigned long pid = GetCurrentProcessId();
#else
    const char* temp = parent ? parent : getenv("TMPDIR");
    std::string folder = std::string(temp && *temp ? temp : "/tmp") + "\\";
    for (char& c : folder)
        if (c == '/') c = '\\';
    const unsigned long pid = static_cast<unsigned long>(getpid());
#endif
    RemoveLeftScratchFolders(folder, name);
    const std::string base = folder + name + "_" + std::to_string(pid) + "_";
    // Making a folder fails where one is, so the folder is ours alone.
    for (unsigned n = 0; n < 1000; ++n) {
        const std::string path = base + std::to_string(n);
#ifdef _WIN32
        if (CreateDirectoryA(path.c_str(), nullptr)) return path;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return "";
#else
        std::string system = path;
        for (char& c : system)
            if (c == '\\') c = '/';
        if (mkdir(system.c_str(), 0700) == 0) return path;
        if (errno != EEXIST) return "";
#endif
    }
    return "";
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
