// A program that leaves its crash to Wine's debugger, as one that is not the
// project's does (made without orr_program), for the entries that check how
// such a program ends under cmake/wine-run.sh.
//
// Wine's debugger ends a crashed program with the exception's code only
// while another thread of it outlives the crashed one; with the crashed
// thread alone it ends with 0. Here the other thread is the one the debugger
// runs in the program to attach, so the crash waits, once the debugger is
// attached, until that thread has ended: the program ends with 0 every time
// unless the wrapper mends its code.
#include <windows.h>
#include <tlhelp32.h>

namespace {

int ThreadsOfThisProcess() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    THREADENTRY32 entry;
    entry.dwSize = sizeof(entry);
    int threads = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        threads += entry.th32OwnerProcessID == GetCurrentProcessId();
    CloseHandle(snapshot);
    return threads;
}

LONG WINAPI CrashAlone(EXCEPTION_POINTERS* info) {
    // The system's own handling starts the debugger and returns once it is attached.
    SetUnhandledExceptionFilter(nullptr);
    UnhandledExceptionFilter(info);
    for (int wait = 0; wait < 500 && ThreadsOfThisProcess() > 1; ++wait) Sleep(10);
    return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

int main() {
    SetUnhandledExceptionFilter(CrashAlone);
    auto* page = static_cast<volatile int*>(VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_NOACCESS));
    *page = 1;
    return 0;
}
