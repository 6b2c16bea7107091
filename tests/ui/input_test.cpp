// The number and text boxes and the graphic picker, run modal through their
// openers and answered from a timer as a user would.
#include <gtest/gtest.h>

#include "media/image_table.h"
#include "resources/toolkit_ids.h"
#include "tests/ui/test_ui.h"
#include "tests/ui/ui2_dialogs.h"
#include "ui/dlg_input.h"
#include "ui/dlg_selectgraphic.h"
#include "ui/wnd_list.h"

namespace {

void Click(HWND dlg, int id) {
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

std::string WindowText(HWND wnd) {
    char text[256] = {};
    GetWindowTextA(wnd, text, sizeof(text));
    return text;
}

// Answers the next box of class D: puts `text` into its edit (unless null)
// and presses `button`; records the caption and what the edit showed.
template <class D>
void Answer(const char* text, int button, std::string* caption = nullptr, std::string* shown = nullptr) {
    WhenOpen([=] {
        D* box = OpenBox<D>();
        if (!box) return false;
        if (caption) *caption = WindowText(box->m_hWnd);
        HWND edit = GetDlgItem(box->m_hWnd, IDC_INPUT_EDIT);
        if (text) {
            SendMessageA(edit, EM_SETSEL, 0, -1);
            SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
        }
        if (shown) *shown = WindowText(edit);
        Click(box->m_hWnd, button);
        return true;
    });
}

}  // namespace

TEST(InputValue, OkStoresTheClampedValueAndCancelLeavesIt) {
    const struct {
        const char* typed;
        int button;
        int result, value;
    } cases[] = {
        {nullptr, IDC_TOOLKIT_OK, 1, 5},       // OK without typing keeps the value
        {"1500", IDC_TOOLKIT_OK, 1, 999},      // clamped to the maximum
        {"0", IDC_TOOLKIT_OK, 1, 1},           // and to the minimum
        {"300", IDC_TOOLKIT_CANCEL, 0, 5},     // Cancel writes nothing
    };
    for (const auto& c : cases) {
        int value = 5;
        std::string caption, shown;
        Answer<DLG_INPUT>(c.typed, c.button, &caption, &shown);
        EXPECT_EQ(c.result, InputValue(nullptr, &g_WndList, &value, 1, 999, "ﾃﾞｰﾀ数")) << c.typed;
        EXPECT_EQ(c.value, value) << c.typed;
        EXPECT_EQ("ﾃﾞｰﾀ数", caption);
        EXPECT_EQ(nullptr, DLG_STATIC<DLG_INPUT>::s_pInstance) << "the box is gone afterwards";
    }
}

TEST(InputValue, TheCloseBoxCountsAsCancelAndNoCaptionIsEmpty) {
    int value = 42;
    std::string caption = "x";
    WhenOpen([&] {
        DLG_INPUT* box = OpenBox<DLG_INPUT>();
        if (!box) return false;
        caption = WindowText(box->m_hWnd);
        EXPECT_EQ(GetDlgItem(box->m_hWnd, IDC_INPUT_EDIT), GetFocus()) << "typing goes to the number";
        SendMessageA(box->m_hWnd, WM_CLOSE, 0, 0);
        return true;
    });
    EXPECT_EQ(0, InputValue(nullptr, &g_WndList, &value, 1, 99, nullptr));
    EXPECT_EQ(42, value);
    EXPECT_EQ("", caption);
}

TEST(InputString, LimitsCountCharactersOrBytes) {
    const std::string kan = "\x8A\xBF";
    std::string thirteen;
    for (int i = 0; i < 13; ++i) thirteen += kan;
    const struct {
        int countChars;
        std::string typed;
        std::string stored;
    } cases[] = {
        {1, thirteen, thirteen.substr(0, 24)},           // twelve characters
        {0, thirteen, thirteen.substr(0, 12)},           // twelve bytes
        {1, "abcdefghijkl", "abcdefghijkl"},
        {1, "abcdefghijklm", "古い名前"},                 // a 13th character is refused
        {1, "#P12.abcdefghijk", "#P12.abcdefghijk"},     // the code counts one
    };
    for (const auto& c : cases) {
        std::string name = "古い名前";
        std::string shown;
        Answer<DLG_INPUT_STR>(c.typed.c_str(), IDC_TOOLKIT_OK, nullptr, &shown);
        EXPECT_EQ(1, InputString(nullptr, &g_WndList, &name, 12, c.countChars, "変数名の入力"));
        EXPECT_EQ(c.stored, name) << c.typed;
        EXPECT_EQ(c.stored, shown);
    }
    std::string name = "そのまま";
    Answer<DLG_INPUT_STR>("別の名前", IDC_TOOLKIT_CANCEL);
    EXPECT_EQ(0, InputString(nullptr, &g_WndList, &name, 12, 1, "変数名の入力"));
    EXPECT_EQ("そのまま", name);
}

TEST(InputString, TypingReplacesTheWholeText) {
    std::string name = "スライム";
    std::string shown;
    WhenOpen([&] {
        DLG_INPUT_STR* box = OpenBox<DLG_INPUT_STR>();
        if (!box) return false;
        HWND edit = GetDlgItem(box->m_hWnd, IDC_INPUT_EDIT);
        EXPECT_EQ(edit, GetFocus());
        shown = WindowText(edit);
        SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("ゴブリン"));
        Click(box->m_hWnd, IDC_TOOLKIT_OK);
        return true;
    });
    EXPECT_EQ(1, InputString(nullptr, &g_WndList, &name, 12, 1, "名前"));
    EXPECT_EQ("スライム", shown);
    EXPECT_EQ("ゴブリン", name);
}

