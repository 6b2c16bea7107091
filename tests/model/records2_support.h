// Helpers of the character, class, land and AI tests: a small database built
// to order, the stage the placement records repair against, and the fixture
// that gives every test fresh global lists.
#pragma once

#include <cstdlib>

#include "model/ai.h"
#include "model/chara.h"
#include "model/class.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/placement.h"
#include "model/random_names.h"
#include "tests/model/records_support.h"

// The stage the placement records and movement-AI rules see while alive,
// with the project's lists as they are when it is made.
class ScopedStage {
public:
    ScopedStage(int width, int height, int groups)
        : m_inputs(ProjectFixupInputs()), m_scope(&m_inputs) {
        m_inputs.Stage = {width, height, groups};
    }

private:
    cFixupInputs m_inputs;
    cFixupScope m_scope;
};

class Records2Test : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        ClearLists();
        std::srand(1);
    }
    void TearDown() override {
        ClearLists();
        RecordsTest::TearDown();
    }
    static void ClearLists() {
        g_ClassList.clear();
        g_LandList.clear();
        g_FriendList.clear();
        g_EnemyList.clear();
        g_MoveAITemplates.clear();
        g_GValInfo.clear();
        g_RandomNames.clear();
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
};

inline cLearnSkill Learn(int list, int skill, int level) {
    cLearnSkill s;
    s.SkillList = list;
    s.Skill = skill;
    s.Level = level;
    return s;
}

// Reads a record list (count, then the records) from `bytes` as a file of
// `version` holds it; true when exactly every byte was consumed.
template <class T>
bool LoadListFields(VECTOR_CLASS<T>& list, int version, const std::string& bytes) {
    g_nFileVersion = static_cast<uint32_t>(version);
    HANDLE file = FileOpenMemory(bytes.data(), bytes.size());
    ReadRecordVector(list, file);
    const bool exact = !FileFailed(file) && FileBytesLeft(file) == 0;
    FileClose(&file);
    return exact;
}
