// The POSIX twin of the file and message layer, for the native and fuzz
// builds. Paths keep the backslash everywhere else; it becomes "/" only here,
// and an absolute path is one that starts with a separator.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <unistd.h>
#include <x86intrin.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "base/paths.h"
#include "base/platform.h"
#include "base/platform_internal.h"
#include "base/report.h"

namespace {

// "\" to "/", leaving the second byte of a double-byte character alone.
std::string ToSystem(const char* path) {
    std::string out(path ? path : "");
    for (size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (i + 1 < out.size() && IsDoubleByteChar(c, static_cast<unsigned char>(out[i + 1]))) {
            ++i;
        } else if (c == '\\') {
            out[i] = '/';
        }
    }
    return out;
}

std::string FromSystem(const std::string& path) {
    std::string out(path);
    for (char& c : out)
        if (c == '/') c = '\\';
    return out;
}

int Fd(HANDLE file) { return static_cast<int>(reinterpret_cast<intptr_t>(file)); }

double NowSeconds() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

// Splits an absolute path at its separators, resolving "." and "..".
std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    auto flush = [&] {
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
    };
    for (size_t i = 0; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (i + 1 < path.size() && IsDoubleByteChar(c, static_cast<unsigned char>(path[i + 1]))) {
            part += path.substr(i, 2);
            ++i;
        } else if (c == '\\') {
            flush();
        } else {
            part += path[i];
        }
    }
    flush();
    return parts;
}

}  // namespace

namespace os {

HANDLE Open(const char* path, int mode) {
    static const int kFlags[] = {O_RDONLY, O_WRONLY, O_WRONLY | O_CREAT | O_TRUNC};
    const int fd = open(ToSystem(path).c_str(), kFlags[mode] | O_CLOEXEC, 0644);
    if (fd < 0) return INVALID_HANDLE_VALUE;
    struct stat info;
    if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        close(fd);
        return INVALID_HANDLE_VALUE;
    }
    return reinterpret_cast<HANDLE>(static_cast<intptr_t>(fd));
}

int Read(HANDLE file, void* buffer, unsigned size, unsigned* got) {
    *got = 0;
    while (*got < size) {
        const ssize_t n = read(Fd(file), static_cast<char*>(buffer) + *got, size - *got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return 0;
        if (n == 0) break;
        *got += static_cast<unsigned>(n);
    }
    return 1;
}

int Write(HANDLE file, const void* buffer, unsigned size, unsigned* put) {
    *put = 0;
    while (*put < size) {
        const ssize_t n = write(Fd(file), static_cast<const char*>(buffer) + *put, size - *put);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return 0;
        *put += static_cast<unsigned>(n);
    }
    return 1;
}

long long Seek(HANDLE file, long long offset, int from) {
    static const int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    return lseek(Fd(file), static_cast<off_t>(offset), kWhence[from]);
}

int SetEnd(HANDLE file) {
    const off_t here = lseek(Fd(file), 0, SEEK_CUR);
    return here >= 0 && ftruncate(Fd(file), here) == 0;
}

int Close(HANDLE file) { return close(Fd(file)) == 0; }

// No one to ask: the text goes to the error stream and the answer is the
// one that changes nothing.
int Box(HWND, const char* text, const char* caption, unsigned type) {
    std::fprintf(stderr, "[%s] %s\n", caption ? caption : "", text ? text : "");
    switch (type & 0xF) {
    case MB_OK: return IDOK;
    case MB_YESNO: return IDNO;
    default: return IDCANCEL;
    }
}

HWND ActiveWindow() { return nullptr; }

int MainWindow(int) { return 0; }

unsigned FreeMemory() {
    const unsigned long long bytes = static_cast<unsigned long long>(sysconf(_SC_AVPHYS_PAGES)) *
                                     static_cast<unsigned long long>(sysconf(_SC_PAGESIZE));
    return bytes > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<unsigned>(bytes);
}

uint32_t Clock() { return static_cast<uint32_t>(static_cast<unsigned long long>(NowSeconds() * 1000.0)); }

void Version(int* platform, int* major, int* minor, int* build, std::string* servicePack) {
    *platform = -1;
    *major = *minor = *build = 0;
    servicePack->clear();
}

}  // namespace os

int FileReplace(const char* from, const char* to) { return rename(ToSystem(from).c_str(), ToSystem(to).c_str()) == 0; }

