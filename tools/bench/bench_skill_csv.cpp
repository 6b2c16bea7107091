// BenchSkillCsv [skills]: the CSV export and import of one skill list of 1
// to 999 skills (as many as a list holds; 999 by default) as the skill page
// runs them, beside one plain write and one plain read of the same bytes.
// The files are written into a new temporary folder, removed afterwards.
// Exits 0 only when every file was written and read, the import took every
// value back unchanged and showed no message.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/file.h"
#include "base/platform.h"
#include "database/skills/skill_csv.h"
#include "tools/bench/bench_timing.h"
#include "tools/bench/scratch_folder.h"

namespace {

const char kPath[] = "bench_skill.csv";
const char kPlainPath[] = "bench_skill_plain.csv";
const char kKind[] = "スキル01";
const int kMaxSkills = 999;  // the most a skill list holds

int g_nMessages = 0;

// Skills with every column holding a value of its own width, each within its
// column's range for every count offered.
VECTOR_CLASS<cSkill> MakeSkills(int count) {
    VECTOR_CLASS<cSkill> skills(static_cast<size_t>(count) + 1);
    for (int k = 1; k <= count; ++k) {
        cSkill& s = skills[k];
        s.strName = "ファイア" + std::to_string(k % 100);
        s.strHelp = "敵一体に炎のダメージを与える。\"強\"、弱点なら二倍";
        s.nPrice = 1000 + k;
        s.nSp = k % 999;
        s.dLearnRateSense = 1.5;
        s.dSortNo = k / 10.0;
        s.nEffect = -k * 37;
        for (int i = 0; i < 9; ++i) s.nSubA[i] = s.nSubB[i] = k * (i + 1);
        s.byAlpha = static_cast<unsigned char>(k % 256);
    }
    return skills;
}

}  // namespace

int main(int argc, char** argv) {
    char* end = nullptr;
    const long wanted = argc > 1 ? std::strtol(argv[1], &end, 10) : kMaxSkills;
    if (argc > 2 || (argc > 1 && (*end || end == argv[1])) || wanted < 1 || wanted > kMaxSkills) {
        std::fprintf(stderr, "usage: BenchSkillCsv [skills]  (1 to %d, default %d)\n", kMaxSkills, kMaxSkills);
        return 2;
    }
    const int count = static_cast<int>(wanted);
    const cScratchFolder scratch("bench_skill_csv");
    if (!scratch.Enter()) {
        std::printf("cannot make a temporary folder\n");
        return 1;
    }
    // A message is a refusal or an adjusted value: either is a failure here.
    SetMessageBoxSink([](HWND, const char* text, const char*, unsigned) {
        std::printf("message: %s\n", text);
        ++g_nMessages;
        return 1;
    });
    BuildSkillCsvColumns();
    const VECTOR_CLASS<cSkill> skills = MakeSkills(count);

    int ok = 1;
    const double exportTime = Best(5, [&] {
        FileDelete(kPath);
        CsvTable table;
        ok &= BuildSkillCsvTable(&table, skills, SkillCsvColumns, kKind);
        ok &= WriteCsvFile(kPath, table);
    });
    std::string bytes;
    ok &= FileReadAll(kPath, &bytes);
    VECTOR_CLASS<cSkill> imported;
    const double importTime = Best(5, [&] {
        imported.assign(skills.size(), cSkill());
        CsvTable table;
        ok &= ReadCsvFile(kPath, &table, kSkillCsvFileMax);
        ok &= ImportSkillCsvTable(imported, table, SkillCsvColumns, kKind);
    });
    const double plainWrite = Best(5, [&] {
        HANDLE file;
        if (!FileCreate(&file, kPlainPath)) return void(ok = 0);
        ok &= FileWrite(file, bytes.data(), static_cast<unsigned>(bytes.size()));
        ok &= FileClose(&file);
    });
    std::string read;
    const double plainRead = Best(5, [&] { ok &= FileReadAll(kPlainPath, &read); });
    for (int k = 1; k <= count; ++k) ok &= imported[k].Compare(skills[k]);

    const double size = static_cast<double>(bytes.size());
    std::printf("skill CSV: %d skills, %.0f KB, best of 5\n", count, size / 1e3);
    std::printf("%-34s %9s %9s\n", "", "ms", "MB/s");
    std::printf("%-34s %9.2f %9.1f\n", "export (table and write)", exportTime * 1e3, size / exportTime / 1e6);
    std::printf("%-34s %9.2f %9.1f\n", "plain write of the bytes", plainWrite * 1e3, size / plainWrite / 1e6);
    std::printf("%-34s %9.2f %9.1f\n", "import (read and convert)", importTime * 1e3, size / importTime / 1e6);
    std::printf("%-34s %9.2f %9.1f\n", "plain read of the bytes", plainRead * 1e3, size / plainRead / 1e6);
    if (!ok) std::printf("a file could not be written or read, or the import differs\n");
    if (g_nMessages) std::printf("%d messages shown\n", g_nMessages);
    return ok && !g_nMessages ? 0 : 1;
}
