// Apply: the fixed set of files written through temporary files, pages that
// were never opened leaving their lists as loaded, the edits of the opened
// pages committed, and a file that cannot be written named while the others
// are written and the sheet stays open.
#include <map>

#include "base/paths.h"
#include "database/sheet/dlg_dbland.h"
#include "database/sheet/dlg_dbsystem.h"
#include "model/class.h"
#include "model/land.h"
#include "model/system.h"
#include "tests/database/sheet/sheet_test_support.h"

namespace {

std::map<std::string, std::string> Snapshot() {
    std::map<std::string, std::string> files;
    for (const std::string& f : DatabaseFiles()) files[f] = FileBytes(f.c_str());
    return files;
}

// The files whose bytes differ, by name.
std::string Changed(const std::map<std::string, std::string>& before, const std::map<std::string, std::string>& after) {
    std::string names;
    for (const auto& file : before)
        if (after.at(file.first) != file.second) names += file.first + " ";
    return names;
}

}  // namespace

TEST_F(SheetTest, PagesNeverOpenedKeepTheirFilesAndApplyTwiceWritesTheSameBytes) {
    const auto loaded = Snapshot();
    const VECTOR_CLASS<cClass> classes = g_ClassList;
    Open();
    Apply();
    // Only the first tab, the classes, was shown: they are numbered by their
    // place, every other list is written as it was loaded.
    EXPECT_EQ(std::string(g_PathTable.Class) + " ", Changed(loaded, Snapshot()));
    VECTOR_CLASS<cClass> saved;
    ASSERT_EQ(1, LoadRecordList(saved, g_PathTable.Class));
    ASSERT_EQ(classes.size(), saved.size());
    for (size_t i = 0; i < saved.size(); ++i) {
        EXPECT_EQ(static_cast<int>(i), saved[i].Id);
        saved[i].Id = classes[i].Id;
        EXPECT_EQ(1, saved[i].Compare(classes[i])) << i;
    }
    // Shown pages store what their controls hold (lands renumbered, values
    // brought into their ranges); a second Apply changes nothing more.
    for (int tab = 0; tab < PROP_DATABASE::PAGE_COUNT; ++tab) Show<DLG_DBPAGE>(tab);
    Apply();
    const auto applied = Snapshot();
    Apply();
    EXPECT_EQ("", Changed(applied, Snapshot()));
    EXPECT_EQ(0u, m_pBoxes->Count());
    EXPECT_EQ(1, PressOk());
    EXPECT_EQ(1, m_nClosed) << "the first page reported the end of the sheet";
}

TEST_F(SheetTest, ApplyCommitsWhatThePagesShow) {
    g_System.HiddenFlag = 1;  // no check box of page 2 shows it
    Open();
    Show<DLG_DBLAND>(PROP_DATABASE::TAB_LAND);
    SelectRows(PROP_DATABASE::TAB_LAND, 1129, {2});
    Type(PROP_DATABASE::TAB_LAND, 1044, "砂漠");
    const int sys1 = PROP_DATABASE::TAB_SYSTEM1;
    Show<DLG_DBSYSTEM>(sys1);
    Type(sys1, 1003, "試作");
    Type(sys1, 1152, "1000000");
    Type(sys1, 1164, "-11");
    EXPECT_NE("試作", g_System.GameName) << "a system page writes nothing before Apply";
    Show<DLG_DBSYSTEM_2>(sys1 + 1);
    Apply();
    EXPECT_EQ(1, g_System.HiddenFlag) << "page 2 keeps the field it does not show";

    cSystem system;
    ASSERT_EQ(1, system.LoadFile(g_PathTable.System));
    EXPECT_EQ("試作", system.GameName);
    EXPECT_EQ(999999, system.RandomGrowthMin) << "clamped to the edit's range";
    EXPECT_EQ(-10, system.GrowthTimingMin);
    VECTOR_CLASS<cLand> lands;
    ASSERT_EQ(1, LoadRecordList(lands, g_PathTable.Land));
    ASSERT_GT(lands.size(), 2u);
    EXPECT_EQ("砂漠", lands[2].Name);
    for (size_t i = 0; i < lands.size(); ++i) EXPECT_EQ(static_cast<int>(i), lands[i].Number) << "renumbered";
    EXPECT_EQ("砂漠", g_LandList[2].Name);
}

TEST_F(SheetTest, AFileThatCannotBeReplacedIsNamedAndOkKeepsTheSheetOpen) {
    const std::string land = FileBytes(g_PathTable.Land);
    const std::string system = FileBytes(g_PathTable.System);
    Open();
    Show<DLG_DBLAND>(PROP_DATABASE::TAB_LAND);
    Type(PROP_DATABASE::TAB_LAND, 1044, "溶岩");
    Show<DLG_DBSYSTEM>(PROP_DATABASE::TAB_SYSTEM1);
    Type(PROP_DATABASE::TAB_SYSTEM1, 1003, "別名");
    // Another program holds Land.dat open: it cannot be replaced.
    HANDLE lock = CreateFileA(g_PathTable.Land, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    EXPECT_EQ(0, PressOk()) << "OK is refused";
    CloseHandle(lock);

    ASSERT_EQ(1u, m_pBoxes->Count());
    const std::string& text = m_pBoxes->Calls()[0].text;
    EXPECT_EQ("エラー", m_pBoxes->Calls()[0].caption);
    EXPECT_NE(std::string::npos, text.find(g_PathTable.Land)) << text;
    EXPECT_EQ(std::string::npos, text.find(g_PathTable.System)) << text;
    EXPECT_EQ(land, FileBytes(g_PathTable.Land)) << "left whole";
    EXPECT_FALSE(FileExists((std::string(g_PathTable.Land) + ".tmp").c_str()));
    EXPECT_NE(system, FileBytes(g_PathTable.System)) << "the other files were written";
    ASSERT_NE(nullptr, m_pSheet);
    EXPECT_EQ(PROP_DATABASE::TAB_SYSTEM1, m_pSheet->GetCurPage()) << "the user stays on the page";
    EXPECT_EQ("溶岩", Text(PROP_DATABASE::TAB_LAND, 1044)) << "the edits are still there";

    EXPECT_EQ(1, PressOk()) << "once the file is free, OK writes it and closes";
    EXPECT_EQ(1u, m_pBoxes->Count());
    VECTOR_CLASS<cLand> lands;
    ASSERT_EQ(1, LoadRecordList(lands, g_PathTable.Land));
    EXPECT_EQ("溶岩", lands[0].Name);
}
