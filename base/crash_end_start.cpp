// Linked into every Windows program (cmake's orr_program): the crash ending
// is in place before main or WinMain begins, and before the program's other
// static objects are made.
#include "base/crash_end.h"

namespace {

struct InstallCrashEnd {
    InstallCrashEnd() { EndProgramOnCrash(); }
} g_installCrashEnd __attribute__((init_priority(101)));

}  // namespace
