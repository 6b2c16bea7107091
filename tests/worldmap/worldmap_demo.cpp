// Not a test: starts the editor in the current project, opens the world map
// with a few chips painted and events placed, and one of its dialogs for a
// screenshot. worldmap_demo <map|events|settings|event>
#include <windows.h>

#include <cstring>

#include "app/app.h"
#include "app/dlg_main.h"
#include "resources/stage_editor_ids.h"
#include "resources/worldmap_ids.h"
#include "tests/support/text_fit.h"
#include "worldmap/dlg_worldmap.h"
#include "worldmap/world_tools.h"

namespace {

void PaintSample() {
    cWorldMap& map = g_WorldMap;
    for (int x = 3; x < 10; ++x) map.SetChip(x, 4, 2);
    for (int y = 5; y < 11; ++y) map.SetChip(9, y, 1);
    const struct {
        int x, y, type, number, graphic;
        const char* name;
    } events[] = {{4, 3, WEVENT_STAGE, 2, 1, "港町"},
                  {9, 11, WEVENT_STAGE, 15, 2, "砦"},
                  {6, 4, WEVENT_ROAD, 0, 3, "街道"},
                  {14, 9, WEVENT_STAGE, 123, 4, "王都"}};
    for (const auto& e : events) {
        cWorldEvent event;
        event.Name = e.name;
        event.Pages[0].Type = e.type;
        event.Pages[0].StageNo = e.number;
        event.Pages[0].Graphic = e.graphic;
        event.Pages[0].StageName = e.name;
        map.PlaceAt(event, e.x, e.y);
    }
}

}  // namespace

int main(int argc, char** argv) {
    LogUnfitTextsOfEveryDialog();
    const char* what = argc > 1 ? argv[1] : "map";
    g_hInstance = GetModuleHandleA(nullptr);
    DLG_CLASS::SetScrollBarIds(IDC_MAP_HSCROLL, IDC_MAP_VSCROLL);
    if (!RegisterMainWindowClass(g_hInstance) || !AppInit()) return 1;
    PaintSample();
    SendMessageA(g_lpStageWnd->m_hWnd, WM_COMMAND, CM_WORLDMAP, 0);
    DLG_WORLDMAP* world = g_lpStageWnd->WorldMap();
    if (!world) return 1;
    if (std::strcmp(what, "events") == 0) SendMessageA(world->m_hWnd, WM_COMMAND, CM_WM_LAYER_EVENT, 0);
    if (std::strcmp(what, "settings") == 0) PostMessageA(world->m_hWnd, WM_COMMAND, CM_WM_SETTINGS, 0);
    if (std::strcmp(what, "event") == 0) {
        world->PreparePopup(14, 9);
        PostMessageA(world->m_hWnd, WM_COMMAND, CM_WM_EVENT_EDIT, 0);
    }
    int code = 0;
    RunMessageLoop(&code);
    AppExit();
    return code;
}
