// The file dialogs, Explorer and the quit question through the seams that
// answer them, and the dialog-item text helpers.
#include "ui/common_dialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "base/file.h"
#include "tests/support/seams.h"
#include "tests/ui/test_dialogs.h"
#include "ui/wnd_list.h"

namespace {

OPENFILENAMEA g_Seen;
std::string g_SeenFile;
const char* g_pAnswer = nullptr;
size_t g_nAnswer = 0;

BOOL WINAPI FakeDialog(OPENFILENAMEA* ofn) {
    g_Seen = *ofn;
    g_SeenFile = ofn->lpstrFile;
    if (!g_pAnswer) return FALSE;
    std::memcpy(ofn->lpstrFile, g_pAnswer, g_nAnswer);
    return TRUE;
}

struct DialogScope {
    DialogScope(const char* answer, size_t size) {
        g_pAnswer = answer;
        g_nAnswer = size;
        SetFileDialogProcs(FakeDialog, FakeDialog);
    }
    ~DialogScope() { SetFileDialogProcs(nullptr, nullptr); }
};

}  // namespace

TEST(FileDialogs, OpenWithSeveralFiles) {
    static const char kTwo[] = "C:\\a\0x.png\0y.png\0";
    DialogScope scope(kTwo, sizeof(kTwo));
    char path[MAX_PATH];
    std::strcpy(path, "old");
    VECTOR_CLASS<std::string> files = {"前から"};
    EXPECT_EQ(1, SelectOpenFile(nullptr, path, MAX_PATH, "image", "画像の選択", "PNG\0*.png\0", "png", 1, &files));
    EXPECT_EQ((VECTOR_CLASS<std::string>{"前から", "C:\\a\\x.png", "C:\\a\\y.png"}), files);
    EXPECT_EQ("", g_SeenFile) << "the buffer is cleared first";
    EXPECT_TRUE(g_Seen.Flags & OFN_ALLOWMULTISELECT);
    EXPECT_TRUE(g_Seen.Flags & OFN_FILEMUSTEXIST);
    EXPECT_TRUE(g_Seen.Flags & OFN_NOCHANGEDIR);
    EXPECT_STREQ("image", g_Seen.lpstrInitialDir);
    EXPECT_STREQ("画像の選択", g_Seen.lpstrTitle);
}

TEST(FileDialogs, OpenWithOneFileOrCancelled) {
    static const char kOne[] = "C:\\a\\x.png\0";
    {
        DialogScope scope(kOne, sizeof(kOne));
        char path[MAX_PATH];
        VECTOR_CLASS<std::string> files;
        EXPECT_EQ(1, SelectOpenFile(nullptr, path, MAX_PATH, "", "t", "a\0*.*\0", "", 1, &files));
        EXPECT_EQ(VECTOR_CLASS<std::string>{"C:\\a\\x.png"}, files);
        EXPECT_STREQ("C:\\a\\x.png", path);
        EXPECT_EQ(1, SelectOpenFile(nullptr, path, MAX_PATH, "", "t", "a\0*.*\0", "", 0, nullptr));
        EXPECT_FALSE(g_Seen.Flags & OFN_ALLOWMULTISELECT);
    }
    DialogScope scope(nullptr, 0);
    char path[MAX_PATH];
    EXPECT_EQ(0, SelectOpenFile(nullptr, path, MAX_PATH, "", "t", "a\0*.*\0", "", 0, nullptr));
}

TEST(FileDialogs, SaveAllowsNewFilesAndKeepsAProposedName) {
    static const char kName[] = "csv\\skill.csv\0";
    DialogScope scope(kName, sizeof(kName));
    char path[MAX_PATH];
    std::strcpy(path, "提案.csv");
    EXPECT_EQ(1, SelectSaveFile(nullptr, path, "csv", "保存", "CSV\0*.csv\0", "csv", 1));
    EXPECT_EQ("提案.csv", g_SeenFile);
    EXPECT_STREQ("csv\\skill.csv", path);
    EXPECT_TRUE(g_Seen.Flags & OFN_OVERWRITEPROMPT);
    EXPECT_FALSE(g_Seen.Flags & OFN_FILEMUSTEXIST) << "a new file name must be allowed";
    EXPECT_EQ(static_cast<DWORD>(MAX_PATH), g_Seen.nMaxFile);
    std::strcpy(path, "提案.csv");
    SelectSaveFile(nullptr, path, "csv", "保存", "CSV\0*.csv\0", "csv", 0);
    EXPECT_EQ("", g_SeenFile);
}

