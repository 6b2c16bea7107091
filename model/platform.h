// The data model's file and message layer: the only part of model/ that
// differs between the Windows program and the native (sanitizer, fuzz)
// builds. Everything else in model/ reaches files, folders, message boxes and
// the main window through the functions declared here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
// The few Win32 names the data model's interfaces carry, for the POSIX twin.
typedef void* HANDLE;
typedef struct HWND__* HWND;
typedef int BOOL;
typedef uint32_t DWORD;
#define INVALID_HANDLE_VALUE ((HANDLE)(intptr_t)-1)
#define MAX_PATH 260
#define MB_OK 0x00000000u
#define MB_OKCANCEL 0x00000001u
#define MB_YESNOCANCEL 0x00000003u
#define MB_YESNO 0x00000004u
#define MB_ICONERROR 0x00000010u
#define MB_ICONQUESTION 0x00000020u
#define MB_ICONWARNING 0x00000030u
#define MB_ICONINFORMATION 0x00000040u
#define IDOK 1
#define IDCANCEL 2
#define IDYES 6
#define IDNO 7
#endif

// ---- Files -----------------------------------------------------------------
// Every file access of the data model goes through these. A handle is either
// a system file handle or a memory file (an in-memory byte buffer made by
// OpenDataFile, CreateDataFile or FileOpenMemory); the functions serve both.

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

// A save that never destroys the old file: the handle collects the bytes;
// FileClose writes them to "<path>.tmp" in the same folder, checks every byte
// and then moves it over `path` (1), or removes it and leaves `path` as it was
// (0). 0 here when the temporary file cannot be created.
int FileCreateReplacing(HANDLE* file, const char* path);

// Bounded reading: what is left to read, and the flag that a read came up
// short or that a loader refused a length or count.
size_t FileBytesLeft(HANDLE file);
// The next `size` bytes of a memory file, read in place: a pointer into the
// file, and the position moved past them. Null for a system file or when
// fewer are left (which fails the file, as FileRead does).
const char* FileReadSpan(HANDLE file, size_t size);
int FileFailed(HANDLE file);
void FileSetFailed(HANDLE file);

// Whole-file and folder operations (paths use the backslash in both trees).
int FileReadAll(const char* path, std::string* bytes);  // 1, or 0 when it cannot be read
int FileReplace(const char* from, const char* to);      // move, replacing the target
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

int GetCurrentFolder(char* buffer, unsigned size);  // 1, or 0 when it cannot be read
int IsRelativePath(const char* path);
int GetFullPath(const char* path, char* buffer, unsigned size);  // 1, or 0
// `buffer` (MAX_PATH bytes) receives the path from folder `from` to file `to`;
// 0 when none exists (another drive).
int RelativePathTo(char* buffer, const char* from, const char* to);

// ---- Main window and message boxes ------------------------------------------

// The main frame, stored by start-up right after it is created.
extern HWND g_hWndMain;

// Message boxes: every box of the program is shown through the sink. The
// program keeps the system box; tests install one that records and answers.
typedef int (*MessageBoxSink)(HWND owner, const char* text, const char* caption, unsigned type);
MessageBoxSink SetMessageBoxSink(MessageBoxSink sink);  // null: the system box; returns the old one
int ShowMessageBox(HWND owner, const char* text, const char* caption, unsigned type);
HWND GetActiveOwner();  // the active window, the owner of an unowned box

// What a programming error or a memory shortage does to the main frame.
enum { MAINWND_DESTROY = 0, MAINWND_CLOSE = 1 };
typedef int (*MainWindowAction)(int action);
MainWindowAction SetMainWindowAction(MainWindowAction action);  // null: the real one
int DestroyMainWindow();  // DestroyWindow(g_hWndMain): ends the program
int CloseMainWindow();    // PostMessage(g_hWndMain, WM_CLOSE): the frame asks to quit

// Free physical memory in bytes (capped at 4 GB), as the undo histories see it.
typedef unsigned (*FreeMemorySource)();
FreeMemorySource SetFreeMemorySource(FreeMemorySource source);  // null: the system's
unsigned GetAvailPhysMemory();

// Millisecond clock of the multimedia timer (wraps at 2^32).
typedef uint32_t (*ClockSource)();
ClockSource SetClockSource(ClockSource source);  // null: the system's
uint32_t ClockMs();

// Size of the full-screen client area (SM_CXFULLSCREEN, SM_CYFULLSCREEN).
void GetFullScreenSize(int* width, int* height);
