// Media records and the media database with its nine files.
#include "base/report.h"
#include "tests/model/records.h"

namespace {

Bytes& Ints(Bytes& b, std::initializer_list<int> values) {
    for (int v : values) b.I32(v);
    return b;
}

// The nine media files of a new project, as the default columns of the media
// records' field lists give them.
std::vector<std::pair<const char*, std::string>> NewMediaFiles() {
    auto list = [](int count, const std::string& record) {
        std::string records;
        for (int i = 0; i < count; ++i) records += record;
        return ListFile(270, count, records);
    };
    return {
        {"CompatiType.dat", list(2, Bytes().Str("").U32(0))},
        {"PartyVal.dat", list(2, Ints(Bytes().Str("").Str(""), {0, 0, 0, 0, 0, 0}))},
        {"CharaAnim.dat", list(2, Ints(Bytes().Str("").I16(0).U32(1), {0, 1, 0, 0, 0, 0}))},
        {"EffectAnim.dat", list(2, Ints(Bytes().Str("").I16(0).U32(1), {0, 1, 0, 0, 0}))},
        {"Picture.dat", list(2, Bytes().Str("").I32(0).Str(""))},
        {"Back.dat", list(2, Ints(Bytes().Str(""), {0, 0, 0}).Str("").U8(0).U8(0).U8(0).F64(0).F64(0))},
        {"Sound.dat", list(2, Bytes().Str("").I32(0).Str(""))},
        {"Bgm.dat", list(2, Bytes().Str("").I32(0).Str("").I32(0))},
        {"Help.dat", list(1, Bytes().Str("").Str("").U32(1).Str(""))},
    };
}

class MediaTest : public RecordsTest {};

template <class T>
T ReadRecord(int version, const std::string& bytes) {
    T record;
    EXPECT_TRUE(ReadAs(record, version, bytes)) << version;
    return record;
}

// Each record kind at both sides of every version that changed its layout.
TEST_F(MediaTest, RecordLayoutsOfEveryVersionThatChangedThem) {
    const Bytes chara = Bytes().Str("a").I16(3).U32(1).I32(4).I32(5).I32(1);  // one frame
    const std::string charaMoved = Bytes(chara).I32(-6).I32(7), charaNow = Bytes(chara).I32(-6).I32(7).I32(1);
    EXPECT_EQ(ReadRecord<cCharaAnimPat>(27, chara).vAnim[0].nMoveX, 0);
    cCharaAnimPat c = ReadRecord<cCharaAnimPat>(28, charaMoved);
    EXPECT_EQ(c.vAnim[0].nMoveX, -6);
    EXPECT_EQ(c.vAnim[0].bInstant, 0);
    EXPECT_EQ(ReadRecord<cCharaAnimPat>(119, charaMoved).vAnim[0].nMoveY, 7);
    c = ReadRecord<cCharaAnimPat>(120, charaNow);
    EXPECT_EQ(c.vAnim[0].bInstant, 1);
    EXPECT_EQ(c.nGraphic, 3);
    EXPECT_EQ(Saved(c), charaNow);

    const Bytes effect = Bytes().Str("e").I16(2).U32(1).I32(4).I32(5);
    const std::string effectMoved = Bytes(effect).I32(6).I32(7);
    cEffectAnimPat e = ReadRecord<cEffectAnimPat>(28, effect);
    EXPECT_EQ(e.vAnim[0].nTime, 5);
    EXPECT_EQ(e.vAnim[0].bInstant, 1);
    for (int v : {29, 200}) {
        e = ReadRecord<cEffectAnimPat>(v, effectMoved);
        EXPECT_EQ(e.vAnim[0].nMoveY, 7);
        EXPECT_EQ(e.vAnim[0].bInstant, 1);
    }
    EXPECT_EQ(ReadRecord<cEffectAnimPat>(201, Bytes(effect).I32(6).I32(7).I32(0)).vAnim[0].bInstant, 0);

    const Bytes gold = Bytes().Str("gold").Str("G").I32(1).I32(0).I32(99).I32(1);
    cPtVal p = ReadRecord<cPtVal>(30, Bytes(gold).I32(6));
    EXPECT_EQ(p.ShowInSave, 0);
    EXPECT_EQ(p.Extra, 6);
    p = ReadRecord<cPtVal>(31, Bytes(gold).I32(1).I32(6));
    EXPECT_EQ(p.ShowInSave, 1);
    EXPECT_EQ(p.Unit, "G");

    const Bytes song = Bytes().Str("song").I32(1).Str("bgm\\a.ogg");
    EXPECT_EQ(ReadRecord<cEdBgm>(99, song).nVolume, 0);
    const cEdBgm m = ReadRecord<cEdBgm>(100, Bytes(song).I32(80));
    EXPECT_EQ(m.nVolume, 80);
    EXPECT_EQ(m.strPath, "bgm\\a.ogg");

    const std::string sky = Bytes().Str("sky").I32(2).I32(16).I32(24).Str("p").U8(1).U8(2).U8(3).F64(0.5).F64(-1);
    cEdBack b = ReadRecord<cEdBack>(0, sky);
    EXPECT_EQ(b.byColorB, 3);
    EXPECT_EQ(b.dScrollY, -1.0);
    EXPECT_EQ(b.nChipHeight, 24);
    EXPECT_EQ(Saved(b), sky);
}

// What a page's new record holds; a new database's records, which the
// constructors make, are pinned with its files.
TEST_F(MediaTest, PagesResetToTheirDefaults) {
    cPtVal p;
    p.Name = "x";
    p.SetDefault();
    EXPECT_TRUE(p.Name.empty());
    EXPECT_EQ(p.CommonVar, 1);
    EXPECT_EQ(p.Max, 999999);
    cEdBack b;
    b.SetDefault();
    EXPECT_EQ(b.nChipWidth * b.nChipHeight, 32 * 32);
    cEdSound s;
    s.SetDefault();
    EXPECT_EQ(s.bSameAsFileName, 1);
    cEdBgm m;
    m.SetDefault();
    EXPECT_EQ(m.bSameAsFileName, 1);
    EXPECT_EQ(m.nVolume, 100);
    cInfl i;
    i.nTarget = 7;
    i.SetDefault();
    EXPECT_EQ(i.nTarget, 1);
}

TEST_F(MediaTest, CompatiTypeDropsInfluencesOnTypesThatDoNotExist) {
    g_Database.CompatiTypes.resize(5);
    cCompatiType t;
    for (int target : {0, 4, 5, -1, 2}) {
        t.vInfl.emplace_back();
        t.vInfl.back().nTarget = target;
    }
    cCompatiType back = RoundTrip(t);
    std::vector<int> kept;
    for (const cInfl& i : back.vInfl) kept.push_back(i.nTarget);
    EXPECT_EQ(kept, (std::vector<int>{0, 4, 2}));
}

class MediaFilesTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        FolderCreate("data");
        FolderCreate("data\\database");
        ReportOpen("Report_Editor.txt");
    }
    // Writes the nine files of `db` with each record list's file at `version`.
    void WriteAll(cDatabase& db) { ASSERT_TRUE(SaveMediaDatabase(db)); }
    ScratchFolder m_folder{"media_files"};
};

