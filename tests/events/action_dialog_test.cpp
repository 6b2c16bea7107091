// The message action's own parts (the symbol preview, renaming a common
// variable), the action palette window and file, and the palette sub-menus.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/paths.h"
#include "events/action_forms.h"
#include "events/action_line.h"
#include "events/dlg_eact_message.h"
#include "events/dlg_event_set.h"
#include "events/dlg_eventactplt.h"
#include "media/image_table.h"
#include "model/gvalinfo.h"
#include "resources/events_ids.h"
#include "resources/toolkit_ids.h"
#include "tests/events/event_dialog_support.h"
#include "tests/support/seams.h"
#include "ui/dlg_input.h"
#include "ui/wnd_list.h"

namespace {

unsigned Pixel(const cDib& dib, int x, int y) {
    const COLORREF c = GetPixel(dib.m_hDC, x, y);
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

// A symbol sheet of `columns` x `rows` 16-pixel cells, cell n filled with colour n + 1.
void MakeSymbolSheet(int width, int height) {
    SymbolSheet.Release();
    if (!width) return;
    SymbolSheet.Create(width, height, 24, 0);
    const int columns = width / 16;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int n = columns ? (y / 16) * columns + x / 16 : 0;
            SetPixel(SymbolSheet.m_hDC, x, y, RGB(n + 1, 0, 0));
        }
}

class ActionDialogTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(0, DropSteps());
        SymbolSheet.Release();
    }
    // The message dialog on `act` (new or existing); `script` runs in it.
    int RunMessage(cEventAct& act, int isNew, std::function<void(DLG_EACT_MESSAGE*)> script) {
        QueueStep([script] {
            DLG_EACT_MESSAGE* m = OpenBox<DLG_EACT_MESSAGE>();
            if (!m) return false;
            script(m);
            return true;
        });
        act.Kind = EACT_MESSAGE;
        EACT_CONTEXT context;
        context.action = &act;
        context.newAction = isNew;
        DLG_EACT_BASE* dlg = CreateEactDialog(context, nullptr, &g_WndList, nullptr);
        const int result = dlg->DoModal(0);
        delete dlg;
        return result;
    }

    EventProject m_Project;
    ScopedBoxes m_Boxes{IDYES};
};

}  // namespace

// The preview doubles the chosen symbol; a sheet narrower than a symbol, or
// none at all, gives no rows and a black preview.
TEST_F(ActionDialogTest, TheSymbolPreviewShowsTheChosenCell) {
    const struct {
        int width, height;
        int rows;
        int choose;
        unsigned colour;
    } cases[] = {
        {64, 32, 8, 5, 6u << 16},  // cell 5: column 1 of row 1
        {64, 32, 8, 0, 1u << 16},
        {8, 32, 0, -1, 0},  // narrow: no cells
        {0, 0, 0, -1, 0},   // missing
    };
    for (const auto& c : cases) {
        MakeSymbolSheet(c.width, c.height);
        cEventAct act;
        unsigned pixels[2] = {99, 99};
        int rows = -1;
        RunMessage(act, 1, [&](DLG_EACT_MESSAGE* m) {
            rows = ComboCount(m->m_hWnd, IDC_MSG_SYMBOL);
            if (c.choose >= 0) Choose(m->m_hWnd, IDC_MSG_SYMBOL, c.choose);
            m->OnPaint();
            const cDib* dib = m->Picture(IDC_MSG_SYMBOL_PREVIEW)->Surface();
            pixels[0] = Pixel(*dib, 0, 0);
            pixels[1] = Pixel(*dib, 31, 31);
            Click(m->m_hWnd, IDC_EVENTS_CANCEL);
        });
        EXPECT_EQ(c.rows, rows) << c.width;
        EXPECT_EQ(c.colour, pixels[0]) << c.width;
        EXPECT_EQ(c.colour, pixels[1]) << c.width;
    }
}

