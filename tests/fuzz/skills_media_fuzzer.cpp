// Arbitrary bytes as "Skill.dat", "CompatiType.dat", "PartyVal.dat" and the
// media files. A load either fails and leaves the list as it was, or
// succeeds, and then saving, loading and saving again gives the same bytes.
#include <cstdint>
#include <string>

#include "model/media_database.h"
#include "model/skill.h"
#include "tests/fuzz/fuzz_options.h"
#include "tests/fuzz/list_fuzz.h"
#include "tests/support/seams.h"

// The largest seed, a skill list, is about 2.6 KB.
ORR_FUZZ_OPTIONS(2700)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScopedMainWindow mainWindow;  // index errors are recorded, not acted on
    ScopedMainWindow::Actions().clear();
    SetFuzzInput(data, size);
    FuzzList<cSkillList>();
    FuzzList<cCompatiType>();
    FuzzList<cPtVal>();
    FuzzList<cCharaAnimPat>();
    FuzzList<cEffectAnimPat>();
    FuzzList<cEdBack>();
    FuzzList<cEdBgm>();
    FuzzList<cEdHelp>();
    return 0;
}
