// The report log, the second log, message boxes and the system information.
#include "base/report.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/serial.h"
#include "tests/support/seams.h"

namespace {

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_szReportPath[0] = '\0';
        g_bEcLogStarted = 0;
        EcLogOpen(0, "EC_Editor.txt");
    }
    void TearDown() override {
        g_szReportPath[0] = '\0';
        EcLogOpen(0, "EC_Editor.txt");
    }
    ScratchFolder m_folder{"report_test"};
    ScopedBoxes m_boxes;
    ScopedMainWindow m_mainWindow;
};

TEST_F(ReportTest, LinesEndInCrLf) {
    EXPECT_EQ(0, Report("before the log is opened"));
    EXPECT_FALSE(FileExists("Report_Editor.txt"));

    ASSERT_TRUE(WriteFileBytes("Report_Editor.txt", "from the last run"));
    ASSERT_EQ(1, ReportOpen("Report_Editor.txt"));
    EXPECT_EQ("", ReadFileBytes("Report_Editor.txt"));
    EXPECT_EQ(1, Report("a"));
    EXPECT_EQ(1, Report("%s", "b"));
    EXPECT_EQ(1, Report("App : ver %s", "270"));
    EXPECT_EQ(1, Report("two\nlines"));
    EXPECT_EQ("a\r\nb\r\nApp : ver 270\r\ntwo\r\nlines\r\n", ReadFileBytes("Report_Editor.txt"));

    FileDelete("Report_Editor.txt");
    EXPECT_EQ(0, Report("the log is gone"));
    EXPECT_EQ(0, ReportAndEcLog("x"));
    EXPECT_EQ(0u, m_boxes.Count());
    EXPECT_EQ(0, ReportOpen("no_such_folder\\log.txt"));
}

// A failure the user must learn of goes to the log, or into a box when the
// log cannot be written; an error box is shown either way.
TEST_F(ReportTest, FailuresAreShownWhenTheLogCannotTakeThem) {
    ASSERT_EQ(1, ReportOpen("Report_Editor.txt"));
    EXPECT_EQ(1, ReportOrBox("%s の保存に失敗しました！", "a.dat"));
    EXPECT_EQ(0u, m_boxes.Count());
    FileDelete("Report_Editor.txt");
    EXPECT_EQ(0, ReportOrBox("%s の保存に失敗しました！", "b.dat"));
    EXPECT_EQ(0, ReportError("%s", "100%"));
    EXPECT_EQ((std::vector<std::string>{"b.dat の保存に失敗しました！", "100%"}), m_boxes.Texts());
    EXPECT_EQ("エラー", m_boxes.Calls()[0].caption);
    EXPECT_FALSE(FileExists("Report_Editor.txt")) << "nothing makes the log anew";
}

TEST_F(ReportTest, LoadFailuresNameTheFileAndTheReason) {
    ASSERT_EQ(1, ReportOpen("Report_Editor.txt"));
    const std::string missing =
        "data\\GValInfo.dat の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」フォルダへ同名のファイルをコピーして下さい。";
    const std::string tooNew =
        "data\\GValInfo.dat の読み込みに失敗しました！\nソフトより上位のバージョンのファイルは使用できません。";
    g_bFileTooNew = 0;
    EXPECT_EQ(1, ReportLoadFailure("data\\GValInfo.dat"));
    g_bFileTooNew = 1;
    EXPECT_EQ(1, ReportLoadFailure("data\\GValInfo.dat"));
    g_bFileTooNew = 0;
    ASSERT_EQ(2u, m_boxes.Count());
    EXPECT_EQ(missing, m_boxes.Calls()[0].text);
    EXPECT_EQ(tooNew, m_boxes.Calls()[1].text);
    EXPECT_EQ("エラー", m_boxes.Calls()[1].caption);
    EXPECT_EQ(static_cast<unsigned>(MB_OK), m_boxes.Calls()[1].type);
    auto crlf = [](std::string s) {
        for (size_t i = s.find('\n'); i != std::string::npos; i = s.find('\n', i + 2)) s.insert(i, "\r");
        return s;
    };
    EXPECT_EQ(crlf(missing + "\n" + tooNew + "\n"), ReadFileBytes("Report_Editor.txt"));
}

