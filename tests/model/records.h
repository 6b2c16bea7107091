// Shared by the record tests: a record read from and written to the field
// bytes of a data file of a given version, and a fixture that gives every
// test the global lists of a new project.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/editor_settings.h"
#include "base/paths.h"
#include "base/serial.h"
#include "model/ai.h"
#include "model/chara.h"
#include "model/class.h"
#include "model/fixup_inputs.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/media_database.h"
#include "model/placement.h"
#include "model/random_names.h"
#include "model/skill.h"
#include "model/stage.h"
#include "model/system.h"
#include "model/worldmap.h"
#include "tests/support/bytes.h"
#include "tests/support/seams.h"

// Reads `record` through its Load from `bytes` (the fields after the version
// word) as a file of `version` holds them; true when the load agreed and took
// every byte.
inline bool ReadAs(cSerial& record, int version, const std::string& bytes) {
    g_nFileVersion = static_cast<uint32_t>(version);
    HANDLE file = FileOpenMemory(bytes.data(), bytes.size());
    const int loaded = record.Load(file);
    const bool whole = !FileFailed(file) && FileBytesLeft(file) == 0;
    FileClose(&file);
    return loaded && whole;
}

// The same for a record list: the count, then the records.
template <class T>
bool ReadListAs(VECTOR_CLASS<T>& list, int version, const std::string& bytes) {
    g_nFileVersion = static_cast<uint32_t>(version);
    HANDLE file = FileOpenMemory(bytes.data(), bytes.size());
    ReadRecordVector(list, file);
    const bool whole = !FileFailed(file) && FileBytesLeft(file) == 0;
    FileClose(&file);
    return whole;
}

// The bytes `record`'s Save writes (without a version word).
inline std::string Saved(cSerial& record) {
    HANDLE file = FileCreateMemory();
    record.Save(file);
    std::string bytes = FileMemoryBytes(file);
    FileClose(&file);
    return bytes;
}

// Written and read back: the record as the save repairs it.
template <class T>
T RoundTrip(T& record) {
    T back;
    back.Clear();
    EXPECT_TRUE(ReadAs(back, DATA_VERSION, Saved(record)));
    return back;
}

// Equal bytes, or where the first difference lies.
inline ::testing::AssertionResult SameBytes(const std::string& expected, const std::string& actual) {
    if (expected == actual) return ::testing::AssertionSuccess();
    size_t i = 0;
    while (i < expected.size() && i < actual.size() && expected[i] == actual[i]) ++i;
    const size_t from = i < 8 ? 0 : i - 8;
    return ::testing::AssertionFailure() << "sizes " << expected.size() << " and " << actual.size()
                                         << ", first difference at byte " << i << ": expected ..."
                                         << Hex(expected.substr(from, 24)) << " got ..."
                                         << Hex(actual.substr(from, 24));
}

// A record-list file image: version word, count, then the records' bytes.
inline std::string ListFile(int version, int count, const std::string& records) {
    return Bytes().U32(static_cast<uint32_t>(version)).U32(static_cast<uint32_t>(count)).Append(records);
}

// The labels of a menu, in order.
inline std::vector<std::string> Labels(const VECTOR_CLASS<cCmd>& menu) {
    std::vector<std::string> labels;
    for (const cCmd& c : menu) labels.push_back(c.Label);
    return labels;
}

inline cLearnSkill Learn(int list, int skill, int level) {
    cLearnSkill s;
    s.SkillList = list;
    s.Skill = skill;
    s.Level = level;
    return s;
}

// The stage the placement records and movement-AI rules see while alive,
// with the project's lists as they are when it is made.
class ScopedStage {
public:
    ScopedStage(int width, int height, int groups) : m_inputs(ProjectFixupInputs()), m_scope(&m_inputs) {
        m_inputs.Stage = {width, height, groups};
    }

private:
    cFixupInputs m_inputs;
    cFixupScope m_scope;
};

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

// Every test starts from a new project: the system and media defaults, no
// other list, a new stage and world map, and rand() seeded alike.
class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override { NewProject(); }
    void TearDown() override { NewProject(); }
    static void NewProject() {
        g_nDataVersion = DATA_VERSION;
        g_bFileTooNew = 0;
        g_System.SetDefault();
        g_Database.SetDefault();
        g_SkillLists.clear();
        g_ClassList.clear();
        g_LandList.clear();
        g_FriendList.clear();
        g_EnemyList.clear();
        g_MoveAITemplates.clear();
        g_GValInfo.clear();
        g_RandomNames.clear();
        g_Stage.SetDefault();
        g_WorldMap.SetDefault();
        g_EditConfig.UndoDepth = 3;
        std::srand(1);
    }

    // A skill list of `slotType` with `categories` categories (rate 1.0) and
    // `skills` skills (skill 0 the placeholder), no reserve.
    static cSkillList& AddSkillList(int slotType, int categories, int skills) {
        g_SkillLists.emplace_back();
        cSkillList& list = g_SkillLists.back();
        list.nSlotType = slotType;
        list.nSpare1 = 3;  // open slots of type 1
        list.bReserve = 0;
        list.vCateg.resize(static_cast<size_t>(categories));
        list.vSkill.resize(static_cast<size_t>(skills));
        for (size_t s = 0; s < list.vSkill.size(); ++s) list.vSkill[s].nNo = static_cast<int>(s);
        return list;
    }
    // Classes 0 .. count-1 with the class defaults, sized to the database.
    static void AddClasses(int count) {
        for (int i = 0; i < count; ++i) g_ClassList.emplace_back();
    }

    ScopedMainWindow m_mainWindow;
    ScopedBoxes m_boxes;
};

// A new project whose lists are as long as ProjectSizes says.
class SizedRecordsTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        ApplySizes(ProjectSizes());
    }
};
