// The skill page's effect preview in the open skill sheet.
#include "database/skills/dlg_dbskill.h"
#include "media/image_table.h"
#include "model/skill.h"
#include "resources/db_skills_ids.h"
#include "tests/database/sheet/sheet_test_support.h"

namespace {

// The effect sheet with every row in its own colour: red 8 x (row + 1).
void ColourRows(cDib& sheet) {
    sheet.Create(64 * 4, 64 * 16, 24, 0);
    for (int y = 0; y < sheet.m_nHeight; ++y) {
        BYTE* row = sheet.Row(y);
        for (int x = 0; x < sheet.m_nWidth; ++x) {
            row[x * 3] = 40;
            row[x * 3 + 1] = 80;
            row[x * 3 + 2] = static_cast<BYTE>(8 * (y / 64 + 1));
        }
    }
}

class SkillPreviewTest : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        ColourRows(g_ImageTable[IMG_EFFECT1]);
        ASSERT_TRUE(g_ImageTable[IMG_HSV64].LoadImage(&g_ImageParam[IMG_HSV64]));
        cSkillList list;
        list.vSkill.resize(2);
        g_SkillLists.assign(1, list);
    }
    void TearDown() override {
        SheetTest::TearDown();
        for (int i = 0; i < IMAGE_TABLE_SIZE; ++i) g_ImageTable[i].Release();
    }
    // The red of the effect preview, 0 for black.
    static int ShownRed(DLG_DBSKILL* page) {
        for (CTRL_CLASS* c : page->m_CtrlList)
            if (c->m_wId == IDC_SKILL_PREVIEW && c->m_nKind == CTRL_KIND_PICTURE) {
                GdiFlush();
                return static_cast<CTRL_PICTURE_CLASS*>(c)->Surface()->Row(4)[4 * 4 + 2];
            }
        return -1;
    }
};

}  // namespace

// An emptied graphic edit reads graphic 0, which builds no row: the row
// built last stays on show, in the command's drawing and in the idle steps.
TEST_F(SkillPreviewTest, GraphicZeroKeepsTheEffectLastShown) {
    Open();
    DLG_DBSKILL* page = OpenSkills();
    ASSERT_NE(nullptr, page);
    const HWND wnd = page->m_hWnd;
    SetDlgItemTextA(wnd, IDC_SKILL_EFFECT, "1");
    const int one = ShownRed(page);
    SetDlgItemTextA(wnd, IDC_SKILL_EFFECT, "3");
    const int three = ShownRed(page);
    EXPECT_GT(three, one) << "graphic 3 is row 3 of the first effect sheet";
    SetDlgItemTextA(wnd, IDC_SKILL_EFFECT, "");
    EXPECT_EQ(three, ShownRed(page));
    page->DrawPreviews(1);
    EXPECT_EQ(three, ShownRed(page));
    // A 0 typed is shown as the lowest graphic, and drawn so.
    SetDlgItemTextA(wnd, IDC_SKILL_EFFECT, "0");
    char shown[8] = {};
    GetDlgItemTextA(wnd, IDC_SKILL_EFFECT, shown, sizeof(shown));
    EXPECT_STREQ("1", shown);
    EXPECT_EQ(one, ShownRed(page));
}
