// Guarded access, the vector operations the editors rely on, and the string
// helpers.
#include "base/containers.h"

#include <gtest/gtest.h>

#include <climits>

#include "base/report.h"
#include "tests/support/sample_record.h"
#include "tests/support/seams.h"

namespace {

class ContainersTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(1, ReportOpen("Report_Editor.txt")); }
    std::string Log() { return ReadFileBytes("Report_Editor.txt"); }

    ScratchFolder m_folder{"containers_test"};
    ScopedMainWindow m_mainWindow;
};

TEST_F(ContainersTest, IndexOutsideAVectorIsReportedAndEndsTheProgram) {
    VECTOR_CLASS<int> v = {10, 20, 30};
    const struct {
        int index;
        int value;
        const char* line;
    } cases[] = {
        {0, 10, nullptr},
        {2, 30, nullptr},
        {-1, 10, "err V[-1] ( 3 , 4 )"},
        {3, 10, "err V[3] ( 3 , 4 )"},
    };
    std::string expected;
    for (const auto& c : cases) {
        ScopedMainWindow::Actions().clear();
        EXPECT_EQ(c.value, v.At(c.index)) << c.index;
        if (c.line) {
            expected += std::string(c.line) + "\r\n";
            EXPECT_EQ(std::vector<int>{MAINWND_DESTROY}, ScopedMainWindow::Actions()) << c.index;
        } else {
            EXPECT_TRUE(ScopedMainWindow::Actions().empty()) << c.index;
        }
    }
    EXPECT_EQ(expected, Log());
}

TEST_F(ContainersTest, TheCloseVariantAsksTheFrameToQuit) {
    VECTOR_CLASS<void*> pages(1);
    pages.AtOrClose(1);
    EXPECT_EQ(std::vector<int>{MAINWND_CLOSE}, ScopedMainWindow::Actions());
    std::string line;
    EXPECT_EQ(StringPrintf(line, "err V[1] ( 1 , %d )\r\n", static_cast<int>(sizeof(void*))), Log());
}

TEST_F(ContainersTest, AnEmptyVectorGivesASpareElement) {
    VECTOR_CLASS<cSampleItem> empty;
    cSampleItem& spare = empty.At(0);
    EXPECT_EQ(7, spare.nId);
    EXPECT_TRUE(empty.empty());
}

TEST_F(ContainersTest, IndexOutsideAListGivesItsStaticDefault) {
    LIST_CLASS<cSampleItem> list(2);
    list.back().nId = 3;
    EXPECT_EQ(3, list.At(1).nId);
    cSampleItem& first = list.At(5);
    cSampleItem& second = list.At(-1);
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(&first, &LIST_CLASS<cSampleItem>::DefaultElement());
    const std::string size = std::to_string(sizeof(cSampleItem));
    EXPECT_EQ("err L[5] ( 2 , " + size + " )\r\nerr L[-1] ( 2 , " + size + " )\r\n", Log());
    EXPECT_EQ(2u, ScopedMainWindow::Actions().size());
}

TEST_F(ContainersTest, AssignResizesThenCopies) {
    VECTOR_CLASS<cSampleItem> two(2), five(5);
    two[0].nId = 1;
    two[1].nId = 2;
    five[4].strName = "gone";
    five.Assign(two);
    ASSERT_EQ(2u, five.size());
    EXPECT_EQ(1, five[0].Compare(two[0]));
    EXPECT_EQ(1, five[1].Compare(two[1]));

    VECTOR_CLASS<cSampleItem> grown(2);
    grown[0].nId = 9;
    VECTOR_CLASS<cSampleItem> source(5);
    source[4].nId = 44;
    grown.Assign(source);
    ASSERT_EQ(5u, grown.size());
    EXPECT_EQ(7, grown[0].nId);
    EXPECT_EQ(44, grown[4].nId);
    grown.Assign(grown);
    EXPECT_EQ(5u, grown.size());
}

TEST_F(ContainersTest, EraseAndInsertRefuseWhatIsNotTheirs) {
    VECTOR_CLASS<int> v = {1, 2, 3};
    const int outsider = 2;
    EXPECT_EQ(0, v.EraseAt(3));
    EXPECT_EQ(0, v.EraseAt(static_cast<unsigned>(-1)));
    EXPECT_EQ(0, v.ErasePtr(outsider));
    EXPECT_EQ(0, v.InsertBefore(outsider, 9));
    EXPECT_EQ((VECTOR_CLASS<int>{1, 2, 3}), v);
    EXPECT_EQ(1, v.EraseAt(2));
    EXPECT_EQ((VECTOR_CLASS<int>{1, 2}), v);
    EXPECT_EQ(1, v.InsertBefore(v[0], v[1]));  // the value lives in the vector
    EXPECT_EQ((VECTOR_CLASS<int>{2, 1, 2}), v);
    EXPECT_EQ(1, v.ErasePtr(v[1]));
    EXPECT_EQ((VECTOR_CLASS<int>{2, 2}), v);
    EXPECT_TRUE(Log().empty()) << "refusals write no log";
}

TEST_F(ContainersTest, FillAndCountNonZero) {
    VECTOR_CLASS<int> empty;
    empty.Fill(0);
    EXPECT_TRUE(empty.empty());
    VECTOR_CLASS<int> flags = {0, 5, 0, -1};
    EXPECT_EQ(2, flags.CountNonZero());
    flags.Fill(0);
    EXPECT_EQ(0, flags.CountNonZero());
}

TEST_F(ContainersTest, StringHelpers) {
    std::string s = "old";
    EXPECT_EQ("a b", StringPrintf(s, "%s %s", "a", "b"));
    EXPECT_EQ("a b", s);
    EXPECT_EQ(4195u, StringPrintf(s, "%s", std::string(5000, 'x').c_str()).size());
    EXPECT_EQ("100%", StringPrintf(s, "%d%%", 100));
    EXPECT_EQ("100% of 2", AppendFormat(s, " of %d", 2));
    EXPECT_EQ("100% of 2", s);
    EXPECT_EQ(9u + 4195u, AppendFormat(s, "%s", std::string(5000, 'x').c_str()).size()) << "each piece cut alone";
    const std::string empty;
    EXPECT_STREQ("", StrOrEmpty(empty));
    EXPECT_EQ(StrOrEmpty(empty), StrOrEmpty(std::string()));
    const std::string text = "表示";
    EXPECT_EQ(text.c_str(), StrOrEmpty(text));
    const int kDigits[][2] = {{0, 1}, {9, 1}, {10, 2}, {-5, 1}, {-123456, 6}, {INT_MAX, 10}, {INT_MIN, 10}};
    for (const auto& d : kDigits) EXPECT_EQ(CountDigits(d[0]), d[1]) << d[0];
}

}  // namespace
