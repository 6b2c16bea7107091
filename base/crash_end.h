// How a Windows program of ours ends when it crashes: at once, with one line
// on the standard error handle, "<subject> crashed: exception C0000005 at
// <address> (<module>+<offset>)", and the exception's code as its exit code
// (under Wine its low byte: 5 for an access violation). Left to the system,
// Wine's debugger takes the program, may wait for a click, and ends it with
// 0 in some runs.
#pragma once

#include <cstddef>

// Writes what the crash line names into <out> (<size> bytes, terminated).
typedef void (*CrashSubject)(char* out, size_t size);

// Ends the program at a crash that nothing handles, on any of its threads.
// A null <subject> names the program's file.
void EndOnCrash(CrashSubject subject);

// Ends the program, as a crash, also at a fault in its own code (anything
// but the system's modules) that Wine would swallow: one in a window
// procedure that the system calls (WM_CREATE, WM_SIZE, WM_PAINT of
// UpdateWindow, a message sent from another thread) goes on as if returned.
void EndOnFaultInOwnCode();

// Both, for a program: every one installs them before its main begins
// (base/crash_end_start.cpp, which cmake's orr_program links in).
void EndProgramOnCrash();
