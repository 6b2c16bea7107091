// The file and message layer on Win32.
#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <shlwapi.h>
#include <x86intrin.h>

#include <cstring>
#include <string>

#include "base/platform.h"
#include "base/platform_internal.h"
#include "base/report.h"

namespace os {

HANDLE Open(const char* path, int mode) {
    const DWORD access = mode == OPEN_READ ? GENERIC_READ : GENERIC_WRITE;
    const DWORD disposition = mode == OPEN_CREATE ? CREATE_ALWAYS : OPEN_EXISTING;
    return CreateFileA(path, access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

int Read(HANDLE file, void* buffer, unsigned size, unsigned* got) {
    DWORD n = 0;
    const BOOL ok = ReadFile(file, buffer, size, &n, nullptr);
    *got = n;
    return ok != 0;
}

int Write(HANDLE file, const void* buffer, unsigned size, unsigned* put) {
    DWORD n = 0;
    const BOOL ok = WriteFile(file, buffer, size, &n, nullptr);
    *put = n;
    return ok != 0;
}

long long Seek(HANDLE file, long long offset, int from) {
    static const DWORD kMethod[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
    LARGE_INTEGER distance, position;
    distance.QuadPart = offset;
    if (!SetFilePointerEx(file, distance, &position, kMethod[from])) return -1;
    return position.QuadPart;
}

int SetEnd(HANDLE file) { return SetEndOfFile(file) != 0; }
int Close(HANDLE file) { return CloseHandle(file) != 0; }

int Box(HWND owner, const char* text, const char* caption, unsigned type) {
    return MessageBoxA(owner, text, caption, type);
}

HWND ActiveWindow() { return GetActiveWindow(); }

int MainWindow(int action) {
    if (action == MAINWND_CLOSE) return PostMessageA(g_hWndMain, WM_CLOSE, 0, 0);
    return g_hWndMain ? DestroyWindow(g_hWndMain) : 0;
}

unsigned FreeMemory() {
    MEMORYSTATUS status;
    status.dwLength = sizeof(status);
    GlobalMemoryStatus(&status);
    return static_cast<unsigned>(status.dwAvailPhys);
}

uint32_t Clock() { return timeGetTime(); }

void Version(int* platform, int* major, int* minor, int* build, std::string* servicePack) {
    OSVERSIONINFOA info;
    std::memset(&info, 0, sizeof(info));
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExA(&info)) {
        *platform = -1;
        *major = *minor = *build = 0;
        servicePack->clear();
        return;
    }
    *platform = static_cast<int>(info.dwPlatformId);
    *major = static_cast<int>(info.dwMajorVersion);
    *minor = static_cast<int>(info.dwMinorVersion);
    *build = static_cast<int>(info.dwBuildNumber);
    *servicePack = info.szCSDVersion;
}

}  // namespace os

int FileReplace(const char* from, const char* to) {
    // A read-only file is not written over; Wine's move would replace it.
    const DWORD target = GetFileAttributesA(to);
    if (target != INVALID_FILE_ATTRIBUTES && (target & FILE_ATTRIBUTE_READONLY)) return 0;
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != 0;
}

int FileDelete(const char* path) { return DeleteFileA(path) != 0; }

int FileExists(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int FolderExists(const char* path) { return PathIsDirectoryA(path) != FALSE; }

int FolderCreate(const char* path) { return CreateDirectoryA(path, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS; }

// The shell wants lists of names, each ended by a NUL, the list by another.
static int ShellOperation(HWND owner, UINT operation, const char* from, const char* to) {
    std::string source(from);
    source.append(2, '\0');
    std::string destination(to ? to : "");
    destination.append(2, '\0');
    SHFILEOPSTRUCTA op;
    std::memset(&op, 0, sizeof(op));
    op.hwnd = owner;
    op.wFunc = operation;
    op.pFrom = source.c_str();
    op.pTo = to ? destination.c_str() : nullptr;
    op.fFlags = FOF_MULTIDESTFILES | FOF_SILENT | FOF_NOCONFIRMATION;
    return SHFileOperationA(&op) == 0 && !op.fAnyOperationsAborted;
}

// The copy takes the destination as the new folder's name; given with a
// trailing separator, some shells copy the folder into it instead.
int FolderCopy(HWND owner, const char* from, const char* to) {
    std::string destination(to);
    if (destination.size() > 1 && destination.back() == '\\') destination.pop_back();
    return ShellOperation(owner, FO_COPY, from, destination.c_str());
}

// A missing folder is no error (the shell would put up a box for it).
int FolderDelete(HWND owner, const char* path) {
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) return 1;
    return ShellOperation(owner, FO_DELETE, path, nullptr);
}

int CompareFileNames(const char* a, const char* b) { return lstrcmpA(a, b); }

int FindFiles(const char* folder, const char* extension, std::vector<std::string>* names) {
    std::string pattern = std::string(folder) + "\\*." + extension;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
        names->push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return 1;
}

int GetCurrentFolder(char* buffer, unsigned size) {
    const DWORD n = GetCurrentDirectoryA(size, buffer);
    return n > 0 && n < size;
}

int IsRelativePath(const char* path) { return PathIsRelativeA(path) != FALSE; }

int GetFullPath(const char* path, char* buffer, unsigned size) {
    const DWORD n = GetFullPathNameA(path, size, buffer, nullptr);
    return n > 0 && n < size;
}

int RelativePathTo(char* buffer, const char* from, const char* to) {
    return PathRelativePathToA(buffer, from, FILE_ATTRIBUTE_DIRECTORY, to, FILE_ATTRIBUTE_NORMAL) != FALSE;
}

void GetFullScreenSize(int* width, int* height) {
    *width = GetSystemMetrics(SM_CXFULLSCREEN);
    *height = GetSystemMetrics(SM_CYFULLSCREEN);
}

void GetMemoryStatus(cMemoryStatus* status) {
    MEMORYSTATUS s;
    s.dwLength = sizeof(s);
    GlobalMemoryStatus(&s);
    status->totalPhys = static_cast<unsigned>(s.dwTotalPhys);
    status->availPhys = static_cast<unsigned>(s.dwAvailPhys);
    status->totalVirtual = static_cast<unsigned>(s.dwTotalVirtual);
    status->availVirtual = static_cast<unsigned>(s.dwAvailVirtual);
}

double GetCpuClock() {
    LARGE_INTEGER a, b, c, frequency;
    QueryPerformanceCounter(&a);
    QueryPerformanceCounter(&b);
    const unsigned long long t0 = __rdtsc();
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 1000) {
    }
    QueryPerformanceCounter(&c);
    const unsigned long long t1 = __rdtsc();
    QueryPerformanceFrequency(&frequency);
    const double seconds =
        static_cast<double>((c.QuadPart - b.QuadPart) - (b.QuadPart - a.QuadPart)) / frequency.QuadPart;
    return seconds > 0 ? static_cast<double>(t1 - t0) / seconds : 0.0;
}

long long GetDiskFreeBytes(const char* folder) {
    typedef BOOL(WINAPI * FreeSpaceFn)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
    auto freeSpace = reinterpret_cast<FreeSpaceFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetDiskFreeSpaceExA")));
    if (!freeSpace) return 0;
    ULARGE_INTEGER available, total, totalFree;
    if (!freeSpace(folder, &available, &total, &totalFree)) return 0;
    return available.QuadPart > 2147483647ull ? 2147483647ll : static_cast<long long>(available.QuadPart);
}
