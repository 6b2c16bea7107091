// Opening the stage the editor showed last, at start-up.
#pragma once

// The last stage of the editor settings: 1 when it loaded and is open; 0
// with no stage open (none stored, or it failed to load: the stage is then
// reset to its defaults).
int OpenLastStage();
