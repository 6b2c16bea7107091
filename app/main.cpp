// Entry point of the editor. The command line is not read.
#include <windows.h>

#include "app/app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return EditorMain(instance); }
