// Rules of the media pages that need no window: the name taken from a file,
// the frame rows of the animation lists, the number an edit's text stands
// for and the cells the chip and symbol previews copy.
#pragma once

#include <string>

#include "model/media_records.h"

// The name a file gives a record: its path without folder and extension.
// 0 (name untouched) for a path without an extension.
int NameFromFile(const std::string& path, std::string* name);

// A frame row: "%d-%d" of cell and time, then the moves (" X+8", " Y-4",
// nothing for 0); a character frame ends with " エフェクト開始" when the
// effect starts there. Instant moves are not shown.
void FormatCharaAnimRow(std::string& text, int index, const cCharaAnim& frame);
void FormatEffectAnimPatRow(std::string& text, int index, const cEffectAnim& frame);

// The number a numeric edit's text stands for, as the edit reads it (an
// empty text reads as `minimum` when that is at least 1, else 0), unclamped.
int EditTextNumber(const std::string& text, int minimum);
