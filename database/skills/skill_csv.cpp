#include "database/skills/skill_csv.h"

#include <cfloat>
#include <climits>
#include <cstdint>
#include <cstdlib>

#include "base/containers.h"
#include "base/paths.h"
#include "base/report.h"
#include "ui/numtext.h"
#include "ui/text_rules.h"

VECTOR_CLASS<cCsvColumn> SkillCsvColumns;

const char* const CsvDataKindNames[5] = {"クラス", "味方", "敵", "スキル", "地形"};

const char kCsvBadKindText[] = "不正なファイルです。データタイプのセルが不正です。";
const char kCsvNoHeaderText[] = "不正なファイルです。「No.」セルがありません。";
const char kCsvBadNumberText[] =
    "不正なファイルです。「No.」列が1列目にないかデータ番号が昇順（1～X）に並んでいない可能性があります。";
const char kCsvCountText[] =
    "不正なファイルです。データ数が一致しません。（csvファイルのデータ %d個 ≠ ゲームのデータ %d個）";
const char kCsvTooLargeText[] =
    "「%s」の読み込みに失敗しました。\nファイルが大きすぎます。読み込めるCSVファイルは%uMBまでです。";

namespace {

const char kKindCell[] = "データタイプ";
const char kHeaderCell[] = "No.";

template <auto M>
void* Member(cSkill& skill, int) {
    return &(skill.*M);
}
template <auto M>
void* Element(cSkill& skill, int index) {
    return &(skill.*M)[index];
}

const char* const kStatNames[9] = {"HP", "SP", "攻撃", "守備", "魔力", "抵抗", "技能", "反応", "敏捷"};
const int kStatMax = 999999;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsIntegerType(int type) { return type >= CSVVALUETYPE_INT && type <= CSVVALUETYPE_LONG; }
bool IsRealType(int type) { return type == CSVVALUETYPE_DOUBLE || type == CSVVALUETYPE_FLOAT; }

// The first schema column of that name, or null.
const cCsvColumn* ColumnNamed(const VECTOR_CLASS<cCsvColumn>& columns, const std::string& name) {
    for (const cCsvColumn& column : columns)
        if (column.strName == name) return &column;
    return nullptr;
}

// The row and cell of the first "データタイプ" cell with the data kind right below it.
bool FindDataKind(const CsvTable& table, const std::string& dataKind) {
    for (size_t r = 0; r + 1 < table.size(); ++r)
        for (size_t c = 0; c < table[r].size(); ++c)
            if (table[r][c] == kKindCell && c < table[r + 1].size() && table[r + 1][c] == dataKind) return true;
    return false;
}

int FindHeaderRow(const CsvTable& table) {
    for (size_t r = 0; r < table.size(); ++r)
        for (const std::string& cell : table[r])
            if (cell == kHeaderCell) return static_cast<int>(r);
    return -1;
}

// The data rows after the header row: up to the end, or a row without cells.
int CountDataRows(const CsvTable& table, int header) {
    int rows = 0;
    for (size_t r = static_cast<size_t>(header) + 1; r < table.size() && !table[r].empty(); ++r) ++rows;
    return rows;
}

bool TextHoldsLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

// The field a column reads from a skill that is only read.
const void* FieldOf(const cCsvColumn& column, const cSkill& skill) { return column.Field(const_cast<cSkill&>(skill)); }

}  // namespace

// ---- Schema ------------------------------------------------------------------

void AddCsvTextColumn(VECTOR_CLASS<cCsvColumn>& columns, const char* name, const char* comment, CSV_FIELD_PROC field,
                      int index, int maxChars) {
    cCsvColumn c;
    c.strName = name;
    c.strComment = comment;
    StringPrintf(c.strRange, "%d文字まで", maxChars);
    c.nValueType = CSVVALUETYPE_STRING;
    c.nMaxChars = maxChars;
    c.pfnField = field;
    c.nFieldIndex = index;
    columns.push_back(c);
}

void AddCsvValueColumn(VECTOR_CLASS<cCsvColumn>& columns, const char* name, const char* comment, CSV_FIELD_PROC field,
                       int index, int valueType, double minimum, double maximum, int decimals) {
    cCsvColumn c;
    c.strName = name;
    c.strComment = comment;
    if (IsRealType(valueType))
        StringPrintf(c.strRange, "%.*f～%.*f", decimals, minimum, decimals, maximum);
    else
        StringPrintf(c.strRange, "%d～%d", static_cast<int>(minimum), static_cast<int>(maximum));
    if (valueType == CSVVALUETYPE_STRING || valueType == CSVVALUETYPE_MEMO)
        ECSP("不正な指定：CSVVALUETYPE_STRING || CSVVALUETYPE_MEMO");
    c.nValueType = valueType;
    c.dMin = minimum;
    c.dMax = maximum;
    c.nDecimals = decimals;
    c.pfnField = field;
    c.nFieldIndex = index;
    columns.push_back(c);
}

