// CSV files as a table of text cells: the reading and writing that the skill
// CSV commands share. Shift-JIS text, rows ending in CR LF, cells joined by
// ","; a cell that holds a comma or a double quote is written in double
// quotes with its quotes doubled. Window-free, so it also builds natively.
#pragma once

#include <cstddef>
#include <string>

#include "base/containers.h"
#include "base/file.h"

// Rows of text cells; rows may differ in length.
typedef VECTOR_CLASS<std::string> CsvRow;
typedef VECTOR_CLASS<CsvRow> CsvTable;

// The field of `text` at `pos`: a quoted field runs to its closing quote (two
// quotes give one; what follows the closing quote up to the delimiter is kept
// as it stands), any other to the next comma, line feed or the end. Returns
// the position after the comma or line feed that ended it (the end of the
// text when none did); `comma` tells whether a comma ended it.
size_t SplitCsvField(const std::string& text, size_t pos, std::string* field, bool* comma);

// Removes half-width spaces and full-width spaces ("　", recognised only as a
// whole double-byte character) from both ends.
void TrimCsvCell(std::string& cell);

// Appends one row per line of `text` (CR LF or LF ends a line): its fields,
// each trimmed. An empty line gives a row of one empty cell; a comma at the
// end of a line gives one more, empty, cell.
void ParseCsvText(const std::string& text, CsvTable* table);
// The text of a table: cells joined by ",", quoted where needed, CR LF after every row.
std::string FormatCsvText(const CsvTable& table);
// A cell as written: in double quotes, its quotes doubled, when it holds a comma or a quote.
std::string QuoteCsvCell(const std::string& cell);

// 1 when the file was read (its rows appended). 0, with the table as it was,
// when it cannot be read, is larger than `maxBytes` (nothing is read then)
// or its rows do not fit in memory; `failure`, when given, tells which as
// FILE_READ_UNREADABLE, FILE_READ_TOO_LARGE or FILE_READ_NO_MEMORY.
int ReadCsvFile(const char* path, CsvTable* table, unsigned long long maxBytes, int* failure = nullptr);
// 1 when every byte was written and the file closed; otherwise 0 and no file
// is left at `path` (the bytes go to a temporary file first).
int WriteCsvFile(const char* path, const CsvTable& table);
