// What the shared part of the file and message layer asks of the system;
// platform_win.cpp and platform_posix.cpp each provide it.
#pragma once

#include <cstdint>
#include <string>

#include "base/platform.h"

namespace os {

enum { OPEN_READ = 0, OPEN_WRITE = 1, OPEN_CREATE = 2 };
HANDLE Open(const char* path, int mode);  // INVALID_HANDLE_VALUE on failure
// Reads up to `size` bytes; 1 on success (`*got` may be short at the end).
int Read(HANDLE file, void* buffer, unsigned size, unsigned* got);
int Write(HANDLE file, const void* buffer, unsigned size, unsigned* put);
enum { SEEK_FROM_BEGIN = 0, SEEK_FROM_CURRENT = 1, SEEK_FROM_END = 2 };
long long Seek(HANDLE file, long long offset, int from);  // the new position, -1 on failure
int SetEnd(HANDLE file);
int Close(HANDLE file);

int Box(HWND owner, const char* text, const char* caption, unsigned type);
HWND ActiveWindow();
int MainWindow(int action);
unsigned FreeMemory();
uint32_t Clock();

}  // namespace os

namespace os {
// GetVersionExA: platform id, version, build and the service-pack text.
void Version(int* platform, int* major, int* minor, int* build, std::string* servicePack);
}  // namespace os