// ---- Graphic picker ------------------------------------------------------------------------------

TEST(GraphicPicker, CellsOfEveryKind) {
    const struct {
        int kind, x, y, cell, frameX, frameY;
    } cases[] = {
        {SHEET_CHARA, 100, 200, 24, 96, 192}, {SHEET_CHARA, 0, 0, 0, 0, 0},
        {SHEET_EFFECT, 130, 70, 17, 128, 64}, {SHEET_CHIP, 40, 70, 17, 32, 64},
        {SHEET_CHIP, 300, 70, 145, 288, 64},  {SHEET_EVENT, 64, 40, 33, 64, 32},
        {SHEET_EVENT, 1023, 511, 511, 992, 480},
    };
    for (const auto& c : cases) {
        int x = -1, y = -1;
        EXPECT_EQ(c.cell, GraphicCellAt(c.kind, c.x, c.y, &x, &y)) << c.kind << " " << c.x << "," << c.y;
        EXPECT_EQ(c.frameX, x);
        EXPECT_EQ(c.frameY, y);
    }
}

TEST(GraphicPicker, AClickReturnsTheCellUnderTheMouse) {
    for (int kind = 0; kind < SHEET_KINDS; ++kind) {
        cDib& sheet = g_ImageTable[IMG_PICK_CHARA + kind];
        if (!sheet.m_hDC) sheet.Create(g_GraphicSheets[kind].width, g_GraphicSheets[kind].height, 24, 0);
        sheet.Fill(RGB(10, 20, 30));
    }
    const struct {
        int (*open)(int*, WND_CLASS*, const CTRL_CLASS*);
        int x, y, cell;
    } cases[] = {
        {SelectCharaGraphic, 100, 200, 24},
        {SelectEffectGraphic, 130, 70, 17},
        {SelectChipGraphic, 300, 70, 145},
        {SelectEventGraphic, 64, 40, 33},
    };
    for (const auto& c : cases) {
        int cell = -1;
        RECT client = {0, 0, 0, 0};
        WhenOpen([&] {
            DLG_SELECTGRAPHIC* box = OpenBox<DLG_SELECTGRAPHIC>();
            if (!box) return false;
            GetClientRect(box->m_hWnd, &client);
            POINT pt = {c.x, c.y};
            ClientToScreen(box->m_hWnd, &pt);
            SetCursorPos(pt.x, pt.y);
            SendMessageA(box->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(c.x, c.y));
            // The frame around the cell is drawn on the sheet and shown.
            int fx = 0, fy = 0;
            GraphicCellAt(static_cast<int>(&c - cases), c.x, c.y, &fx, &fy);
            cDib* surface = box->m_Picture.Surface();
            EXPECT_NE(nullptr, surface);
            if (!surface) return true;
            const BYTE* px = surface->Row(fy) + (fx + 4) * 4;
            EXPECT_EQ(255, px[0]);
            EXPECT_EQ(255, px[2]);
            HDC dc = GetDC(box->m_Picture.m_hWnd);
            EXPECT_EQ(RGB(255, 255, 255), GetPixel(dc, fx + 4, fy)) << "on the window";
            EXPECT_EQ(RGB(10, 20, 30), GetPixel(dc, fx + 8, fy + 8)) << "the sheet's cell";
            ReleaseDC(box->m_Picture.m_hWnd, dc);
            SendMessageA(box->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, c.y));
            return true;
        });
        EXPECT_EQ(1, c.open(&cell, nullptr, nullptr));
        EXPECT_EQ(c.cell, cell);
        const GRAPHIC_SHEET& sheet = g_GraphicSheets[&c - cases];
        EXPECT_EQ(sheet.width, client.right) << "the client area is the sheet";
        EXPECT_EQ(sheet.height, client.bottom);
    }
    int cell = 7;
    WhenOpen([&] {
        DLG_SELECTGRAPHIC* box = OpenBox<DLG_SELECTGRAPHIC>();
        if (!box) return false;
        SendMessageA(box->m_hWnd, WM_CLOSE, 0, 0);
        return true;
    });
    EXPECT_EQ(0, SelectChipGraphic(&cell, nullptr, nullptr));
    EXPECT_EQ(7, cell) << "closing leaves the value";
}
