// "System.ini", the text settings file shared with the game program: lines of
// key=value read until a line "Exit". The key names and their defaults are the
// system settings' key list; the values land in an eight-slot block.
#pragma once

#include <cstddef>

#include "model/system.h"

enum {
    INI_BLOCK_VALID = 0,  // 1 once the defaults were set
    INI_BLOCK_SIZE = 8,
    INI_LINE_LIMIT = 10000,
    INI_TEXT_LIMIT = 2048,  // bytes of a key or a value, with the ending NUL
};

// The block as start-up fills it; slot 7 ("Midi_DirectMusic") goes to the sound layer.
extern int g_IniSettings[INI_BLOCK_SIZE];

// The block slot that key `key` (0-6, the key list's order) fills; -1 for none.
int IniSlotOfKey(int key);

// Slot 0 = 1 and every other slot the default of its key.
void SetDefaultSettings(int* block, const VECTOR_CLASS<cIni>& keys);

// Reads the lines of `text`. 1 when the reading ended at a NUL byte outside
// a value, at the line "Exit" or after INI_LINE_LIMIT lines; 0 when the text
// ends first or a key or value is longer than its buffer (a cut-off file).
// Blanks, tabs and CRs in a key are dropped; a value ends at a blank, tab,
// "/", LF or NUL and the rest of its line (or file) is read as a further key.
int ParseSystemIni(const char* text, size_t size, int* block, const VECTOR_CLASS<cIni>& keys);
// ParseSystemIni over the whole file; 0 when it cannot be read.
int LoadSystemIni(const char* path, int* block, const VECTOR_CLASS<cIni>& keys);
