// The random-name lists: the "txt" files of "data\random_name" that the game
// program draws character names from. The editor only lists them.
#pragma once

#include <string>

#include "base/containers.h"

// One entry "%0.3d %s" (number, title) per list file; the one entry
// "！ファイルが不正です" when there is no usable file.
extern VECTOR_CLASS<std::string> g_RandomNames;

extern const char* const g_szRandomNameFolder;  // "data\random_name"

// Fills `list` from the files of "data\random_name": the k-th file in sorted
// order must be named "RandomName" + k in three digits + "_" + title + ".txt";
// the first file out of that numbering ends the list.
void LoadRandomNames(VECTOR_CLASS<std::string>& list);

// `count` bytes of `text` from byte `start`; -1 or a count beyond the end
// gives the rest; a negative start is taken as 0 and shortens the count.
std::string StrMid(const std::string& text, int start, int count);
