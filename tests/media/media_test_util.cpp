#include "tests/media/media_test_util.h"

#include <cstdio>

#include "base/platform.h"

namespace {

std::vector<std::string>* g_pMessages = nullptr;

int RecordBox(HWND, const char* text, const char*, unsigned) {
    if (g_pMessages) g_pMessages->push_back(text);
    return IDOK;
}

std::vector<std::string> g_Messages;

void DeleteTree(const std::string& path) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                DeleteTree(path + "\\" + name);
            else
                DeleteFileA((path + "\\" + name).c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

}  // namespace

uint32_t SurfacePixel(const cDib& dib, int x, int y) {
    GdiFlush();
    const BYTE* p = dib.Row(y) + x * (dib.m_nBpp / 8);
    return p[2] << 16 | p[1] << 8 | p[0];
}

uint32_t SurfaceMask(const cDib& dib, int x, int y) {
    GdiFlush();
    const BYTE* p = dib.MaskRow(y) + x * (dib.m_nBpp / 8);
    return p[2] << 16 | p[1] << 8 | p[0];
}

cScratchFolder::cScratchFolder() {
    GetCurrentDirectoryA(MAX_PATH, m_szOld);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    char name[64];
    std::snprintf(name, sizeof(name), "orr_media_%lu", GetCurrentProcessId());
    m_Path = std::string(temp) + name;
    DeleteTree(m_Path);
    CreateDirectoryA(m_Path.c_str(), nullptr);
    CreateDirectoryA((m_Path + "\\image").c_str(), nullptr);
    SetCurrentDirectoryA(m_Path.c_str());
    g_Messages.clear();
    g_pMessages = &g_Messages;
    SetMessageBoxSink(RecordBox);
}

cScratchFolder::~cScratchFolder() {
    SetMessageBoxSink(nullptr);
    g_pMessages = nullptr;
    SetCurrentDirectoryA(m_szOld);
    DeleteTree(m_Path);
}

std::vector<std::string> cScratchFolder::TakeMessages() {
    std::vector<std::string> out;
    out.swap(g_Messages);
    return out;
}

void cScratchFolder::Write(const char* name, const std::string& bytes) {
    FILE* file = std::fopen(name, "wb");
    if (!file) return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}
