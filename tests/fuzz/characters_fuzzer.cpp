// Arbitrary bytes as "Friend.dat" and "Enemy.dat" against a small database. A
// load either fails and leaves the list as it was, or succeeds (the upkeep
// repairing every reference), and then saving, loading and saving again gives
// the same bytes.
#include <cstdint>

#include "model/chara.h"
#include "tests/fuzz/fuzz_options.h"
#include "tests/fuzz/list_fuzz.h"
#include "tests/fuzz/units_database.h"
#include "tests/support/seams.h"

// The largest seed, a list of allies, is about 1.6 KB.
ORR_FUZZ_OPTIONS(1700)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScopedMainWindow mainWindow;  // index errors are recorded, not acted on
    static const int built = (BuildUnitsDatabase(), 1);
    (void)built;
    SetFuzzInput(data, size);
    FuzzList<cFriend>();
    FuzzList<cEnemy>();
    FuzzCheck(ScopedMainWindow::Actions().empty());
    return 0;
}
