// Shared by the event, stage, world-map and edit-state tests: reading and
// writing one record through memory files, and the project's list sizes
// that the fix-ups clamp against, set per test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "model/chara.h"
#include "model/stage.h"
#include "model/worldmap.h"
#include "model/land.h"
#include "model/media_database.h"
#include "base/paths.h"
#include "base/serial.h"
#include "base/editor_settings.h"
#include "model/skill.h"
#include "tests/support/bytes.h"
#include "tests/support/seams.h"

// Reads `record` from `bytes` as a file of `version` would (the bytes after
// the version word); true when the bytes were whole and the Load agreed.
inline bool ReadAs(cSerial& record, int version, const std::string& bytes) {
    g_nFileVersion = static_cast<uint32_t>(version);
    HANDLE file = FileOpenMemory(bytes.data(), bytes.size());
    const int loaded = record.Load(file);
    const bool whole = !FileFailed(file) && FileBytesLeft(file) == 0;
    FileClose(&file);
    return loaded && whole;
}

// The bytes `record`'s Save writes (without a version word).
inline std::string Saved(cSerial& record) {
    HANDLE file = FileCreateMemory();
    record.Save(file);
    std::string bytes = FileMemoryBytes(file);
    FileClose(&file);
    return bytes;
}

// Equal bytes, or where the first difference lies.
inline ::testing::AssertionResult SameBytes(const std::string& expected,
                                            const std::string& actual) {
    if (expected == actual) return ::testing::AssertionSuccess();
    size_t i = 0;
    while (i < expected.size() && i < actual.size() && expected[i] == actual[i]) ++i;
    const size_t from = i < 8 ? 0 : i - 8;
    return ::testing::AssertionFailure()
           << "sizes " << expected.size() << " and " << actual.size()
           << ", first difference at byte " << i << ": expected ..."
           << Hex(expected.substr(from, 24)) << " got ..." << Hex(actual.substr(from, 24));
}

// Sizes of the lists the fix-ups read; each test states what it needs.
struct ProjectSizes {
    int pictures = 5;
    int sounds = 5;
    int bgms = 5;
    int backs = 5;
    int ptvals = 5;
    int friends = 5;
    int enemies = 5;
    int lands = 5;
    int skillLists = 3;
    int skillsPerList = 4;
    int stageW = 20;
    int stageH = 15;
    int groups = 4;
};

inline void ApplySizes(const ProjectSizes& s) {
    g_Database.Pictures.assign(static_cast<size_t>(s.pictures), cEdPicture());
    g_Database.Sounds.assign(static_cast<size_t>(s.sounds), cEdSound());
    g_Database.Bgms.assign(static_cast<size_t>(s.bgms), cEdBgm());
    g_Database.Backs.assign(static_cast<size_t>(s.backs), cEdBack());
    g_Database.PtVals.assign(static_cast<size_t>(s.ptvals), cPtVal());
    g_FriendList.resize(static_cast<size_t>(s.friends));
    g_EnemyList.resize(static_cast<size_t>(s.enemies));
    g_LandList.resize(static_cast<size_t>(s.lands));
    g_SkillLists.assign(static_cast<size_t>(s.skillLists), cSkillList());
    for (cSkillList& list : g_SkillLists) list.vSkill.resize(static_cast<size_t>(s.skillsPerList));
    g_Stage.SetDefault();
    g_Stage.Resize(s.stageW, s.stageH);
    g_Stage.Groups.resize(static_cast<size_t>(s.groups));
}

// Every test starts from known list sizes and a default stage and world map.
class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_nDataVersion = DATA_VERSION;
        g_bFileTooNew = 0;
        ApplySizes(ProjectSizes());
        g_WorldMap.SetDefault();
        g_EditConfig.UndoDepth = 3;
    }
    void TearDown() override { ApplySizes(ProjectSizes()); }
    ScopedMainWindow m_mainWindow;
};
