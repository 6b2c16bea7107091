// Arbitrary bytes as "Class.dat", "Land.dat", "Friend.dat", "Enemy.dat",
// "data\MoveAITemplate.dat" and "data\GValInfo.dat", and as lists of placed
// enemies and position groups, against a small database. A load either fails
// and leaves the list as it was, or succeeds, and then saving, loading and
// saving again gives the same bytes.
#include <cstdint>
#include <string>

#include "model/chara.h"
#include "model/class.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/placement.h"
#include "tests/fuzz/list_fuzz.h"

namespace {

cStageBounds Stage() { return {12, 9, 3}; }

// Three skill lists, one of each slot kind the characters lay out; three
// classes; five enemies; a stage of three position groups.
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

void FuzzGValInfo() {
    VECTOR_CLASS<cGValInfo> names(2);
    if (!LoadGValInfoFile(names, FuzzInputPath())) {
        FuzzCheck(names.size() == 2);
        return;
    }
    FuzzCheck(names.size() == GVALINFO_COUNT);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScopedMainWindow mainWindow;  // index errors are recorded, not acted on
    static const int built = (BuildDatabase(), 1);
    (void)built;
    if (!WriteFileBytes(FuzzInputPath().c_str(), std::string(reinterpret_cast<const char*>(data), size))) return 0;
    FuzzList<cClass>();
    FuzzList<cLand>();
    FuzzList<cFriend>();
    FuzzList<cEnemy>();
    FuzzList<cMoveAITemplate>();
    FuzzList<cPutEnemy>();
    FuzzList<cGroupPos>();
    FuzzGValInfo();
    FuzzCheck(ScopedMainWindow::Actions().empty());
    return 0;
}
