// Arbitrary bytes as "Skill.dat", as the media files and as "System.dat". A
// load either fails and leaves the target as it was, or succeeds, and then
// saving, loading and saving again gives the same bytes.
#include <unistd.h>

#include <cstdint>
#include <string>

#include "model/media_database.h"
#include "model/skill.h"
#include "model/system.h"
#include "tests/support/seams.h"

namespace {

const std::string& InputPath() {
    static const std::string path = "fuzz_records1_" + std::to_string(getpid()) + ".dat";
    return path;
}
const std::string& SavedPath() {
    static const std::string path = "fuzz_records1_" + std::to_string(getpid()) + "_saved.dat";
    return path;
}

void Check(bool condition) {
    if (!condition) __builtin_trap();
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

void FuzzSystem() {
    static const cSystem fresh;
    cSystem system;
    system.CopyFrom(fresh);
    if (!system.LoadFile(InputPath().c_str())) {
        Check(system.Compare(fresh) == 1);
        return;
    }
    // What the pages index is there after every load.
    Check(system.Texts.size() >= SYSTEM_TEXT_COUNT && system.ParamInfo.size() >= SYSTEM_PARAM_COUNT &&
          system.IniKeys.size() >= SYSTEM_INI_COUNT);
    for (int m = 0; m < SYSTEM_MENU_COUNT; ++m)
        Check(system.Menu(m).size() >= static_cast<size_t>(DefaultMenuSize(m)));
    Check(system.SaveFile(SavedPath().c_str()) == 1);
    const std::string first = ReadFileBytes(SavedPath().c_str());
    cSystem again;
    Check(again.LoadFile(SavedPath().c_str()) == 1);
    Check(again.SaveFile(SavedPath().c_str()) == 1);
    Check(ReadFileBytes(SavedPath().c_str()) == first);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScopedMainWindow mainWindow;  // index errors are recorded, not acted on
    if (!WriteFileBytes(InputPath().c_str(), std::string(reinterpret_cast<const char*>(data), size))) return 0;
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
