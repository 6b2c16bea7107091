// The number rules the game's formulas share: clamped sums, rounded
// percentages, truncation that never leaves the int range, and the random
// draws made with the C library's rand().
#pragma once

// value + add, clamped to low .. high; the new value.
int AddClamped(int& value, int add, int low, int high);
// a × pct / 100, rounded half away from zero (64-bit product).
int PercentOf(int a, int pct);
// Toward zero, held at the ends of the int range; NaN gives 0.
int TruncToInt(double value);
// True with `percent` % to `digits` decimals: rand() % (100 × 10^digits) + 1
// against percent × 10^digits truncated.
bool RandomChance(double percent, int digits);
// rand() % (high - low + 1) + low; `low` without a draw when the range is
// empty.
int RandomInRange(int low, int high);
