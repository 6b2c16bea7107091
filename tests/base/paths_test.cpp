// The path functions on Shift-JIS names, folder listing and the default data
// of a new project.
#include "base/paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "tests/support/seams.h"

namespace {

std::string Apply(void (*function)(char*), const char* path) {
    char buffer[MAX_PATH];
    std::strcpy(buffer, path);
    function(buffer);
    return buffer;
}

// "表" is 95 5C: its second byte is a backslash. "ラ" ends in 89, which is
// also a lead byte value.
TEST(PathsTest, FolderAndFileParts) {
    const struct {
        const char* path;
        const char* file;    // StripFolderPart
        const char* folder;  // StripFileNamePart
    } cases[] = {
        {"data\\stg\\a.stg2", "a.stg2", "data\\stg\\"},
        {"data\\", "data\\", "data\\"},
        {"a.stg2", "a.stg2", ""},
        {"", "", ""},
        {"a", "a", ""},
        {"\\", "\\", "\\"},
        {"\\x", "x", "\\"},
        {"表", "表", ""},
        {"表.png", "表.png", ""},
        {"data\\表", "表", "data\\"},
        {"image\\表\\a.png", "a.png", "image\\表\\"},
        {"image\\キャラ\\a.png", "a.png", "image\\キャラ\\"},
        {"キャラ\\表", "表", "キャラ\\"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.file, Apply(StripFolderPart, c.path)) << c.path;
        std::string text = c.path;
        EXPECT_EQ(c.file, StripFolderPartStr(text)) << c.path;
        EXPECT_EQ(c.folder, Apply(StripFileNamePart, c.path)) << c.path;
    }
}

TEST(PathsTest, Extensions) {
    const struct {
        const char* name;
        const char* extension;  // GetExtension, null for none
        const char* removed;    // RemoveExtension
        const char* replaced;   // ReplaceExtension with "bmp"
    } cases[] = {
        {"a.png", "png", "a", "a.bmp"},
        {"a.b.c", "c", "a.b", "a.b.bmp"},
        {"A.PNG", "PNG", "A", "A.bmp"},
        {"abc", nullptr, "abc", "abc"},
        {"data.d\\file", nullptr, "data.d\\file", "data.d\\file"},
        {"data.d\\file.x", "x", "data.d\\file", "data.d\\file.bmp"},
        {"表.txt", "txt", "表", "表.bmp"},
        {"dir\\.hidden", "hidden", "dir\\", "dir\\.bmp"},
        {"a.", "", "a", "a.bmp"},
    };
    for (const auto& c : cases) {
        char buffer[MAX_PATH] = "unchanged";
        EXPECT_EQ(c.extension != nullptr, GetExtension(buffer, c.name)) << c.name;
        EXPECT_STREQ(c.extension ? c.extension : "unchanged", buffer) << c.name;
        std::strcpy(buffer, c.name);
        EXPECT_EQ(c.extension != nullptr, RemoveExtension(buffer)) << c.name;
        EXPECT_STREQ(c.removed, buffer) << c.name;
        std::string text = c.name;
        EXPECT_EQ(c.extension != nullptr, RemoveExtensionStr(text)) << c.name;
        EXPECT_EQ(c.removed, text) << c.name;
        EXPECT_EQ(c.extension != nullptr, ReplaceExtension(buffer, c.name, "bmp")) << c.name;
        EXPECT_STREQ(c.replaced, buffer) << c.name;
    }
    char buffer[MAX_PATH];
    EXPECT_EQ(1, ReplaceExtension(buffer, "a.png", nullptr));
    EXPECT_STREQ("a", buffer);
    EXPECT_EQ(1, IsExtension("a.png", "png"));
    EXPECT_EQ(0, IsExtension("A.PNG", "png"));
    EXPECT_EQ(0, IsExtension("a.png\\x", "png"));
    EXPECT_EQ(0, IsExtension("png", "png"));
}

TEST(PathsTest, DoubleByteCharacters) {
    EXPECT_EQ(1, IsDoubleByteChar(0x95, 0x5C));
    EXPECT_EQ(1, IsDoubleByteChar(0xE0, 0x40));
    EXPECT_EQ(0, IsDoubleByteChar(0xA0, 0x5C));  // half-width katakana is one byte
    EXPECT_EQ(0, IsDoubleByteChar(0x81, 0x7F));
    EXPECT_EQ(0, IsDoubleByteChar('a', '\\'));
    EXPECT_EQ(4, FindLastSeparator("data\\表", 7));
    EXPECT_EQ(-1, FindLastSeparator("data\\x", 4));
}

// Where a file lies decides how a project keeps its path: relative when in
// the project folder, so that a copy of the folder uses its own files.
// "ア" is 83 41 and "ヂ" 83 61: their trail bytes differ as "A" and "a" do.
TEST(PathsTest, ProjectPaths) {
    const struct {
        const char* folder;
        const char* path;
        const char* kept;
        int inside;
    } cases[] = {
        {"C:\\Games\\Proj", "C:\\Games\\Proj\\data\\stg\\x.stg2", "data\\stg\\x.stg2", 1},
        {"C:\\Games\\Proj", "c:\\GAMES\\proj\\data\\stg\\x.stg2", "data\\stg\\x.stg2", 1},
        {"C:\\Games\\Proj\\", "C:/Games/Proj/./data//stg/x.stg2", "data\\stg\\x.stg2", 1},
        {"C:\\Games\\Proj", "data\\stg\\x.stg2", "data\\stg\\x.stg2", 1},
        {"C:\\Games\\Proj", ".\\data\\stg\\x.stg2", "data\\stg\\x.stg2", 1},
        {"C:\\Games\\Proj", "..\\Proj\\x.stg2", "x.stg2", 1},
        {"C:\\Games\\Proj", "\\Games\\Proj\\x.stg2", "x.stg2", 1},
        {"C:\\Games\\Proj", "C:x.stg2", "x.stg2", 1},
        {"C:\\", "C:\\data\\stg\\x.stg2", "data\\stg\\x.stg2", 1},
        {"\\\\server\\share\\Proj", "\\\\SERVER\\share\\proj\\x.stg2", "x.stg2", 1},
        {"C:\\ゲーム\\表", "C:\\ゲーム\\表\\data\\x.stg2", "data\\x.stg2", 1},
        {"C:\\Ｐｒｏｊ", "C:\\ｐｒｏｊ\\x.stg2", "x.stg2", 1},
        {"C:\\Данные", "C:\\дАННЫЕ\\x.stg2", "x.stg2", 1},
        {"\\work\\Proj", "\\work\\Proj\\x.stg2", "x.stg2", 1},  // a folder as the native build names it
        // Outside: kept full, as chosen.
        {"C:\\Games\\Proj", "C:\\Games\\Proj2\\x.stg2", "C:\\Games\\Proj2\\x.stg2", 0},
        {"C:\\Games\\Proj", "C:\\Games\\x.stg2", "C:\\Games\\x.stg2", 0},
        {"C:\\Games\\Proj", "D:\\Games\\Proj\\x.stg2", "D:\\Games\\Proj\\x.stg2", 0},
        {"C:\\Games\\Proj", "C:\\Games\\Proj\\..\\Old\\x.stg2", "C:\\Games\\Proj\\..\\Old\\x.stg2", 0},
        {"C:\\Games\\Proj", "..\\Old\\x.stg2", "C:\\Games\\Old\\x.stg2", 0},
        {"C:\\Games\\Proj", "data\\..\\..\\x.stg2", "C:\\Games\\x.stg2", 0},
        {"C:\\Games\\Proj", "D:x.stg2", "D:x.stg2", 0},
        {"C:\\Games\\Proj", "C:\\Games\\Proj", "C:\\Games\\Proj", 0},
        {"C:\\ア", "C:\\ヂ\\x.stg2", "C:\\ヂ\\x.stg2", 0},
        {"C:\\表", "C:\\ソ\\x.stg2", "C:\\ソ\\x.stg2", 0},
        {"", "data\\x.stg2", "data\\x.stg2", 0},  // no project folder known
        {"C:\\Games\\Proj", "", "", 0},
    };
    for (const auto& c : cases) {
        int inside = -1;
        EXPECT_EQ(c.kept, ProjectPathIn(c.path, c.folder, &inside)) << c.folder << " | " << c.path;
        EXPECT_EQ(c.inside, inside) << c.folder << " | " << c.path;
    }
}

// A stage remembered in settings that came from another folder is never
// opened there: the copy's stage of the same name, else the fallback.
TEST(PathsTest, StoredStagePaths) {
    const auto exists = [](const char* path) {
        return static_cast<int>(std::string(path) == "data\\stg\\x.stg2" || std::string(path) == "data\\stg\\表.stg2");
    };
    const char kFolder[] = "C:\\Copy";
    const char kDefault[] = "data\\stg\\Default.stg2";
    const struct {
        const char* stored;
        const char* last;  // with no fallback, as the last stage
        const char* defaultStage;
    } cases[] = {
        {"", "", ""},
        {"data\\stg\\x.stg2", "data\\stg\\x.stg2", "data\\stg\\x.stg2"},
        {"data\\stg\\gone.stg2", "data\\stg\\gone.stg2", "data\\stg\\gone.stg2"},  // the project's own
        {"c:\\COPY\\data\\stg\\x.stg2", "data\\stg\\x.stg2", "data\\stg\\x.stg2"},
        {"C:\\Orig\\data\\stg\\x.stg2", "data\\stg\\x.stg2", "data\\stg\\x.stg2"},
        {"C:\\Orig\\data\\stg\\表.stg2", "data\\stg\\表.stg2", "data\\stg\\表.stg2"},
        {"..\\Orig\\data\\stg\\x.stg2", "data\\stg\\x.stg2", "data\\stg\\x.stg2"},
        {"D:\\x.stg2", "data\\stg\\x.stg2", "data\\stg\\x.stg2"},
        {"C:\\Orig\\data\\stg\\y.stg2", "", kDefault},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.last, StoredStagePathIn(c.stored, kFolder, "", exists)) << c.stored;
        EXPECT_EQ(c.defaultStage, StoredStagePathIn(c.stored, kFolder, kDefault, exists)) << c.stored;
    }
}