// Renaming a common variable changes the combo at once and writes
// "data\GValInfo.dat", even when the message is then cancelled.
TEST_F(ActionDialogTest, RenamingAVariableIsSavedAtOnce) {
    cEventAct act;
    std::string row;
    const int result = RunMessage(act, 1, [&](DLG_EACT_MESSAGE* m) {
        EXPECT_EQ("001 鍵", ItemText(m->m_hWnd, IDC_MSG_GVAL));
        Choose(m->m_hWnd, IDC_MSG_GVAL, 1);
        QueueStep([] {
            DLG_INPUT_STR* box = OpenBox<DLG_INPUT_STR>();
            if (!box) return false;
            char caption[64] = {};
            GetWindowTextA(box->m_hWnd, caption, sizeof(caption));
            EXPECT_STREQ("変数名の入力", caption);
            TypeText(box->m_hWnd, IDC_INPUT_EDIT, "宝箱");
            Click(box->m_hWnd, IDC_TOOLKIT_OK);
            return true;
        });
        Click(m->m_hWnd, IDC_EACT_RENAME_GVAL);
        row = ItemText(m->m_hWnd, IDC_MSG_GVAL);
        Click(m->m_hWnd, IDC_EVENTS_CANCEL);
    });
    EXPECT_EQ(0, result);
    EXPECT_EQ("002 宝箱", row);
    EXPECT_EQ("宝箱", g_GValInfo[2].Name);
    VECTOR_CLASS<cGValInfo> saved;
    ASSERT_TRUE(LoadGValInfoFile(saved, g_PathTable.GValInfo));
    EXPECT_EQ("宝箱", saved[2].Name);
    EXPECT_EQ(0u, m_Boxes.Count());
}

// OK stores every control, the disabled ones too; the text keeps "\n".
TEST_F(ActionDialogTest, ErasingKeepsTheHiddenSettings) {
    cEventAct act;
    act.Kind = EACT_MESSAGE;
    SizeActionParams(act);
    act.Ints[0] = 9;
    act.Ints[1] = 50;  // beyond the range: shown clamped, kept while untouched
    act.Strs[0] = "一行目\n二行目";
    std::vector<int> usable;
    RunMessage(act, 0, [&](DLG_EACT_MESSAGE* m) {
        EXPECT_TRUE(IsItemEnabled(m->m_hWnd, IDC_MSG_CELL_X));
        Check(m->m_hWnd, IDC_MSG_ERASE, 1);
        for (int id : {IDC_MSG_TEXT, IDC_MSG_POS, IDC_MSG_CELL_X, IDC_MSG_ERASE, IDC_MSG_HAS_ID, IDC_MSG_ID,
                       IDC_MSG_SHOW_PICTURE, IDC_MSG_FRAME})
            if (IsItemEnabled(m->m_hWnd, id)) usable.push_back(id);
        Click(m->m_hWnd, IDC_EVENTS_OK);
    });
    EXPECT_EQ((std::vector<int>{IDC_MSG_ERASE, IDC_MSG_HAS_ID}), usable);
    EXPECT_EQ(1, act.Ints[15]);
    EXPECT_EQ(9, act.Ints[0]);
    EXPECT_EQ(50, act.Ints[1]);
    EXPECT_EQ("一行目\n二行目", act.Strs[0]);
    EXPECT_EQ("メッセージ : メッセージの消去", ActionLine(act));
}

// ---- Action palette --------------------------------------------------------------------

namespace {

cEventActPlt Entry(const char* name, std::initializer_list<int> kinds) {
    cEventActPlt e;
    e.Name = name;
    for (int kind : kinds) {
        cEventAct act;
        act.Kind = kind;
        SizeActionParams(act);
        e.Acts.push_back(act);
    }
    return e;
}

int RunPalette(VECTOR_CLASS<cEventActPlt>& copy, int selectLast, std::function<void(DLG_EVENTACTPLT*)> script) {
    QueueStep([script] {
        DLG_EVENTACTPLT* p = OpenBox<DLG_EVENTACTPLT>();
        if (!p) return false;
        script(p);
        return true;
    });
    DLG_EVENTACTPLT dlg(nullptr, &g_WndList, &copy, selectLast);
    return dlg.DoModal(0);
}

}  // namespace

