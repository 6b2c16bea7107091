// Skill CSV files as the export writes them: three skills with quoted texts
// and values at their limits, and the same file with columns moved, cut and
// spread as a spreadsheet might save it.
#include "database/skills/skill_csv.h"
#include "tests/fuzz/seeds.h"

ORR_SEEDS(fuzz_skill_csv) {
    BuildSkillCsvColumns();
    VECTOR_CLASS<cSkill> skills(4);
    skills[1].strName = "炎,氷";
    skills[1].strHelp = "\"強い\"一撃";
    skills[2].nPrice = 999999;
    skills[2].dSortNo = 999.99;
    skills[2].byAlpha = 0;
    skills[3].nEffect = -999999;
    skills[3].strName = "#P12.記号";
    CsvTable table;
    BuildSkillCsvTable(&table, skills, SkillCsvColumns, "スキル01");
    const std::string exported = FormatCsvText(table);
    std::string edited =
        "データタイプ,x\n"
        "スキル01,y\n"
        "No.,透明度_d,値段_d,スキル名_d,知らない列\n"
        "1,３００,１２,\"a\"\"b\",z\n"
        "2,-1,12abc\n"
        "3,255,99999999999,　空白　,\n";
    return {exported, edited};
}
