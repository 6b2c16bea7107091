// Small window functions the dialogs and editors share: dialog-item text as
// strings, the file dialogs, showing a file in Explorer, the quit question
// and the cursors.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <string>

#include "base/containers.h"

int SetDlgItemString(HWND dlg, int id, const std::string& text);
// The item's text read with at most `maxCount` bytes (a buffer of 4192).
std::string& GetDlgItemString(HWND dlg, int id, std::string& text, int maxCount);
std::string GetDlgItemString(HWND dlg, int id, int maxCount);

// Whether a path (full or relative to the current folder) lies on the drive
// of the program's own folder: project files must, to be found by relative paths.
int IsOnProgramDrive(const char* path);

// The open-file dialog; the filter is label and pattern as NUL-separated
// strings. 1 when a file was chosen (the buffer holds its path), 0 when
// cancelled. With `files`, every chosen file's full path is appended to it.
int SelectOpenFile(HWND owner, char* path, int pathSize, const char* folder, const char* title, const char* filter,
                   const char* defaultExt, int multiSelect = 0, VECTOR_CLASS<std::string>* files = nullptr);
// The save-file dialog with the overwrite question; `path` holds 260 bytes.
// With `keep` its text is the proposed name, else it starts empty.
int SelectSaveFile(HWND owner, char* path, const char* folder, const char* title, const char* filter,
                   const char* defaultExt, int keep = 0);

// Explorer on the file's folder with the file selected; the shell's result.
BOOL ShowInExplorer(const char* path, HWND owner);
// Starts a program (or opens a file) with the verb "open", no parameters, in
// the current folder, shown normally; the shell's result code, above 32 when
// it started. The shell shows no box of its own: the caller reports.
INT_PTR ShellOpen(HWND owner, const char* path);

// "終了しますか？" (language 0) or its English twin; true for Yes.
bool ConfirmQuit(HWND owner, int language = 0);

void SetWaitCursor();
void SetArrowCursor();

// The system calls behind the file dialogs and Explorer; tests answer them.
typedef BOOL(WINAPI* FILE_DIALOG_PROC)(OPENFILENAMEA* ofn);
typedef BOOL(WINAPI* SHELL_EXECUTE_PROC)(SHELLEXECUTEINFOA* info);
void SetFileDialogProcs(FILE_DIALOG_PROC open, FILE_DIALOG_PROC save);  // null: the system's
void SetShellExecuteProc(SHELL_EXECUTE_PROC proc);                      // null: the system's
