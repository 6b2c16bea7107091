// The sub-list on a real list box: "挿入" takes the inserted record out
// again when its dialog is cancelled, "編集" edits the current record only,
// a full list opens no dialog, and the buttons reach the list through the
// owner's commands.
#include "ui/record_sublist.h"

#include <gtest/gtest.h>

#include "tests/ui/dialog_fixture.h"
#include "tests/ui/ui_driver.h"

namespace {

std::string Numbers(const VECTOR_CLASS<cTestRec>& records) {
    std::string text;
    for (const cTestRec& r : records) text += (text.empty() ? "" : " ") + std::to_string(r.n);
    return text;
}

enum { IDC_INSERT = IDC_BUTTON };

}  // namespace

using RecordSubList = DialogTest;

TEST_F(RecordSubList, InsertEditsTheNewRecordAndCancelTakesItOut) {
    const struct {
        int maxCount, selectNext, ok;
        int result, edits;
        const char* numbers;
        int row;  // current row afterwards
    } cases[] = {
        {99, 1, 1, 1, 1, "0 9 1 2", 2},  // OK: the row after the new record
        {99, 0, 1, 1, 1, "0 9 1 2", 1},  // OK, the new record stays current
        {99, 1, 0, 0, 1, "0 1 2", 1},    // cancelled: gone again
        {3, 1, 1, 0, 0, "0 1 2", 1},     // full: no dialog
    };
    for (const auto& c : cases) {
        WND_LIST_CLASS registry;
        TEST_DLG d0(&registry);
        d0.m_Source = MakeRecords(3);
        d0.m_ListDesc.maxCount = c.maxCount;
        RunTestDialog(d0, [&c](TEST_DLG& d) {
            RECORD_SUBLIST sub({IDC_LIST, IDC_INSERT, 0, 0}, c.selectNext);
            sub.Attach(&d, &d.m_List, kEditOnlyCommands);
            int edits = 0;
            sub.m_Edit = [&](int index) {
                ++edits;
                d.m_Work[index].n = 9;
                return c.ok;
            };
            d.m_List.SelectOnly(1, 1);
            int changed = -1;
            EXPECT_EQ(1, sub.OnCommand(IDC_INSERT, BN_CLICKED, &changed));
            EXPECT_EQ(c.result, changed);
            EXPECT_EQ(c.edits, edits);
            EXPECT_EQ(c.numbers, Numbers(d.m_Work));
            EXPECT_EQ(c.row, d.m_List.GetCurSel());
        });
    }
}

TEST_F(RecordSubList, EditReachesOnlyARecordRow) {
    dlg.m_Source = MakeRecords(2);
    RunTestDialog(dlg, [](TEST_DLG& d) {
        RECORD_SUBLIST sub({IDC_LIST, 0, IDC_INSERT, 0}, 0);
        sub.Attach(&d, &d.m_List, kEditOnlyCommands);
        std::vector<int> edited;
        int changes = 0;
        sub.m_Edit = [&edited](int index) {
            edited.push_back(index);
            return 1;
        };
        sub.m_Changed = [&changes] { ++changes; };
        int changed = 0;
        d.m_List.SelectOnly(1, 1);
        EXPECT_EQ(1, sub.OnCommand(IDC_LIST, LBN_DBLCLK, &changed));
        EXPECT_EQ(1, changed);
        d.m_List.SelectOnly(2, 1);  // the end row
        EXPECT_EQ(1, sub.OnCommand(IDC_INSERT, BN_CLICKED, &changed));
        EXPECT_EQ(0, changed);
        EXPECT_EQ(std::vector<int>{1}, edited);
        EXPECT_EQ(1, changes) << "only a change runs the owner's follow-up";
        EXPECT_EQ(0, sub.OnCommand(IDC_NAME, BN_CLICKED, &changed)) << "not the list's";
    });
}