// The one pin of a new project's media database.
TEST_F(MediaFilesTest, NewDatabaseIsTheNewProjectsFiles) {
    cDatabase fresh;
    WriteAll(fresh);
    for (const auto& file : NewMediaFiles())
        EXPECT_EQ(Hex(file.second), Hex(ReadFileBytes(("data\\database\\" + std::string(file.first)).c_str())))
            << file.first;
}

TEST_F(MediaFilesTest, InfluencesAreClampedByTheLoadedTypeCount) {
    // Five types, more than the global database holds while the file is read;
    // the last one's influences name types 4, 5 and 3.
    std::string records;
    for (int i = 0; i < 4; ++i) records += Bytes().Str("").U32(0).str();
    Bytes five = Bytes().Str("five").U32(3);
    for (int target : {4, 5, 3}) five.I32(target).I32(0).I32(0).I32(0);
    records += five.str();
    cDatabase db;
    WriteAll(db);
    ASSERT_TRUE(WriteFileBytes(g_PathTable.CompatiType, ListFile(DATA_VERSION, 5, records)));
    ASSERT_TRUE(LoadMediaDatabase(g_Database));
    ASSERT_EQ(g_Database.CompatiTypes.size(), 5u);
    std::vector<int> kept;
    for (const cInfl& i : g_Database.CompatiTypes[4].vInfl) kept.push_back(i.nTarget);
    EXPECT_EQ(kept, (std::vector<int>{4, 3}));
}

