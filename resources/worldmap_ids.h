// Ids of the world-map editor's resources (worldmap.rc).
#pragma once

#define IDD_WORLDMAP 152
