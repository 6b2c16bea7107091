// Shows the second part's dialogs to look at them:
//   tools/screenshot.sh build/screenshots/ui2.png 2 build/win/tests/ui2_demo.exe [value|text|picker]
// Without an argument: the text and combo controls and a property sheet.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "media/image_table.h"
#include "model/skill.h"
#include "tests/ui/ui2_dialogs.h"
#include "editing/skill_combos.h"
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

void Loop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (DispatchAppMessage(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR args, int) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    // The boxes open over the button that asks for them.
    CTRL_BUTTON_CLASS anchor;
    anchor.m_hWnd = CreateWindowExA(0, "BUTTON", "ﾃﾞｰﾀ数", WS_POPUP | WS_VISIBLE, 200, 150, 80, 24, nullptr, nullptr,
                                    nullptr, nullptr);
    if (std::strcmp(args, "value") == 0) {
        int value = 12;
        InputValue(nullptr, &g_WndList, &value, 1, 999, "ﾃﾞｰﾀ数", &anchor, 1);
        return 0;
    }
    if (std::strcmp(args, "text") == 0) {
        std::string name = "毒消し草";
        InputString(nullptr, &g_WndList, &name, 12, 1, "変数名の入力", &anchor, 1);
        return 0;
    }
    DestroyWindow(anchor.m_hWnd);
    if (std::strcmp(args, "picker") == 0) {
        SampleSheet(SHEET_CHARA);
        SetCursorPos(130, 150);  // over a cell, so that its frame shows
        int cell = 0;
        SelectCharaGraphic(&cell, nullptr, nullptr);
        return 0;
    }
    SampleSkills();
    EDIT_TEST_DLG ctrls(&g_WndList);
    ctrls.m_Rec.name = "はがねの剣";
    ctrls.m_Rec.text = "攻撃力が高い剣。\n#P3.を持つと会心率が上がる。";
    ctrls.m_Rec.kind = 2;
    ctrls.m_Rec.step = 5;
    ctrls.m_Rec.skill = 3;
    ctrls.m_Rec.hue = 120;
    ctrls.m_SoundRows = {"なし", "決定", "キャンセル"};
    ctrls.m_BgmRows = {"なし", "フィールド"};
    ctrls.m_Rec.sound = 1;
    FillRecordComboEx(ctrls.m_ListRows, ctrls.m_SkillRows, 0, &ctrls, ctrls.m_Combos, IDC_UI2_SKILL);
    ctrls.m_nRememberX = 20;
    ctrls.m_nRememberY = 20;
    ctrls.Create(0, 1);

    TEST_PAGE1 page1(&g_WndList);
    TEST_PAGE2 page2(&g_WndList);
    page1.m_Rec.name = "勇者";
    page1.m_Rec.kind = 1;
    PROP_CLASS* sheet = new TEST_SHEET(nullptr, &g_WndList, &page1, &page2);
    sheet->Run();
    g_WndList.AddSheet(sheet, &sheet);
    SetWindowTextA(sheet->m_hWnd, "データベースの設定");
    SetWindowPos(sheet->m_hWnd, nullptr, 470, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Loop();
    return 0;
}
