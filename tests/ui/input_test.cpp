// The number and text boxes and the graphic picker, run modal through their
// openers and answered from a timer as a user would.
#include <gtest/gtest.h>

#include "media/image_table.h"
#include "resources/toolkit_ids.h"
#include "tests/ui/ui_driver.h"
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
        {"1500", IDC_TOOLKIT_OK, 1, 999},   // clamped into the range
        {nullptr, IDC_TOOLKIT_OK, 1, 5},    // OK without typing keeps the value
        {"300", IDC_TOOLKIT_CANCEL, 0, 5},  // Cancel writes nothing
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
    std::string caption = "x", shown;
    HWND focus = nullptr, edit = nullptr;
    WhenOpen([&] {
        DLG_INPUT* box = OpenBox<DLG_INPUT>();
        if (!box) return false;
        caption = WindowText(box->m_hWnd);
        edit = GetDlgItem(box->m_hWnd, IDC_INPUT_EDIT);
        focus = GetFocus();
        shown = WindowText(edit);
        SendMessageA(box->m_hWnd, WM_CLOSE, 0, 0);
        return true;
    });
    EXPECT_EQ(0, InputValue(nullptr, &g_WndList, &value, 1, 99, nullptr));
    EXPECT_EQ(42, value);
    EXPECT_EQ("", caption);
    EXPECT_EQ("42", shown);
    EXPECT_EQ(edit, focus) << "typing goes to the number";
}

// One box: what is typed is kept within 12 characters (a "#P" code and a
// double-byte character each counting one), and OK stores it.
TEST(InputString, CountsCharactersOnOneLine) {
    const std::string kan = "\x8A\xBF";
    std::string thirteen;
    for (int i = 0; i < 13; ++i) thirteen += kan;
    std::string name = "古い名前";
    std::vector<std::string> shown;
    HWND focus = nullptr, edit = nullptr;
    WhenOpen([&] {
        DLG_INPUT_STR* box = OpenBox<DLG_INPUT_STR>();
        if (!box) return false;
        edit = GetDlgItem(box->m_hWnd, IDC_INPUT_EDIT);
        focus = GetFocus();
        shown.push_back(WindowText(edit));
        auto type = [&](const char* text) {
            SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
            shown.push_back(WindowText(edit));
        };
        type("#P12.abcdefghijk");  // the whole text was selected: it is replaced
        type("m");                 // a 13th character is refused
        SendMessageA(edit, EM_SETSEL, 0, -1);
        type(thirteen.c_str());  // 12 of 13 double-byte characters fit
        Click(box->m_hWnd, IDC_TOOLKIT_OK);
        return true;
    });
    EXPECT_EQ(1, InputString(nullptr, &g_WndList, &name, 12, 1, "変数名の入力"));
    EXPECT_EQ((std::vector<std::string>{"古い名前", "#P12.abcdefghijk", "#P12.abcdefghijk", thirteen.substr(0, 24)}),
              shown);
    EXPECT_EQ(thirteen.substr(0, 24), name);
    EXPECT_EQ(edit, focus);
}

TEST(InputString, CountsBytesWithoutTheFlagAndCancelLeavesTheText) {
    const std::string kan = "\x8A\xBF";
    std::string thirteen;
    for (int i = 0; i < 13; ++i) thirteen += kan;
    std::string name = "そのまま";
    std::string shown;
    Answer<DLG_INPUT_STR>(thirteen.c_str(), IDC_TOOLKIT_CANCEL, nullptr, &shown);
    EXPECT_EQ(0, InputString(nullptr, &g_WndList, &name, 12, 0, "変数名の入力"));
    EXPECT_EQ(thirteen.substr(0, 12), shown) << "twelve bytes";
    EXPECT_EQ("そのまま", name);
}

// A stored text beyond the box's limit (a name from another tool or an
// older version) is shown whole, and OK without an edit gives it back byte
// for byte, also where a one-line edit cannot show it.
TEST(InputString, OkWithoutAnEditKeepsTheStoredTextByteForByte) {
    std::string kanji13;
    for (int i = 0; i < 13; ++i) kanji13 += "\x8A\xBF";
    const struct {
        std::string stored;
        int countChars;
        std::string shown;
    } cases[] = {
        {"イベント進行度", 0, "イベント進行度"},  // 14 bytes over a limit of 12
        {"イベント進行度", 1, "イベント進行度"},
        {kanji13, 1, kanji13},                    // 13 characters over 12
        {"二行の\r\n名前", 1, "二行の\r\n名前"},  // a line break a one-line edit shows as it can
    };
    for (const auto& c : cases) {
        std::string name = c.stored, shown;
        Answer<DLG_INPUT_STR>(nullptr, IDC_TOOLKIT_OK, nullptr, &shown);
        EXPECT_EQ(1, InputString(nullptr, &g_WndList, &name, 12, c.countChars, "変数名の入力")) << c.stored;
        EXPECT_EQ(c.shown, shown) << c.stored;
        EXPECT_EQ(c.stored, name) << c.stored;
    }
}

