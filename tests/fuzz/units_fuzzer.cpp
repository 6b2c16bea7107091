// Arbitrary bytes as "Class.dat", "Land.dat", "data\MoveAITemplate.dat" and
// "data\GValInfo.dat", and as lists of placed enemies and position groups,
// against a small database. A load either fails and leaves the list as it
// was, or succeeds, and then saving, loading and saving again gives the same
// bytes.
#include <cstdint>
#include <string>

#include "model/class.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/placement.h"
#include "tests/fuzz/fuzz_options.h"
#include "tests/fuzz/list_fuzz.h"
#include "tests/fuzz/units_database.h"
#include "tests/support/seams.h"

namespace {

void FuzzGValInfo() {
    VECTOR_CLASS<cGValInfo> names(2);
    if (!LoadGValInfoFrom(names, FuzzOpenInput())) {
        FuzzCheck(names.size() == 2);
        return;
    }
    FuzzCheck(names.size() == GVALINFO_COUNT);
}

}  // namespace

// The largest seed, a list of movement-AI templates, is well under 1 KB.
ORR_FUZZ_OPTIONS(1024)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScopedMainWindow mainWindow;  // index errors are recorded, not acted on
    static const int built = (BuildUnitsDatabase(), 1);
    (void)built;
    SetFuzzInput(data, size);
    FuzzList<cClass>();
    FuzzList<cLand>();
    FuzzList<cMoveAITemplate>();
    FuzzList<cPutEnemy>();
    FuzzList<cGroupPos>();
    FuzzGValInfo();
    FuzzCheck(ScopedMainWindow::Actions().empty());
    return 0;
}
