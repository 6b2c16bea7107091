// The editors' shared window-free rules: the line stepping and the cursor
// stack of the map editors, and the skill rows of the combo fillers.
#include <gtest/gtest.h>

#include "editing/map_cursor.h"
#include "editing/skill_rows.h"
#include "model/skill.h"
#include "tests/support/seams.h"

namespace {

TEST(MapRules, LineStep) {
    double x = 0.0, y = 0.0;
    EXPECT_TRUE(LineStep(&x, &y, 1, 0, 2.0));
    EXPECT_DOUBLE_EQ(1.0, x);
    x = y = 0.0;
    EXPECT_FALSE(LineStep(&x, &y, 1, 0, 1.0));
    EXPECT_LT(x, 1.0);
    EXPECT_GT(x, 0.99);
    // Along the major axis; the minor one steps every other time here.
    x = y = 0.0;
    EXPECT_TRUE(LineStep(&x, &y, 2, 1, 4.0));
    EXPECT_DOUBLE_EQ(2.0, x);
    EXPECT_DOUBLE_EQ(1.2, y);
    x = 3.5, y = 0.0;
    EXPECT_FALSE(LineStep(&x, &y, 0, 0, 1.0)) << "ten steps of 0.1 back from 3.5";
    EXPECT_NEAR(2.5, x, 1e-9);
}

TEST(MapRules, CursorStack) {
    cMapCursor cursor;
    EXPECT_EQ(1, cursor.Count());
    EXPECT_EQ(nullptr, cursor.m_pPrev);
    cursor.m_pCur->nX = 3;
    cursor.m_pCur->nY = 4;
    cursor.Pop(0);
    EXPECT_EQ(3, cursor.m_pCur->nX) << "one record: nothing happens";

    cursor.Push(1);
    EXPECT_EQ(2, cursor.Count());
    EXPECT_EQ(3, cursor.m_pCur->nX);
    EXPECT_EQ(&cursor.m_Stack[0], cursor.m_pPrev);
    cursor.m_pCur->nX = 9;
    cursor.Pop(2);
    EXPECT_EQ(9, cursor.m_pCur->nX) << "mode 2 carries the values down";
    EXPECT_EQ(nullptr, cursor.m_pPrev);

    cursor.Push(1);
    cursor.Pop(0);
    EXPECT_EQ(0, cursor.m_pCur->nX) << "mode 0 zeroes the record below";
    cursor.m_pCur->nY = 7;
    cursor.Push(0);
    EXPECT_EQ(0, cursor.m_pCur->nY);
    cursor.Pop(1);
    EXPECT_EQ(7, cursor.m_pCur->nY);
    cursor.Reset();
    EXPECT_EQ(1, cursor.Count());
    EXPECT_EQ(0, cursor.m_pCur->nY);
}

cSkillList MakeList(const char* name, int skills) {
    cSkillList list;
    list.strName = name;
    list.vCateg.clear();
    for (const char* c : {"A", "B", "C"}) {
        cCateg categ;
        categ.strName = c;
        list.vCateg.push_back(categ);
    }
    list.vSkill.assign(static_cast<size_t>(skills), cSkill());
    for (int i = 0; i < skills; ++i) list.vSkill[i].strName = "技" + std::to_string(i);
    return list;
}

TEST(NameLists, SkillRows) {
    VECTOR_CLASS<cSkillList> saved = g_SkillLists;
    g_SkillLists.clear();
    g_SkillLists.push_back(MakeList("剣技", 3));
    g_SkillLists.push_back(MakeList("魔法", 1));
    g_SkillLists[0].vSkill[2].nCateg = 2;

    VECTOR_CLASS<std::string> rows;
    MakeSkillRows(rows, 0);
    EXPECT_EQ((VECTOR_CLASS<std::string>{"001 A-技1", "002 C-技2"}), rows);
    MakeSkillRows(rows, 1);
    EXPECT_TRUE(rows.empty()) << "a list holding only skill 0";
    MakeSkillRows(rows, -1);
    EXPECT_TRUE(rows.empty()) << "no list chosen";
    MakeSkillListRows(rows);
    EXPECT_EQ((VECTOR_CLASS<std::string>{"01 剣技", "02 魔法"}), rows);
    g_SkillLists = saved;
}

// A damaged "Skill.dat" loads skills whose list holds no category.
TEST(NameLists, SkillRowsOfAListWithoutItsCategories) {
    ScopedMainWindow mainWindow;
    VECTOR_CLASS<cSkillList> saved = g_SkillLists;
    g_SkillLists.clear();
    g_SkillLists.push_back(MakeList("剣技", 3));
    g_SkillLists[0].vSkill[1].nCateg = 3;
    g_SkillLists[0].vSkill[2].nCateg = -1;
    g_SkillLists.push_back(MakeList("魔法", 2));
    g_SkillLists[1].vCateg.clear();
    VECTOR_CLASS<std::string> rows;
    MakeSkillRows(rows, 0);
    EXPECT_EQ((VECTOR_CLASS<std::string>{"001 ？-技1", "002 ？-技2"}), rows);
    MakeSkillRows(rows, 1);
    EXPECT_EQ((VECTOR_CLASS<std::string>{"001 ？-技1"}), rows);
    EXPECT_TRUE(mainWindow.Actions().empty()) << "the editor goes on";
    g_SkillLists = saved;
}

TEST(NameLists, SlotRows) {
    cSkillList list;
    list.vCateg.resize(2);
    list.vCateg[0].strName = "剣";
    list.vCateg[1].strName = "魔";
    cSlot slot;
    slot.bAllCateg = 0;
    slot.vAcqCond.resize(2);
    slot.vAcqCond[0].nCateg = 1;
    slot.vAcqCond[1].nCateg = 5;
    EXPECT_EQ("魔  ", SlotCategoryNames(slot, list.vCateg, " ")) << "a lost category names none";
    ResetLostConditions(slot, 2);
    EXPECT_EQ("魔 剣 ", SlotCategoryNames(slot, list.vCateg, " "));
    slot.bAllCateg = 1;
    EXPECT_EQ("無制限", SlotCategoryNames(slot, list.vCateg, " "));
}

}  // namespace