TEST_F(ReportTest, PercentSignsInTheTextStayAsTheyAre) {
    ASSERT_EQ(1, ReportOpen("Report_Editor.txt"));
    EXPECT_EQ(1, ReportError("%s", "100%d %s"));
    EXPECT_EQ("100%d %s\r\n", ReadFileBytes("Report_Editor.txt"));
    ASSERT_EQ(1u, m_boxes.Count());
    EXPECT_EQ("100%d %s", m_boxes.Calls()[0].text);
}

TEST_F(ReportTest, LongTextsAreCut) {
    ASSERT_EQ(1, ReportOpen("Report_Editor.txt"));
    const std::string huge(5000, 'x');
    ReportAndEcLog("%s", huge.c_str());
    EXPECT_EQ(std::string(1023, 'x') + "\r\n", ReadFileBytes("Report_Editor.txt"));
    ErrorBoxPrintf("%s", huge.c_str());
    ASSERT_EQ(1u, m_boxes.Count());
    EXPECT_EQ(4195u, m_boxes.Calls()[0].text.size());
}

TEST_F(ReportTest, TheSecondLogIsSilentUntilEnabled) {
    ASSERT_EQ(1, ReportOpen("Report_Editor.txt"));
    EcLogWrite("nothing");
    ECSP("nothing %d", 1);
    ECMSP("nothing %d", 2);
    EXPECT_FALSE(FileExists("EC_Editor.txt"));
    EXPECT_EQ(0u, m_boxes.Count());

    ASSERT_TRUE(WriteFileBytes("EC_Editor.txt", "from the last run"));
    EXPECT_STREQ("EC_Editor.txt", EcLogOpen(1, "EC_Editor.txt"));
    EcLogWrite("first");
    EXPECT_EQ(1, g_bEcLogStarted);
    ECSP("second %d", 2);
    ReportAndEcLog("third");
    EXPECT_EQ("first\r\nsecond 2\r\nthird\r\n", ReadFileBytes("EC_Editor.txt"));
    EXPECT_EQ("third\r\n", ReadFileBytes("Report_Editor.txt"));

    ECSP("%s", std::string(5000, 'y').c_str());
    const std::string log = ReadFileBytes("EC_Editor.txt");
    EXPECT_NE(std::string::npos, log.find(std::string(4195, 'y') + "\r\nバッファ不足で表示失敗 ECSP()\r\n"));

    ECMSP("box %d", 1);
    ECMSP("%s", std::string(4195, 'z').c_str());
    ASSERT_EQ(3u, m_boxes.Count());
    EXPECT_EQ("box 1", m_boxes.Calls()[0].text);
    EXPECT_EQ("エラー", m_boxes.Calls()[0].caption);
    EXPECT_EQ("バッファ不足で表示失敗 ECMSP()", m_boxes.Calls()[2].text);
}

TEST_F(ReportTest, AFailedFirstWriteTriesToCreateAgain) {
    EcLogOpen(1, "no_such_folder\\EC_Editor.txt");
    EcLogWrite("lost");
    EXPECT_EQ(0, g_bEcLogStarted);
    EcLogOpen(1, "EC_Editor.txt");
    EcLogWrite("kept");
    EXPECT_EQ("kept\r\n", ReadFileBytes("EC_Editor.txt"));
}

