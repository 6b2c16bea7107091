// The skill CSV files: the column schema that maps CSV columns to skill
// fields, built once at start-up; the table a skill list is exported as; and
// the import of such a table back into the skills, with its checks, its
// conversions and their messages. Window-free, so it also builds natively.
#pragma once

#include <string>

#include "base/containers.h"
#include "database/skills/csv_table.h"
#include "model/skill.h"

// How a column's cells are written and read, and what its field is.
enum {
    CSVVALUETYPE_STRING = 0,  // std::string
    CSVVALUETYPE_INT = 1,     // int32, "%d"
    CSVVALUETYPE_SHORT = 2,   // int16, "%d"
    CSVVALUETYPE_CHAR = 3,    // signed 8 bits, "%d"
    CSVVALUETYPE_UCHAR = 4,   // unsigned 8 bits, "%u"
    CSVVALUETYPE_LONG = 5,    // 32 bits, as CSVVALUETYPE_INT
    CSVVALUETYPE_DOUBLE = 6,  // double, with the column's decimals
    CSVVALUETYPE_FLOAT = 7,   // float, with the column's decimals
    CSVVALUETYPE_MEMO = 8,    // no field: written empty, never read
};

// The address of a column's field in a skill (`index` picks a stat of the
// sub-effect arrays).
typedef void* (*CSV_FIELD_PROC)(cSkill& skill, int index);

struct cCsvColumn {
    std::string strName;     // the header cell; data columns end in "_d"
    std::string strComment;  // the hint row's cell
    std::string strRange;    // the limit row's cell
    int nValueType = CSVVALUETYPE_MEMO;
    double dMin = 0, dMax = 0;
    int nDecimals = 0;  // written decimals of a floating column
    int nMaxChars = 0;  // longest text of a text column, in characters
    CSV_FIELD_PROC pfnField = nullptr;
    int nFieldIndex = 0;

    void* Field(cSkill& skill) const { return pfnField ? pfnField(skill, nFieldIndex) : nullptr; }
};

// The 42 columns of a skill file, in file order; read-only once built.
extern VECTOR_CLASS<cCsvColumn> SkillCsvColumns;
// The data kinds of the CSV files; only "スキル" has a schema.
extern const char* const CsvDataKindNames[5];
enum { CSV_KIND_CLASS, CSV_KIND_FRIEND, CSV_KIND_ENEMY, CSV_KIND_SKILL, CSV_KIND_LAND };

// Builds SkillCsvColumns (once; a second call builds the same columns again).
void BuildSkillCsvColumns();
void AddCsvTextColumn(VECTOR_CLASS<cCsvColumn>& columns, const char* name, const char* comment, CSV_FIELD_PROC field,
                      int index, int maxChars);
// A numeric column. A text or memo type is kept but noted in the second log.
void AddCsvValueColumn(VECTOR_CLASS<cCsvColumn>& columns, const char* name, const char* comment, CSV_FIELD_PROC field,
                       int index, int valueType, double minimum, double maximum, int decimals);
void AddCsvMemoColumn(VECTOR_CLASS<cCsvColumn>& columns, const char* name, const char* comment);

// The file of skill list `list` (counted from 0): "csv\Skill01.csv" for the
// first; and the data kind in it, "スキル01".
std::string SkillCsvPath(int list);
std::string SkillCsvDataKind(int list);

// ---- Cells ------------------------------------------------------------------

// The full-width digits, minus and full stop of a cell as ASCII.
std::string NormalizeFullWidthNumber(const std::string& cell);
// Leading blanks, a sign and the leading digits; anything else reads 0. A
// number past what 64 bits hold saturates.
long long ReadCsvInteger(const std::string& cell);
// Leading blanks, a sign, digits with one decimal point and an exponent;
// anything else (also "nan", "inf" and hexadecimal forms) reads 0.
double ReadCsvReal(const std::string& cell);
// The first `maxChars` characters as CountTextChars counts them: a head
// that the count itself puts at `maxChars` or fewer.
std::string CutTextChars(const std::string& text, int maxChars);

// The cell a column writes for a field.
std::string FormatCsvCell(const cCsvColumn& column, const void* field);
// Converts a cell by the column's type into the field. 1 when the value had
// to be cut or clamped: `shown` then holds the value stored, as the message
// shows it.
int StoreCsvCell(const cCsvColumn& column, const std::string& cell, void* field, std::string* shown);
// The message of a cut text or a clamped value.
std::string CsvAdjustedText(const cCsvColumn& column, const std::string& skillName, const std::string& shown);

// ---- Tables -----------------------------------------------------------------

// The file's layout for skills 1 to the last. 0, with an error box naming the
// skill, when a text holds a line break (it would split its line).
int BuildSkillCsvTable(CsvTable* table, const VECTOR_CLASS<cSkill>& skills, const VECTOR_CLASS<cCsvColumn>& columns,
                       const std::string& dataKind);
// Checks the table (data kind, "No." row, numbering, count), each refusal an
// error box and 0 with no skill touched; then copies every column the header
// names into skills 1 to the last. The values cut or clamped are told in one
// message box at the end: the first few, each in its own line, and how many
// there were. 1 when imported.
int ImportSkillCsvTable(VECTOR_CLASS<cSkill>& skills, const CsvTable& table, const VECTOR_CLASS<cCsvColumn>& columns,
                        const std::string& dataKind);

// The gathered message of `count` adjusted values, the texts of the first of
// them given (CsvAdjustedText); one value's message is its text alone.
std::string CsvAdjustedSummary(const VECTOR_CLASS<std::string>& first, int count);
// How many adjusted values the gathered message names.
const int kCsvAdjustedShown = 10;

// The largest skill file the import reads: 999 data lines of 4 KB each, ten
// times the longest line an export writes. A larger one is refused unread.
const unsigned long long kSkillCsvFileMax = 4ull << 20;

// The refusals of the import, as shown.
extern const char kCsvBadKindText[];
extern const char kCsvNoHeaderText[];
extern const char kCsvBadNumberText[];
extern const char kCsvCountText[];     // with the file's and the list's counts
extern const char kCsvTooLargeText[];  // with the path and the largest size in MB