std::string g_ExplorerFile, g_ExplorerParams, g_ExplorerFolder, g_ExplorerVerb;

BOOL WINAPI FakeShell(SHELLEXECUTEINFOA* info) {
    g_ExplorerFile = info->lpFile;
    g_ExplorerParams = info->lpParameters;
    g_ExplorerFolder = info->lpDirectory;
    g_ExplorerVerb = info->lpVerb;
    EXPECT_EQ(SW_SHOWNORMAL, info->nShow);
    return TRUE;
}

// Explorer is given the file's whole path: a bare name, with the folder as
// its working folder, opens Wine's Explorer on the desktop.
TEST(Shell, ExplorerSelectsTheFile) {
    char here[MAX_PATH];
    ASSERT_TRUE(GetCurrentFolder(here, sizeof(here)));
    const std::string project = std::string(here) + "\\";
    const struct {
        const char* path;
        std::string file, folder;
    } cases[] = {
        {"csv\\ソート\\skill.csv", project + "csv\\ソート\\skill.csv", project + "csv\\ソート\\"},
        {"skill.csv", project + "skill.csv", project},
        {"C:\\書き出し\\a b.csv", "C:\\書き出し\\a b.csv", "C:\\書き出し\\"},
    };
    SetShellExecuteProc(FakeShell);
    for (const auto& c : cases) {
        EXPECT_TRUE(ShowInExplorer(c.path, nullptr));
        EXPECT_EQ("open", g_ExplorerVerb);
        EXPECT_EQ("\\EXPLORER.EXE",
                  g_ExplorerFile.substr(g_ExplorerFile.size() - std::min<size_t>(13, g_ExplorerFile.size())));
        EXPECT_EQ("/select,\"" + c.file + "\"", g_ExplorerParams) << c.path;
        EXPECT_EQ(c.folder, g_ExplorerFolder) << c.path;
    }
    SetShellExecuteProc(nullptr);
}

TEST(Shell, ConfirmQuitIsTrueOnlyForYes) {
    const struct {
        int answer;
        int language;
        bool result;
        const char* caption;
        const char* text;
    } cases[] = {
        {IDYES, 0, true, "終了確認", "終了しますか？\n"},
        {IDNO, 0, false, "終了確認", "終了しますか？\n"},
        {IDYES, 1, true, "End confirmation", "Would you like to quit?\n"},
    };
    for (const auto& c : cases) {
        ScopedBoxes boxes(c.answer);
        EXPECT_EQ(c.result, ConfirmQuit(nullptr, c.language));
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_EQ(c.caption, boxes.Calls()[0].caption);
        EXPECT_EQ(c.text, boxes.Calls()[0].text);
    }
}

TEST(Items, TextAsStrings) {
    WND_LIST_CLASS reg;
    TEST_DLG dlg(&reg);
    RunTestDialog(dlg, [](TEST_DLG& d) {
        EXPECT_TRUE(SetDlgItemString(d.m_hWnd, IDC_NAME, "全角の名前"));
        std::string text;
        EXPECT_EQ("全角の名前", GetDlgItemString(d.m_hWnd, IDC_NAME, text, 64));
        EXPECT_EQ("全角", GetDlgItemString(d.m_hWnd, IDC_NAME, text, 5));
        EXPECT_EQ("全角", GetDlgItemString(d.m_hWnd, IDC_NAME, 5)) << "the form that returns the text";
        SetDlgItemString(d.m_hWnd, IDC_NAME, std::string());
        EXPECT_EQ("", GetDlgItemString(d.m_hWnd, IDC_NAME, text, 64));
    });
}

TEST(Paths, SameDriveAsTheProgram) {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    ASSERT_EQ(':', program[1]);
    std::string same = std::string(program, 2) + "\\data\\stg\\a.stg2";
    std::string other = std::string(1, program[0] == 'Q' || program[0] == 'q' ? 'R' : 'Q') + ":\\a.stg2";
    std::string lower = same;
    lower[0] = static_cast<char>(lower[0] | 0x20);
    const struct {
        std::string path;
        int result;
    } cases[] = {
        {program, 1}, {same, 1}, {lower, 1}, {"data\\stg\\a.stg2", 1}, {other, 0}, {"\\\\server\\share\\a.stg2", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(c.result, IsOnProgramDrive(c.path.c_str())) << c.path;
}