TEST_F(ReportTest, MessageBoxes) {
    m_boxes.Queue(IDNO);
    EXPECT_EQ(IDNO, MesBoxWnd(nullptr, "question", "caption", MB_YESNO));
    EXPECT_EQ(IDOK, ErrorBox("error"));
    EXPECT_EQ(1, MemoryShortageExit());
    ASSERT_EQ(3u, m_boxes.Count());
    EXPECT_EQ(static_cast<unsigned>(MB_YESNO), m_boxes.Calls()[0].type);
    EXPECT_EQ("エラー", m_boxes.Calls()[1].caption);
    EXPECT_EQ("メモリが不足しています！", m_boxes.Calls()[2].text);
    EXPECT_EQ(std::vector<int>{MAINWND_CLOSE}, ScopedMainWindow::Actions());
}

TEST_F(ReportTest, SystemInformationBlock) {
    cCpuInfo cpu;
    std::memset(&cpu, 0, sizeof(cpu));
    std::strcpy(cpu.vendor, "GenuineIntel");
    std::strcpy(cpu.brand, "Some CPU");
    cpu.clock = 2999999999.0;
    const cMemoryStatus memory = {0x80000000u, 0x40100000u, 0x7FFE0000u, 0xFFFFFFFFu};
    EXPECT_EQ(
        "OS : Windows 7 Service Pack 1 PID 2 Build 7601\n"
        "CPU : GenuineIntel Some CPU 2999\n"
        "Mem Total : 2048.000MB\n"
        "Mem Free : 1025MB\n"
        "Vir Total : 2047.875MB\n"
        "Vir Free : 4096MB\n"
        "HD Free : 2048MB\n",
        FormatSystemInfo("Windows 7 Service Pack 1 PID 2 Build 7601", cpu, memory, 2147483647));
    EXPECT_NE(std::string::npos, FormatSystemInfo("", cpu, memory, 0).find("HD Free :   0MB\n"));
}

TEST_F(ReportTest, OsNamesAndVersionPairs) {
    const struct {
        int platform, major, minor;
        const char* name;
        int pairMajor, pairMinor;
    } cases[] = {
        {0, 3, 10, "Windows 3.1", 1, 0},
        {1, 4, 0, "Windows 95", 1, 0},
        {1, 4, 10, "Windows 98", 1, 10},
        {1, 4, 90, "Windows Me", 1, 90},
        {2, 3, 51, "Windows NT 3.51", 3, 51},
        {2, 4, 0, "Windows NT 4.0", 4, 0},
        {2, 5, 0, "Windows 2000", 5, 0},
        {2, 5, 1, "Windows XP", 5, 1},
        {2, 5, 2, "Windows XP Professional x64 Edition ?", 5, 2},
        {2, 6, 0, "Windows Vista", 6, 0},
        {2, 6, 1, "Windows 7", 6, 1},
        {2, 6, 2, "Windows 8", 6, 2},
        {2, 10, 0, "", 10, 0},
        {3, 1, 1, "", 6, 1},
    };
    for (const auto& c : cases) {
        int major = -1, minor = -1;
        EXPECT_STREQ(c.name, OsNameOf(c.platform, c.major, c.minor, &major, &minor));
        EXPECT_EQ(c.pairMajor, major) << c.name;
        EXPECT_EQ(c.pairMinor, minor) << c.name;
    }
    std::string text;
    const int length = GetOsName(&text, nullptr, nullptr);
    EXPECT_EQ(static_cast<int>(text.size()), length);
    EXPECT_NE(std::string::npos, text.find(" PID "));
    EXPECT_EQ(1, IsOsVersionAtLeast(1, 0));
}

TEST_F(ReportTest, SeamsAnswerForTheSystem) {
    {
        ScopedClock clock(12345);
        EXPECT_EQ(12345u, ClockMs());
        ScopedFreeMemory memory(777);
        EXPECT_EQ(777u, GetAvailPhysMemory());
    }
    EXPECT_GT(GetAvailPhysMemory(), 0u);
    const uint32_t a = ClockMs();
    EXPECT_LT(ClockMs() - a, 10000u);
}

}  // namespace
