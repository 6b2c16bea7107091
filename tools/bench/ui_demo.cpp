// Shows the toolkit's dialogs with sample records, to look at them:
//   tools/screenshot.sh build/screenshots/ui.png 2 build/win/bin/UiDemo.exe [value|text|picker]
// Without an argument: the test dialog, a palette, a drawing area and a
// property sheet; with one, the number box, the text box or the graphic picker.
#include <windows.h>

#include <cstring>

#include "editing/skill_combos.h"
#include "media/image_table.h"
#include "model/skill.h"
#include "tests/support/text_fit.h"
#include "tests/ui/test_dialogs.h"
#include "ui/dlg_input.h"
#include "ui/dlg_selectgraphic.h"
#include "ui/wnd_list.h"

namespace {

void SampleSkills() {
    g_SkillLists.assign(2, cSkillList());
    g_SkillLists[0].strName = "剣技";
    g_SkillLists[1].strName = "魔法";
    g_SkillLists[0].vCateg.assign(1, cCateg());
    g_SkillLists[0].vCateg[0].strName = "攻撃";
    g_SkillLists[0].vSkill.assign(4, cSkill());
    const char* names[] = {"", "斬り", "突き", "二段斬り"};
    for (int i = 0; i < 4; ++i) g_SkillLists[0].vSkill[i].strName = names[i];
}

// A sheet of coloured cells, so that the picker's frame shows.
void SampleSheet(int kind) {
    const GRAPHIC_SHEET& s = g_GraphicSheets[kind];
    cDib& sheet = g_ImageTable[IMG_PICK_CHARA + kind];
    sheet.Create(s.width, s.height, 24, 0);
    sheet.Fill(RGB(0, 0, 0));
    for (int y = 0; y < s.height; y += s.cell)
        for (int x = 0; x < s.width; x += s.cell) {
            HBRUSH brush = CreateSolidBrush(RGB(40 + x * 150 / s.width, 60 + y * 150 / s.height, 120));
            RECT rc = {x + 2, y + 2, x + s.cell - 2, y + s.cell - 2};
            FillRect(sheet.m_hDC, &rc, brush);
            DeleteObject(brush);
        }
}

// The boxes open over the button that asks for them.
int OpenBox(const char* which) {
    CTRL_BUTTON_CLASS anchor;
    anchor.m_hWnd = CreateWindowExA(0, "BUTTON", "ﾃﾞｰﾀ数", WS_POPUP | WS_VISIBLE, 200, 150, 80, 24, nullptr, nullptr,
                                    nullptr, nullptr);
    if (std::strcmp(which, "value") == 0) {
        int value = 12;
        return InputValue(nullptr, &g_WndList, &value, 1, 999, "ﾃﾞｰﾀ数", &anchor, 1);
    }
    if (std::strcmp(which, "text") == 0) {
        std::string name = "毒消し草";
        return InputString(nullptr, &g_WndList, &name, 12, 1, "変数名の入力", &anchor, 1);
    }
    DestroyWindow(anchor.m_hWnd);
    SampleSheet(SHEET_CHARA);
    SetCursorPos(130, 150);  // over a cell, so that its frame shows
    int cell = 0;
    return SelectCharaGraphic(&cell, nullptr, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR args, int) {
    LogUnfitTextsOfEveryDialog();
    DLG_CLASS::SetScrollBarIds(IDC_HSCROLL, IDC_VSCROLL);
    if (*args) return OpenBox(args);

    SampleSkills();
    TEST_DLG ctrls(&g_WndList);
    ctrls.m_Rec.level = 12;
    ctrls.m_Rec.byte = 200;
    ctrls.m_Rec.sh = 30;
    ctrls.m_Rec.rate = 1.25;
    ctrls.m_Rec.check = 1;
    ctrls.m_Rec.name = "はがねの剣";
    ctrls.m_Rec.text = "攻撃力が高い剣。\n#P3.を持つと会心率が上がる。";
    ctrls.m_Rec.kind = 2;
    ctrls.m_Rec.step = 5;
    ctrls.m_Rec.skill = 3;
    ctrls.m_Rec.hue = 120;
    ctrls.m_Rec.sound = 1;
    ctrls.m_SoundRows = {"なし", "決定", "キャンセル"};
    ctrls.m_BgmRows = {"なし", "フィールド"};
    FillRecordComboEx(ctrls.m_ListRows, ctrls.m_SkillRows, 0, &ctrls, ctrls.m_Combos, IDC_SKILL);
    ctrls.m_Source = MakeRecords(12);
    ctrls.m_MultiSource = MakeRecords(5);
    ctrls.m_nRememberX = 20;
    ctrls.m_nRememberY = 20;
    ctrls.Create(0, 1);
    SMALL_TEST_DLG palette(&g_WndList);
    palette.m_nRememberX = 20;
    palette.m_nRememberY = 420;
    palette.Create(0, 1);
    DRAW_TEST_DLG draw(&g_WndList);
    draw.m_nRememberX = 250;
    draw.m_nRememberY = 420;
    draw.Create(0, 1);
    if (cDib* dib = draw.m_Picture.Surface()) {
        dib->Fill(RGB(40, 80, 160));
        draw.m_Picture.Present();
    }
    TEST_PAGE1 page1(&g_WndList);
    TEST_PAGE2 page2(&g_WndList);
    page1.m_Rec.name = "勇者";
    page1.m_Rec.kind = 1;
    PROP_CLASS* sheet = new TEST_SHEET(nullptr, &g_WndList, &page1, &page2);
    sheet->Run();
    g_WndList.AddSheet(sheet, &sheet);
    SetWindowTextA(sheet->m_hWnd, "データベースの設定");
    SetWindowPos(sheet->m_hWnd, nullptr, 560, 420, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (DispatchAppMessage(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
