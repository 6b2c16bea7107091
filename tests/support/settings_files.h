// Editor-settings files of every layout, built byte by byte.
#pragma once

#include <string>

#include "tests/support/bytes.h"

// An EditConfig.dat of `version` with the last stage `lastStage`; every
// field holds a value of its own so that a misplaced one shows. Window i is
// (1, 10 i, 20, 300, 200, i).
inline std::string EditConfigFile(uint32_t version, const std::string& lastStage) {
    Bytes b;
    b.U32(version).Str(lastStage).I32(2);  // last stage, edit layer
    if (version < 74) b.I32(-74).I32(-74);
    b.I32(5);                              // undo depth
    b.I32(0).I32(1).I32(0).I32(1).I32(0);  // the five palette options
    if (version < 77) b.I32(-77);
    b.I32(0).Str("game.exe").Str("data\\stg\\Base.stg").Str("spare");
    if (version >= 26) b.I32(26);
    for (int i = 0; i < 7; ++i) b.I32(1).I32(10 * i).I32(20).I32(300).I32(200).I32(i);
    return b;
}

// A Testplay.dat of `version` (the game-program fields from 221 on).
inline std::string TestPlayFile(uint32_t version) {
    Bytes b;
    b.U32(version);
    if (version >= 221) b.I32(0).Str("game.exe");
    b.I32(1).I32(1).I32(2).I32(3).I32(0);
    return b;
}
