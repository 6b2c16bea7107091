// The shared half of the file and message layer: memory files, safe saves,
// and the seams. System calls go through platform_internal.h.
#include <algorithm>
#include <cstring>
#include <mutex>
#include <new>
#include <string>
#include <utility>

#include "base/platform.h"
#include "base/platform_internal.h"

namespace file_detail {
cMemFile g_memFiles[kMemFiles];
}  // namespace file_detail

namespace {

using file_detail::cMemFile;
using file_detail::g_memFiles;

// A memory file with its end and position caught up with the appends made
// since file.cpp last looked, and no room until Arm gives it again: every
// function here that looks inside a memory file takes it through this.
cMemFile* Settled(HANDLE file) {
    cMemFile* m = file_detail::AsMem(file);
    if (m && m->put) {
        m->end = m->pos = static_cast<size_t>(m->put - m->bytes.data());
        m->put = m->limit = nullptr;
    }
    return m;
}

// Inline appends may fill the room after the end while the file is
// positioned there.
void Arm(cMemFile* m) {
    if (m->pos != m->end || m->end >= m->bytes.size()) return;
    char* data = &m->bytes[0];
    m->put = data + m->end;
    m->limit = data + m->bytes.size();
}

std::mutex g_memLock;

cMemFile* NewMem() {
    std::lock_guard<std::mutex> lock(g_memLock);
    for (cMemFile& m : g_memFiles) {
        if (!m.used) {
            m = cMemFile();
            m.used = true;
            return &m;
        }
    }
    return nullptr;
}

void FreeMem(cMemFile* m) {
    std::lock_guard<std::mutex> lock(g_memLock);
    // Swapped out: assigning an empty string keeps the buffer, which held a
    // whole data file until the next memory file in this slot freed it.
    std::string().swap(m->bytes);
    m->temp.clear();
    m->target.clear();
    m->used = false;
}

FileFaultHook g_fileFault = nullptr;

int Faulted(int step) { return g_fileFault && g_fileFault(step); }

// Room for at least `size` bytes, doubling, so that appending stays inline.
// A block the process cannot have fails the file instead of throwing.
int Grow(cMemFile* m, size_t size) {
    if (size <= m->bytes.size()) return 1;
    try {
        m->bytes.resize(std::max({size, 2 * m->bytes.size(), size_t(4096)}));
    } catch (const std::bad_alloc&) {
        m->failed = 1;
        return 0;
    }
    return 1;
}

// A save collects its bytes in a room of this size and writes them to its
// temporary file whenever the room is full: a small room stays in the cache,
// where a buffer of the whole file would cost a fault per page.
const size_t kSaveRoom = 1 << 18;

// Bytes of a save to its temporary file; a failed write fails the file.
int WriteOut(cMemFile* m, const void* data, size_t size) {
    unsigned put = 0;
    if (!m->failed && size &&
        (Faulted(FILE_FAULT_WRITE) || !os::Write(m->disk, data, static_cast<unsigned>(size), &put) || put != size))
        m->failed = 1;
    return !m->failed;
}

// What a save collected goes to its temporary file; the room is empty again.
int Flush(cMemFile* m) {
    WriteOut(m, m->bytes.data(), m->end);
    m->end = m->pos = 0;
    Arm(m);
    return !m->failed;
}

// Writes the rest to the temporary file and moves it over the target; any
// failure leaves the target as it was and removes the temporary.
int Commit(cMemFile* m) {
    int ok = Flush(m);
    m->put = m->limit = nullptr;
    if (!os::Close(m->disk)) ok = 0;
    m->disk = INVALID_HANDLE_VALUE;
    if (ok) ok = FileReplace(m->temp.c_str(), m->target.c_str());
    if (!ok) FileDelete(m->temp.c_str());
    return ok;
}

MessageBoxSink g_messageBoxSink = nullptr;
MainWindowAction g_mainWindowAction = nullptr;
FreeMemorySource g_freeMemorySource = nullptr;
ClockSource g_clockSource = nullptr;

}  // namespace

// ---- System files ------------------------------------------------------------

static int OpenAs(HANDLE* file, const char* path, int mode) {
    *file = os::Open(path ? path : "", mode);
    return *file != INVALID_HANDLE_VALUE;
}

int FileOpenRead(HANDLE* file, const char* path) { return OpenAs(file, path, os::OPEN_READ); }
int FileOpenWrite(HANDLE* file, const char* path) { return OpenAs(file, path, os::OPEN_WRITE); }

