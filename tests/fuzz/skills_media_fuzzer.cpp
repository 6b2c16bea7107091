// Arbitrary bytes as "Skill.dat", as the media files and as "System.dat". A
// load either fails and leaves the target as it was, or succeeds, and then
// saving, loading and saving again gives the same bytes.
#include <cstdint>
#include <string>

#include "model/media_database.h"
#include "model/skill.h"
#include "model/system.h"
#include "tests/fuzz/list_fuzz.h"

namespace {

void FuzzSystem() {
    static const cSystem fresh;
    cSystem system;
    if (!FuzzLoadRecord(system, fresh)) return;
    // What the pages index is there after every load.
    FuzzCheck(system.Texts.size() >= SYSTEM_TEXT_COUNT && system.ParamInfo.size() >= SYSTEM_PARAM_COUNT &&
              system.IniKeys.size() >= SYSTEM_INI_COUNT);
    for (int m = 0; m < SYSTEM_MENU_COUNT; ++m)
        FuzzCheck(system.Menu(m).size() >= static_cast<size_t>(DefaultMenuSize(m)));
    FuzzRecordStable(system);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScopedMainWindow mainWindow;  // index errors are recorded, not acted on
    if (!WriteFileBytes(FuzzInputPath().c_str(), std::string(reinterpret_cast<const char*>(data), size))) return 0;
    FuzzList<cSkillList>();
    FuzzList<cCompatiType>();
    FuzzList<cPtVal>();
    FuzzList<cCharaAnimPat>();
    FuzzList<cEffectAnimPat>();
    FuzzList<cEdBack>();
    FuzzList<cEdBgm>();
    FuzzList<cEdHelp>();
    FuzzSystem();
    return 0;
}
