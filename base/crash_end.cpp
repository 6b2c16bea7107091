#include "base/crash_end.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

CrashSubject g_pfnSubject = nullptr;
char g_szWindows[MAX_PATH] = "";
size_t g_nWindows = 0;

// The module at <at> (null where none is), its path into <path>.
HMODULE ModuleAt(const void* at, char* path, DWORD size) {
    HMODULE module = nullptr;
    path[0] = '\0';
    // A null address would name the program's own module.
    if (at && GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                 static_cast<LPCSTR>(at), &module))
        GetModuleFileNameA(module, path, size);
    return module;
}

const char* FileName(const char* path) {
    const char* name = path;
    for (const char* c = path; *c; ++c)
        if (*c == '\\' || *c == '/') name = c + 1;
    return name;
}

[[noreturn]] void EndAsCrash(const EXCEPTION_RECORD* record) {
    char subject[256] = "";
    if (g_pfnSubject) g_pfnSubject(subject, sizeof(subject));
    if (!subject[0]) {
        char path[MAX_PATH];
        GetModuleFileNameA(nullptr, path, sizeof(path));
        std::snprintf(subject, sizeof(subject), "%s", FileName(path));
    }
    char path[MAX_PATH];
    const HMODULE module = ModuleAt(record->ExceptionAddress, path, sizeof(path));
    const auto at = reinterpret_cast<uintptr_t>(record->ExceptionAddress);
    // Written straight to the handle, past stdio, whose lock the crash may hold.
    char line[512];
    const int length = std::snprintf(line, sizeof(line), "%s crashed: exception %08lX at %08lX (%s+%lX)\n", subject,
                                     static_cast<unsigned long>(record->ExceptionCode), static_cast<unsigned long>(at),
                                     path[0] ? FileName(path) : "?",
                                     static_cast<unsigned long>(at - reinterpret_cast<uintptr_t>(module)));
    DWORD written = 0;
    if (length > 0) WriteFile(GetStdHandle(STD_ERROR_HANDLE), line, static_cast<DWORD>(length), &written, nullptr);
    TerminateProcess(GetCurrentProcess(), record->ExceptionCode);
    ExitProcess(record->ExceptionCode);
}

LONG WINAPI EndOnUnhandled(EXCEPTION_POINTERS* info) { EndAsCrash(info->ExceptionRecord); }

// The processor's faults; software exceptions (a C++ throw of a library
// built with another compiler, say) are for their handlers.
bool IsFault(DWORD code) {
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_STACK_OVERFLOW: return true;
    }
    return false;
}

// Sees every exception first, before any handler may swallow it. The
// system's modules raise and catch faults of their own (a bad pointer
// handed to them); our code catches none.
LONG CALLBACK EndOnOwnFault(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    if (!IsFault(record->ExceptionCode)) return EXCEPTION_CONTINUE_SEARCH;
    char path[MAX_PATH];
    ModuleAt(record->ExceptionAddress, path, sizeof(path));
    const bool system = _strnicmp(path, g_szWindows, g_nWindows) == 0 && path[g_nWindows] == '\\';
    if (!system) EndAsCrash(record);
    return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

void EndOnCrash(CrashSubject subject) {
    g_pfnSubject = subject;
    SetUnhandledExceptionFilter(EndOnUnhandled);
}

void EndOnFaultInOwnCode() {
    // Without the system's folder no fault could be told apart: none ends the program.
    const UINT length = GetSystemWindowsDirectoryA(g_szWindows, sizeof(g_szWindows));
    if (!length || length >= sizeof(g_szWindows)) return;
    g_nWindows = length;
    AddVectoredExceptionHandler(1, EndOnOwnFault);
}

void EndProgramOnCrash() {
    EndOnCrash(nullptr);
    EndOnFaultInOwnCode();
}
