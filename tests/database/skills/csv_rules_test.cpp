// The window-free rules of the skill pages: the skill CSV columns, the file
// layout and its reading, the import's checks and conversions with their
// messages, and the skill page's control rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/file.h"
#include "database/skills/skill_csv.h"
#include "database/skills/skill_list_rules.h"
#include "database/skills/skill_rules.h"
#include "tests/support/seams.h"

namespace {

const char kKind[] = "スキル01";

struct CsvRulesTest : ::testing::Test {
    void SetUp() override { BuildSkillCsvColumns(); }
    ScopedBoxes boxes{IDOK};
};

const cCsvColumn& Column(const char* name) {
    for (const cCsvColumn& c : SkillCsvColumns)
        if (c.strName == name) return c;
    ADD_FAILURE() << "no column " << name;
    return SkillCsvColumns[0];
}

void SetNumber(const cCsvColumn& c, cSkill& skill, double v) {
    void* f = c.Field(skill);
    switch (c.nValueType) {
    case CSVVALUETYPE_INT: *static_cast<int*>(f) = static_cast<int>(v); break;
    case CSVVALUETYPE_UCHAR: *static_cast<unsigned char*>(f) = static_cast<unsigned char>(v); break;
    case CSVVALUETYPE_DOUBLE: *static_cast<double*>(f) = v; break;
    }
}

// Skills 1 to 3: every number at its minimum, at its maximum, in between;
// texts with commas, quotes and a trail byte that looks like a blank's.
VECTOR_CLASS<cSkill> SampleSkills() {
    VECTOR_CLASS<cSkill> skills(4);
    for (const cCsvColumn& c : SkillCsvColumns) {
        if (c.nValueType == CSVVALUETYPE_STRING || c.nValueType == CSVVALUETYPE_MEMO) continue;
        SetNumber(c, skills[1], c.dMin);
        SetNumber(c, skills[2], c.dMax);
        SetNumber(c, skills[3], (c.dMin + c.dMax) / 2 + 0.5);
    }
    skills[1].strName = "炎,氷";
    skills[1].strHelp = "\"強い\"一撃、\"\"二重\"";
    skills[2].strName = "ａ@";  // 0x82 0x81 0x40: the last two bytes are no full-width blank
    skills[2].strHelp = "#P12.の記号";
    skills[3].strName = "回復";
    return skills;
}

std::string CsvText(const VECTOR_CLASS<cSkill>& skills, const char* kind = kKind) {
    CsvTable table;
    EXPECT_EQ(1, BuildSkillCsvTable(&table, skills, SkillCsvColumns, kind));
    return FormatCsvText(table);
}

int Import(VECTOR_CLASS<cSkill>& skills, const std::string& text, const char* kind = kKind) {
    CsvTable table;
    ParseCsvText(text, &table);
    return ImportSkillCsvTable(skills, table, SkillCsvColumns, kind);
}

bool SameSkills(const VECTOR_CLASS<cSkill>& a, const VECTOR_CLASS<cSkill>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!a[i].Compare(b[i])) return false;
    return true;
}

// The text with line `line` (counted from 0) removed.
std::string WithoutLine(const std::string& text, int line) {
    size_t start = 0;
    for (int i = 0; i < line; ++i) start = text.find("\r\n", start) + 2;
    return text.substr(0, start) + text.substr(text.find("\r\n", start) + 2);
}

}  // namespace

