// The default database the sample-project tool writes: byte for byte what a
// new project's files hold, and it opens as the defaults.
#include "base/editor_settings.h"
#include "tests/model/records_support.h"
#include "tests/model/system_image.h"
#include "tools/sample/sample_database.h"

namespace {

Bytes& Ints(Bytes& b, std::initializer_list<int> values) {
    for (int v : values) b.I32(v);
    return b;
}
Bytes& Repeat(Bytes& b, int count, int value) {
    for (int i = 0; i < count; ++i) b.I32(value);
    return b;
}
Bytes& Doubles(Bytes& b, std::initializer_list<double> values) {
    for (double v : values) b.F64(v);
    return b;
}
Bytes& Menu(Bytes& b, const std::vector<std::string>& labels) {
    b.U32(static_cast<uint32_t>(labels.size()));
    for (const std::string& label : labels) b.Str(label).I32(1);
    return b;
}

// "System.dat" of a new project, field by field (numbers as the field list of
// the system record counts them).
std::string NewSystemFile() {
    Bytes b;
    b.U32(270);
    Ints(b, {0, 0, 0}).F64(0.0);                  // 1-4
    Ints(b, {1, 0, 0}).F64(0.0);                  // 5-8
    Ints(b, {1, 1, 0, 0, 0, 0, 0, 0, 0, 0});      // 9-18
    for (int i = 0; i < 9; ++i) b.F64(0.0);       // 19
    Repeat(b, 9, 100).I32(0);                     // 20, 21
    Doubles(b, {0.0, 0.0, 0.0});                  // 22-24
    Repeat(b, 2 + 15, 0);                         // 25-41
    Ints(b, {0, 27, 600, 500, 100, 100, 1, 10});  // 42-47
    Ints(b, {0, 1, 1, 10, 10, 99, 99});           // 48-51
    Doubles(b, {3.3, 2.7}).I32(1);                // 52, 53
    Doubles(b, {4.0, 2.0, 1.0, 1.0});             // 54-57
    Ints(b, {90, 110, 50, 1, 1, 999, 0, 0, 1});   // 58-66
    Repeat(b, 9, 10).I32(0);                      // 67, 68
    b.U8(0).U8(0).U8(0).I16(0).I16(0).I16(0);     // 69-74
    b.Str("").U32(18);                            // 75, 76
    for (int i = 0; i < 18; ++i) b.Str("");
    Repeat(b.U32(5), 5, 0).U32(5);                // 77, 78
    for (int i = 0; i < 5; ++i) b.U8(1);
    Repeat(b.I32(1).U32(4), 4, 1);                // 79, 80
    Ints(b, {0, 0, 0}).U32(55);                   // 82-85
    for (const std::string& text : NewProjectTexts()) b.Str(text);
    const struct {
        const char* name;
        int digits, limit;
    } kParams[] = {{"HP", 3, 999},   {"SP", 3, 999},   {"攻撃", 3, 999}, {"守備", 3, 999},
                   {"魔力", 3, 999}, {"抵抗", 3, 999}, {"技能", 3, 999}, {"反応", 3, 999},
                   {"敏捷", 3, 999}, {"LV", 2, 99},    {"EX", 2, 99},    {"移動力", 1, 8}};
    b.U32(12);                                    // 86
    for (const auto& p : kParams) b.Str(p.name).I32(1).I32(p.digits).I32(p.limit);
    b.I32(1);                                     // 87
    for (const auto& labels : NewProjectMenus()) Menu(b, labels);  // 88-103
    b.U32(2).I32(0).Str("").I32(0).Str("");       // 104
    b.U32(1).I32(0).Str("").F64(1.0);             // 105
    b.U32(0).I32(1);                              // 106, 107
    const std::pair<const char*, int> kKeys[] = {{"WindowMode", 2}, {"Color", 0},   {"VSync", 2},
                                                 {"FrameRate", 60}, {"ShowFps", 2}, {"English", 0},
                                                 {"Midi_DirectMusic", 1}};
    b.U32(7);                                     // 108
    for (const auto& k : kKeys) b.I32(0).Str(k.first).I32(k.second).Str("");
    return b;
}

// A default skill whose own position is `no`.
Bytes& NewSkill(Bytes& b, int no) {
    Ints(b, {0, no, 0, 0, 99, 0, 0, 50, 0, 1, 0, 1, 0, 0, 0});  // 1-15
    Ints(b, {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100, 0, 0});   // 16-30
    Ints(b, {100, 0, 0, 0});                                    // 31-34
    Repeat(b, 9 + 1 + 9 + 1 + 2 + 1, 0).F64(0.0);               // 35-42
    Ints(b, {0, 1, 1, 1, 200}).U8(255).I16(0).I16(0).I16(0);    // 43-51
    Ints(b, {0, 0}).F64(0.0);                                   // 52-54
    Ints(b, {0, 0, 0}).F64(0.0);                                // 55-58
    Ints(b, {0, 0, 0}).Str("").Str("").I32(1).Str("");          // 59-65
    return b;
}

// "Skill.dat" of a new project: one default skill list.
std::string NewSkillFile() {
    Bytes b;
    b.U32(270).U32(1);
    Ints(b.I32(0).Str(""), {1, 200, 1, 200, 1, 0, 0}).Str("センス");  // 1-10
    Ints(b, {0, 1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 1});                   // 11-22
    b.U32(1).I32(1).I32(1).I32(0).U32(0);                            // slots
    b.U32(1).I32(0).Str("").F64(1.0);                                // categories
    Repeat(b.U32(11), 11, 1);                                        // scenes
    Menu(b, {"覚える", "リザーブ", "装備", "復元", "売る", "忘れる", "戻る"});
    Menu(b, {"習得する", "やっぱりやめる"});
    Menu(b, {"売る", "やっぱりやめる"});
    Menu(b, {"忘れる", "やっぱりやめる"});
    NewSkill(NewSkill(b.U32(2), 0), 1);
    return b;
}

// The nine media files of a new project: each list's records as built.
std::vector<std::pair<const char*, std::string>> NewMediaFiles() {
    auto list = [](int count, const std::string& record) {
        std::string records;
        for (int i = 0; i < count; ++i) records += record;
        return ListFile(270, count, records);
    };
    return {
        {"CompatiType.dat", list(2, Bytes().Str("").U32(0))},
        {"PartyVal.dat", list(2, Repeat(Bytes().Str("").Str(""), 6, 0))},
        {"CharaAnim.dat", list(2, Ints(Bytes().Str("").I16(0).U32(1), {0, 1, 0, 0, 0, 0}))},
        {"EffectAnim.dat", list(2, Ints(Bytes().Str("").I16(0).U32(1), {0, 1, 0, 0, 0}))},
        {"Picture.dat", list(2, Bytes().Str("").I32(0).Str(""))},
        {"Back.dat", list(2, Ints(Bytes().Str(""), {0, 0, 0}).Str("").U8(0).U8(0).U8(0).F64(0).F64(0))},
        {"Sound.dat", list(2, Bytes().Str("").I32(0).Str(""))},
        {"Bgm.dat", list(2, Bytes().Str("").I32(0).Str("").I32(0))},
        {"Help.dat", list(1, Bytes().Str("").Str("").U32(1).Str(""))},
    };
}

// Equal, or the first byte where they part.
::testing::AssertionResult SameBytes(const std::string& want, const std::string& got) {
    size_t i = 0;
    while (i < want.size() && i < got.size() && want[i] == got[i]) ++i;
    if (i == want.size() && i == got.size()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "sizes " << want.size() << " / " << got.size()
                                         << ", first difference at byte " << i << ": want "
                                         << Hex(want.substr(i, 16)) << ", got " << Hex(got.substr(i, 16));
}

class SampleDatabaseTest : public RecordsTest {
protected:
    ScratchFolder m_folder{"sample_database"};
};

TEST_F(SampleDatabaseTest, DefaultFilesHoldExactlyTheNewProjectsBytes) {
    ASSERT_TRUE(FolderCreate("default"));
    ASSERT_TRUE(FolderCreate("default\\database"));
    ASSERT_TRUE(WriteDefaultDatabase("."));
    EXPECT_TRUE(SameBytes(NewSystemFile(), ReadFileBytes("default\\database\\System.dat")));
    EXPECT_TRUE(SameBytes(NewSkillFile(), ReadFileBytes("default\\database\\Skill.dat")));
    for (const auto& file : NewMediaFiles()) {
        SCOPED_TRACE(file.first);
        EXPECT_TRUE(SameBytes(file.second, ReadFileBytes(("default\\database\\" + std::string(file.first)).c_str())));
    }
    // The test-play settings as a new project starts with them.
    cTestPlay testPlay;
    ASSERT_TRUE(testPlay.SaveFile("Testplay.dat"));
    EXPECT_TRUE(SameBytes(Ints(Bytes().U32(270).I32(1).Str(""), {0, 0, 0, 0, 2}), ReadFileBytes("Testplay.dat")));
}

TEST_F(SampleDatabaseTest, DefaultDataLoadsAsTheDefaults) {
    ASSERT_TRUE(FolderCreate("default"));
    ASSERT_TRUE(FolderCreate("default\\database"));
    ASSERT_TRUE(WriteDefaultDatabase("."));
    // What the editor does on its first start in a new project.
    ASSERT_TRUE(FolderCopy(nullptr, "default", "data"));

    VECTOR_CLASS<cSkillList> lists;
    ASSERT_TRUE(LoadSkillFile(lists, g_PathTable.Skill));
    VECTOR_CLASS<cSkillList> fresh(1);
    RenumberSkillLists(fresh);
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_TRUE(lists[0].Compare(fresh[0]));

    cSystem system;
    system.Clear();
    ASSERT_TRUE(system.LoadFile(g_PathTable.System));
    EXPECT_TRUE(system.Compare(cSystem()));

    cDatabase media;
    media.Clear();
    ASSERT_TRUE(LoadMediaDatabase(media));
    EXPECT_TRUE(media.Compare(cDatabase()));
}

}  // namespace