class ProjectTest : public ::testing::Test {
protected:
    ScratchFolder m_folder{"paths_test"};
    ScopedBoxes m_boxes{IDYES};
};

TEST_F(ProjectTest, RelativeAndAbsolutePaths) {
    char here[MAX_PATH];
    ASSERT_EQ(1, GetCurrentFolder(here, sizeof(here)));
    const std::string folder = here;
    const std::string parent = folder.substr(0, folder.rfind('\\'));
    const struct {
        std::string path;
        std::string relative;
    } cases[] = {
        {folder + "\\data\\stg\\a.stg2", ".\\data\\stg\\a.stg2"},
        {folder + "\\表\\a.png", ".\\表\\a.png"},
        {parent + "\\other\\x.exe", "..\\other\\x.exe"},
        {"data\\x.dat", "data\\x.dat"},
    };
    for (const auto& c : cases) {
        char buffer[MAX_PATH];
        std::strcpy(buffer, c.path.c_str());
        EXPECT_EQ(1, MakeRelativePath(buffer)) << c.path;
        EXPECT_EQ(c.relative, buffer) << c.path;
        std::string text = c.path;
        EXPECT_EQ(1, MakeRelativePathStr(&text));
        EXPECT_EQ(c.relative, text);
    }
    char buffer[MAX_PATH] = "data\\";
    EXPECT_EQ(1, MakeAbsolutePath(buffer));
    EXPECT_EQ(folder + "\\data\\", buffer);
    EXPECT_EQ(1, MakeAbsolutePath(buffer));
    EXPECT_EQ(folder + "\\data\\", buffer);
#ifdef _WIN32
    const char other[] = "C:\\windows\\x.dat";
    if (std::toupper(static_cast<unsigned char>(folder[0])) != 'C') {
        std::strcpy(buffer, other);
        EXPECT_EQ(0, MakeRelativePath(buffer));
        EXPECT_STREQ(other, buffer);
    }
#endif
}

