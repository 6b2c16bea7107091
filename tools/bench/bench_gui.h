// What the benchmarks that open the editor's windows share.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdio>

#include "ui/wnd_list.h"

// Milliseconds since `from`.
inline double Ms(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from).count();
}

// A message box that is printed and answered OK at once.
inline int PrintedBox(HWND, const char* text, const char*, unsigned) {
    std::printf("message: %s\n", text);
    return IDOK;
}

// Every waiting message handled, the registered windows' own first.
inline void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (DispatchAppMessage(&msg, &g_WndList)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