int FileCreate(HANDLE* file, const char* path) {
    if (!OpenAs(file, path, os::OPEN_CREATE)) return 0;
    FileSeekBegin(*file);
    if (Faulted(FILE_FAULT_EXTEND) || !os::SetEnd(*file)) {
        FileClose(file);
        return 0;
    }
    return 1;
}

int FileRead(HANDLE file, void* buffer, unsigned size) {
    if (cMemFile* m = Settled(file)) {
        const size_t left = m->pos < m->end ? m->end - m->pos : 0;
        if (m->failed || size > left) {
            m->failed = 1;
            m->pos = m->end;
            return 0;
        }
        std::memcpy(buffer, m->bytes.data() + m->pos, size);
        m->pos += size;
        return 1;
    }
    unsigned got = 0;
    return os::Read(file, buffer, size, &got) && got == size;
}

int FileReadVia(HANDLE* file, void* buffer, unsigned size) { return FileRead(*file, buffer, size); }

int FileWrite(HANDLE file, const void* buffer, unsigned size) {
    if (size == 0) return 1;
    if (FileAppend(file, buffer, size)) return 1;
    if (cMemFile* m = Settled(file)) {
        if (m->disk != INVALID_HANDLE_VALUE) {
            // A save is written from start to end: its room goes to disk, and
            // a block larger than the room follows it directly.
            if (!Flush(m)) return 0;
            if (size > m->bytes.size()) return WriteOut(m, buffer, size);
        }
        if (m->pos + size > m->bytes.size() && !Grow(m, m->pos + size)) return 0;
        std::memcpy(&m->bytes[m->pos], buffer, size);
        m->pos += size;
        m->end = std::max(m->end, m->pos);
        Arm(m);
        return 1;
    }
    unsigned put = 0;
    return os::Write(file, buffer, size, &put) && put == size;
}

unsigned FileSeekBegin(HANDLE file) {
    if (cMemFile* m = Settled(file)) {
        m->pos = 0;
        Arm(m);
        return 0;
    }
    return static_cast<unsigned>(os::Seek(file, 0, os::SEEK_FROM_BEGIN));
}

unsigned FileSeekEnd(HANDLE file) {
    if (cMemFile* m = Settled(file)) {
        m->pos = m->end;
        Arm(m);
        return static_cast<unsigned>(m->end);
    }
    return static_cast<unsigned>(os::Seek(file, 0, os::SEEK_FROM_END));
}

int FileClose(HANDLE* file) {
    int ok = 1;
    if (cMemFile* m = Settled(*file)) {
        if (m->disk != INVALID_HANDLE_VALUE) ok = Commit(m);
        FreeMem(m);
    } else if (*file != INVALID_HANDLE_VALUE) {
        ok = os::Close(*file);
    } else {
        ok = 0;
    }
    *file = INVALID_HANDLE_VALUE;
    return ok;
}

// ---- Memory files ------------------------------------------------------------

HANDLE FileOpenMemory(const void* data, size_t size) {
    cMemFile* m = NewMem();
    if (!m) return INVALID_HANDLE_VALUE;
    m->bytes.assign(static_cast<const char*>(data), size);
    m->end = size;
    return m;
}

HANDLE FileCreateMemory() {
    cMemFile* m = NewMem();
    return m ? static_cast<HANDLE>(m) : INVALID_HANDLE_VALUE;
}

int FileIsMemory(HANDLE file) { return file_detail::AsMem(file) != nullptr; }

std::string FileMemoryBytes(HANDLE file) {
    cMemFile* m = Settled(file);
    if (m) Arm(m);
    return m ? m->bytes.substr(0, m->end) : std::string();
}

// Takes the bytes over without copying; positioned at `pos`.
HANDLE FileOpenMemoryMove(std::string&& bytes, size_t pos) {
    cMemFile* m = NewMem();
    if (!m) return INVALID_HANDLE_VALUE;
    m->bytes = std::move(bytes);
    m->end = m->bytes.size();
    m->pos = pos;
    return m;
}

int FileCreateReplacing(HANDLE* file, const char* path) {
    *file = INVALID_HANDLE_VALUE;
    const std::string target = path ? path : "";
    const std::string temp = target + ".tmp";
    HANDLE disk;
    if (target.empty()) return 0;
    // The temporary is ours alone: whatever stands under its name after a
    // failed create (an empty file the system could not size) goes.
    if (!FileCreate(&disk, temp.c_str())) {
        FileDelete(temp.c_str());
        return 0;
    }
    cMemFile* m = NewMem();
    if (!m) {
        os::Close(disk);
        FileDelete(temp.c_str());
        return 0;
    }
    m->disk = disk;
    m->temp = temp;
    m->target = target;
    Grow(m, kSaveRoom);
    Arm(m);
    *file = m;
    return 1;
}