int FileDelete(const char* path) { return unlink(ToSystem(path).c_str()) == 0; }

int FileExists(const char* path) {
    struct stat info;
    return stat(ToSystem(path).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

int FolderExists(const char* path) {
    struct stat info;
    return stat(ToSystem(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

int FolderCreate(const char* path) { return mkdir(ToSystem(path).c_str(), 0755) == 0 || errno == EEXIST; }

int FolderCopy(HWND, const char* from, const char* to) {
    std::error_code error;
    std::filesystem::copy(ToSystem(from), ToSystem(to), std::filesystem::copy_options::recursive, error);
    return !error;
}

int FolderDelete(HWND, const char* path) {
    std::error_code error;
    std::filesystem::remove_all(ToSystem(path), error);
    return !error;
}

// "*.<extension>" as the system matches it: case-insensitive, the star may be empty.
int CompareFileNames(const char* a, const char* b) { return std::strcmp(a, b); }

int FindFiles(const char* folder, const char* extension, std::vector<std::string>* names) {
    DIR* dir = opendir(ToSystem(folder).c_str());
    if (!dir) return 0;
    const std::string tail = std::string(".") + extension;
    int found = 0;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() < tail.size() || strcasecmp(name.c_str() + name.size() - tail.size(), tail.c_str()) != 0)
            continue;
        names->push_back(name);
        found = 1;
    }
    closedir(dir);
    return found;
}

int GetCurrentFolder(char* buffer, unsigned size) {
    char here[4096];
    if (!getcwd(here, sizeof(here))) return 0;
    const std::string path = FromSystem(here);
    if (path.size() >= size) return 0;
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return 1;
}

int IsRelativePath(const char* path) { return path[0] != '\\' && path[0] != '/'; }

int GetFullPath(const char* path, char* buffer, unsigned size) {
    std::string full = FromSystem(path);
    if (IsRelativePath(path)) {
        char here[MAX_PATH];
        if (!GetCurrentFolder(here, sizeof(here))) return 0;
        full = std::string(here) + "\\" + full;
    }
    const bool folder = !full.empty() && full.back() == '\\';
    std::string out;
    for (const std::string& part : Components(full)) out += "\\" + part;
    if (out.empty() || folder) out += "\\";
    if (out.size() >= size) return 0;
    std::memcpy(buffer, out.c_str(), out.size() + 1);
    return 1;
}

int RelativePathTo(char* buffer, const char* from, const char* to) {
    const std::vector<std::string> base = Components(FromSystem(from));
    const std::vector<std::string> target = Components(FromSystem(to));
    size_t common = 0;
    while (common < base.size() && common < target.size() && base[common] == target[common]) ++common;
    std::string out = common == base.size() ? "." : "";
    for (size_t i = common; i < base.size(); ++i) out += out.empty() ? ".." : "\\..";
    for (size_t i = common; i < target.size(); ++i) out += "\\" + target[i];
    if (out.size() >= MAX_PATH) return 0;
    std::memcpy(buffer, out.c_str(), out.size() + 1);
    return 1;
}

void GetFullScreenSize(int* width, int* height) {
    *width = 1280;
    *height = 1004;
}

void GetMemoryStatus(cMemoryStatus* status) {
    struct sysinfo info;
    sysinfo(&info);
    auto cap = [](unsigned long long v) { return v > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<unsigned>(v); };
    status->totalPhys = cap(static_cast<unsigned long long>(info.totalram) * info.mem_unit);
    status->availPhys = cap(static_cast<unsigned long long>(info.freeram) * info.mem_unit);
    status->totalVirtual = 0x7FFE0000u;  // what a 32-bit process has
    status->availVirtual = 0x7FFE0000u;
}

double GetCpuClock() {
    const double start = NowSeconds();
    const unsigned long long t0 = __rdtsc();
    while (NowSeconds() - start < 1.0) {
    }
    const unsigned long long t1 = __rdtsc();
    return static_cast<double>(t1 - t0) / (NowSeconds() - start);
}

long long GetDiskFreeBytes(const char* folder) {
    struct statvfs info;
    if (statvfs(folder ? ToSystem(folder).c_str() : ".", &info) != 0) return 0;
    const unsigned long long bytes = static_cast<unsigned long long>(info.f_bavail) * info.f_frsize;
    return bytes > 2147483647ull ? 2147483647ll : static_cast<long long>(bytes);
}
