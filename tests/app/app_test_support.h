// A sample project for the shell's tests: written once into a scratch folder
// that stays the current folder for the whole program, with "data\" and the
// editor's own state put back before every test.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/seams.h"

// The project folder (absolute), made on first use.
const std::string& ProjectRoot();

// "data\", "e_data\" and "System.ini" as the sample writes them, with the
// folders the editor's start makes (or without "data\", "e_data\" and
// "user_data\" for a first start), and the shell's globals as a fresh
// program has them.
void ResetProject(bool withData = true);

// Runs every waiting message through the main loop's filter.
void PumpMessages();

// Row `row` of list `id` picked as the user picks it: the list tells `dlg`.
void PickRow(HWND dlg, int id, int row);

// A data file's version word replaced.
void SetFileVersion(const char* path, uint32_t version);

// Start-up on the current project with every box answered by `boxes`; the
// main frame and the stage editor stand when it returned 1.
int StartEditor();
// The main frame destroyed, WM_QUIT taken from the queue, shut-down run,
// and the row the palettes keep for the next one forgotten as the
// program's end forgets it (a test that leaves one fails).
void StopEditor();

// The stage editor's view surface pixel (x, y) as 0xRRGGBB.
unsigned ViewPixel(int x, int y);
// A surface pixel as 0xRRGGBB.
unsigned SurfacePixel(const class cDib& dib, int x, int y);

// While alive, the open and save file dialogs answer with `path` (cancel
// when it is empty) and record the title each was shown with.
class ScopedFileDialog {
public:
    explicit ScopedFileDialog(const std::string& path);
    ~ScopedFileDialog();
    ScopedFileDialog(const ScopedFileDialog&) = delete;
    ScopedFileDialog& operator=(const ScopedFileDialog&) = delete;
    void Answer(const std::string& path);
    const std::vector<std::string>& Titles() const;
};

// The file's bytes, and a file with the read-only attribute set or cleared.
std::string FileBytes(const std::string& path);
void SetReadOnly(const std::string& path, bool readOnly);
