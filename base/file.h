// The file layer: every file and folder access of the program's data goes
// through these. A handle is either a system file handle or a memory file (an
// in-memory byte buffer); the functions serve both. Only the platform layer
// (platform_win.cpp, platform_posix.cpp) differs between the Windows program
// and the native (sanitizer, fuzz) builds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// The two Win32 handle types this interface carries, declared exactly as the
// system headers declare them, so that its users need not include them.
typedef void* HANDLE;
typedef struct HWND__* HWND;
#ifndef MAX_PATH
#define MAX_PATH 260
#endif

// The invalid handle value of the system (INVALID_HANDLE_VALUE).
inline HANDLE const kNoFile = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));

int FileOpenRead(HANDLE* file, const char* path);   // 1, or 0 with the invalid value stored
int FileOpenWrite(HANDLE* file, const char* path);  // existing file, not truncated
int FileCreate(HANDLE* file, const char* path);     // created or truncated
int FileRead(HANDLE file, void* buffer, unsigned size);
int FileReadVia(HANDLE* file, void* buffer, unsigned size);
int FileWrite(HANDLE file, const void* buffer, unsigned size);
unsigned FileSeekBegin(HANDLE file);
unsigned FileSeekEnd(HANDLE file);
int FileClose(HANDLE* file);

// Memory files. A read-only one holds a copy of the given bytes; a written one
// grows as FileWrite appends. FileClose frees either.
HANDLE FileOpenMemory(const void* data, size_t size);
HANDLE FileCreateMemory();
// Takes `bytes` over without a copy, positioned at `pos`.
HANDLE FileOpenMemoryMove(std::string&& bytes, size_t pos);
int FileIsMemory(HANDLE file);
// The bytes of a memory file (all of them, whatever the position).
std::string FileMemoryBytes(HANDLE file);

// A save that never destroys the old file: the handle passes the bytes on to
// "<path>.tmp" in the same folder, checking every write; FileClose then moves
// it over `path` (1), or removes it and leaves `path` as it was (0). 0 here
// when the temporary file cannot be created. A save is written from start to
// end: it cannot seek back.
int FileCreateReplacing(HANDLE* file, const char* path);

// A full disk for the tests: while the hook answers non-zero for a step, that
// system call of a save fails (extending or truncating a created file, writing
// a save's bytes); for FILE_FAULT_MEMORY, a whole-file read finds no memory
// for the file's bytes, as a process whose memory is spent does; for
// FILE_FAULT_PARSE, a reader finds none for what it builds from those bytes;
// for FILE_FAULT_LIST_MEMORY, so does every list (of records, numbers or
// texts) read from a data file, for the count it claims.
enum {
    FILE_FAULT_EXTEND = 0,
    FILE_FAULT_WRITE = 1,
    FILE_FAULT_MEMORY = 2,
    FILE_FAULT_PARSE = 3,
    FILE_FAULT_LIST_MEMORY = 4,
};
typedef int (*FileFaultHook)(int step);
FileFaultHook SetFileFaultHook(FileFaultHook hook);  // null: none; returns the old one
// The hook's answer for a step taken above this layer; 0 without a hook.
int FileFaulted(int step);

namespace file_detail {

// A memory file. Data files are read whole into one and served from memory;
// saves collect their bytes in one and write them out whenever its room is
// full. Only file.cpp and the inline reads and appends below look inside.
struct cMemFile {
    bool used = false;
    // The file is bytes[0, end); a written file keeps room after it, so that
    // appending a field is a copy and no call.
    std::string bytes;
    size_t end = 0;
    size_t pos = 0;
    // While the file is positioned at its end, the room after it: an append
    // copies to `put` and moves it, and nothing else. end and pos catch up
    // when file.cpp next looks at the file. Null when there is no room.
    char* put = nullptr;
    char* limit = nullptr;
    int failed = 0;
    // A save through a temporary file: written and moved over `target` at close.
    HANDLE disk = kNoFile;
    std::string temp;
    std::string target;
};

// A fixed pool, so that telling a memory file from a system handle is an
// address comparison that needs no lock (the MIDI worker also writes logs).
constexpr int kMemFiles = 16;
extern cMemFile g_memFiles[kMemFiles];

inline cMemFile* AsMem(HANDLE file) {
    auto* p = static_cast<cMemFile*>(file);
    if (p < g_memFiles || p >= g_memFiles + kMemFiles) return nullptr;
    return p;
}

}  // namespace file_detail

