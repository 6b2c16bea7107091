#include "app/project_load.h"

#include <cstdio>

#include "app/app.h"
#include "media/image_table.h"
#include "model/ai.h"
#include "model/chara.h"
#include "model/class.h"
#include "app/stage_edit_state.h"
#include "model/stage.h"
#include "model/worldmap.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/media_database.h"
#include "base/paths.h"
#include "base/report.h"
#include "base/editor_settings.h"
#include "model/skill.h"
#include "model/system.h"

int g_bGValInfoLoaded = 0;

namespace {

// Test-play settings older than this were kept in the editor settings.
const uint32_t kTestPlayFileVersion = 221;

// The settings as an older editor kept them, when their own file is missing.
void TakeOverTestPlay() {
    g_TestPlay.Clear();
    g_TestPlay.AutoFind = 1;
    g_TestPlay.GamePath.clear();
    g_TestPlay.AutoFind = g_EditConfig.OldUseDefaultGame;
    g_TestPlay.GamePath = g_EditConfig.OldGamePath;
    g_TestPlay.Training = 2;
}

}  // namespace

int LoadProjectFiles(int keepGoing) {
    const cPathTable& p = g_PathTable;
#define LOAD_STEP(ok, path)                    \
    do {                                       \
        if (!(ok)) {                           \
            ReportLoadFailure(path);           \
            if (!keepGoing) return 0;          \
        }                                      \
    } while (0)

    g_bGValInfoLoaded = LoadRecordList(g_GValInfo, p.GValInfo);
    LOAD_STEP(g_bGValInfoLoaded, p.GValInfo);
    g_GValInfo.resize(GVALINFO_COUNT);

    if (!LoadMediaDatabase(g_Database) && !keepGoing) return 0;  // names its own file
    LOAD_STEP(g_System.LoadFile(p.System), p.System);
    // The version last read is System.dat's when Testplay.dat is missing.
    if (!g_TestPlay.LoadFile(p.TestPlay) && g_nFileVersion < kTestPlayFileVersion) TakeOverTestPlay();
    // The system settings keep the colour key as red, green, blue.
    SetTransparentColor(g_System.TransparentColor[2], g_System.TransparentColor[1], g_System.TransparentColor[0], 0);

    LOAD_STEP(LoadRecordList(g_LandList, p.Land), p.Land);
    LOAD_STEP(LoadSkillFile(g_SkillLists, p.Skill), p.Skill);
    LOAD_STEP(LoadRecordList(g_ClassList, p.Class), p.Class);
    LOAD_STEP(LoadRecordList(g_FriendList, p.Friend), p.Friend);
    LOAD_STEP(LoadRecordList(g_EnemyList, p.Enemy), p.Enemy);
    g_Stage.LoadFile(g_EditConfig.DefaultStage);  // a missing default stage is no failure
    LOAD_STEP(LoadRecordList(g_MoveAITemplates, p.MoveAITemplate), p.MoveAITemplate);
    LoadEventPalette(g_EventPlt);  // falls back to the default palette
    if (g_bStripCR)
        for (cEvent& e : g_EventPlt) e.FixUp();
    LOAD_STEP(LoadRecordList(g_EventActPlt, p.EventActionPlt), p.EventActionPlt);
    LOAD_STEP(g_WorldMap.LoadFile(p.WorldMap), p.WorldMap);
    LOAD_STEP(g_StartEvent.LoadFile(p.StartEvent), p.StartEvent);
#undef LOAD_STEP
    return 1;
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
        if (!g_ImageTable[i].LoadImage(&param)) {
            ErrorBoxPrintf("%s が読み込めません！", param.szFileName);
            return 0;
        }
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
