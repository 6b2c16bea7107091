// A window program (made as every program is, with orr_program) that
// crashes on purpose, for the entry that checks how each of its crashes
// ends: "main" in WinMain, "dispatched" in a window procedure called by
// DispatchMessage, "sent" in one the system calls (WM_CREATE), where Wine
// swallows the fault, "thread" in a second thread, and "system" inside a
// system module that does not handle it (msvcrt's strlen of a null
// pointer). With "handled" a system module raises a fault and handles it
// itself (kernel32's lstrlenA of a null pointer is 0): the program goes on.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

bool g_bFaultOnCreate = false;

void Fault() {
    auto* page = static_cast<volatile int*>(VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_NOACCESS));
    *page = 1;
}

LRESULT CALLBACK FaultingProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE && g_bFaultOnCreate) Fault();
    if (message == WM_APP) Fault();
    return DefWindowProcA(wnd, message, wParam, lParam);
}

DWORD WINAPI FaultingThread(void*) {
    Fault();
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR args, int) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = FaultingProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "crash_gui_on_purpose";
    RegisterClassA(&windowClass);
    g_bFaultOnCreate = std::strcmp(args, "sent") == 0;
    HWND wnd = CreateWindowA("crash_gui_on_purpose", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                             instance, nullptr);
    if (std::strcmp(args, "main") == 0) Fault();
    if (std::strcmp(args, "dispatched") == 0) PostMessageA(wnd, WM_APP, 0, 0);
    if (std::strcmp(args, "thread") == 0)
        WaitForSingleObject(CreateThread(nullptr, 0, FaultingThread, nullptr, 0, nullptr), 10000);
    const char* volatile none = nullptr;
    if (std::strcmp(args, "handled") == 0 && lstrlenA(none) != 0) return 1;
    if (std::strcmp(args, "system") == 0) {
        // Called through a pointer, strlen is msvcrt's own, not one the compiler inlines.
        size_t (*volatile length)(const char*) = std::strlen;
        std::fprintf(stderr, "crash_gui_on_purpose system: strlen gave %u\n", static_cast<unsigned>(length(none)));
    }
    // What a crash should have ended: a second of messages, then a quiet end.
    const DWORD end = GetTickCount() + 1000;
    while (GetTickCount() < end) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(10);
    }
    std::fprintf(stderr, "crash_gui_on_purpose %s: no crash ended it\n", args);
    return 0;
}
