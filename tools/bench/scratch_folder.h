// Where the benchmarks and demonstrations write their own projects: a folder
// that did not exist before, made for the one run, so that removing it
// afterwards can never take what a user keeps.
#pragma once

#include <set>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "base/file.h"

#ifndef _WIN32
// A path of ours (backslashes) as the system takes it.
inline std::string SystemPath(std::string path) {
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}
#endif

// The lock a run holds on its scratch folder for as long as it lives: the
// file "<folder>.lock" beside the folder, made before it and removed after
// it. A process id tells nothing here: each new Wine session gives its first
// program the same id. The system lets go of a process's files however it
// ends (also killed), so a folder whose lock nobody holds was left by a
// stopped run.
class cScratchLock {
public:
    cScratchLock() = default;
    ~cScratchLock() { Release(); }
    cScratchLock(const cScratchLock&) = delete;
    cScratchLock& operator=(const cScratchLock&) = delete;

    // Takes the lock file `path`, a new one when `fresh` (false where it is
    // there), else the one there or a new one; false where another holds it.
    bool Take(const std::string& path, bool fresh) {
        Release();
#ifdef _WIN32
        // Nobody else opens it while we hold it; the system removes it when we let go.
        const HANDLE file =
            CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr,
                        fresh ? CREATE_NEW : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        m_hFile = file;
#else
        const std::string system = SystemPath(path);
        const int file = open(system.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | (fresh ? O_EXCL : 0), 0600);
        if (file < 0) return false;
        // Locked, the file must still be the one of that name: another run
        // may have removed it between our opening and our locking.
        struct stat opened, named;
        if (flock(file, LOCK_EX | LOCK_NB) != 0 || fstat(file, &opened) != 0 || stat(system.c_str(), &named) != 0 ||
            opened.st_dev != named.st_dev || opened.st_ino != named.st_ino) {
            close(file);
            return false;
        }
        m_nFile = file;
#endif
        m_Path = path;
        return true;
    }
    // Removes the lock file and lets it go.
    void Release() {
#ifdef _WIN32
        if (m_hFile != INVALID_HANDLE_VALUE) CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
#else
        if (m_nFile >= 0) {
            unlink(SystemPath(m_Path).c_str());
            close(m_nFile);
        }
        m_nFile = -1;
#endif
        m_Path.clear();
    }

private:
#ifdef _WIN32
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
#else
    int m_nFile = -1;
#endif
    std::string m_Path;
};

// Whether `entry` is a scratch folder's name "<name>_<pid>_<n>".
inline bool IsScratchFolderName(const std::string& entry, const std::string& name) {
    if (entry.compare(0, name.size() + 1, name + "_") != 0) return false;
    const size_t pid = name.size() + 1, n = entry.find('_', pid);
    const auto digits = [&](size_t from, size_t to) {
        if (from >= to || to - from > 10) return false;
        for (size_t i = from; i < to; ++i)
            if (entry[i] < '0' || entry[i] > '9') return false;
        return true;
    };
    return n != std::string::npos && digits(pid, n) && digits(n + 1, entry.size());
}

// The file a run writes first into the folder it made, its lock held: a
// folder of a scratch name is removed only with it, as a user may make one.
inline const char* const kScratchMark = "\\.scratch";

