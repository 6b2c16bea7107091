// Arbitrary bytes as "Class.dat", "Land.dat", "Friend.dat", "Enemy.dat",
// "data\MoveAITemplate.dat" and "data\GValInfo.dat", and as lists of placed
// enemies and position groups, against a small database. A load either fails
// and leaves the list as it was, or succeeds, and then saving, loading and
// saving again gives the same bytes.
#include <unistd.h>

#include <cstdint>
#include <string>

#include "model/chara.h"
#include "model/class.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/placement.h"
#include "tests/support/seams.h"

namespace {

const std::string& InputPath() {
    static const std::string path = "fuzz_records2_" + std::to_string(getpid()) + ".dat";
    return path;
}
const std::string& SavedPath() {
    static const std::string path = "fuzz_records2_" + std::to_string(getpid()) + "_saved.dat";
    return path;
}

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

cStageBounds Stage() { return {12, 9, 3}; }

// Two skill lists of every slot kind the characters lay out, three classes.
void BuildDatabase() {
    g_SkillLists.resize(3);
    for (int i = 0; i < 3; ++i) {
        cSkillList& list = g_SkillLists[static_cast<size_t>(i)];
        list.nSlotType = i;
        list.nSpare1 = 3;
        list.nReserveNum = 2;
        list.vCateg.resize(2);
        list.vSkill.resize(4);
        list.vSkill[2].nKind = SKILL_PHYSICAL_WEAPON;
        list.vSkill[3].nKind = SKILL_ARMOUR;
        list.vSkill[3].bSubAPercent = 1;
        list.vSkill[3].nSubA[4] = 30;
    }
    g_ClassList.resize(3);
    g_ClassList[2].MaxLevel = 12;
    g_ClassList[2].OrgSlots[0].OwnSlots = 1;
    g_EnemyList.resize(5);
    SetStageBoundsSource(&Stage);
}

template <class T>
void FuzzList() {
    VECTOR_CLASS<T> list(1);
    const VECTOR_CLASS<T> fresh(1);
    if (!LoadRecordList(list, InputPath())) {
        Check(list.size() == 1 && list[0].Compare(fresh[0]) == 1);
        return;
    }
    Check(SaveRecordList(list, SavedPath()) == 1);
    const std::string first = ReadFileBytes(SavedPath().c_str());
    VECTOR_CLASS<T> again;
    Check(LoadRecordList(again, SavedPath()) == 1);
    Check(again.size() == list.size());
    Check(SaveRecordList(again, SavedPath()) == 1);
    Check(ReadFileBytes(SavedPath().c_str()) == first);
}

void FuzzGValInfo() {
    VECTOR_CLASS<cGValInfo> names(2);
    if (!LoadGValInfoFile(names, InputPath())) {
        Check(names.size() == 2);
        return;
    }
    Check(names.size() == GVALINFO_COUNT);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScopedMainWindow mainWindow;  // index errors are recorded, not acted on
    static const int built = (BuildDatabase(), 1);
    (void)built;
    if (!WriteFileBytes(InputPath().c_str(), std::string(reinterpret_cast<const char*>(data), size))) return 0;
    FuzzList<cClass>();
    FuzzList<cLand>();
    FuzzList<cFriend>();
    FuzzList<cEnemy>();
    FuzzList<cMoveAITemplate>();
    FuzzList<cPutEnemy>();
    FuzzList<cGroupPos>();
    FuzzGValInfo();
    Check(ScopedMainWindow::Actions().empty());
    return 0;
}
