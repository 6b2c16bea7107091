// Test play: which program is the game, and when a request starts it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// A request while a test play is marked running is taken for a second press
// of the key during this long after the start and ignored; later it is
// refused until the game program reports its end.
enum { TESTPLAY_QUIET_MS = 3000 };
enum { TESTPLAY_START = 0, TESTPLAY_IGNORE = 1, TESTPLAY_REFUSE = 2 };
// What a request at clock `now` does (the clock wraps at 2^32).
int TestPlayRequest(int running, uint32_t started, uint32_t now);

extern uint32_t g_nTestPlayStart;  // the clock when the running test play started

// The string `id` of a module's string table, in the user's default language
// or else any; 1 when it is there and not empty.
int LoadStringResource(HMODULE module, UINT id, std::wstring* text);
// Whether the program file names itself the game program: its string 1 reads
// "GAME" exactly. The file is mapped as an image resource: none of its code runs.
int IsGameProgram(const std::string& path);
// The first ".exe" of the project folder (the current folder) that is the
// game program: its file name. 0 when there is none.
int FindDefaultGameProgram(std::string* name);
// The program a test play starts: the chosen one of the test-play settings
// when they say so and it exists, otherwise the one found in the project
// folder. 0 (and an empty path) when there is none.
int GetGameProgram(std::string* path);
