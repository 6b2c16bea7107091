// The world-event editor and the event palette, opened from the world-map
// window and answered as they open.
#include <windows.h>
#include <commctrl.h>

#include "base/file.h"
#include "base/paths.h"
#include "model/gvalinfo.h"
#include "resources/toolkit_ids.h"
#include "resources/worldmap_ids.h"
#include "tests/support/stored_texts.h"
#include "tests/support/updown.h"
#include "tests/worldmap/worldmap_test_support.h"
#include "worldmap/dlg_worldevent.h"
#include "worldmap/dlg_worldevent_set.h"
#include "worldmap/dlg_worldmap_set.h"
#include "worldmap/world_tools.h"

namespace {

DLG_WORLDEVENT_SET* Editor() { return DLG_STATIC<DLG_WORLDEVENT_SET>::s_pInstance; }

void Choose(HWND dlg, int id, int row) {
    SendDlgItemMessageA(dlg, id, CB_SETCURSEL, row, 0);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

void Type(HWND dlg, int id, const char* text) {
    SetDlgItemTextA(dlg, id, text);  // the edit reports EN_UPDATE itself
}

std::string ItemText(HWND dlg, int id) {
    char text[256] = {};
    GetDlgItemTextA(dlg, id, text, sizeof(text));
    return text;
}

std::string ListRow(HWND dlg, int id, int row) {
    char text[256] = {};
    SendDlgItemMessageA(dlg, id, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
    return text;
}

int FailWrites(int step) { return step == FILE_FAULT_WRITE; }

}  // namespace

TEST_F(WorldMapTest, NewEventIsEditedAndPlacedOnOk) {
    WorldCommand(CM_WM_LAYER_EVENT);
    g_WorldMap.Events.clear();
    cWorldEvent numbered;
    numbered.Pages[0].StageNo = 1;
    g_WorldMap.PlaceAt(numbered, 0, 0);
    std::string row, shownNumber;
    int stageNoEnabled = -1, valueEnabled = -1;
    QueueDialogStep([&](HWND dlg) {
        EXPECT_EQ("2", ItemText(dlg, IDC_WES_STAGE_NO)) << "numbered after the stages in use";
        valueEnabled = IsWindowEnabled(GetDlgItem(dlg, IDC_WES_COND_VALUE));
        Type(dlg, IDC_WES_NAME, "北の村");
        Type(dlg, IDC_WES_STAGE_NO, "12");
        EXPECT_EQ("12", StepUpDown(GetDlgItem(dlg, IDC_WES_STAGE_NO_SPIN), "13", UPDOWN_CLICK_DOWN));
        EXPECT_EQ("12", StepUpDown(GetDlgItem(dlg, IDC_WES_STAGE_NO_SPIN), "11", UPDOWN_KEY_UP));
        row = ListRow(dlg, IDC_WES_PAGES, 0);
        Type(dlg, IDC_WES_STAGE_NAME, "村の戦い");
        Choose(dlg, IDC_WES_TYPE, WEVENT_ROAD);
        shownNumber = ItemText(dlg, IDC_WES_STAGE_NO);
        stageNoEnabled = IsWindowEnabled(GetDlgItem(dlg, IDC_WES_STAGE_NO));
        Click(dlg, IDC_WORLD_OK);
    });
    PopupCommand(5, 6, CM_WM_EVENT_NEW);
    EXPECT_EQ("1 ステージ番号 12", row) << "the row follows the typed number";
    EXPECT_EQ(0, valueEnabled) << "no variable condition: its value is grey";
    EXPECT_EQ("0", shownNumber) << "a road has no stage number";
    EXPECT_EQ(0, stageNoEnabled);
    const cWorldEvent* placed = g_WorldMap.FindAt(5, 6);
    ASSERT_NE(nullptr, placed);
    EXPECT_EQ("北の村", placed->Name);
    ASSERT_EQ(1u, placed->Pages.size());
    EXPECT_EQ(WEVENT_ROAD, placed->Pages[0].Type);
    EXPECT_EQ(0, placed->Pages[0].StageNo);
    EXPECT_EQ("村の戦い", placed->Pages[0].StageName) << "kept for a later stage";
    EXPECT_EQ(1, placed->Pages[0].SetVar);
    WorldCommand(CM_WM_UNDO);
    EXPECT_EQ(nullptr, g_WorldMap.FindAt(5, 6)) << "the editor's OK took the snapshot";

    QueueDialogStep([](HWND dlg) {
        Type(dlg, IDC_WES_NAME, "消える");
        Click(dlg, IDC_WORLD_CANCEL);
    });
    g_bWorldMapChanged = 0;
    PopupCommand(5, 6, CM_WM_EVENT_NEW);
    EXPECT_EQ(nullptr, g_WorldMap.FindAt(5, 6));
    EXPECT_EQ(1, g_bWorldMapChanged);
}

// The name takes 20 bytes and the stage name 30, ten and fifteen double-byte
// characters; more is cut.
TEST_F(WorldMapTest, NamesTakeTheirWholeLength) {
    g_WorldMap.Events.clear();
    cWorldEvent e;
    g_WorldMap.PlaceAt(e, 2, 2);
    WorldCommand(CM_WM_LAYER_EVENT);
    const std::string ten = "北の果ての大きな港町", fifteen = "北の果ての大きな港町の戦い前編";
    QueueDialogStep([&](HWND dlg) {
        Type(dlg, IDC_WES_NAME, (ten + "だ").c_str());
        Type(dlg, IDC_WES_STAGE_NAME, fifteen.c_str());
        Click(dlg, IDC_WORLD_OK);
    });
    PopupCommand(2, 2, CM_WM_EVENT_EDIT);
    ASSERT_EQ(1u, g_WorldMap.Events.size());
    EXPECT_EQ(ten, g_WorldMap.Events[0].Name);
    EXPECT_EQ(fifteen, g_WorldMap.Events[0].Pages[0].StageName);
}

TEST_F(WorldMapTest, PagesKeepTheirLimitsAndThePlacedEventIsEditedInPlace) {
    g_WorldMap.Events.clear();
    cWorldEvent e;
    e.Name = "町";
    e.Pages[0].StageNo = 5;
    g_WorldMap.PlaceAt(e, 2, 2);
    WorldCommand(CM_WM_LAYER_EVENT);
    size_t pagesAfterDelete = 0, pagesAfterInsert = 0;
    QueueDialogStep([&](HWND dlg) {
        Choose(dlg, IDC_WES_TYPE, WEVENT_WALL);
        Click(dlg, IDC_WES_DELETE);  // the only page stays
        pagesAfterDelete = Editor()->m_Pages.size();
        Click(dlg, IDC_WES_INSERT);
        Click(dlg, IDC_WES_INSERT);
        pagesAfterInsert = Editor()->m_Pages.size();
        Choose(dlg, IDC_WES_GRAPHIC, 3);
        Click(dlg, IDC_WORLD_OK);
    });
    PopupCommand(2, 2, CM_WM_EVENT_EDIT);
    EXPECT_EQ(1u, pagesAfterDelete);
    EXPECT_EQ(3u, pagesAfterInsert);
    ASSERT_EQ(1u, g_WorldMap.Events.size());
    ASSERT_EQ(3u, g_WorldMap.Events[0].Pages.size());
    EXPECT_EQ(3, g_WorldMap.Events[0].Pages[0].Graphic) << "the inserted page went before the current one";
    EXPECT_EQ(0, g_WorldMap.Events[0].Pages[2].StageNo) << "a wall's number is the 0 it shows";
}

TEST_F(WorldMapTest, RenamingACommonVariableIsWrittenAtOnceAndReported) {
    ASSERT_GE(g_GValInfo.size(), 3u);
    const struct {
        bool fullDisk;
        size_t boxes;
    } cases[] = {{false, 0}, {true, 1}};
    for (const auto& c : cases) {
        Boxes().Reset();
        QueueDialogStep([](HWND dlg) {
            Choose(dlg, IDC_WES_COND_VAR, 2);
            Click(dlg, IDC_WES_COND_RENAME);
            Click(dlg, IDC_WORLD_CANCEL);  // the name stays all the same
        });
        QueueDialogStep([&](HWND box) {
            SetDlgItemTextA(box, IDC_INPUT_EDIT, c.fullDisk ? "満杯" : "ルート");
            Click(box, IDC_TOOLKIT_OK);
        });
        FileFaultHook old = SetFileFaultHook(c.fullDisk ? FailWrites : nullptr);
        World()->RunEventEditor(g_WorldEditState.Clipboard, 1, nullptr);
        SetFileFaultHook(old);
        EXPECT_EQ(c.fullDisk ? "満杯" : "ルート", g_GValInfo[2].Name);
        ASSERT_EQ(c.boxes, Boxes().Count());
        if (c.boxes) {
            EXPECT_EQ(std::string(g_PathTable.GValInfo) + " の保存に失敗しました！", Boxes().Calls()[0].text);
        }
    }
    VECTOR_CLASS<cGValInfo> names;
    ASSERT_TRUE(LoadGValInfoFile(names, g_PathTable.GValInfo));
    EXPECT_EQ("ルート", names[2].Name) << "the failed write left the file as it was";
}

TEST_F(WorldMapTest, PaletteInsertIsUndoneByCancelAndTheAppendRowChoosesNothing) {
    WorldCommand(CM_WM_LAYER_EVENT);
    DLG_WORLDEVENT* palette = World()->m_lpEventPalette;
    ASSERT_NE(nullptr, palette);
    const size_t templates = g_WorldMap.EventTemplates.size();
    QueueDialogStep([](HWND dlg) { Click(dlg, IDC_WORLD_CANCEL); });
    Click(palette->m_hWnd, IDC_WEVENT_INSERT);
    EXPECT_EQ(templates, g_WorldMap.EventTemplates.size());
    QueueDialogStep([](HWND dlg) {
        Type(dlg, IDC_WES_NAME, "城");
        Click(dlg, IDC_WORLD_OK);
    });
    Click(palette->m_hWnd, IDC_WEVENT_INSERT);
    ASSERT_EQ(templates + 1, g_WorldMap.EventTemplates.size());
    EXPECT_EQ("城", g_WorldMap.EventTemplates[0].Name);
    EXPECT_EQ(0, g_WorldEditState.SelIndex);
    EXPECT_EQ("城", g_WorldEditState.PlaceEvent.Name) << "the new template is chosen for placing";

    palette->m_List.SelectOnly(static_cast<int>(templates + 1), 0);  // the append row
    palette->SyncSelection();
    EXPECT_EQ(-1, g_WorldEditState.SelIndex);
    EXPECT_EQ(0, g_WorldEditState.BrushW);
    const size_t events = g_WorldMap.Events.size();
    Stroke(WM_LBUTTONDOWN, {{3, 3}});
    EXPECT_EQ(events, g_WorldMap.Events.size()) << "nothing chosen, nothing placed";
}

// The event's name, stage name and stage file and the settings' background
// image, stored beyond their limits (20, 30, 260 and 260 bytes): each is
// shown whole, OK keeps it byte for byte, and typing cannot lengthen it.
// Numbers beyond their edits' ranges are kept too, also when another field
// was edited.
TEST_F(WorldMapTest, TextsBeyondTheirLimitsAreShownWholeAndKept) {
    for (bool typeAtEnd : {false, true}) {
        SCOPED_TRACE(typeAtEnd ? "typed at the end" : "untouched");
        g_WorldMap.Events.clear();
        cWorldEvent e;
        e.Name = OverLongText(20);
        e.Pages[0].StageName = OverLongText(30);
        e.Pages[0].StageFile = OverLongText(260);
        e.Pages[0].NeedClearStage = 1500;
        e.Pages[0].CondValue = -5000000;
        g_WorldMap.PlaceAt(e, 2, 2);
        WorldCommand(CM_WM_LAYER_EVENT);
        std::vector<std::string> faults;
        size_t edits = 0;
        QueueDialogStep([&](HWND dlg) {
            faults = StoredTextFaults(Editor(), typeAtEnd, &edits);
            if (typeAtEnd) Type(dlg, IDC_WES_STAGE_NO, "7");
            Click(dlg, IDC_WORLD_OK);
        });
        PopupCommand(2, 2, CM_WM_EVENT_EDIT);
        EXPECT_EQ(3u, edits);
        EXPECT_EQ(std::vector<std::string>{}, faults);
        ASSERT_EQ(1u, g_WorldMap.Events.size());
        EXPECT_EQ(e.Name, g_WorldMap.Events[0].Name);
        EXPECT_EQ(e.Pages[0].StageName, g_WorldMap.Events[0].Pages[0].StageName);
        EXPECT_EQ(e.Pages[0].StageFile, g_WorldMap.Events[0].Pages[0].StageFile);
        EXPECT_EQ(typeAtEnd ? 7 : 0, g_WorldMap.Events[0].Pages[0].StageNo);
        EXPECT_EQ(1500, g_WorldMap.Events[0].Pages[0].NeedClearStage);
        EXPECT_EQ(-5000000, g_WorldMap.Events[0].Pages[0].CondValue);

        const std::string image = OverLongText(260);
        g_WorldMap.BackImage = image;
        g_WorldMap.UseBackImage = 0;
        QueueDialogStep([&](HWND dlg) {
            faults = StoredTextFaults(DLG_STATIC<DLG_WORLDMAP_SET>::s_pInstance, typeAtEnd, &edits);
            Click(dlg, IDC_WORLD_OK);
        });
        WorldCommand(CM_WM_SETTINGS);
        EXPECT_EQ(1u, edits);
        EXPECT_EQ(std::vector<std::string>{}, faults);
        EXPECT_EQ(image, g_WorldMap.BackImage);
    }
}