TEST_F(ProjectTest, ListFiles) {
    ASSERT_TRUE(FolderCreate("names"));
    for (const char* name : {"names\\a.txt", "names\\b.txt", "names\\c.dat", "names\\表.txt"})
        ASSERT_TRUE(WriteFileBytes(name, "x"));
    VECTOR_CLASS<std::string> files = {"kept"};
    EXPECT_EQ(1, ListFiles(files, "names", "txt"));
    std::sort(files.begin() + 1, files.end());
    EXPECT_EQ((VECTOR_CLASS<std::string>{"kept", "names\\a.txt", "names\\b.txt", "names\\表.txt"}), files);
    EXPECT_EQ(0, ListFiles(files, "names", "csv"));
    EXPECT_EQ(0, ListFiles(files, "missing", "txt"));
    EXPECT_EQ(4u, files.size());
}

TEST_F(ProjectTest, DefaultDataIsCopiedOnlyWhenAskedFor) {
    int created = -1;
    // Neither folder: nothing to copy, nobody is asked.
    EXPECT_EQ(0, CreateDefaultData(nullptr, &created));
    EXPECT_EQ(0, created);
    EXPECT_EQ(0u, m_boxes.Count());

    ASSERT_TRUE(FolderCreate("default"));
    ASSERT_TRUE(FolderCreate("default\\database"));
    ASSERT_TRUE(WriteFileBytes("default\\database\\Skill.dat", "skills"));
    ASSERT_TRUE(WriteFileBytes("default\\GValInfo.dat", "names"));

    m_boxes.Queue(IDNO);
    EXPECT_EQ(0, CreateDefaultData(nullptr, &created));
    EXPECT_EQ(0, created);
    ASSERT_EQ(1u, m_boxes.Count());
    EXPECT_EQ("データが存在しません！デフォルトデータを作成しますか？\n", m_boxes.Calls()[0].text);
    EXPECT_EQ("デフォルトデータ作成の確認", m_boxes.Calls()[0].caption);
    EXPECT_EQ(static_cast<unsigned>(MB_YESNO), m_boxes.Calls()[0].type);
    EXPECT_FALSE(FolderExists("data"));

    EXPECT_EQ(1, CreateDefaultData(nullptr, &created));
    EXPECT_EQ(1, created);
    EXPECT_EQ("skills", ReadFileBytes("data\\database\\Skill.dat"));
    EXPECT_EQ("names", ReadFileBytes("data\\GValInfo.dat"));
    EXPECT_FALSE(FolderExists("data\\default"));
    EXPECT_TRUE(FolderExists("default\\database"));

    m_boxes.Reset();
    EXPECT_EQ(1, CreateDefaultData(nullptr, &created));
    EXPECT_EQ(0, created);
    EXPECT_EQ(0u, m_boxes.Count());
}

#ifndef _WIN32  // the system's shell copies over a file in the way and calls it done
TEST_F(ProjectTest, AFailedDefaultCopyIsToldApartAndKeepsWhatWasInTheWay) {
    ASSERT_TRUE(FolderCreate("default"));
    ASSERT_TRUE(WriteFileBytes("default\\GValInfo.dat", "names"));
    ASSERT_TRUE(WriteFileBytes("data", "mine"));
    int created = 0;
    m_boxes.Queue(IDYES);
    EXPECT_EQ(0, CreateDefaultData(nullptr, &created));
    EXPECT_EQ(-1, created) << "a failed copy, not a refusal";
    EXPECT_EQ("mine", ReadFileBytes("data"));
}
#endif

TEST_F(ProjectTest, ProjectFolders) {
    EXPECT_EQ(1, CreateProjectFolders());
    for (const char* const* folder = g_ProjectFolders; *folder; ++folder) EXPECT_TRUE(FolderExists(*folder)) << *folder;
    EXPECT_EQ(1, CreateProjectFolders());
}

}  // namespace