// The 42 columns as the file's header row names them, with their kinds and limits.
TEST_F(CsvRulesTest, TheColumnsOfTheSkillFile) {
    const struct {
        const char* name;
        int type;
        const char* range;
    } expected[] = {
        {"スキル名_d", CSVVALUETYPE_STRING, "8文字まで"},
        {"説明_d", CSVVALUETYPE_STRING, "38文字まで"},
        {"値段_d", CSVVALUETYPE_INT, "0～999999"},
        {"最大所持数_d", CSVVALUETYPE_INT, "0～99"},
        {"消費SP_d", CSVVALUETYPE_INT, "0～999"},
        {"回数制限_d", CSVVALUETYPE_INT, "0～99"},
        {"必要センス_d", CSVVALUETYPE_INT, "0～99"},
        {"習得確率(%)_d", CSVVALUETYPE_INT, "0～100"},
        {"センスによる習得確率の補正（＋センス×N）_d", CSVVALUETYPE_DOUBLE, "0.0～100.0"},
        {"習得LV（最小）_d", CSVVALUETYPE_INT, "0～100"},
        {"習得LV（最大）_d", CSVVALUETYPE_INT, "0～100"},
        {"センスによる習得LVの補正（－センス×N）_d", CSVVALUETYPE_DOUBLE, "0.0～100.0"},
        {"ソート番号_d", CSVVALUETYPE_DOUBLE, "0.00～999.99"},
        {"ランク（最小）_d", CSVVALUETYPE_INT, "0～999"},
        {"ランク（最大）_d", CSVVALUETYPE_INT, "0～999"},
        {"レアリティ_d", CSVVALUETYPE_INT, "0～100"},
        {"属性値_d", CSVVALUETYPE_INT, "-999～999"},
        {"命中率(%)_d", CSVVALUETYPE_INT, "0～999"},
        {"効果値_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"ダメージ修正(%)_d", CSVVALUETYPE_INT, "0～999"},
        {"必殺率(%)_d", CSVVALUETYPE_INT, "0～999"},
        {"A-HP_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"A-SP_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"A-攻撃_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"A-守備_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"A-魔力_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"A-抵抗_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"A-技能_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"A-反応_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"A-敏捷_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"B-HP_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"B-SP_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"B-攻撃_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"B-守備_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"B-魔力_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"B-抵抗_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"B-技能_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"B-反応_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"B-敏捷_d", CSVVALUETYPE_INT, "-999999～999999"},
        {"拡大率(%)_d", CSVVALUETYPE_INT, "1～900"},
        {"透明度_d", CSVVALUETYPE_UCHAR, "0～255"},
        {"Memo", CSVVALUETYPE_MEMO, ""},
    };
    ASSERT_EQ(sizeof(expected) / sizeof(expected[0]), SkillCsvColumns.size());
    for (size_t i = 0; i < SkillCsvColumns.size(); ++i) {
        EXPECT_EQ(expected[i].name, SkillCsvColumns[i].strName) << i;
        EXPECT_EQ(expected[i].type, SkillCsvColumns[i].nValueType) << i;
        EXPECT_EQ(expected[i].range, SkillCsvColumns[i].strRange) << i;
    }
    EXPECT_EQ("ここから「サブ効果A」枠。スキルの対象への追加効果（武器防具タイプなら自分）",
              Column("A-HP_d").strComment);
    EXPECT_EQ("", Column("A-SP_d").strComment);
    cSkill skill;
    EXPECT_EQ(&skill.nSubB[8], Column("B-敏捷_d").Field(skill));
    EXPECT_EQ(&skill.byAlpha, Column("透明度_d").Field(skill));
    EXPECT_EQ("csv\\Skill01.csv", SkillCsvPath(0));
    EXPECT_EQ("スキル16", SkillCsvDataKind(15));
}

// The layout: nine lines before the data, every line ended by CR LF, a text
// with a comma or a quote quoted; and every value comes back as it went.
TEST_F(CsvRulesTest, ExportAndImportGiveBackEveryValue) {
    VECTOR_CLASS<cSkill> only(1);
    std::string text = CsvText(only);
    EXPECT_EQ(9, std::count(text.begin(), text.end(), '\n'));
    EXPECT_EQ(0u, text.find("テキストエディタではなくExcelで編集してください。\r\n※データ行より上"));
    EXPECT_NE(std::string::npos, text.find("\r\n\r\nデータタイプ\r\nスキル01\r\n\r\nヒント→,,,0なら売却不可,"));

    const VECTOR_CLASS<cSkill> skills = SampleSkills();
    text = CsvText(skills);
    EXPECT_NE(std::string::npos, text.find("\r\n1,\"炎,氷\",\"\"\"強い\"\"一撃、\"\"\"\"二重\"\"\",0,0,"));
    EXPECT_NE(std::string::npos, text.find(",999.99,")) << "the sort number with two decimals";
    VECTOR_CLASS<cSkill> back(4);
    ASSERT_EQ(1, Import(back, text));
    for (int k = 1; k <= 3; ++k)
        for (const cCsvColumn& c : SkillCsvColumns)
            EXPECT_EQ(FormatCsvCell(c, c.Field(const_cast<cSkill&>(skills[k]))), FormatCsvCell(c, c.Field(back[k])))
                << k << " " << c.strName;
    EXPECT_EQ(0u, boxes.Count()) << boxes.Texts()[0];
    EXPECT_EQ(0, back[0].nPrice) << "skill 0 is never touched";
}

// Each refusal names its reason and leaves every skill as it was.
TEST_F(CsvRulesTest, ARefusedFileChangesNoSkill) {
    const VECTOR_CLASS<cSkill> sample = SampleSkills();
    const std::string good = CsvText(sample);
    const std::string lastRowKind = "No.,スキル名_d\r\n1,a\r\n2,b\r\n3,c\r\nデータタイプ\r\n";
    const struct {
        const char* what;
        std::string text;
        const char* kind;
        std::string message;
    } refusals[] = {
        {"the file of the first list read into the second", good, "スキル02", kCsvBadKindText},
        {"an empty line after the data", good + "\r\n", kKind, kCsvBadNumberText},
        {"a middle line deleted", WithoutLine(good, 10), kKind, kCsvBadNumberText},
        {"the last line deleted", WithoutLine(good, 11), kKind,
         "不正なファイルです。データ数が一致しません。（csvファイルのデータ 2個 ≠ ゲームのデータ 3個）"},
        {"データタイプ on the last row", lastRowKind, kKind, kCsvBadKindText},
        {"no header", "データタイプ\r\nスキル01\r\n1,a\r\n", kKind, kCsvNoHeaderText},
    };
    for (const auto& r : refusals) {
        VECTOR_CLASS<cSkill> skills(4);
        const VECTOR_CLASS<cSkill> before = skills;
        boxes.Reset();
        EXPECT_EQ(0, Import(skills, r.text, r.kind)) << r.what;
        ASSERT_EQ(1u, boxes.Count()) << r.what;
        EXPECT_EQ(r.message, boxes.Calls()[0].text) << r.what;
        EXPECT_EQ("エラー", boxes.Calls()[0].caption) << r.what;
        EXPECT_TRUE(SameSkills(before, skills)) << r.what;
    }
}

// Cells as a spreadsheet leaves them: full-width digits, trailing words,
// values out of range (each with its message), texts too long.
TEST_F(CsvRulesTest, CellsAreConvertedAndKeptInRange) {
    const struct {
        const char* column;
        const char* cell;
        const char* stored;   // the field written back as a cell
        const char* message;  // "" for none
    } cases[] = {
        {"値段_d", "１２", "12", ""},
        {"効果値_d", "－５", "-5", ""},
        {"値段_d", "12abc", "12", ""},
        {"値段_d", " +7", "7", ""},
        {"値段_d", "99999999999", "999999",
         "「名」の「値段_d」が定められた範囲にありません。値は「999999」になります。"},
        {"効果値_d", "-99999999999999999999999", "-999999",
         "「名」の「効果値_d」が定められた範囲にありません。値は「-999999」になります。"},
        {"拡大率(%)_d", "", "1", "「名」の「拡大率(%)_d」が定められた範囲にありません。値は「1」になります。"},
        {"透明度_d", "300", "255", "「名」の「透明度_d」が定められた範囲にありません。値は「255」になります。"},
        {"透明度_d", "-1", "0", "「名」の「透明度_d」が定められた範囲にありません。値は「0」になります。"},
        {"ソート番号_d", "１２．５", "12.50", ""},
        {"ソート番号_d", "1e2", "100.00", ""},
        {"ソート番号_d", "nan", "0.00", ""},
        {"ソート番号_d", "inf", "0.00", ""},
        {"ソート番号_d", "0x1p3", "0.00", ""},
        {"ソート番号_d", "1000", "999.99",
         "「名」の「ソート番号_d」が定められた範囲にありません。値は「999.990000」になります。"},
        {"スキル名_d", "一二三四五六七八九十", "一二三四五六七八",
         "「名」の「スキル名_d」の文字数がオーバーしています。値は「一二三四五六七八」になります。"},
        {"スキル名_d", "#P12.火の玉を放つぞ！", "#P12.火の玉を放つぞ",
         "「名」の「スキル名_d」の文字数がオーバーしています。値は「#P12.火の玉を放つぞ」になります。"},
        // Digits after a full stop join the code only while they are in the text.
        {"スキル名_d", "#P.........25", "#P......",
         "「名」の「スキル名_d」の文字数がオーバーしています。値は「#P......」になります。"},
        {"スキル名_d", "#P1.........25", "#P1........",
         "「名」の「スキル名_d」の文字数がオーバーしています。値は「#P1........」になります。"},
    };
    for (const auto& c : cases) {
        const cCsvColumn& column = Column(c.column);
        cSkill skill;
        std::string shown;
        const int adjusted = StoreCsvCell(column, c.cell, column.Field(skill), &shown);
        EXPECT_EQ(c.stored, FormatCsvCell(column, column.Field(skill))) << c.column << " " << c.cell;
        EXPECT_EQ(c.message, adjusted ? CsvAdjustedText(column, "名", shown) : std::string()) << c.cell;
        EXPECT_EQ(0, StoreCsvCell(column, c.stored, column.Field(skill), &shown)) << c.cell << ": taken as exported";
    }
    EXPECT_EQ(9223372036854775807LL / 10, ReadCsvInteger("99999999999999999999999")) << "saturates";
}

// The import shows one box per adjusted value, names the skill as it is
// named at that moment, and skips only the cells a short line lacks.
TEST_F(CsvRulesTest, TheImportReportsEachAdjustedValue) {
    std::string text =
        "データタイプ\r\nスキル01\r\nNo.,値段_d,スキル名_d,透明度_d,知らない列,Memo\r\n"
        "1,5,新しい名前,300,x,memo\r\n"
        "2,6\r\n"
        "3,7,三,8\r\n";
    VECTOR_CLASS<cSkill> skills(4);
    skills[2].strName = "二";
    skills[2].byAlpha = 40;
    ASSERT_EQ(1, Import(skills, text));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("「新しい名前」の「透明度_d」が定められた範囲にありません。値は「255」になります。",
              boxes.Calls()[0].text);
    EXPECT_EQ("", boxes.Calls()[0].caption) << "the system's own caption";
    EXPECT_EQ(6, skills[2].nPrice);
    EXPECT_EQ("二", skills[2].strName) << "a short line keeps what it lacks";
    EXPECT_EQ(40, skills[2].byAlpha);
    EXPECT_EQ("三", skills[3].strName) << "and the next line still gives it";
    EXPECT_EQ(8, skills[3].byAlpha);
}

// Every value of 999 skills out of range: one box, however many there are.
TEST_F(CsvRulesTest, ManyAdjustedValuesShowOneBox) {
    std::string text = "データタイプ\r\nスキル01\r\nNo.,値段_d,スキル名_d,透明度_d\r\n";
    for (int k = 1; k <= 999; ++k)
        text += std::to_string(k) + ",-" + std::to_string(k) + ",名" + std::to_string(k) + ",300\r\n";
    VECTOR_CLASS<cSkill> skills(1000);
    ASSERT_EQ(1, Import(skills, text));
    ASSERT_EQ(1u, boxes.Count());
    const cBoxCall& box = boxes.Calls()[0];
    EXPECT_EQ("", box.caption);
    std::string expected = "CSVファイルの値のうち1998個を修正しました。\n";
    for (int k = 1; k <= kCsvAdjustedShown; ++k)
        expected += "\n「」の「値段_d」が定められた範囲にありません。値は「0」になります。";
    expected += "\n…ほか1988個";
    EXPECT_EQ(expected, box.text);
    EXPECT_EQ(255, skills[999].byAlpha) << "every value is stored all the same";
    EXPECT_EQ("名999", skills[999].strName);

    // Two name their count and both values; one is told as it always was.
    const struct {
        int count;
        const char* text;
    } few[] = {
        {2,
         "CSVファイルの値のうち2個を修正しました。\n\n「a」の「透明度_d」が定められた範囲にありません。値は「255」"
         "になります。\n「b」の「透明度_d」が定められた範囲にありません。値は「255」になります。"},
        {1, "「a」の「透明度_d」が定められた範囲にありません。値は「255」になります。"},
    };
    for (const auto& f : few) {
        std::string lines = "データタイプ\r\nスキル01\r\nNo.,スキル名_d,透明度_d\r\n1,a,300\r\n2,b,";
        lines += f.count == 2 ? "300\r\n" : "3\r\n";
        VECTOR_CLASS<cSkill> two(3);
        boxes.Reset();
        ASSERT_EQ(1, Import(two, lines));
        ASSERT_EQ(1u, boxes.Count()) << f.count;
        EXPECT_EQ(f.text, boxes.Calls()[0].text) << f.count;
    }
}

// A file larger than any skill list needs is refused before it is read; a
// table that does not fit in memory fails the read; the table stays as it was.
TEST_F(CsvRulesTest, AFileTooLargeOrWithoutMemoryIsNotRead) {
    ScratchFolder folder("skill_csv_large");
    ASSERT_TRUE(MakeSparseFile("large.csv", 256ull << 20));
    ASSERT_TRUE(WriteFileBytes("small.csv", "a,b\r\nc\r\n"));
    CsvTable table;
    ParseCsvText("kept\r\n", &table);
    const CsvTable before = table;
    int failure = -1;
    EXPECT_EQ(0, ReadCsvFile("large.csv", &table, kSkillCsvFileMax, &failure));
    EXPECT_EQ(FILE_READ_TOO_LARGE, failure);
    EXPECT_EQ(before, table);
    EXPECT_EQ(0, ReadCsvFile("small.csv", &table, 7, &failure)) << "the limit is the caller's";
    EXPECT_EQ(FILE_READ_TOO_LARGE, failure);

    // No memory for the file's bytes, or for the rows they are split into.
    static int s_fault;
    for (int fault : {FILE_FAULT_MEMORY, FILE_FAULT_PARSE}) {
        s_fault = fault;
        FileFaultHook old = SetFileFaultHook([](int step) { return step == s_fault ? 1 : 0; });
        failure = -1;
        const int read = ReadCsvFile("small.csv", &table, kSkillCsvFileMax, &failure);
        SetFileFaultHook(old);
        EXPECT_EQ(0, read) << fault;
        EXPECT_EQ(FILE_READ_NO_MEMORY, failure) << fault;
        EXPECT_EQ(before, table) << fault;
    }

    ASSERT_EQ(1, ReadCsvFile("small.csv", &table, 8));
    EXPECT_EQ(3u, table.size()) << "rows are appended";
    // The widest file an export of a full list writes leaves ten times its size to spare.
    VECTOR_CLASS<cSkill> full(1000);
    for (cSkill& skill : full) {
        skill.strName = std::string(8, '"');
        skill.strHelp = std::string(38, '"');
        for (const cCsvColumn& c : SkillCsvColumns) SetNumber(c, skill, c.dMin < 0 ? c.dMin : c.dMax);
    }
    EXPECT_LT(CsvText(full).size() * 10, kSkillCsvFileMax);
}

// A text with a line break would split its line: nothing is built.
TEST_F(CsvRulesTest, ATextWithALineBreakIsNotExported) {
    VECTOR_CLASS<cSkill> skills(3);
    skills[2].strName = "二行";
    skills[2].strHelp = "一行目\r\n二行目";
    CsvTable table;
    EXPECT_EQ(0, BuildSkillCsvTable(&table, skills, SkillCsvColumns, kKind));
    EXPECT_TRUE(table.empty());
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ(0u, boxes.Calls()[0].text.find("スキル2「二行」の「説明_d」に改行が含まれています。"));
}

// Fields and blanks as a spreadsheet writes them, and bytes no spreadsheet writes.
TEST_F(CsvRulesTest, LinesSplitIntoTrimmedCells) {
    const struct {
        std::string text;
        std::vector<std::vector<std::string>> rows;
    } cases[] = {
        {"a,b,\r\n\r\n", {{"a", "b", ""}, {""}}},
        {"\"x,\"\"y\"\"\"z ,last", {{"x,\"y\"z", "last"}}},
        {"\"open,\nnext", {{"open,"}, {"next"}}},
        {"　 pad　 ,  ｱ  \r\n", {{"pad", "ｱ"}}},
        {"ａ@,ａ　", {{"ａ@", "ａ"}}},
        {"\x82", {{"\x82"}}},
        {"a,\x82", {{"a", "\x82"}}},
        {"end,", {{"end", ""}}},
    };
    for (const auto& c : cases) {
        CsvTable table;
        ParseCsvText(c.text, &table);
        ASSERT_EQ(c.rows.size(), table.size()) << c.text;
        for (size_t r = 0; r < table.size(); ++r)
            EXPECT_EQ(c.rows[r], std::vector<std::string>(table[r].begin(), table[r].end())) << c.text;
    }
    EXPECT_EQ("1\x82", NormalizeFullWidthNumber("１\x82")) << "a lone lead byte stays";
    EXPECT_EQ("ab", CutTextChars("ab\x82", 2));
}

// A write that fails leaves no file and says so; the file read back is the file written.
TEST_F(CsvRulesTest, WritingAndReadingTheFile) {
    ScratchFolder folder("skill_csv");
    CsvTable table;
    ParseCsvText("a,\"b,c\"\r\n\r\n", &table);
    ASSERT_EQ(1, WriteCsvFile("out.csv", table));
    EXPECT_EQ("a,\"b,c\"\r\n\r\n", ReadFileBytes("out.csv"));
    CsvTable back;
    ASSERT_EQ(1, ReadCsvFile("out.csv", &back, kSkillCsvFileMax));
    EXPECT_EQ(table, back);
    EXPECT_EQ(0, ReadCsvFile("missing.csv", &back, kSkillCsvFileMax));

    FileFaultHook old = SetFileFaultHook([](int step) { return step == FILE_FAULT_WRITE ? 1 : 0; });
    EXPECT_EQ(0, WriteCsvFile("full.csv", table));
    SetFileFaultHook(old);
    EXPECT_FALSE(FileExists("full.csv"));
    EXPECT_FALSE(FileExists("full.csv.tmp"));
    EXPECT_EQ(0, WriteCsvFile("no folder\\x.csv", table));
}

// A skill list keeps the entries the page binds, whatever a file held.
TEST(SkillListRules, ShapeRowsAndLostCategories) {
    cSkillList list;
    list.vScene.resize(4);
    list.vCmd.clear();
    list.vLearnMenu.resize(5);
    list.vScene[1] = 0;
    ShapeSkillList(list);
    EXPECT_EQ(11u, list.vScene.size());
    EXPECT_EQ(0, list.vScene[1]) << "what the list held stays";
    EXPECT_EQ(1, list.vScene[10]);
    ASSERT_EQ(7u, list.vCmd.size());
    EXPECT_EQ("戻る", list.vCmd[6].Label);
    EXPECT_EQ(2u, list.vLearnMenu.size());

    VECTOR_CLASS<cCompatiType> types(3);
    types[2].strName = "炎";
    cInfl infl;
    infl.nTarget = 2;
    infl.nStat = 2;
    infl.nOperator = 3;
    infl.nValue = 150;
    EXPECT_EQ("炎 に対して ダメージ × 150", FormatInflRow(infl, types));
    infl.nTarget = 7;
    EXPECT_EQ("（存在しないタイプ 7） に対して ダメージ × 150", FormatInflRow(infl, types));
    cSkill skill;
    skill.strName = "技1";
    EXPECT_EQ("？-技1", FormatSkillRow(skill, VECTOR_CLASS<cCateg>())) << "as the action dialogs show it";
}

// What the skill page enables, clears and derives, kind by kind.
TEST(SkillControlRules, OneRowPerKindAndBox) {
    const std::vector<int> effect = kSkillEffectCtrls;
    const std::vector<int> usage = {1036, 1038, 1041, 1042, 1043};
    const std::vector<int> links = {1054, 1052, 1050, 1047};
    const std::vector<int> subA(kSubAEditIds, kSubAEditIds + 9), subB(kSubBEditIds, kSubBEditIds + 9);
    auto join = [](std::initializer_list<std::vector<int>> groups) {
        std::vector<int> ids;
        for (const auto& g : groups) ids.insert(ids.end(), g.begin(), g.end());
        return ids;
    };
    struct Row {
        const char* what;
        SKILL_RULE_INPUT in;  // kind, resource type, 1037, 1050, 1051, 1052, 1054, 1055
        std::vector<int> on, off, cleared;
        int target;
    };
    const std::vector<int> mapUsage = {1036, 1038};
    const Row rows[] = {
        {"防具",
         {9, 0, 1, 1, 1, 1, 1, 0},
         {1088, 1162, 1302},
         join({{1092, 1152, 1154, 1037, 1102, 1090, 1140, 1137, 1303, 1045, 1051, 1165}, usage, effect, subB}),
         join({usage, links, {1051}}),
         0},
        {"時間",
         {4, 0, 0, 0, 0, 0, 0, 1},
         join({{1041, 1043, 1140, 1620, 1165}, subB}),
         join({{1036, 1038, 1042, 1090, 1088, 1162, 1137, 1046, 1139}, subA, links}),
         join({{1036, 1038, 1042, 1302}, links}),
         2},
        {"回復",
         {2, 1, 1, 0, 0, 0, 1, 0},
         join({usage, {1037, 1139, 1046}}),
         {1154, 1152, 1090, 1054},
         {1054, 1302},
         0},
        {"物理攻撃, SP",
         {0, 0, 1, 1, 1, 1, 0, 0},
         {1152, 1090, 1054, 1041},
         join({{1154, 1037, 1036, 1038, 1088, 1140}, effect}),
         join({mapUsage, {1302}}),
         1},
        {"魔法攻撃, uses",
         {1, 1, 0, 0, 0, 0, 1, 0},
         join({{1154, 1037, 1088, 1140}, effect}),
         {1152, 1090},
         join({mapUsage, {1302}}),
         1},
        {"物理武器",
         {7, 0, 0, 0, 1, 0, 0, 0},
         join({effect, {1090, 1088, 1140, 1137, 1302}, subA}),
         join({{1162, 1303}, subB, usage}),
         join({usage, links, {1051}}),
         0},
        {"補助", {5, 0, 0, 0, 0, 0, 0, 0}, {1088, 1140}, {1620, 1090, 1054, 1139, 1046}, join({mapUsage, {1302}}), 0},
        {"地形", {6, 0, 0, 0, 0, 0, 0, 0}, {1140}, join({{1090, 1088}, subA}), join({mapUsage, links, {1302}}), 3},
        {"a kind no table names",
         {12, 5, 0, 0, 0, 0, 0, 0},
         {1046, 1620, 1102, 1092},
         {1139, 1090, 1036},
         join({mapUsage, {1302}}),
         -1},
    };
    for (const Row& row : rows) {
        const SKILL_RULE_RESULT result = ApplySkillRules(row.in);
        auto state = [&](int id) -> const SKILL_CTRL_STATE* {
            for (const SKILL_CTRL_STATE& c : result.controls)
                if (c.id == id) return &c;
            return nullptr;
        };
        for (int id : row.on) EXPECT_TRUE(state(id) && state(id)->enabled) << row.what << ": " << id << " on";
        for (int id : row.off) EXPECT_TRUE(state(id) && !state(id)->enabled) << row.what << ": " << id << " off";
        for (int id : row.cleared) EXPECT_TRUE(state(id) && state(id)->cleared) << row.what << ": " << id << " cleared";
        for (const SKILL_CTRL_STATE& c : result.controls) {
            if (!c.cleared) continue;
            EXPECT_NE(row.cleared.end(), std::find(row.cleared.begin(), row.cleared.end(), c.id))
                << row.what << ": " << c.id << " cleared too";
        }
        EXPECT_EQ(row.target, result.target) << row.what;
        EXPECT_EQ(nullptr, state(IDC_SKILL_TARGET)) << "the target combo is never enabled";
    }
    // The sort number follows its box whatever the kind.
    SKILL_RULE_INPUT in = {0, 0, 0, 0, 0, 0, 0, 1};
    EXPECT_EQ(1, [&] {
        for (const SKILL_CTRL_STATE& c : ApplySkillRules(in).controls)
            if (c.id == 1165) return c.enabled;
        return -1;
    }());
}