TEST_F(MediaFilesTest, HelpPagesComeOnlyWithBgmFilesOfVersion212) {
    cDatabase db;
    db.Helps[0].strTitle = "new";
    WriteAll(db);
    for (int version : {211, 212}) {
        SCOPED_TRACE(version);
        const std::string bgm = ReadFileBytes(g_PathTable.Bgm);
        std::string old = Bytes().U32(static_cast<uint32_t>(version)).str() + bgm.substr(4);
        ASSERT_TRUE(WriteFileBytes(g_PathTable.Bgm, old));
        cDatabase loaded;
        ASSERT_TRUE(LoadMediaDatabase(loaded));
        EXPECT_EQ(loaded.Helps[0].strTitle, version >= 212 ? "new" : "");
        ASSERT_TRUE(WriteFileBytes(g_PathTable.Bgm, bgm));
    }
}

TEST_F(MediaFilesTest, LoadStopsAtTheFirstMissingFileNamingIt) {
    cDatabase db;
    db.PtVals.resize(4);
    db.Sounds.resize(6);
    WriteAll(db);
    ASSERT_TRUE(FileDelete(g_PathTable.Picture));
    cDatabase loaded;
    loaded.Pictures.resize(7);
    EXPECT_FALSE(LoadMediaDatabase(loaded));
    EXPECT_EQ(loaded.PtVals.size(), 4u);    // read before the failure
    EXPECT_EQ(loaded.Pictures.size(), 7u);  // untouched
    EXPECT_EQ(loaded.Sounds.size(), 2u);    // never reached
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_NE(m_boxes.Calls()[0].text.find("data\\database\\Picture.dat"), std::string::npos);
    EXPECT_EQ(m_boxes.Calls()[0].caption, "エラー");
}

TEST_F(MediaFilesTest, SaveWritesEveryFileItCanAndNamesTheOneItCouldNot) {
    cDatabase db;
    WriteAll(db);
    // A folder where Back.dat belongs cannot be replaced by a file.
    ASSERT_TRUE(FileDelete(g_PathTable.Back));
    ASSERT_TRUE(FolderCreate(g_PathTable.Back));
    db.Sounds.resize(5);
    db.Helps.resize(2);
    std::string failed;
    EXPECT_FALSE(SaveMediaDatabase(db, &failed));
    EXPECT_EQ(failed, g_PathTable.Back);
    EXPECT_NE(ReadFileBytes("Report_Editor.txt").find("Back.dat"), std::string::npos);
    // Every file after it was still written.
    VECTOR_CLASS<cEdSound> sounds;
    ASSERT_TRUE(LoadRecordList(sounds, g_PathTable.Sound));
    EXPECT_EQ(sounds.size(), 5u);
    VECTOR_CLASS<cEdHelp> helps;
    ASSERT_TRUE(LoadRecordList(helps, g_PathTable.Help));
    EXPECT_EQ(helps.size(), 2u);
}

TEST_F(MediaFilesTest, SkillClassesAreClampedOnLoadAndSave) {
    g_SkillLists.resize(1);
    g_SkillLists[0].vSkill[1].nClass = 5;
    g_ClassList.resize(3);
    cDatabase db;
    WriteAll(db);
    EXPECT_EQ(g_SkillLists[0].vSkill[1].nClass, 0);
    g_SkillLists[0].vSkill[1].nClass = 3;
    ASSERT_TRUE(LoadMediaDatabase(db));
    EXPECT_EQ(g_SkillLists[0].vSkill[1].nClass, 0);
    g_ClassList.clear();
}

}  // namespace