// Rename, move and delete on the copy; OK writes the palette and its file,
// which reads back the same; Cancel changes neither.
TEST_F(ActionDialogTest, ThePaletteWindowAndItsFile) {
    g_EventActPlt = {Entry("歓迎", {1, 3}), Entry("戦闘", {15}), Entry("終わり", {24})};
    VECTOR_CLASS<cEventActPlt> copy(g_EventActPlt);
    std::vector<std::string> lines;
    int result = RunPalette(copy, 0, [&](DLG_EVENTACTPLT* p) {
        lines.push_back(ItemText(p->m_hWnd, IDC_PLT_CONTENT));
        Click(p->m_hWnd, IDC_PLT_UP);  // the first entry stays first
        TypeText(p->m_hWnd, IDC_PLT_NAME, "あいさつ");
        Click(p->m_hWnd, IDC_PLT_DOWN);
        lines.push_back(ListRow(p->m_hWnd, IDC_PLT_LIST, 1));
        lines.push_back(ItemText(p->m_hWnd, IDC_PLT_CONTENT));
        p->m_List.SelectOnly(2, 1);
        SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_PLT_LIST, LBN_SELCHANGE), 0);
        Click(p->m_hWnd, IDC_PLT_DOWN);  // the last entry stays last
        Click(p->m_hWnd, IDC_PLT_DELETE);
        lines.push_back(ItemText(p->m_hWnd, IDC_PLT_CONTENT));
        Click(p->m_hWnd, IDC_EVENTS_OK);
    });
    EXPECT_EQ(1, result);
    EXPECT_EQ((std::vector<std::string>{"内容： メッセージ → ウエイト", "2 あいさつ", "内容： メッセージ → ウエイト",
                                        "内容： "}),
              lines)
        << "the last entry deleted, the append row is selected";
    ASSERT_EQ(2u, g_EventActPlt.size());
    EXPECT_EQ("戦闘", g_EventActPlt[0].Name);
    EXPECT_EQ("あいさつ", g_EventActPlt[1].Name);
    VECTOR_CLASS<cEventActPlt> read;
    ASSERT_TRUE(LoadRecordList(read, g_PathTable.EventActionPlt));
    ASSERT_EQ(2u, read.size());
    for (size_t i = 0; i < read.size(); ++i) EXPECT_TRUE(read[i].Compare(g_EventActPlt[i])) << i;

    VECTOR_CLASS<cEventActPlt> again(g_EventActPlt);
    RunPalette(again, 1, [](DLG_EVENTACTPLT* p) {
        EXPECT_EQ("あいさつ", ItemText(p->m_hWnd, IDC_PLT_NAME)) << "opens on the last entry";
        Click(p->m_hWnd, IDC_PLT_DELETE);
        Click(p->m_hWnd, IDC_EVENTS_CANCEL);
    });
    EXPECT_EQ(2u, g_EventActPlt.size());
}

// A right click on an entry selects it before the name and the description
// are edited, as a left click does.
TEST_F(ActionDialogTest, ARightClickOnThePaletteSelectsTheEntryUnderIt) {
    g_EventActPlt = {Entry("歓迎", {1}), Entry("戦闘", {15}), Entry("終わり", {24})};
    VECTOR_CLASS<cEventActPlt> copy(g_EventActPlt);
    std::string shown;
    RunPalette(copy, 0, [&](DLG_EVENTACTPLT* p) {
        ShowWindow(p->m_hWnd, SW_SHOW);
        SetActiveWindow(p->m_hWnd);
        HWND list = GetDlgItem(p->m_hWnd, IDC_PLT_LIST);
        RECT row = {};
        SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
        POINT at = {row.left + 10, (row.top + row.bottom) / 2};
        ClientToScreen(list, &at);
        SendMessageA(p->m_hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(at.x, at.y));
        shown = ItemText(p->m_hWnd, IDC_PLT_NAME);
        TypeText(p->m_hWnd, IDC_PLT_NAME, "最後");
        Click(p->m_hWnd, IDC_EVENTS_OK);
    });
    EXPECT_EQ("終わり", shown);
    ASSERT_EQ(3u, g_EventActPlt.size());
    EXPECT_EQ("歓迎", g_EventActPlt[0].Name);
    EXPECT_EQ("最後", g_EventActPlt[2].Name) << "the rename went to the right-clicked entry";
}