void AddCsvMemoColumn(VECTOR_CLASS<cCsvColumn>& columns, const char* name, const char* comment) {
    cCsvColumn c;
    c.strName = name;
    c.strComment = comment;
    c.nValueType = CSVVALUETYPE_MEMO;
    columns.push_back(c);
}

void BuildSkillCsvColumns() {
    VECTOR_CLASS<cCsvColumn>& c = SkillCsvColumns;
    c.clear();
    const int INT = CSVVALUETYPE_INT, DBL = CSVVALUETYPE_DOUBLE;
    AddCsvTextColumn(c, "スキル名_d", "", Member<&cSkill::strName>, 0, 8);
    AddCsvTextColumn(c, "説明_d", "", Member<&cSkill::strHelp>, 0, 38);
    AddCsvValueColumn(c, "値段_d", "0なら売却不可", Member<&cSkill::nPrice>, 0, INT, 0, 999999, 1);
    AddCsvValueColumn(c, "最大所持数_d", "", Member<&cSkill::nStockMax>, 0, INT, 0, 99, 1);
    AddCsvValueColumn(c, "消費SP_d", "", Member<&cSkill::nSp>, 0, INT, 0, 999, 1);
    AddCsvValueColumn(c, "回数制限_d", "", Member<&cSkill::nUseLimit>, 0, INT, 0, 99, 1);
    AddCsvValueColumn(c, "必要センス_d", "", Member<&cSkill::nNeedSense>, 0, INT, 0, 99, 1);
    AddCsvValueColumn(c, "習得確率(%)_d", "", Member<&cSkill::nLearnRate>, 0, INT, 0, 100, 1);
    AddCsvValueColumn(c, "センスによる習得確率の補正（＋センス×N）_d", "", Member<&cSkill::dLearnRateSense>, 0, DBL, 0,
                      100, 1);
    AddCsvValueColumn(c, "習得LV（最小）_d", "", Member<&cSkill::nLearnLvMin>, 0, INT, 0, 100, 1);
    AddCsvValueColumn(c, "習得LV（最大）_d", "", Member<&cSkill::nLearnLvMax>, 0, INT, 0, 100, 1);
    AddCsvValueColumn(c, "センスによる習得LVの補正（－センス×N）_d", "", Member<&cSkill::dLearnLvSense>, 0, DBL, 0, 100,
                      1);
    AddCsvValueColumn(c, "ソート番号_d", "店用", Member<&cSkill::dSortNo>, 0, DBL, 0, 999.99, 2);
    AddCsvValueColumn(c, "ランク（最小）_d", "", Member<&cSkill::nRankMin>, 0, INT, 0, 999, 1);
    AddCsvValueColumn(c, "ランク（最大）_d", "", Member<&cSkill::nRankMax>, 0, INT, 0, 999, 1);
    AddCsvValueColumn(c, "レアリティ_d", "", Member<&cSkill::nRarity>, 0, INT, 0, 100, 1);
    AddCsvValueColumn(c, "属性値_d", "防具タイプのみ有効", Member<&cSkill::nElemValue>, 0, INT, -999, 999, 1);
    AddCsvValueColumn(c, "命中率(%)_d", "", Member<&cSkill::nHit>, 0, INT, 0, 999, 1);
    AddCsvValueColumn(c, "効果値_d", "", Member<&cSkill::nEffect>, 0, INT, -kStatMax, kStatMax, 1);
    AddCsvValueColumn(c, "ダメージ修正(%)_d", "", Member<&cSkill::nDamageRate>, 0, INT, 0, 999, 1);
    AddCsvValueColumn(c, "必殺率(%)_d", "", Member<&cSkill::nCritical>, 0, INT, 0, 999, 1);
    for (int k = 0; k < 9; ++k)
        AddCsvValueColumn(c, ("A-" + std::string(kStatNames[k]) + "_d").c_str(),
                          k ? "" : "ここから「サブ効果A」枠。スキルの対象への追加効果（武器防具タイプなら自分）",
                          Element<&cSkill::nSubA>, k, INT, -kStatMax, kStatMax, 1);
    for (int k = 0; k < 9; ++k)
        AddCsvValueColumn(c, ("B-" + std::string(kStatNames[k]) + "_d").c_str(),
                          k ? "" : "ここから「サブ効果B」枠。オート戦闘で「装備」時のみ上昇", Element<&cSkill::nSubB>,
                          k, INT, -kStatMax, kStatMax, 1);
    AddCsvValueColumn(c, "拡大率(%)_d", "", Member<&cSkill::nZoom>, 0, INT, 1, 900, 1);
    AddCsvValueColumn(c, "透明度_d", "255で完全に不透明", Member<&cSkill::byAlpha>, 0, CSVVALUETYPE_UCHAR, 0, 255, 1);
    AddCsvMemoColumn(c, "Memo", "ただのメモ欄。ゲームにもエディターにも表示されない。");
}

