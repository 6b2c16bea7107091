// The stand-in game program. The editor starts it for a test play with no
// arguments in the project folder; it writes what it found there to
// "<name>.log" beside itself (the folder, the stage file saved last and the
// event palette), tells the editor's main window that the test play has
// ended (WM_COPYDATA with the numeric field 0) and exits. "<name>.cfg" beside
// it changes the answer, one "key=value" a line:
//   delay=<ms>   wait that long before answering
//   data=<n>     answer with the numeric field n instead of 0
//   answer=0     never answer
// The log's last line ("answered <n>" or "no answer") is written after the
// answer was taken, so that a reader knows the program is done.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char kEditorClass[] = "Orrindale_Editor";

struct Config {
    DWORD delay = 0;
    ULONG_PTR data = 0;
    int answer = 1;
};

// The program's own path without its extension.
std::string OwnBase() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string base = path;
    const size_t dot = base.find_last_of('.');
    const size_t slash = base.find_last_of('\\');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) base.erase(dot);
    return base;
}

Config ReadConfig(const std::string& path) {
    Config config;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return config;
    char line[256];
    while (std::fgets(line, sizeof(line), file)) {
        char* value = std::strchr(line, '=');
        if (!value) continue;
        *value++ = '\0';
        const unsigned long number = std::strtoul(value, nullptr, 10);
        if (!std::strcmp(line, "delay")) config.delay = number;
        if (!std::strcmp(line, "data")) config.data = number;
        if (!std::strcmp(line, "answer")) config.answer = number != 0;
    }
    std::fclose(file);
    return config;
}

// The stage file written last in "data\stg\", with its size; "none" without one.
std::string NewestStage() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("data\\stg\\*.stg2", &found);
    if (search == INVALID_HANDLE_VALUE) return "none";
    WIN32_FIND_DATAA newest = found;
    while (FindNextFileA(search, &found))
        if (CompareFileTime(&found.ftLastWriteTime, &newest.ftLastWriteTime) > 0) newest = found;
    FindClose(search);
    char text[MAX_PATH + 32];
    std::snprintf(text, sizeof(text), "data\\stg\\%s %lu", newest.cFileName,
                  static_cast<unsigned long>(newest.nFileSizeLow));
    return text;
}

std::string FileWithSize(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return "none";
    char text[MAX_PATH + 32];
    std::snprintf(text, sizeof(text), "%s %lu", path, static_cast<unsigned long>(data.nFileSizeLow));
    return text;
}

DWORD ParentProcess() {
    DWORD parent = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
    CloseHandle(snapshot);
    return parent;
}

struct Search {
    DWORD parent;
    HWND own;    // the editor that started this program
    HWND other;  // the first editor window of any process
};

BOOL CALLBACK FindEditor(HWND wnd, LPARAM lParam) {
    Search* search = reinterpret_cast<Search*>(lParam);
    char name[64] = {};
    GetClassNameA(wnd, name, sizeof(name));
    if (std::strcmp(name, kEditorClass)) return TRUE;
    DWORD process = 0;
    GetWindowThreadProcessId(wnd, &process);
    if (process == search->parent) {
        search->own = wnd;
        return FALSE;
    }
    if (!search->other) search->other = wnd;
    return TRUE;
}

// The editor that started this program, else any editor: several may run.
HWND EditorWindow() {
    Search search = {ParentProcess(), nullptr, nullptr};
    EnumWindows(FindEditor, reinterpret_cast<LPARAM>(&search));
    return search.own ? search.own : search.other;
}

void AppendLine(const std::string& path, const std::string& line) {
    if (FILE* file = std::fopen(path.c_str(), "ab")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string base = OwnBase();
    const Config config = ReadConfig(base + ".cfg");
    const std::string log = base + ".log";
    DeleteFileA(log.c_str());

    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    AppendLine(log, std::string("folder ") + folder);
    AppendLine(log, "stage " + NewestStage());
    AppendLine(log, "eventpalette " + FileWithSize("data\\EventPlt.dat"));

    if (!config.answer) {
        AppendLine(log, "no answer");
        return 0;
    }
    Sleep(config.delay);
    HWND editor = EditorWindow();
    if (!editor) {
        AppendLine(log, "no editor");
        return 1;
    }
    static char payload[] = "TESTPLAY END";
    COPYDATASTRUCT data = {config.data, sizeof(payload), payload};
    DWORD_PTR result = 0;
    SendMessageTimeoutA(editor, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 10000, &result);
    AppendLine(log, "answered " + std::to_string(config.data));
    return 0;
}