// The palette, the start event and the common-variable names that cannot be
// written: the box names the file, and what was edited stays in memory.
TEST_F(ActionDialogTest, FailedSavesAreReported) {
    FolderCreate(g_PathTable.EventActionPlt);  // folders where the files should go
    FolderCreate(g_PathTable.StartEvent);
    g_EventActPlt = {Entry("一", {EACT_CREASESALT})};
    VECTOR_CLASS<cEventActPlt> copy(g_EventActPlt);
    RunPalette(copy, 0, [](DLG_EVENTACTPLT* p) {
        TypeText(p->m_hWnd, IDC_PLT_NAME, "二");
        Click(p->m_hWnd, IDC_EVENTS_OK);
    });
    EXPECT_EQ("二", g_EventActPlt[0].Name);
    cEvent start;
    QueueStep([] {
        DLG_EVENT_SET* d = OpenBox<DLG_EVENT_SET>();
        if (!d) return false;
        SendMessageA(d->m_hWnd, WM_COMMAND, CM_PALETTE_PASTE, 0);
        Click(d->m_hWnd, IDC_EVENTS_OK);
        return true;
    });
    EditEvent(nullptr, &g_WndList, &start, 1, nullptr);
    EXPECT_EQ(1u, start.Pages[0].Acts.size()) << "the pasted action is kept";
    // A renamed common variable keeps its new name for the shut-down save.
    FolderCreate(g_PathTable.GValInfo);
    cEventAct act;
    RunMessage(act, 1, [](DLG_EACT_MESSAGE* m) {
        Choose(m->m_hWnd, IDC_MSG_GVAL, 0);
        QueueStep([] {
            DLG_INPUT_STR* box = OpenBox<DLG_INPUT_STR>();
            if (!box) return false;
            TypeText(box->m_hWnd, IDC_INPUT_EDIT, "扉");
            Click(box->m_hWnd, IDC_TOOLKIT_OK);
            return true;
        });
        Click(m->m_hWnd, IDC_EACT_RENAME_GVAL);
        Click(m->m_hWnd, IDC_EVENTS_CANCEL);
    });
    EXPECT_EQ("扉", g_GValInfo[1].Name);
    ASSERT_EQ(3u, m_Boxes.Count());
    EXPECT_EQ(std::string(g_PathTable.EventActionPlt) + " の保存に失敗しました！", m_Boxes.Calls()[0].text);
    EXPECT_EQ(std::string(g_PathTable.StartEvent) + " の保存に失敗しました！", m_Boxes.Calls()[1].text);
    EXPECT_EQ(std::string(g_PathTable.GValInfo) + " の保存に失敗しました！", m_Boxes.Calls()[2].text);
}

// Each sub-menu lists at most 100 entries, so that no id means two things;
// overwrite asks first and writes the file at once.
TEST_F(ActionDialogTest, PaletteMenusAndOverwrite) {
    for (int i = 0; i < 150; ++i) g_EventActPlt.push_back(Entry(i ? "他" : "最初", {3}));
    cEvent event;
    cEventAct wait;
    wait.Kind = EACT_GAMEOVER;
    event.Pages[0].Acts.push_back(wait);
    QueueStep([&] {
        DLG_EVENT_SET* d = OpenBox<DLG_EVENT_SET>();
        if (!d) return false;
        HMENU paste = d->PasteMenu(), overwrite = d->OverwriteMenu();
        EXPECT_EQ(100, GetMenuItemCount(paste));
        EXPECT_EQ(100, GetMenuItemCount(overwrite));
        std::vector<UINT> ids;
        for (int i = 0; i < 100; ++i) {
            ids.push_back(GetMenuItemID(paste, i));
            ids.push_back(GetMenuItemID(overwrite, i));
        }
        std::sort(ids.begin(), ids.end());
        EXPECT_EQ(ids.end(), std::adjacent_find(ids.begin(), ids.end())) << "every id once";
        char text[64] = {};
        GetMenuStringA(paste, 0, text, sizeof(text), MF_BYPOSITION);
        EXPECT_STREQ("01 最初", text);
        d->m_ActList.SelectOnly(0, 0);
        m_Boxes.Queue(IDNO);
        SendMessageA(d->m_hWnd, WM_COMMAND, CM_PALETTE_OVERWRITE, 0);
        EXPECT_EQ(EACT_WAIT, g_EventActPlt[0].Acts[0].Kind) << "No changes nothing";
        SendMessageA(d->m_hWnd, WM_COMMAND, CM_PALETTE_OVERWRITE, 0);
        Click(d->m_hWnd, IDC_EVENTS_CANCEL);
        return true;
    });
    EditEvent(nullptr, &g_WndList, &event, 0, nullptr);
    ASSERT_EQ(2u, m_Boxes.Count());
    EXPECT_EQ("「最初」を上書きします。\nよろしいですか？\n", m_Boxes.Calls()[0].text);
    EXPECT_EQ("アクションパレットの上書き保存", m_Boxes.Calls()[0].caption);
    EXPECT_EQ(static_cast<unsigned>(MB_YESNO), m_Boxes.Calls()[0].type) << "Yes and No, no icon";
    ASSERT_EQ(1u, g_EventActPlt[0].Acts.size());
    EXPECT_EQ(EACT_GAMEOVER, g_EventActPlt[0].Acts[0].Kind);
    VECTOR_CLASS<cEventActPlt> read;
    ASSERT_TRUE(LoadRecordList(read, g_PathTable.EventActionPlt));
    EXPECT_EQ(150u, read.size());
}
