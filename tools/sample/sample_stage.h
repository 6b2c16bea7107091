// The stage files, palettes, start event and world map of a new project.
#pragma once

#include <string>

// Writes into "<root>\default\": the template stage "stg\Default.stg2", a
// small sample stage "stg\Sample.stg2", the event palette "EventPlt.dat" and
// its default "plt\default.plt", the action palette "EventActionPlt.dat", and
// "database\StartEvent.dat" and "database\WorldMap.dat". Record indices are
// fitted to the default database already in "<root>\default\database\". 1,
// or 0 when a file could not be written (named on stderr).
int WriteDefaultStages(const std::string& root);