std::string SkillCsvPath(int list) {
    std::string path;
    return StringPrintf(path, "%s%02d.csv", g_PathTable.SkillCsv, list + 1);
}

std::string SkillCsvDataKind(int list) {
    std::string kind;
    return StringPrintf(kind, "%s%02d", CsvDataKindNames[CSV_KIND_SKILL], list + 1);
}

// ---- Cells -------------------------------------------------------------------

std::string NormalizeFullWidthNumber(const std::string& cell) {
    std::string out;
    for (size_t i = 0; i < cell.size();) {
        const auto lead = static_cast<unsigned char>(cell[i]);
        if (i + 1 < cell.size() && IsDoubleByteChar(lead, static_cast<unsigned char>(cell[i + 1]))) {
            const char ascii = FullWidthToAscii(lead, static_cast<unsigned char>(cell[i + 1]));
            if (ascii)
                out += ascii;
            else
                out.append(cell, i, 2);
            i += 2;
        } else {
            out += cell[i++];
        }
    }
    return out;
}

long long ReadCsvInteger(const std::string& cell) {
    size_t i = 0;
    while (i < cell.size() && IsBlank(cell[i])) ++i;
    bool negative = false;
    if (i < cell.size() && (cell[i] == '-' || cell[i] == '+')) negative = cell[i++] == '-';
    const long long limit = LLONG_MAX / 10 - 1;
    long long value = 0;
    for (; i < cell.size() && IsDigit(cell[i]); ++i)
        value = value > limit ? LLONG_MAX / 10 : value * 10 + (cell[i] - '0');
    return negative ? -value : value;
}

