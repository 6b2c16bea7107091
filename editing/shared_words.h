// Word tables that several editors show: the comparisons of conditions, the
// operators of variable and status operations, and the alternation of the
// system settings. Each ends with an empty string, and a combo bound to one
// stores the row, so the order is part of the stored data. Window-free.
#pragma once

extern const char* const g_WordCompare[];
extern const char* const g_WordOperator[];
extern const char* const g_WordAlternate[];

// "？": what a row shows in place of a record, category or word that its
// list does not hold (a damaged file, or a working copy older than an Apply).
extern const char kMissingName[];

// Entry `index` of a word table, or "" for an index outside it: a damaged
// file may hold any number.
const char* WordAt(const char* const* words, int index);
// The labels before the empty end.
int WordCount(const char* const* words);
