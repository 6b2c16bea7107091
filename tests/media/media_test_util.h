// Shared by the drawing tests: a scratch folder as the current directory and
// the message boxes the code under test shows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "media/dib.h"

// Pixel (x, y) of a 24- or 32-bit surface as 0xRRGGBB (blue in the low byte
// of the surface row, red in the high byte here).
uint32_t SurfacePixel(const cDib& dib, int x, int y);
uint32_t SurfaceMask(const cDib& dib, int x, int y);

// Makes a fresh folder under the temporary folder the current directory for
// the life of the object, and records every message box meanwhile.
class cScratchFolder {
public:
    cScratchFolder();
    ~cScratchFolder();
    std::vector<std::string> TakeMessages();
    void Write(const char* name, const std::string& bytes);

private:
    char m_szOld[MAX_PATH];
    std::string m_Path;
};
