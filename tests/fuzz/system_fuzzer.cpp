// Arbitrary bytes as "System.dat". A load either fails and leaves the record
// as it was, or succeeds with every table the pages index, and then saving,
// loading and saving again gives the same bytes.
#include <cstdint>

#include "model/system.h"
#include "tests/fuzz/fuzz_options.h"
#include "tests/fuzz/list_fuzz.h"
#include "tests/support/seams.h"

// Room for the largest seed, a "System.dat" of about 4 KB.
ORR_FUZZ_OPTIONS(4200)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScopedMainWindow mainWindow;  // index errors are recorded, not acted on
    static const cSystem fresh;
    ScopedMainWindow::Actions().clear();
    SetFuzzInput(data, size);
    cSystem system;
    if (!FuzzLoadRecord(system, fresh)) return 0;
    FuzzCheck(system.Texts.size() >= SYSTEM_TEXT_COUNT && system.ParamInfo.size() >= SYSTEM_PARAM_COUNT &&
              system.IniKeys.size() >= SYSTEM_INI_COUNT);
    for (int m = 0; m < SYSTEM_MENU_COUNT; ++m)
        FuzzCheck(system.Menu(m).size() >= static_cast<size_t>(DefaultMenuSize(m)));
    FuzzRecordStable(system);
    return 0;
}