size_t FileBytesLeft(HANDLE file) {
    if (cMemFile* m = Settled(file)) {
        Arm(m);
        return m->failed || m->pos >= m->end ? 0 : m->end - m->pos;
    }
    const long long here = os::Seek(file, 0, os::SEEK_FROM_CURRENT);
    const long long end = os::Seek(file, 0, os::SEEK_FROM_END);
    os::Seek(file, here, os::SEEK_FROM_BEGIN);
    return here < 0 || end < here ? 0 : static_cast<size_t>(end - here);
}

void FileSetFailed(HANDLE file) {
    if (cMemFile* m = Settled(file)) {
        m->failed = 1;
        m->pos = m->end;
        Arm(m);
    }
}

namespace {

// The file's bytes from its start: 1, or 0 with the reason in `why`.
int ReadWhole(HANDLE file, unsigned long long size, std::string* bytes, int* why) {
    *why = FILE_READ_NO_MEMORY;
    // A block the process cannot have fails this read, not the program.
    if (size > bytes->max_size()) return 0;
    try {
        if (Faulted(FILE_FAULT_MEMORY)) throw std::bad_alloc();
        bytes->resize(static_cast<size_t>(size));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    *why = FILE_READ_UNREADABLE;
    // In pieces: one system read takes at most what an unsigned counts.
    const size_t kPiece = size_t(1) << 30;
    for (size_t at = 0; at < bytes->size();) {
        const unsigned want = static_cast<unsigned>(std::min(kPiece, bytes->size() - at));
        unsigned got = 0;
        if (!os::Read(file, &(*bytes)[at], want, &got) || got != want) return 0;
        at += got;
    }
    return 1;
}

}  // namespace

int FileReadAll(const char* path, std::string* bytes, unsigned long long maxBytes, int* failure) {
    bytes->clear();
    int why = FILE_READ_UNREADABLE, ok = 0;
    HANDLE file;
    if (FileOpenRead(&file, path)) {
        const long long size = os::Seek(file, 0, os::SEEK_FROM_END);
        if (size < 0 || os::Seek(file, 0, os::SEEK_FROM_BEGIN) != 0)
            why = FILE_READ_UNREADABLE;
        else if (static_cast<unsigned long long>(size) > maxBytes)
            why = FILE_READ_TOO_LARGE;
        else
            ok = ReadWhole(file, static_cast<unsigned long long>(size), bytes, &why);
        os::Close(file);
    }
    if (ok) return 1;
    std::string().swap(*bytes);
    if (failure) *failure = why;
    return 0;
}

// ---- Seams -------------------------------------------------------------------

FileFaultHook SetFileFaultHook(FileFaultHook hook) { return std::exchange(g_fileFault, hook); }

int FileFaulted(int step) { return Faulted(step); }

HWND g_hWndMain = nullptr;

MessageBoxSink SetMessageBoxSink(MessageBoxSink sink) { return std::exchange(g_messageBoxSink, sink); }

int ShowMessageBox(HWND owner, const char* text, const char* caption, unsigned type) {
    if (g_messageBoxSink) return g_messageBoxSink(owner, text, caption, type);
    return os::Box(owner, text, caption, type);
}

HWND GetActiveOwner() { return os::ActiveWindow(); }

MainWindowAction SetMainWindowAction(MainWindowAction action) { return std::exchange(g_mainWindowAction, action); }

int DestroyMainWindow() {
    return g_mainWindowAction ? g_mainWindowAction(MAINWND_DESTROY) : os::MainWindow(MAINWND_DESTROY);
}

int CloseMainWindow() { return g_mainWindowAction ? g_mainWindowAction(MAINWND_CLOSE) : os::MainWindow(MAINWND_CLOSE); }

FreeMemorySource SetFreeMemorySource(FreeMemorySource source) { return std::exchange(g_freeMemorySource, source); }

unsigned GetAvailPhysMemory() { return g_freeMemorySource ? g_freeMemorySource() : os::FreeMemory(); }

ClockSource SetClockSource(ClockSource source) { return std::exchange(g_clockSource, source); }

uint32_t ClockMs() { return g_clockSource ? g_clockSource() : os::Clock(); }