// The limit holds for what is typed: a stored text beyond it may shrink,
// never grow, and once within the limit keeps to it.
TEST(InputString, ALongStoredTextMayShrinkButNotGrow) {
    std::string kanji13, kanji12;
    for (int i = 0; i < 13; ++i) kanji13 += "\x8A\xBF";
    kanji12 = kanji13.substr(0, 24);
    const struct {
        int countChars;
        std::string stored, shorter, added, result;
    } cases[] = {
        {0, "イベント進行度", "イベント", "進行度です", "イベント進行"},
        {1, kanji13, "\x8A\xBF", kanji13, kanji12},
    };
    for (const auto& c : cases) {
        std::string name = c.stored;
        std::vector<std::string> shown;
        WhenOpen([&] {
            DLG_INPUT_STR* box = OpenBox<DLG_INPUT_STR>();
            if (!box) return false;
            HWND edit = GetDlgItem(box->m_hWnd, IDC_INPUT_EDIT);
            auto typeAtEnd = [&](const std::string& text) {
                SendMessageA(edit, EM_SETSEL, 1000, 1000);
                SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
                shown.push_back(WindowText(edit));
            };
            typeAtEnd("X");  // the stored text cannot grow
            SendMessageA(edit, EM_SETSEL, 0, -1);
            SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(c.shorter.c_str()));
            shown.push_back(WindowText(edit));
            typeAtEnd(c.added);  // what is typed keeps to the limit
            Click(box->m_hWnd, IDC_TOOLKIT_OK);
            return true;
        });
        EXPECT_EQ(1, InputString(nullptr, &g_WndList, &name, 12, c.countChars, "変数名の入力"));
        EXPECT_EQ((std::vector<std::string>{c.stored, c.shorter, c.result}), shown) << c.countChars;
        EXPECT_EQ(c.result, name) << c.countChars;
    }
}

// ---- Graphic picker
// ------------------------------------------------------------------------------

TEST(GraphicPicker, CellsOfEveryKind) {
    const struct {
        int kind, x, y, cell, frameX, frameY;
    } cases[] = {
        {SHEET_CHARA, 100, 200, 24, 96, 192},    {SHEET_CHARA, 0, 0, 0, 0, 0},
        {SHEET_EFFECT, 130, 70, 17, 128, 64},    {SHEET_CHIP, 40, 70, 17, 32, 64},
        {SHEET_CHIP, 300, 70, 145, 288, 64},     {SHEET_EVENT, 64, 40, 33, 64, 32},
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
        int kind, x, y, cell;
    } cases[] = {
        {SelectChipGraphic, SHEET_CHIP, 300, 70, 145},
    };
    for (const auto& c : cases) {
        int cell = -1;
        RECT client = {0, 0, 0, 0};
        int frame[3] = {0, 0, 0};
        WhenOpen([&] {
            DLG_SELECTGRAPHIC* box = OpenBox<DLG_SELECTGRAPHIC>();
            if (!box) return false;
            GetClientRect(box->m_hWnd, &client);
            POINT pt = {c.x, c.y};
            ClientToScreen(box->m_hWnd, &pt);
            SetCursorPos(pt.x, pt.y);
            SendMessageA(box->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(c.x, c.y));
            // The frame around the cell is drawn over the sheet.
            int fx = 0, fy = 0;
            GraphicCellAt(c.kind, c.x, c.y, &fx, &fy);
            if (cDib* surface = box->m_Picture.Surface()) {
                frame[0] = surface->Row(fy)[(fx + 4) * 4];
                frame[1] = surface->Row(fy + 8)[(fx + 8) * 4];
                frame[2] = surface->Row(fy + 8)[(fx + 8) * 4 + 2];
            }
            SendMessageA(box->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, c.y));
            return true;
        });
        EXPECT_EQ(1, c.open(&cell, nullptr, nullptr));
        EXPECT_EQ(c.cell, cell);
        EXPECT_EQ(255, frame[0]) << "white frame";
        EXPECT_EQ(30, frame[1]) << "the sheet's blue";
        EXPECT_EQ(10, frame[2]) << "the sheet's red";
        EXPECT_EQ(g_GraphicSheets[c.kind].width, client.right) << "the client area is the sheet";
        EXPECT_EQ(g_GraphicSheets[c.kind].height, client.bottom);
    }
}

TEST(GraphicPicker, ShowsTheSheetAndClosingLeavesTheValue) {
    cDib& sheet = g_ImageTable[IMG_PICK_EVENT];
    if (!sheet.m_hDC) sheet.Create(1024, 512, 24, 0);
    sheet.Fill(RGB(10, 20, 30));
    int cell = 7;
    COLORREF shown = 0;
    WhenShown([&] {
        DLG_SELECTGRAPHIC* box = OpenBox<DLG_SELECTGRAPHIC>();
        if (!box) return false;
        SendMessageA(box->m_hWnd, WM_MOUSEMOVE, 0, 0);
        HDC dc = GetDC(box->m_Picture.m_hWnd);
        shown = GetPixel(dc, 300, 300);
        ReleaseDC(box->m_Picture.m_hWnd, dc);
        SendMessageA(box->m_hWnd, WM_CLOSE, 0, 0);
        return true;
    });
    EXPECT_EQ(0, SelectEventGraphic(&cell, nullptr, nullptr));
    EXPECT_EQ(7, cell) << "closing leaves the value";
    EXPECT_EQ(RGB(10, 20, 30), shown) << "the sheet is on the window";

    bool stayed = false;
    WhenShown([&stayed] {
        DLG_SELECTGRAPHIC* box = OpenBox<DLG_SELECTGRAPHIC>();
        if (!box) return false;
        SendMessageA(box->m_hWnd, WM_COMMAND, IDCANCEL, 0);  // Esc
        stayed = !box->m_CtrlList.empty();                   // an ended dialog has let its controls go
        if (stayed) SendMessageA(box->m_hWnd, WM_CLOSE, 0, 0);
        return true;
    });
    EXPECT_EQ(0, SelectEventGraphic(&cell, nullptr, nullptr));
    EXPECT_FALSE(stayed) << "Esc left the picker open";
    EXPECT_EQ(7, cell);
}