// Bounded reading: what is left to read, and the flag that a read came up
// short or that a loader refused a length or count.
size_t FileBytesLeft(HANDLE file);
// The next `size` bytes of a memory file, read in place: a pointer into the
// file, and the position moved past them. Null for a system file or when
// fewer are left (which fails the file, as FileRead does). Inline, with
// FileFailed: loaders call them for every field of every record.
inline const char* FileReadSpan(HANDLE file, size_t size) {
    file_detail::cMemFile* m = file_detail::AsMem(file);
    if (!m) return nullptr;
    if (m->failed || size > m->end - m->pos) {
        m->failed = 1;
        m->pos = m->end;
        return nullptr;
    }
    const char* span = m->bytes.data() + m->pos;
    m->pos += size;
    return span;
}
// Appends `size` bytes to a memory file written from start to end while its
// room lasts, inline: saves write every field of every record through it. 0
// for a system file, a memory file positioned before its end or out of room
// (FileWrite serves those).
inline int FileAppend(HANDLE file, const void* data, size_t size) {
    file_detail::cMemFile* m = file_detail::AsMem(file);
    if (!m || !m->put || size > static_cast<size_t>(m->limit - m->put)) return 0;
    std::memcpy(m->put, data, size);
    m->put += size;
    return 1;
}
inline int FileFailed(HANDLE file) {
    const file_detail::cMemFile* m = file_detail::AsMem(file);
    return m ? m->failed : 0;
}
void FileSetFailed(HANDLE file);

// Whole-file and folder operations (paths use the backslash in both trees).
// Why FileReadAll read nothing.
enum { FILE_READ_UNREADABLE = 0, FILE_READ_TOO_LARGE = 1, FILE_READ_NO_MEMORY = 2 };
// A whole file into `bytes`: 1. 0 when it cannot be opened or read, when it
// is larger than `maxBytes` (then not a byte is read) or when the process
// cannot hold it; `failure`, when given, says which, and `bytes` is empty.
// No exception leaves it.
int FileReadAll(const char* path, std::string* bytes, unsigned long long maxBytes = ~0ull, int* failure = nullptr);
int FileReplace(const char* from, const char* to);  // move, replacing the target
int FileDelete(const char* path);
int FileExists(const char* path);
int FolderExists(const char* path);
int FolderCreate(const char* path);  // 1 when made or already there
// Copies the folder `from` (no trailing separator) to `to`, making `to`.
int FolderCopy(HWND owner, const char* from, const char* to);
int FolderDelete(HWND owner, const char* path);
// Names (no folder) of the entries matching "<folder>\*.<extension>", in the
// order the system gives them; 0 when none or the folder is missing.
int FindFiles(const char* folder, const char* extension, std::vector<std::string>* names);
// The system's order of two names (<0, 0, >0), which decides the order of
// files the user sees listed.
int CompareFileNames(const char* a, const char* b);

int GetCurrentFolder(char* buffer, unsigned size);  // 1, or 0 when it cannot be read
int IsRelativePath(const char* path);
int GetFullPath(const char* path, char* buffer, unsigned size);  // 1, or 0
// `buffer` (MAX_PATH bytes) receives the path from folder `from` to file `to`;
// 0 when none exists (another drive).
int RelativePathTo(char* buffer, const char* from, const char* to);
