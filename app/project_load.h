// Opening the project: every data file in a fixed order, then the image
// table. Loading stops at the first file that fails, after its message.
#pragma once

// 1 when "data\GValInfo.dat" was read: only then is it written back at the end.
extern int g_bGValInfoLoaded;

// The data files, in the order of the project's file table
// (model/project_files.h). 1 when all loaded; 0 at the first failure (its
// message shown), unless `keepGoing`, which skips failed files.
int LoadProjectFiles(int keepGoing);
// The 38 surfaces of the image table and the four picker sheets built from
// them. A missing or damaged image stops it (0) after the one message of
// the image loader, whatever `keepGoing` says; a missing world-map
// background does not.
int LoadProjectImages(int keepGoing);
void BuildPickerSheets();
// Both, then no stage is open. 1 when every step succeeded.
int LoadProject(int keepGoing);