double ReadCsvReal(const std::string& cell) {
    size_t i = 0;
    while (i < cell.size() && IsBlank(cell[i])) ++i;
    std::string number;
    if (i < cell.size() && (cell[i] == '-' || cell[i] == '+')) number += cell[i++];
    bool digits = false;
    for (; i < cell.size() && IsDigit(cell[i]); ++i, digits = true) number += cell[i];
    if (i < cell.size() && cell[i] == '.') {
        number += cell[i++];
        for (; i < cell.size() && IsDigit(cell[i]); ++i, digits = true) number += cell[i];
    }
    if (!digits) return 0;
    // An exponent counts only with digits after it.
    if (i + 1 < cell.size() && (cell[i] == 'e' || cell[i] == 'E')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (cell[j] == '-' || cell[j] == '+') exponent += cell[j++];
        if (j < cell.size() && IsDigit(cell[j])) {
            for (; j < cell.size() && IsDigit(cell[j]); ++j) exponent += cell[j];
            number += exponent;
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

std::string CutTextChars(const std::string& text, int maxChars) {
    const char* p = text.c_str();
    size_t i = 0;
    int count = 0;
    std::string digits;
    while (p[i]) {
        size_t length = 1;
        int chars = p[i] == '\n' ? 0 : 1;
        if (p[i + 1] && IsDoubleByteChar(static_cast<unsigned char>(p[i]), static_cast<unsigned char>(p[i + 1]))) {
            length = 2;
        } else if (ParseRefCode(p + i, digits)) {
            length = 2 + digits.size();
            if (p[i + length] == '.') ++length;
        }
        if (count + chars > maxChars) break;
        count += chars;
        i += length;
    }
    // A code whose digits run on past a full stop reads as fewer digits once
    // cut, so the head may count more than the walk did: step back until the
    // count takes it, or every import of the export would cut it again.
    std::string cut = CutToCharBoundary(text, i);
    while (!cut.empty() && CountTextChars(cut.c_str()) > maxChars) cut = CutToCharBoundary(cut, cut.size() - 1);
    return cut;
}

std::string FormatCsvCell(const cCsvColumn& column, const void* field) {
    if (!field) return std::string();
    std::string text;
    switch (column.nValueType) {
    case CSVVALUETYPE_STRING: return *static_cast<const std::string*>(field);
    case CSVVALUETYPE_INT:
    case CSVVALUETYPE_LONG: return StringPrintf(text, "%d", static_cast<int>(*static_cast<const int32_t*>(field)));
    case CSVVALUETYPE_SHORT: return StringPrintf(text, "%d", static_cast<int>(*static_cast<const int16_t*>(field)));
    case CSVVALUETYPE_CHAR: return StringPrintf(text, "%d", static_cast<int>(*static_cast<const signed char*>(field)));
    case CSVVALUETYPE_UCHAR:
        return StringPrintf(text, "%u", static_cast<unsigned>(*static_cast<const unsigned char*>(field)));
    case CSVVALUETYPE_DOUBLE: return StringPrintf(text, "%.*f", column.nDecimals, *static_cast<const double*>(field));
    case CSVVALUETYPE_FLOAT:
        return StringPrintf(text, "%.*f", column.nDecimals, static_cast<double>(*static_cast<const float*>(field)));
    }
    return std::string();
}

int StoreCsvCell(const cCsvColumn& column, const std::string& cell, void* field, std::string* shown) {
    const int type = column.nValueType;
    if (!field || type == CSVVALUETYPE_MEMO) return 0;
    if (type == CSVVALUETYPE_STRING) {
        std::string& text = *static_cast<std::string*>(field);
        if (CountTextChars(cell.c_str()) <= column.nMaxChars) {
            text = cell;
            return 0;
        }
        text = *shown = CutTextChars(cell, column.nMaxChars);
        return 1;
    }
    const std::string number = NormalizeFullWidthNumber(cell);
    if (IsIntegerType(type)) {
        // The bounds as integers, compared with the number as read, before it is narrowed.
        const long long low = static_cast<long long>(column.dMin), high = static_cast<long long>(column.dMax);
        long long value = ReadCsvInteger(number);
        const int clamped = value < low || value > high;
        value = value < low ? low : value > high ? high : value;
        switch (type) {
        case CSVVALUETYPE_SHORT: *static_cast<int16_t*>(field) = static_cast<int16_t>(value); break;
        case CSVVALUETYPE_CHAR: *static_cast<signed char*>(field) = static_cast<signed char>(value); break;
        case CSVVALUETYPE_UCHAR: *static_cast<unsigned char*>(field) = static_cast<unsigned char>(value); break;
        default: *static_cast<int32_t*>(field) = static_cast<int32_t>(value); break;
        }
        if (clamped) *shown = FormatCsvCell(column, field);
        return clamped;
    }
    if (!IsRealType(type)) return 0;
    double value = ReadCsvReal(number);
    int clamped;
    if (type == CSVVALUETYPE_FLOAT) {
        const float low = static_cast<float>(column.dMin), high = static_cast<float>(column.dMax);
        // Narrowed first where a float holds it; anything larger lies past either bound.
        const bool fits = value >= -FLT_MAX && value <= FLT_MAX;
        const float narrow = fits ? static_cast<float>(value) : value < 0 ? low : high;
        clamped = !fits || narrow < low || narrow > high;
        *static_cast<float*>(field) = narrow < low ? low : narrow > high ? high : narrow;
        value = *static_cast<float*>(field);
    } else {
        clamped = value < column.dMin || value > column.dMax;
        value = value < column.dMin ? column.dMin : value > column.dMax ? column.dMax : value;
        *static_cast<double*>(field) = value;
    }
    if (clamped) StringPrintf(*shown, "%lf", value);
    return clamped;
}

std::string CsvAdjustedText(const cCsvColumn& column, const std::string& skillName, const std::string& shown) {
    const char* format = column.nValueType == CSVVALUETYPE_STRING
                             ? "「%s」の「%s」の文字数がオーバーしています。値は「%s」になります。"
                             : "「%s」の「%s」が定められた範囲にありません。値は「%s」になります。";
    std::string text;
    return StringPrintf(text, format, skillName.c_str(), column.strName.c_str(), shown.c_str());
}

std::string CsvAdjustedSummary(const VECTOR_CLASS<std::string>& first, int count) {
    if (count == 1 && first.size() == 1) return first[0];
    std::string text;
    StringPrintf(text, "CSVファイルの値のうち%d個を修正しました。\n", count);
    for (const std::string& line : first) text += "\n" + line;
    if (count > static_cast<int>(first.size()))
        AppendFormat(text, "\n…ほか%d個", count - static_cast<int>(first.size()));
    return text;
}

// ---- Tables ------------------------------------------------------------------

int BuildSkillCsvTable(CsvTable* table, const VECTOR_CLASS<cSkill>& skills, const VECTOR_CLASS<cCsvColumn>& columns,
                       const std::string& dataKind) {
    table->clear();
    // A text with a line break would split its data line: nothing is written.
    for (size_t k = 1; k < skills.size(); ++k) {
        for (const cCsvColumn& column : columns) {
            if (column.nValueType != CSVVALUETYPE_STRING) continue;
            const void* field = FieldOf(column, skills[k]);
            if (!field || !TextHoldsLineBreak(*static_cast<const std::string*>(field))) continue;
            ErrorBoxPrintf(
                "スキル%d「%s」の「%s」に改行が含まれています。\n改行はCSVファイルに保存できません。"
                "改行を取り除いてから、再度このコマンドを実行して下さい。",
                static_cast<int>(k), skills[k].strName.c_str(), column.strName.c_str());
            return 0;
        }
    }
    table->push_back({"テキストエディタではなくExcelで編集してください。"});
    table->push_back({"※データ行より上（設定値以外）は原則編集禁止。データが読み込めなくなる可能性があります。"});
    table->push_back({""});
    table->push_back({kKindCell});
    table->push_back({dataKind});
    table->push_back({""});
    CsvRow hints{"ヒント→"}, limits{"制限→"}, names{kHeaderCell};
    for (const cCsvColumn& column : columns) {
        hints.push_back(column.strComment);
        limits.push_back(column.strRange);
        names.push_back(column.strName);
    }
    table->push_back(hints);
    table->push_back(limits);
    table->push_back(names);
    for (size_t k = 1; k < skills.size(); ++k) {
        std::string number;
        CsvRow row{StringPrintf(number, "%d", static_cast<int>(k))};
        for (const cCsvColumn& column : columns)
            row.push_back(column.nValueType == CSVVALUETYPE_MEMO ? std::string()
                                                                 : FormatCsvCell(column, FieldOf(column, skills[k])));
        table->push_back(std::move(row));
    }
    return 1;
}

int ImportSkillCsvTable(VECTOR_CLASS<cSkill>& skills, const CsvTable& table, const VECTOR_CLASS<cCsvColumn>& columns,
                        const std::string& dataKind) {
    if (!FindDataKind(table, dataKind)) {
        ErrorBox(kCsvBadKindText);
        return 0;
    }
    const int header = FindHeaderRow(table);
    if (header < 0) {
        ErrorBox(kCsvNoHeaderText);
        return 0;
    }
    const int rows = CountDataRows(table, header);
    for (int i = 1; i <= rows; ++i) {
        if (ReadCsvInteger(table[header + i][0]) != i) {
            ErrorBox(kCsvBadNumberText);
            return 0;
        }
    }
    const int wanted = static_cast<int>(skills.size()) - 1;
    if (rows != wanted) {
        ErrorBoxPrintf(kCsvCountText, rows, wanted);
        return 0;
    }
    // One box for all adjusted values: a file can hold tens of thousands.
    VECTOR_CLASS<std::string> first;
    int adjusted = 0;
    const CsvRow& names = table[header];
    for (size_t c = 0; c < names.size(); ++c) {
        const cCsvColumn* column = ColumnNamed(columns, names[c]);
        if (!column || column->nValueType == CSVVALUETYPE_MEMO) continue;
        for (int k = 1; k <= wanted; ++k) {
            const CsvRow& row = table[header + k];
            // A short line leaves this skill's value; the next line may have the cell.
            if (c >= row.size()) continue;
            // The name as it is before this cell: the message comes before the store.
            const std::string name = skills[k].strName;
            std::string shown;
            if (!StoreCsvCell(*column, row[c], column->Field(skills[k]), &shown)) continue;
            if (adjusted++ < kCsvAdjustedShown) first.push_back(CsvAdjustedText(*column, name, shown));
        }
    }
    if (adjusted) MesBox(CsvAdjustedSummary(first, adjusted).c_str(), nullptr, MB_OK);
    return 1;
}