// Removes the scratch folders of `name` in `folder` (ending in a separator)
// that no run holds, with their lock files: a run stopped before its end
// (Ctrl+C, a screenshot's end, a time limit, a kill) cannot remove its own.
inline void RemoveLeftScratchFolders(const std::string& folder, const char* name) {
    std::vector<std::string> left;
#ifdef _WIN32
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + name + "_*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do left.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
#else
    DIR* dir = opendir(SystemPath(folder).c_str());
    if (!dir) return;
    while (const dirent* entry = readdir(dir)) left.push_back(entry->d_name);
    closedir(dir);
#endif
    // A lock whose folder is gone (or not made yet) stands for that folder.
    const std::string lock = ".lock";
    std::set<std::string> folders;
    for (std::string entry : left) {
        if (entry.size() > lock.size() && entry.compare(entry.size() - lock.size(), lock.size(), lock) == 0)
            entry.resize(entry.size() - lock.size());
        if (IsScratchFolderName(entry, name)) folders.insert(entry);
    }
    for (const std::string& entry : folders) {
        const std::string path = folder + entry, mark = path + kScratchMark;
        // Without the mark, what is there is no run's (or, empty, one stopped
        // before writing it): it stays, and so does the file beside it.
        if (!FileExists(mark.c_str()) && (FolderExists(path.c_str()) || FileExists(path.c_str()))) continue;
        // Held by us, the lock keeps a run that starts now from taking the name.
        cScratchLock stale;
        if (stale.Take(path + lock, false) && FileExists(mark.c_str())) FolderDelete(nullptr, path.c_str());
    }
}

// A new folder "<name>_<pid>_<n>" in the system's folder for temporary files
// (in `parent`, an absolute path, when given), holding only its mark, as an
// absolute path with backslashes, its lock taken into `lock`; "" when none
// could be made.
// Folders of the name that stopped runs left there are removed first.
inline std::string MakeScratchFolder(const char* name, cScratchLock* lock, const char* parent = nullptr) {
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
    // The lock comes first: a folder is ours alone once its new lock is ours
    // and making it did not fail (it fails where a folder is).
    for (unsigned n = 0; n < 1000; ++n) {
        const std::string path = base + std::to_string(n);
        if (!lock->Take(path + ".lock", true)) continue;
#ifdef _WIN32
        const bool made = CreateDirectoryA(path.c_str(), nullptr) != FALSE;
        const bool taken = !made && GetLastError() == ERROR_ALREADY_EXISTS;
#else
        const bool made = mkdir(SystemPath(path).c_str(), 0700) == 0;
        const bool taken = !made && errno == EEXIST;
#endif
        HANDLE mark;
        if (made && FileCreate(&mark, (path + kScratchMark).c_str()) && FileClose(&mark)) return path;
        if (made) FolderDelete(nullptr, path.c_str());
        lock->Release();
        if (!taken) return "";
    }
    return "";
}

// The current folder becomes `path` (absolute); 0 when it cannot.
inline int EnterFolder(const std::string& path) {
#ifdef _WIN32
    return SetCurrentDirectoryA(path.c_str()) != FALSE;
#else
    return chdir(SystemPath(path).c_str()) == 0;
#endif
}

// A scratch folder for one run (none for a null name), held while it lives
// and removed with all it holds when the run ends, on every way out; the
// current folder first goes back to the one the run began in, as a folder in
// use cannot be removed.
class cScratchFolder {
public:
    explicit cScratchFolder(const char* name, const char* parent = nullptr)
        : m_Path(name ? MakeScratchFolder(name, &m_Lock, parent) : "") {
        if (!GetCurrentFolder(m_Home, sizeof(m_Home))) m_Home[0] = '\0';
    }
    ~cScratchFolder() {
        if (m_Path.empty()) return;
        if (m_Home[0]) EnterFolder(m_Home);
        FolderDelete(nullptr, m_Path.c_str());
        m_Lock.Release();
    }
    cScratchFolder(const cScratchFolder&) = delete;
    cScratchFolder& operator=(const cScratchFolder&) = delete;

    const std::string& Path() const { return m_Path; }
    // The run goes on in the folder, writing its files by their bare names; 0
    // when there is none.
    int Enter() const { return !m_Path.empty() && EnterFolder(m_Path); }
    // The folder outlives the run, until the next run of its name.
    void Keep() { m_Path.clear(); }

private:
    cScratchLock m_Lock;  // taken before the folder is made
    std::string m_Path;
    char m_Home[MAX_PATH];
};
