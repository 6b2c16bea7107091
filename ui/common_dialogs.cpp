#include "ui/common_dialogs.h"

#include <cstring>

#include "base/paths.h"
#include "base/report.h"

namespace {

FILE_DIALOG_PROC g_pfnOpen = GetOpenFileNameA;
FILE_DIALOG_PROC g_pfnSave = GetSaveFileNameA;
SHELL_EXECUTE_PROC g_pfnShellExecute = ShellExecuteExA;

HINSTANCE InstanceOf(HWND owner) {
    return owner ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE)) : GetModuleHandleA(nullptr);
}

// What both file dialogs are given.
void FillFileDialog(OPENFILENAMEA* ofn, HWND owner, char* path, int pathSize, const char* folder, const char* title,
                    const char* filter, const char* defaultExt) {
    std::memset(ofn, 0, sizeof(*ofn));
    ofn->lStructSize = sizeof(*ofn);
    ofn->hwndOwner = owner;
    ofn->hInstance = InstanceOf(owner);
    ofn->lpstrFilter = filter;
    ofn->lpstrFile = path;
    ofn->nMaxFile = static_cast<DWORD>(pathSize);
    ofn->nMaxFileTitle = MAX_PATH;
    ofn->lpstrInitialDir = folder;
    ofn->lpstrTitle = title;
    ofn->lpstrDefExt = defaultExt;
}

}  // namespace

void SetFileDialogProcs(FILE_DIALOG_PROC open, FILE_DIALOG_PROC save) {
    g_pfnOpen = open ? open : GetOpenFileNameA;
    g_pfnSave = save ? save : GetSaveFileNameA;
}

void SetShellExecuteProc(SHELL_EXECUTE_PROC proc) { g_pfnShellExecute = proc ? proc : ShellExecuteExA; }

int SetDlgItemString(HWND dlg, int id, const std::string& text) { return SetDlgItemTextA(dlg, id, text.c_str()); }

std::string& GetDlgItemString(HWND dlg, int id, std::string& text, int maxCount) {
    char buffer[4192];
    if (maxCount > static_cast<int>(sizeof(buffer))) maxCount = sizeof(buffer);
    buffer[0] = '\0';
    GetDlgItemTextA(dlg, id, buffer, maxCount);
    text = buffer;
    return text;
}

std::string GetDlgItemString(HWND dlg, int id, int maxCount) {
    std::string text;
    return GetDlgItemString(dlg, id, text, maxCount);
}

namespace {

// The drive of a path made full: "C:" or, on a network, "\\server\share".
std::string DriveOf(const char* path) {
    char full[MAX_PATH] = {};
    DWORD n = GetFullPathNameA(path, MAX_PATH, full, nullptr);
    if (!n || n >= MAX_PATH) return std::string();
    if (full[0] && full[1] == ':') return std::string(full, 2);
    if (full[0] != '\\' || full[1] != '\\') return std::string();
    const char* share = std::strchr(full + 2, '\\');
    const char* end = share ? std::strchr(share + 1, '\\') : nullptr;
    return end ? std::string(full, static_cast<size_t>(end - full)) : std::string(full);
}

}  // namespace

int IsOnProgramDrive(const char* path) {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string drive = DriveOf(path);
    return !drive.empty() && lstrcmpiA(drive.c_str(), DriveOf(program).c_str()) == 0;
}

int SelectOpenFile(HWND owner, char* path, int pathSize, const char* folder, const char* title, const char* filter,
                   const char* defaultExt, int multiSelect, VECTOR_CLASS<std::string>* files) {
    std::memset(path, 0, static_cast<size_t>(pathSize));
    OPENFILENAMEA ofn;
    FillFileDialog(&ofn, owner, path, pathSize, folder, title, filter, defaultExt);
    ofn.Flags = OFN_EXPLORER | OFN_NONETWORKBUTTON | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                (multiSelect ? OFN_ALLOWMULTISELECT : 0);
    if (!g_pfnOpen(&ofn)) return 0;
    if (!files) return 1;

    // Several files come as the folder and then each name, NUL-separated,
    // ended by a second NUL; one file comes as its full path.
    const std::string first(path, strnlen(path, static_cast<size_t>(pathSize)));
    size_t before = files->size();
    int names = 0;
    std::string name;
    for (int i = 0; i < pathSize; ++i) {
        if (path[i]) {
            name += path[i];
            continue;
        }
        if (name.empty()) break;
        if (names++ > 0) files->push_back(name);
        name.clear();
    }
    if (names >= 2) {
        for (size_t i = before; i < files->size(); ++i) (*files)[i] = first + "\\" + (*files)[i];
    } else {
        files->push_back(first);
    }
    return 1;
}

int SelectSaveFile(HWND owner, char* path, const char* folder, const char* title, const char* filter,
                   const char* defaultExt, int keep) {
    if (!keep) std::memset(path, 0, MAX_PATH);
    OPENFILENAMEA ofn;
    FillFileDialog(&ofn, owner, path, MAX_PATH, folder, title, filter, defaultExt);
    // A new file must be allowed: no "must exist", and one name only.
    ofn.Flags = OFN_EXPLORER | OFN_NONETWORKBUTTON | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return g_pfnSave(&ofn) ? 1 : 0;
}

BOOL ShowInExplorer(const char* path, HWND owner) {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    std::string program;
    StringPrintf(program, "%s\\EXPLORER.EXE", windows);
    // The file by its whole path: Wine's Explorer does not look for a bare
    // name in its working folder and opens on the desktop instead.
    char file[MAX_PATH] = {}, folder[MAX_PATH] = {};
    std::strncpy(file, path, MAX_PATH - 1);
    MakeAbsolutePath(file);  // the project folder is the current one; as given where that fails
    std::strcpy(folder, file);
    StripFileNamePart(folder);
    std::string params;
    StringPrintf(params, "/select,\"%s\"", file);
    SHELLEXECUTEINFOA info;
    std::memset(&info, 0, sizeof(info));
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = owner;
    info.lpVerb = "open";
    info.lpFile = program.c_str();
    info.lpParameters = params.c_str();
    info.lpDirectory = folder;
    info.nShow = SW_SHOWNORMAL;
    BOOL result = g_pfnShellExecute(&info);
    if (info.hProcess) CloseHandle(info.hProcess);
    return result;
}

INT_PTR ShellOpen(HWND owner, const char* path) {
    SHELLEXECUTEINFOA info;
    std::memset(&info, 0, sizeof(info));
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = "open";
    info.lpFile = path;
    info.nShow = SW_SHOWNORMAL;
    // The Ex form reports success by its result; its hInstApp keeps the old code.
    if (g_pfnShellExecute(&info)) return 33;
    const INT_PTR code = reinterpret_cast<INT_PTR>(info.hInstApp);
    return code > 0 && code <= 32 ? code : SE_ERR_NOASSOC;
}

bool ConfirmQuit(HWND owner, int language) {
    const char* text = language == 0 ? "終了しますか？\n" : "Would you like to quit?\n";
    const char* caption = language == 0 ? "終了確認" : "End confirmation";
    return MesBoxWnd(owner, text, caption, MB_YESNO) == IDYES;
}

void SetWaitCursor() { SetCursor(LoadCursorA(nullptr, IDC_WAIT)); }
void SetArrowCursor() { SetCursor(LoadCursorA(nullptr, IDC_ARROW)); }
