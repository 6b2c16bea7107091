// Test stand-ins for the seams of the file and message layer: message boxes
// are answered and recorded, the main window's fate is recorded, the clock
// and the free memory are what the test says; and a scratch project folder
// that is the current folder while it lives.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "base/platform.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

struct cBoxCall {
    HWND owner;
    std::string text;
    std::string caption;
    unsigned type;
};

// While alive, every message box is recorded and answered: first from the
// queued answers, then with the default answer.
class ScopedBoxes {
public:
    explicit ScopedBoxes(int defaultAnswer = IDOK) : m_default(defaultAnswer) {
        m_previous = Current();
        Current() = this;
        m_oldSink = SetMessageBoxSink(&Sink);
    }
    ~ScopedBoxes() {
        SetMessageBoxSink(m_oldSink);
        Current() = m_previous;
    }
    ScopedBoxes(const ScopedBoxes&) = delete;
    ScopedBoxes& operator=(const ScopedBoxes&) = delete;

    void Queue(int answer) { m_answers.push_back(answer); }
    const std::vector<cBoxCall>& Calls() const { return m_calls; }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const cBoxCall& c : m_calls) texts.push_back(c.text);
        return texts;
    }
    size_t Count() const { return m_calls.size(); }
    void Reset() { m_calls.clear(); }

private:
    static ScopedBoxes*& Current() {
        static ScopedBoxes* current = nullptr;
        return current;
    }
    static int Sink(HWND owner, const char* text, const char* caption, unsigned type) {
        ScopedBoxes* self = Current();
        self->m_calls.push_back({owner, text ? text : "", caption ? caption : "", type});
        if (self->m_answers.empty()) return self->m_default;
        const int answer = self->m_answers.front();
        self->m_answers.pop_front();
        return answer;
    }

    int m_default;
    std::deque<int> m_answers;
    std::vector<cBoxCall> m_calls;
    ScopedBoxes* m_previous = nullptr;
    MessageBoxSink m_oldSink = nullptr;
};

// Records MAINWND_DESTROY and MAINWND_CLOSE instead of acting on a window.
class ScopedMainWindow {
public:
    ScopedMainWindow() {
        Actions().clear();
        m_old = SetMainWindowAction([](int action) {
            Actions().push_back(action);
            return 1;
        });
    }
    ~ScopedMainWindow() { SetMainWindowAction(m_old); }
    static std::vector<int>& Actions() {
        static std::vector<int> actions;
        return actions;
    }

private:
    MainWindowAction m_old;
};

// The clock and the free memory as the test sets them.
class ScopedClock {
public:
    explicit ScopedClock(uint32_t now) {
        Now() = now;
        m_old = SetClockSource([] { return Now(); });
    }
    ~ScopedClock() { SetClockSource(m_old); }
    static uint32_t& Now() {
        static uint32_t now = 0;
        return now;
    }

private:
    ClockSource m_old;
};

class ScopedFreeMemory {
public:
    explicit ScopedFreeMemory(unsigned bytes) {
        Bytes() = bytes;
        m_old = SetFreeMemorySource([] { return Bytes(); });
    }
    ~ScopedFreeMemory() { SetFreeMemorySource(m_old); }
    static unsigned& Bytes() {
        static unsigned bytes = 0;
        return bytes;
    }

private:
    FreeMemorySource m_old;
};

// A fresh folder, made the current folder while the object lives; removed
// with everything in it afterwards.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name) {
        char here[MAX_PATH];
        GetCurrentFolder(here, sizeof(here));
        m_home = here;
#ifdef _WIN32
        m_path = m_home + "\\" + name + "_" + std::to_string(GetCurrentProcessId());
#else
        m_path = m_home + "\\" + name + "_" + std::to_string(getpid());
#endif
        FolderDelete(nullptr, m_path.c_str());
        FolderCreate(m_path.c_str());
        Enter(m_path);
    }
    ~ScratchFolder() {
        Enter(m_home);
        FolderDelete(nullptr, m_path.c_str());
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return m_path; }

private:
    static void Enter(const std::string& path) {
#ifdef _WIN32
        SetCurrentDirectoryA(path.c_str());
#else
        std::string system = path;
        for (char& c : system)
            if (c == '\\') c = '/';
        if (chdir(system.c_str()) != 0) return;
#endif
    }
    std::string m_home;
    std::string m_path;
};

// Writes and reads whole files through the data model's own layer.
inline bool WriteFileBytes(const char* path, const std::string& bytes) {
    HANDLE file;
    if (!FileCreate(&file, path)) return false;
    const bool ok = bytes.empty() || FileWrite(file, bytes.data(), static_cast<unsigned>(bytes.size()));
    return FileClose(&file) && ok;
}

// A file of `size` zero bytes that takes no room on the disk: a file too
// large for any reader, made in no time.
inline bool MakeSparseFile(const char* path, unsigned long long size) {
#ifdef _WIN32
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    const bool ok = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return ok;
#else
    std::string system = path;
    for (char& c : system)
        if (c == '\\') c = '/';
    const int fd = open(system.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    const bool ok = ftruncate(fd, static_cast<off_t>(size)) == 0;
    close(fd);
    return ok;
#endif
}

inline std::string ReadFileBytes(const char* path) {
    std::string bytes;
    FileReadAll(path, &bytes);
    return bytes;
}
