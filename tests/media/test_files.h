// Files the sound tests write into the temporary folder.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

// Named by process: other test runs may share the temporary folder.
inline std::string TempFile(const char* name) {
    char dir[MAX_PATH];
    GetTempPathA(sizeof(dir), dir);
    return std::string(dir) + std::to_string(GetCurrentProcessId()) + "_" + name;
}

inline bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    FILE* fp = std::fopen(path.c_str(), "wb");
    if (!fp) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), fp) == bytes.size();
    return std::fclose(fp) == 0 && ok;
}

template <class F>
bool WaitFor(F done, DWORD ms = 5000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > ms) return false;
        Sleep(1);
    }
    return true;
}
