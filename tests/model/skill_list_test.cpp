// Skill lists and their parts: defaults, layouts of old files, migrations,
// the fix-ups at list boundaries, and the skill-list file.
#include "tests/model/records.h"

namespace {

Bytes& Cmd(Bytes& b, const char* label, int enabled) { return b.Str(label).I32(enabled); }

Bytes& Menu(Bytes& b, std::initializer_list<const char*> labels) {
    b.U32(static_cast<uint32_t>(labels.size()));
    for (const char* label : labels) Cmd(b, label, 0);
    return b;
}

struct ListImage {
    std::vector<const char*> commands = {"c0", "c1", "c2", "c3", "c4", "c5", "c6"};
    std::vector<int> scenes = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    int categories = 2;
    std::vector<int> slotConds = {0, 1};
    std::vector<std::string> skills;  // each a skill's field bytes

    // A skill list as a file of `v` stores it; ints hold their field number.
    std::string Bytes_(int v) const {
        Bytes b;
        b.I32(1).Str("list").I32(0).I32(4).I32(5).I32(6).I32(7).I32(8).I32(9).Str("word");
        if (v >= 70) b.I32(11);
        if (v >= 7) b.I32(12);
        if (v >= 6) b.I32(13);
        if (v >= 82) b.I32(14);
        b.I32(15);
        if (v >= 19) b.I32(16).I32(17);
        if (v >= 41) b.I32(0).I32(0);
        b.I32(20).I32(21).I32(22);
        // one slot
        b.U32(1).I32(0).I32(0).I32(7).U32(static_cast<uint32_t>(slotConds.size()));
        for (int c : slotConds) b.I32(c);
        b.U32(static_cast<uint32_t>(categories));
        for (int i = 0; i < categories; ++i) {
            b.I32(i).Str("categ");
            if (v >= 70) b.F64(0.25);
        }
        b.U32(static_cast<uint32_t>(scenes.size()));
        for (int s : scenes) b.I32(s);
        b.U32(static_cast<uint32_t>(commands.size()));
        for (const char* c : commands) Cmd(b, c, 0);
        Menu(b, {"learn", "no"});
        if (v >= 56) Menu(b, {"sell", "no"});
        Menu(b, {"forget", "no"});
        b.U32(static_cast<uint32_t>(skills.size()));
        for (const std::string& s : skills) b.Append(s);
        return b;
    }
};

Bytes& Ints(Bytes& b, std::initializer_list<int> values) {
    for (int v : values) b.I32(v);
    return b;
}
Bytes& Repeat(Bytes& b, int count, int value) {
    for (int i = 0; i < count; ++i) b.I32(value);
    return b;
}
Bytes& NewMenu(Bytes& b, const std::vector<std::string>& labels) {
    b.U32(static_cast<uint32_t>(labels.size()));
    for (const std::string& label : labels) b.Str(label).I32(1);
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

// The fields of a new project's skill list, as the default columns of the
// list's and the skill's field lists give them.
std::string NewListFields() {
    Bytes b;
    Ints(b.I32(0).Str(""), {1, 200, 1, 200, 1, 0, 0}).Str("センス");  // 1-10
    Ints(b, {0, 1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 1});                    // 11-22
    b.U32(1).I32(1).I32(1).I32(0).U32(0);                             // slots
    b.U32(1).I32(0).Str("").F64(1.0);                                 // categories
    Repeat(b.U32(11), 11, 1);                                         // scenes
    NewMenu(b, {"覚える", "リザーブ", "装備", "復元", "売る", "忘れる", "戻る"});
    NewMenu(b, {"習得する", "やっぱりやめる"});
    NewMenu(b, {"売る", "やっぱりやめる"});
    NewMenu(b, {"忘れる", "やっぱりやめる"});
    NewSkill(NewSkill(b.U32(2), 0), 1);
    return b;
}

using Strings = std::vector<std::string>;

class SkillListTest : public RecordsTest {};

// The one pin of a new project's skill list and its two skills.
TEST_F(SkillListTest, NewListIsTheNewProjectsList) {
    VECTOR_CLASS<cSkillList> fresh(1);
    RenumberSkillLists(fresh);
    EXPECT_EQ(Hex(NewListFields()), Hex(Saved(fresh[0])));
}

TEST_F(SkillListTest, OlderLayoutsAreReadAndMigrated) {
    struct Case {
        int version;
        int f8;            // both F8 flags after the load
        int sixthCommand;  // index of the old "c5" after the load
        bool sceneShift;
        const char* sell;  // first label of the sell menu
        double rate;
    };
    const Case kCases[] = {
        {5, 1, 4, true, "売る", 1.0},     {6, 1, 4, true, "売る", 1.0},
        {19, 1, 4, true, "売る", 1.0},    {40, 1, 4, true, "売る", 1.0},
        {41, 0, 4, true, "売る", 1.0},    {55, 0, 4, true, "売る", 1.0},
        {56, 0, 5, true, "sell", 1.0},    {70, 0, 5, true, "sell", 1.0},
        {76, 0, 5, true, "sell", 1.0},    {77, 0, 5, false, "sell", 1.0},
        {82, 0, 5, false, "sell", 1.0},   {121, 0, 5, false, "sell", 1.0},
        {122, 0, 5, false, "sell", 0.25}, {DATA_VERSION, 0, 5, false, "sell", 0.25},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.version);
        ListImage image;
        image.scenes = c.sceneShift ? std::vector<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19}
                                    : std::vector<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
        cSkillList list;
        ASSERT_TRUE(ReadAs(list, c.version, image.Bytes_(c.version)));
        const cSkillList d;
        EXPECT_EQ(list.nNo, 1);
        EXPECT_EQ(list.strSense, "word");
        EXPECT_EQ(list.nSpare2, c.version >= 70 ? 11 : d.nSpare2);
        EXPECT_EQ(list.bMultiLearn, c.version >= 7 ? 12 : 1);
        EXPECT_EQ(list.bRestoreUse, c.version >= 6 ? 13 : 1);
        EXPECT_EQ(list.bStockCondSame, c.version >= 82 ? 14 : 1);
        EXPECT_EQ(list.nTradeVal, 15);
        EXPECT_EQ(list.bForgetOnDeath, c.version >= 19 ? 16 : 0);
        EXPECT_EQ(list.bTestLearnAll, c.f8);
        EXPECT_EQ(list.bTestGetAll, c.f8);
        EXPECT_EQ(list.bConfirmForget, 22);
        ASSERT_EQ(list.vSlot.size(), 1u);
        EXPECT_EQ(list.vSlot[0].nSymbol, 7);
        ASSERT_EQ(list.vCmd.size(), static_cast<size_t>(c.sixthCommand + 2));
        EXPECT_EQ(list.vCmd[c.sixthCommand].Label, "c5");
        if (c.sceneShift)
            EXPECT_EQ(list.vScene, (VECTOR_CLASS<int>{10, 11, 1, 12, 13, 14, 15, 16, 17, 18, 19}));
        else
            EXPECT_EQ(list.vScene, (VECTOR_CLASS<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
        EXPECT_EQ(list.vSellMenu[0].Label, c.sell);
        EXPECT_EQ(list.vCateg[1].dRate, c.rate);
    }
}

TEST_F(SkillListTest, OldMenusWithFiveOrFewerCommandsKeepThemAll) {
    ListImage image;
    image.commands = {"a", "b", "c", "d"};
    cSkillList list;
    ASSERT_TRUE(ReadAs(list, 55, image.Bytes_(55)));
    EXPECT_EQ(Labels(list.vCmd), (Strings{"a", "b", "c", "d"}));
    image.commands = {"a", "b", "c", "d", "e"};
    ASSERT_TRUE(ReadAs(list, 55, image.Bytes_(55)));
    EXPECT_EQ(Labels(list.vCmd), (Strings{"a", "b", "c", "d"}));
}

TEST_F(SkillListTest, FixupKeepsReferencesInsideTheCategoryList) {
    struct Case {
        int categories;
        std::vector<int> conds;
        std::vector<int> kept;
        int skillCateg, wantCateg;
    };
    const Case kCases[] = {
        {2, {0, 5, 1}, {0, 1}, 3, 0},
        {2, {2, -1, 1, 1}, {1, 1}, 1, 1},
        {0, {0, 1}, {}, 0, 0},  // no category at all: nothing indexes the empty list
        {3, {}, {}, -1, 0},
    };
    for (const Case& c : kCases) {
        cSkillList list;
        list.vCateg.resize(c.categories);
        list.vSlot[0].vAcqCond.clear();
        for (int cond : c.conds) {
            list.vSlot[0].vAcqCond.emplace_back();
            list.vSlot[0].vAcqCond.back().nCateg = cond;
        }
        list.vSkill[1].nCateg = c.skillCateg;
        list.vSlot.emplace_back();          // a second slot without conditions
        cSkillList back = RoundTrip(list);  // Save fixes up before writing
        std::vector<int> kept;
        for (const cAcqCond& cond : back.vSlot[0].vAcqCond) kept.push_back(cond.nCateg);
        EXPECT_EQ(kept, c.kept);
        EXPECT_EQ(back.vSkill[1].nCateg, c.wantCateg);
    }
    cSkillList empty;
    empty.vSlot.clear();
    empty.vSkill.clear();
    empty.vCateg.clear();
    empty.Fixup();
    EXPECT_TRUE(empty.vSkill.empty());
}

TEST_F(SkillListTest, ShopSkillFixupAtTheEdgesOfTheLists) {
    // No skill list at all: list 0, skill 1, nothing indexed.
    cShopSkill none;
    EXPECT_EQ(none.SkillList, 0);
    EXPECT_EQ(none.Skill, 1);

    g_SkillLists.resize(2);
    g_SkillLists[1].vSkill.resize(4);
    struct Case {
        int list, skill, wantList, wantSkill;
    };
    const Case kCases[] = {
        {1, 3, 1, 3}, {1, 4, 1, 1}, {2, 3, 0, 1}, {-1, 0, 0, 1}, {0, 1, 0, 1}, {0, 2, 0, 1}, {1, -5, 1, 1},
    };
    for (const Case& c : kCases) {
        cShopSkill s;
        s.SkillList = c.list;
        s.Skill = c.skill;
        s.Fixup(ProjectFixupInputs());
        EXPECT_EQ(s.SkillList, c.wantList) << c.list << "," << c.skill;
        EXPECT_EQ(s.Skill, c.wantSkill) << c.list << "," << c.skill;
    }
    EXPECT_EQ(SkillCount(1), 4);
    EXPECT_EQ(SkillCount(2), 0);
    EXPECT_EQ(SkillCount(-1), 0);
}

TEST_F(SkillListTest, ShopSkillOfOldFilesHoldsOnlyTheSkill) {
    cShopSkill s;
    ASSERT_TRUE(ReadAs(s, 54, Bytes().I32(1)));
    EXPECT_EQ(s.Skill, 1);
    ASSERT_TRUE(ReadAs(s, 55, Bytes().I32(0).I32(1).I32(7).I32(8)));
    EXPECT_EQ(s.Extra2, 8);
}

TEST_F(SkillListTest, SkillFileLoadsAndNumbers) {
    ScratchFolder folder("skill_file");
    FolderCreate("data");
    FolderCreate("data\\database");
    ListImage a, b;
    b.skills = {std::string(), std::string()};
    cSkill skill;
    b.skills[0] = Saved(skill);
    b.skills[1] = Saved(skill);
    ASSERT_TRUE(
        WriteFileBytes(g_PathTable.Skill, ListFile(DATA_VERSION, 2, a.Bytes_(DATA_VERSION) + b.Bytes_(DATA_VERSION))));
    VECTOR_CLASS<cSkillList> lists;
    ASSERT_TRUE(LoadSkillFile(lists, g_PathTable.Skill));
    ASSERT_EQ(lists.size(), 2u);
    EXPECT_EQ(lists[0].nNo, 0);  // the stored 1 is renumbered
    EXPECT_EQ(lists[1].nNo, 1);
    EXPECT_EQ(lists[1].vSkill[1].nNo, 1);

    // A file cut short leaves the lists as they were (the file's round trip
    // is the project-files test's).
    const std::string whole = ReadFileBytes(g_PathTable.Skill);
    ASSERT_TRUE(WriteFileBytes(g_PathTable.Skill, whole.substr(0, whole.size() - 3)));
    EXPECT_FALSE(LoadSkillFile(lists, g_PathTable.Skill));
    EXPECT_EQ(lists.size(), 2u);
}

// The skill rows and learnt skills of characters are read and written in one
// piece. Their Serial is the layout: a list of them, field by field through
// it, is the same bytes both ways; cut anywhere, it fails as it does field by
// field.
template <class T>
std::string WrittenFieldByField(VECTOR_CLASS<T>& list) {
    HANDLE file = FileCreateMemory();
    const uint32_t count = static_cast<uint32_t>(list.size());
    FileWrite(file, &count, 4);
    for (T& record : list) record.Serial(SERIAL_WRITE, nullptr, file, DATA_VERSION);
    std::string bytes = FileMemoryBytes(file);
    FileClose(&file);
    return bytes;
}

template <class T>
void ExpectStoredAsFieldByField(VECTOR_CLASS<T>& list) {
    HANDLE file = FileCreateMemory();
    WriteRecordVector(list, file);
    const std::string bytes = FileMemoryBytes(file);
    FileClose(&file);
    EXPECT_TRUE(SameBytes(WrittenFieldByField(list), bytes));

    VECTOR_CLASS<T> back;
    ASSERT_TRUE(ReadListAs(back, DATA_VERSION, bytes));
    ASSERT_EQ(list.size(), back.size());
    for (size_t i = 0; i < list.size(); ++i) EXPECT_TRUE(back[i].Compare(list[i])) << "record " << i;
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        VECTOR_CLASS<T> part;
        EXPECT_FALSE(ReadListAs(part, DATA_VERSION, bytes.substr(0, cut))) << "cut at " << cut;
    }
}

cAcqSkill SlotEntry(int list, int skill, int uses, int equipped, int allCateg, int symbol,
                    std::initializer_list<int> conds) {
    cAcqSkill entry;
    entry.SkillList = list;
    entry.Skill = skill;
    entry.Uses = uses;
    entry.Equipped = equipped;
    entry.Slot.bAllCateg = allCateg;
    entry.Slot.bShowAllSymbols = !allCateg;
    entry.Slot.nSymbol = symbol;
    for (int c : conds) {
        entry.Slot.vAcqCond.emplace_back();
        entry.Slot.vAcqCond.back().nCateg = c;
    }
    return entry;
}

TEST_F(SkillListTest, SkillRowsAndLearntSkillsAreStoredInOnePieceAsTheirFieldsList) {
    VECTOR_CLASS<cAcqSkill> row = {cAcqSkill(), SlotEntry(1, 2, 3, 1, 0, 4, {5}), SlotEntry(-1, 999, -7, 0, 1, 255, {}),
                                   SlotEntry(15, 998, 0, 1, 0, 9, {0, 7, -1})};
    ExpectStoredAsFieldByField(row);
    VECTOR_CLASS<cLearnSkill> learnt = {cLearnSkill(), Learn(2, 5, 9), Learn(-1, 0, 99)};
    ExpectStoredAsFieldByField(learnt);

    // A condition count the rest of the file cannot hold fails the file, before
    // it asks for room for the conditions (no process has room for the last).
    for (uint32_t conds : {2u, 0xFFFFFFFFu}) {
        VECTOR_CLASS<cAcqSkill> back;
        EXPECT_FALSE(ReadListAs(back, DATA_VERSION,
                                Bytes().U32(1).I32(0).I32(1).I32(0).I32(0).I32(0).I32(0).I32(0).U32(conds).I32(3)))
            << conds;
    }
}

}  // namespace
