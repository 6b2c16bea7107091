#include "app/project_load.h"

#include <cstdio>

#include "app/app.h"
#include "app/stage_edit_state.h"
#include "base/paths.h"
#include "media/image_table.h"
#include "model/event.h"
#include "model/project_files.h"
#include "model/system.h"
#include "model/worldmap.h"

int g_bGValInfoLoaded = 0;

namespace {

// What the editor does between the steps of the project's file table.
void AfterStep(const cProjectFile& file, int ok) {
    if (IsFile(file, g_PathTable.GValInfo)) g_bGValInfoLoaded = ok;
    // The system settings keep the colour key as red, green, blue.
    if (IsFile(file, g_PathTable.System))
        SetTransparentColor(g_System.TransparentColor[2], g_System.TransparentColor[1], g_System.TransparentColor[0],
                            0);
    if (IsFile(file, g_PathTable.EventPlt) && g_bStripCR)
        for (cEvent& e : g_EventPlt) e.FixUp();
}

}  // namespace

int LoadProjectFiles(int keepGoing) {
    g_bGValInfoLoaded = 0;
    return LoadDataFiles(g_Project, keepGoing, &AfterStep);
}

int LoadProjectImages(int) {
    for (int i = 0; i < IMAGE_TABLE_SIZE; ++i) {
        cImageLoadParam& param = g_ImageParam[i];
        if (i == IMG_WORLDBACK) {
            std::snprintf(param.szFileName, sizeof(param.szFileName), "%s", g_WorldMap.BackImage.c_str());
            if (!param.szFileName[0]) {
                g_ImageTable[i].Release();
                continue;
            }
            g_ImageTable[i].LoadImage(&param);  // a missing background is no failure
            continue;
        }
        // The loader names the file and what is wrong with it: one box.
        if (!g_ImageTable[i].LoadImage(&param)) return 0;
    }
    BuildPickerSheets();
    return 1;
}

void BuildPickerSheets() {
    cDib* t = g_ImageTable;
    for (int i = IMG_PICK_CHARA; i <= IMG_PICK_EVENT; ++i) t[i].Fill(RGB(0, 0, 0));
    // Each sheet's tall column is folded in two, side by side.
    for (int k = 0; k < SHEET_COUNT; ++k) {
        t[IMG_PICK_CHARA].Blt(96 * k, 0, 48, 480, &t[IMG_CHARACTER1 + k], 0, 0, 1);
        t[IMG_PICK_CHARA].Blt(96 * k + 48, 0, 48, 480, &t[IMG_CHARACTER1 + k], 0, 480, 1);
        t[IMG_PICK_EFFECT].Blt(128 * k, 0, 64, 512, &t[IMG_EFFECT1 + k], 0, 0, 1);
        t[IMG_PICK_EFFECT].Blt(128 * k + 64, 0, 64, 512, &t[IMG_EFFECT1 + k], 0, 512, 1);
    }
    t[IMG_PICK_CHIP].Blt(0, 0, 256, 512, &t[IMG_MAPCHIP], 0, 0, 1);
    t[IMG_PICK_CHIP].Blt(256, 0, 256, 512, &t[IMG_MAPCHIP], 0, 512, 1);
    for (int x = 0; x < 1024; x += 64) {
        t[IMG_PICK_EVENT].Blt(x, 0, 32, 512, &t[IMG_EVENT], x, 0, 1);
        t[IMG_PICK_EVENT].Blt(x + 32, 0, 32, 512, &t[IMG_EVENT], x, 512, 1);
    }
    for (int i = IMG_PICK_CHARA; i <= IMG_PICK_EVENT; ++i) t[i].SetGdiObject();
}

int LoadProject(int keepGoing) {
    if (!LoadProjectFiles(keepGoing)) return 0;
    if (!LoadProjectImages(keepGoing)) return 0;
    g_StageEditState.StageOpen = 0;
    g_StageEditState.StagePath.clear();
    return 1;
}
