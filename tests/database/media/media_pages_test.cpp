// The media pages in the open database sheet: the animation previews stepped
// by the sheet's idle step (and never once their window is gone), hostile
// animations drawing nothing outside their sheets, the frame dialogs and the
// frame limits, the name taken from the file, the file chooser, playing
// without a sound device, the background's modes and colour, help texts and
// the symbol preview, the world chip's cell, and the pages' up-downs.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <set>

#include "database/media/dlg_db_back.h"
#include "database/media/dlg_db_bgm.h"
#include "database/media/dlg_db_charaanim.h"
#include "database/media/dlg_db_effectanim.h"
#include "database/media/dlg_db_help.h"
#include "database/media/dlg_db_picture.h"
#include "database/media/dlg_db_sound.h"
#include "database/media/dlg_dbworldchip.h"
#include "database/media/dlg_text.h"
#include "media/anim_play.h"
#include "media/image_table.h"
#include "media/mci_sound.h"
#include "media/smf_play.h"
#include "media/sound.h"
#include "model/media_database.h"
#include "model/worldmap.h"
#include "tests/database/sheet/sheet_test_support.h"
#include "tests/support/updown.h"
#include "ui/common_dialogs.h"

namespace {

enum { CHARA = 7, EFFECT = 8, PICTURE = 9, BACK = 10, SOUND = 11, BGM = 12, HELP = 13, WCHIP = 14 };
enum { KEY_COPY = 40031, KEY_PASTE = 40032 };

// A sheet whose cells are coloured by place: red 8 + 8 x column, green 8 + 8 x (row mod 30).
void ColourSheet(cDib& sheet, int width, int height, int cell, int bpp = 24) {
    sheet.Create(width, height, bpp, 0);
    const int bytes = bpp / 8;
    for (int y = 0; y < height; ++y) {
        BYTE* row = sheet.Row(y);
        for (int x = 0; x < width; ++x) {
            row[x * bytes] = 0;
            row[x * bytes + 1] = static_cast<BYTE>(8 + 8 * (y / cell % 30));
            row[x * bytes + 2] = static_cast<BYTE>(8 + 8 * (x / cell % 30));
        }
    }
}

// The colour of a picture's surface at (x, y), as red + green x 256.
int Pixel(CTRL_PICTURE_CLASS* picture, int x, int y) {
    GdiFlush();
    const BYTE* p = picture->Surface()->Row(y) + x * 4;
    return p[2] + p[1] * 256 + p[0] * 65536;
}

// A picture item of a dialog, from its controls.
CTRL_PICTURE_CLASS* Picture(DLG_CLASS* dialog, WORD id) {
    for (CTRL_CLASS* c : dialog->m_CtrlList)
        if (c->m_wId == id && c->m_nKind == CTRL_KIND_PICTURE) return static_cast<CTRL_PICTURE_CLASS*>(c);
    return nullptr;
}

// The column of the cell a preview shows, -1 for black.
int ShownColumn(CTRL_PICTURE_CLASS* picture) {
    const int c = Pixel(picture, 4, 4);
    return c ? (c % 256 - 8) / 8 : -1;
}

template <class Pat>
Pat Anim(int graphic, std::vector<std::pair<int, int>> frames) {
    Pat anim;
    anim.nGraphic = static_cast<unsigned short>(graphic);
    anim.vAnim.clear();
    for (auto [cell, time] : frames) {
        anim.vAnim.emplace_back();
        anim.vAnim.back().nCel = cell;
        anim.vAnim.back().nTime = time;
    }
    return anim;
}

void Command(HWND dlg, int id, int code) {
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

enum { OK = IDC_FRAME_OK, CANCEL = IDC_FRAME_CANCEL, ESC = IDCANCEL };

// Answers the next modal dialog of class D: its items typed, then a button
// (OK, CANCEL, or ESC as the dialog manager sends Esc).
template <class D>
void Answer(std::vector<std::pair<int, const char*>> typed, int button, int* opened = nullptr,
            std::function<void(D*)> look = nullptr) {
    WhenOpen([typed, button, opened, look] {
        D* d = OpenBox<D>();
        if (!d) return false;
        if (opened) ++*opened;
        for (const auto& t : typed) SetDlgItemTextA(d->m_hWnd, t.first, t.second);
        if (look) look(d);
        Command(d->m_hWnd, button, BN_CLICKED);
        return true;
    });
}

// The open-file dialog, answered with a chosen file.
std::string g_strChosenFile;
BOOL WINAPI ChooseFile(OPENFILENAMEA* ofn) {
    std::strcpy(ofn->lpstrFile, g_strChosenFile.c_str());
    return TRUE;
}

// The Ogg component built beside the editor, in "bin\" next to the tests' folder.
std::string VoxBesideTheEditor() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path = exe;
    path.resize(path.find_last_of('\\') + 1);
    return path + "..\\bin\\Vox.dll";
}

// Wine keeps a MIDI stream it failed to open in its stream table after
// freeing it; the next open reads that memory and dies when the heap has
// given it out meanwhile, about one time in three. While this stands, every
// stream open gives the memory out at once, filled with ones, so an open that
// reaches the table without a MIDI output dies every time.
class FreedStreamsReused {
public:
    FreedStreamsReused() { g_MidiStream.Open = Open; }
    ~FreedStreamsReused() {
        g_MidiStream = WinmmMidiStream();
        for (void* block : s_Blocks) HeapFree(GetProcessHeap(), 0, block);
        s_Blocks.clear();
    }

private:
    static constexpr size_t kWineStreamSize = 0x68;
    static MMRESULT WINAPI Open(LPHMIDISTRM stream, LPUINT device, DWORD count, DWORD_PTR callback, DWORD_PTR instance,
                                DWORD flags) {
        const MMRESULT result = WinmmMidiStream().Open(stream, device, count, callback, instance, flags);
        if (void* block = HeapAlloc(GetProcessHeap(), 0, kWineStreamSize)) {
            std::memset(block, 0xFF, kWineStreamSize);
            s_Blocks.push_back(block);
        }
        return result;
    }
    static inline std::vector<void*> s_Blocks;
};

class MediaPagesTest : public SheetTest {
protected:
    void TearDown() override {
        SheetTest::TearDown();
        for (int i = 0; i < IMAGE_TABLE_SIZE; ++i) g_ImageTable[i].Release();
    }
    // The animation page's record list and frame list as on screen.
    std::vector<std::string> Rows(int tab, int id) {
        std::vector<std::string> rows;
        HWND list = Item(tab, id);
        const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[256] = {};
            SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            rows.push_back(text);
        }
        return rows;
    }
};

// ---- Animation pages ----------------------------------------------------------------

TEST_F(MediaPagesTest, ThePreviewStepsTwiceAPassAndNeverOnceItsWindowIsGone) {
    ColourSheet(g_ImageTable[IMG_CHARACTER1], 48 * 20, 48 * 20, 48);
    g_Database.CharaAnims.resize(1);
    g_Database.CharaAnims.push_back(Anim<cCharaAnimPat>(1, {{0, 2}, {1, 1}}));
    Open();
    auto* page = Show<DLG_DB_CHARAANIM>(CHARA);
    CTRL_PICTURE_CLASS* preview = Picture(page, IDC_ANIM_PREVIEW);
    SelectRows(CHARA, IDC_CHARAANIM_LIST, {0});  // a command loads the sequence
    std::vector<int> sheetTicks;
    for (int i = 0; i < 6; ++i) {
        m_pSheet->OnIdle(1);
        sheetTicks.push_back(ShownColumn(preview));
    }
    EXPECT_EQ((std::vector<int>{0, 0, 1, 0, 0, 1}), sheetTicks);
    EXPECT_EQ(16 + 16 * 256, Pixel(preview, 4, 4)) << "cell 1 of graphic 1: row 1 of sheet 1";

    // A whole idle pass: the page's own step, then the sheet's.
    SelectRows(CHARA, IDC_CHARAANIM_LIST, {0});
    page->OnIdle();
    m_pSheet->OnIdle(1);
    EXPECT_EQ(2, g_AnimPlay.GetTick());
    // The end row selected: only the sheet steps.
    SelectRows(CHARA, IDC_CHARAANIM_LIST, {1});
    page->OnIdle();
    EXPECT_EQ(0, g_AnimPlay.GetTick());

    // With the windows gone the record list has no selected row, which ends
    // the page's step, and the sheet no current page, which ends its own.
    SelectRows(CHARA, IDC_CHARAANIM_LIST, {0});
    page->OnIdle();
    DestroyWindow(m_pSheet->m_hWnd);
    EXPECT_EQ(-1, page->m_List.GetDataPos());
    EXPECT_EQ(-1, m_pSheet->GetCurPage());
    const int tick = g_AnimPlay.GetTick(), frame = g_AnimPlay.GetFrameIndex();
    page->OnIdle();
    m_pSheet->OnIdle(1);
    EXPECT_EQ(std::make_pair(tick, frame), std::make_pair(g_AnimPlay.GetTick(), g_AnimPlay.GetFrameIndex()));
}

// Animations read from a file may name graphics and cells that no sheet
// holds, negative cells or no frames at all.
TEST_F(MediaPagesTest, HostileAnimationsReadNothingOutsideTheirSheets) {
    ColourSheet(g_ImageTable[IMG_CHARACTER1], 48 * 20, 48 * 20, 48);
    ColourSheet(g_ImageTable[IMG_EFFECT1], 64 * 16, 64 * 16, 64);
    const struct {
        const char* name;
        int graphic;
        std::vector<std::pair<int, int>> frames;
        std::set<int> shown;
    } cases[] = {
        {"graphic past the loaded sheets", 65535, {{0, 1}}, {-1}},
        {"cell past the sheet's columns", 1, {{1000, 1}, {640, 1}}, {-1}},
        {"negative cells", 1, {{-3, 1}, {-1, 1}, {2, 1}}, {0, 2}},
        {"no frames", 1, {}, {0}},
    };
    for (int tab : {CHARA, EFFECT}) {
        g_Database.CharaAnims.resize(1);
        g_Database.EffectAnims.resize(1);
        for (const auto& c : cases) {
            g_Database.CharaAnims.push_back(Anim<cCharaAnimPat>(c.graphic, c.frames));
            g_Database.EffectAnims.push_back(Anim<cEffectAnimPat>(c.graphic, c.frames));
        }
        Open();
        DLG_DBLIST_PAGE* page = Show<DLG_DBLIST_PAGE>(tab);
        CTRL_PICTURE_CLASS* preview = Picture(page, IDC_ANIM_PREVIEW);
        for (int row = 0; row < static_cast<int>(std::size(cases)); ++row) {
            SelectRows(tab, page->List().m_wId, {row});
            std::set<int> shown;
            for (int i = 0; i < 8; ++i) {
                page->OnIdle();
                m_pSheet->OnIdle(1);
                shown.insert(ShownColumn(preview));
            }
            EXPECT_EQ(cases[row].shown, shown) << tab << ": " << cases[row].name;
        }
        PressOk();
    }
}

TEST_F(MediaPagesTest, FramesAreEditedInTheirDialogWithinTheirLimits) {
    ColourSheet(g_ImageTable[IMG_CHARACTER1], 48 * 20, 48 * 20, 48);
    ColourSheet(g_ImageTable[IMG_EFFECT1], 64 * 16, 64 * 16, 64);
    g_Database.CharaAnims.clear();
    g_Database.EffectAnims.resize(1);
    g_Database.EffectAnims.push_back(Anim<cEffectAnimPat>(1, {{0, 1}}));
    g_Database.EffectAnims.push_back(Anim<cEffectAnimPat>(1, std::vector<std::pair<int, int>>(98, {1, 1})));
    g_Database.EffectAnims.push_back(Anim<cEffectAnimPat>(1, std::vector<std::pair<int, int>>(99, {1, 1})));
    Open();
    EXPECT_EQ(2u, g_Database.CharaAnims.size()) << "grown to two when the page was built";

    auto* chara = Show<DLG_DB_CHARAANIM>(CHARA);
    EXPECT_EQ((std::vector<std::string>{"1 ", std::string(64, '-')}), Rows(CHARA, IDC_CHARAANIM_LIST));
    Type(CHARA, IDC_ANIM_GRAPHIC, "2");
    Answer<DLG_DB_CHARAANIM_ANIM>({}, CANCEL);
    Click(CHARA, IDC_ANIM_INSERT);
    EXPECT_EQ(1u, chara->m_Work[1].vAnim.size()) << "a cancelled insert takes its frame away";
    int shownCell = -2;
    Answer<DLG_DB_CHARAANIM_ANIM>(
        {{IDC_FRAME_CEL, "3"}, {IDC_FRAME_TIME, "10"}, {IDC_FRAME_MOVEX, "8"}}, OK, nullptr,
        [&shownCell](DLG_DB_CHARAANIM_ANIM* d) { shownCell = ShownColumn(Picture(d, IDC_ANIM_PREVIEW)); });
    SendMessageA(Item(CHARA, IDC_FRAME_EFFECT_START), BM_SETCHECK, BST_CHECKED, 0);
    Click(CHARA, IDC_ANIM_INSERT);
    EXPECT_EQ(3, shownCell) << "the dialog shows the cell typed, of the stored graphic";
    EXPECT_EQ((std::vector<std::string>{"3-10 X+8", "0-1", std::string(64, '-')}), Rows(CHARA, IDC_ANIM_FRAMES));
    EXPECT_EQ(1, chara->m_Frames.GetCurSel()) << "the row after the new frame";
    EXPECT_EQ(2u, chara->m_Work[1].vAnim.size());
    EXPECT_EQ(2, chara->m_Work[1].nGraphic);
    SelectRows(CHARA, IDC_ANIM_FRAMES, {0});
    Answer<DLG_DB_CHARAANIM_ANIM>({{IDC_FRAME_CEL, "7"}}, ESC);
    Click(CHARA, IDC_ANIM_EDIT);
    EXPECT_EQ(3, chara->m_Work[1].vAnim[0].nCel) << "Esc leaves the frame";
    EXPECT_EQ(nullptr, chara->m_pFrameDialog);
    SelectRows(CHARA, IDC_ANIM_FRAMES, {0, 1});
    Click(CHARA, IDC_ANIM_DELETE);
    ASSERT_EQ(1u, chara->m_Work[1].vAnim.size()) << "the last frame stays";
    EXPECT_EQ(0, chara->m_Work[1].vAnim[0].nCel);

    auto* effect = Show<DLG_DB_EFFECTANIM>(EFFECT);
    // 98 frames: two more would pass 99, one more reaches it; then full.
    SelectRows(EFFECT, IDC_EFFECTANIM_LIST, {1});
    SelectRows(EFFECT, IDC_ANIM_FRAMES, {0, 1});
    ListKey(EFFECT, IDC_ANIM_FRAMES, KEY_COPY);
    ListKey(EFFECT, IDC_ANIM_FRAMES, KEY_PASTE);
    EXPECT_EQ(98u, effect->m_Work[2].vAnim.size());
    SelectRows(EFFECT, IDC_ANIM_FRAMES, {0});
    ListKey(EFFECT, IDC_ANIM_FRAMES, KEY_COPY);
    ListKey(EFFECT, IDC_ANIM_FRAMES, KEY_PASTE);
    EXPECT_EQ(99u, effect->m_Work[2].vAnim.size());
    int opened = 0;
    Answer<DLG_DB_EFFECTANIM_ANIM>({}, OK, &opened);
    Click(EFFECT, IDC_ANIM_INSERT);
    WhenOpen(nullptr);
    EXPECT_EQ(0, opened) << "a full frame list opens no dialog";
    EXPECT_EQ(99u, effect->m_Work[2].vAnim.size());
    SelectRows(EFFECT, IDC_EFFECTANIM_LIST, {0});
    Answer<DLG_DB_EFFECTANIM_ANIM>({{IDC_FRAME_CEL, "4"}, {IDC_FRAME_MOVEY, "-2"}, {IDC_FRAME_TIME, "3"}}, OK);
    Click(EFFECT, IDC_ANIM_EDIT);
    EXPECT_EQ((std::vector<std::string>{"4-3 Y-2", std::string(64, '-')}), Rows(EFFECT, IDC_ANIM_FRAMES));

    Apply();
    EXPECT_EQ(4, g_Database.EffectAnims[1].vAnim[0].nCel);
    EXPECT_EQ(99u, g_Database.EffectAnims[2].vAnim.size());
    EXPECT_EQ(2, g_Database.CharaAnims[1].nGraphic);
}

// ---- Pages of files -----------------------------------------------------------------

TEST_F(MediaPagesTest, TheNameFollowsTheFileWhileTheBoxIsTicked) {
    Open();
    auto* sound = Show<DLG_DB_SOUND>(SOUND);
    SetCheck(SOUND, IDC_MEDIA_SAME_NAME, 1);
    EXPECT_EQ(0, Enabled(SOUND, IDC_DBLIST_NAME));
    Type(SOUND, IDC_MEDIA_PATH, "wave\\se\\door.wav");
    EXPECT_EQ("door", Text(SOUND, IDC_DBLIST_NAME));
    EXPECT_EQ("door", sound->m_Work[1].strName);
    Type(SOUND, IDC_MEDIA_PATH, "wave\\se\\noext");
    EXPECT_EQ("door", Text(SOUND, IDC_DBLIST_NAME));
    SetCheck(SOUND, IDC_MEDIA_SAME_NAME, 0);
    EXPECT_EQ(1, Enabled(SOUND, IDC_DBLIST_NAME));
    Type(SOUND, IDC_MEDIA_PATH, "wave\\bell.wav");
    EXPECT_EQ("door", sound->m_Work[1].strName);

    auto* bgm = Show<DLG_DB_BGM>(BGM);
    Click(BGM, IDC_DBLIST_NEW);
    ASSERT_EQ(3u, bgm->m_Work.size());
    EXPECT_EQ(1, bgm->m_Work[2].bSameAsFileName);
    EXPECT_EQ(100, bgm->m_Work[2].nVolume);
    EXPECT_EQ("100", Text(BGM, IDC_BGM_VOLUME_EDIT));
    Type(BGM, IDC_MEDIA_PATH, "bgm\\Field.ogg");
    EXPECT_EQ("Field", bgm->m_Work[2].strName);

    // A picture's name is its own until the box is ticked; then "参照" names it.
    auto* picture = Show<DLG_DB_PICTURE>(PICTURE);
    Click(PICTURE, IDC_DBLIST_NEW);
    EXPECT_EQ(0, picture->m_Work[2].bSameAsFileName);
    Type(PICTURE, IDC_DBLIST_NAME, "城");
    Type(PICTURE, IDC_MEDIA_PATH, "image\\picture\\castle.png");
    EXPECT_EQ("城", picture->m_Work[2].strName);
    SetCheck(PICTURE, IDC_MEDIA_SAME_NAME, 1);
    EXPECT_EQ("castle", picture->m_Work[2].strName);

    SetFileDialogProcs(ChooseFile, nullptr);
    char here[MAX_PATH];
    GetCurrentFolder(here, sizeof(here));
    g_strChosenFile = std::string(here) + "\\image\\picture\\town.png";
    Click(PICTURE, IDC_MEDIA_BROWSE);
    EXPECT_EQ("image\\picture\\town.png", picture->m_Work[2].strPath.substr(picture->m_Work[2].strPath.find("image")));
    EXPECT_EQ("town", picture->m_Work[2].strName);
    g_strChosenFile = "Q:\\elsewhere\\far.png";  // no path relative to the project
    Click(PICTURE, IDC_MEDIA_BROWSE);
    EXPECT_EQ("town", picture->m_Work[2].strName);
    SetFileDialogProcs(nullptr, nullptr);
}

TEST_F(MediaPagesTest, PlayAndStopFailCleanlyWithoutASoundDevice) {
    // A real wave file and a real MIDI file, on the editor's own sound layer.
    std::string wave = "RIFF";
    const unsigned char fmt[] = {36, 1, 0, 0, 'W', 'A', 'V',  'E',  'f', 'm', 't',  ' ',  16, 0,
                                 0,  0, 1, 0, 1,   0,   0x40, 0x1F, 0,   0,   0x40, 0x1F, 0,  0,
                                 1,  0, 8, 0, 'd', 'a', 't',  'a',  0,   1,   0,    0};
    wave.append(reinterpret_cast<const char*>(fmt), sizeof(fmt));
    wave.append(256, '\x80');
    FolderCreate("wave");
    FolderCreate("bgm");
    ASSERT_TRUE(WriteFileBytes("wave\\beep.wav", wave));
    const char midi[] = "MThd\0\0\0\6\0\0\0\1\0\x60MTrk\0\0\0\x0c\0\x90\x3c\x40\x60\x80\x3c\x40\0\xff\x2f\0";
    ASSERT_TRUE(WriteFileBytes("bgm\\tune.mid", std::string(midi, sizeof(midi) - 1)));
    MciInit(&g_MciTable);
    MciOpenAll(&g_MciTable, "waveaudio", g_MciSoundFiles);
    const std::string vox = VoxBesideTheEditor();
    SetVoxLibraryName(vox.c_str());
    ASSERT_EQ(1, g_Sound.Init(1, g_OggEntry, g_MidiEntry, 1, 0));
    m_pBoxes->Reset();

    Open();
    Show<DLG_DB_SOUND>(SOUND);
    Type(SOUND, IDC_MEDIA_PATH, "");
    Click(SOUND, IDC_MEDIA_PLAY);
    EXPECT_EQ(0u, m_pBoxes->Count()) << "nothing to play";
    Type(SOUND, IDC_MEDIA_PATH, "wave\\beep.wav.ogg");
    Click(SOUND, IDC_MEDIA_PLAY);
    EXPECT_EQ((std::vector<std::string>{"読み込み失敗！"}), m_pBoxes->Texts()) << "no wave file";
    // Wine's wave device takes the file and plays it nowhere; a device that
    // cannot open says so.
    m_pBoxes->Reset();
    Type(SOUND, IDC_MEDIA_PATH, "wave\\beep.wav");
    Click(SOUND, IDC_MEDIA_PLAY);
    for (const std::string& text : m_pBoxes->Texts()) EXPECT_EQ("読み込み失敗！", text);
    EXPECT_EQ("wave\\beep.wav", Text(SOUND, IDC_MEDIA_PATH));
    Show<DLG_DB_BGM>(BGM);
    Type(BGM, IDC_MEDIA_PATH, "bgm\\tune.mid");
    m_pBoxes->Reset();
    {
        // Without a MIDI output no stream open is tried: a second one would die.
        FreedStreamsReused reused;
        Click(BGM, IDC_MEDIA_PLAY);
        Click(BGM, IDC_MEDIA_PLAY);
    }
    EXPECT_EQ((std::vector<std::string>{"読み込み失敗！", "読み込み失敗！"}), m_pBoxes->Texts());
    EXPECT_EQ(-1, g_Sound.GetCurrentSlot()) << "nothing plays";
    EXPECT_EQ(1, PressOk()) << "closing the pages stops the music, of which there is none";
    EXPECT_EQ(2u, m_pBoxes->Count());
    g_Sound.Release();
    SetVoxLibraryName(nullptr);
    MciTerm(&g_MciTable);
    FileDelete("wave\\beep.wav");
    FileDelete("bgm\\tune.mid");
}

TEST_F(MediaPagesTest, ABackgroundShowsTheFieldsOfItsModeAndPreviewsItsColour) {
    g_Database.Backs.resize(999);  // 998 shown
    Open();
    auto* back = Show<DLG_DB_BACK>(BACK);
    const int chip = IDC_BACK_CHIP_W, path = IDC_MEDIA_PATH, red = IDC_BACK_RED;
    const struct { int mode, chip, path, colour; } modes[] = {{1, 0, 1, 0}, {2, 0, 0, 1}, {0, 1, 0, 0}};
    for (const auto& m : modes) {
        Choose(BACK, IDC_BACK_MODE, m.mode);
        EXPECT_EQ(m.chip, Enabled(BACK, chip)) << m.mode;
        EXPECT_EQ(m.path, Enabled(BACK, path)) << m.mode;
        EXPECT_EQ(m.path, Enabled(BACK, IDC_MEDIA_BROWSE)) << m.mode;
        EXPECT_EQ(m.colour, Enabled(BACK, red)) << m.mode;
    }
    Type(BACK, IDC_BACK_RED, "255");
    Type(BACK, IDC_BACK_GREEN, "0");
    Type(BACK, IDC_BACK_BLUE, "300");  // shown and stored as 255
    back->OnPaint();
    EXPECT_EQ(0xFF00FF, Pixel(Picture(back, IDC_BACK_COLOR), 16, 16));
    EXPECT_EQ(255, back->m_Work[1].byColorB);

    // 998 shown: a paste of two would pass 999, one reaches it, then New is refused.
    SelectRows(BACK, IDC_BACK_LIST, {0, 1});
    ListKey(BACK, IDC_BACK_LIST, KEY_COPY);
    ListKey(BACK, IDC_BACK_LIST, KEY_PASTE);
    EXPECT_EQ(999u, back->m_Work.size());
    SelectRows(BACK, IDC_BACK_LIST, {0});
    ListKey(BACK, IDC_BACK_LIST, KEY_COPY);
    ListKey(BACK, IDC_BACK_LIST, KEY_PASTE);
    EXPECT_EQ(1000u, back->m_Work.size());
    Click(BACK, IDC_DBLIST_NEW);
    EXPECT_EQ(1000u, back->m_Work.size());
    EXPECT_EQ(255, back->m_Work[1].byColorR) << "the pasted copy went before row 0";
}

// ---- Help ---------------------------------------------------------------------------

TEST_F(MediaPagesTest, HelpTextsAreWrittenInTheirDialogAndSymbolsPreviewed) {
    ColourSheet(SymbolSheet, 64, 16, 16);  // symbols 0 to 3
    g_Database.Helps.clear();
    Open();
    EXPECT_EQ(1u, g_Database.Helps.size()) << "an empty help list gets one topic";
    auto* help = Show<DLG_DB_HELP>(HELP);
    Type(HELP, IDC_HELP_TITLE, "移動");
    EXPECT_EQ("1 移動", Rows(HELP, IDC_HELP_LIST)[0]);

    Answer<DLG_TEXT>({{IDC_TEXT_EDIT, "一行目"}}, CANCEL);
    Click(HELP, IDC_HELP_INSERT);
    EXPECT_EQ(1u, help->m_Work[0].vText.size());
    Answer<DLG_TEXT>({{IDC_TEXT_EDIT, "#P3.は山\r\n二行目"}}, OK);
    Click(HELP, IDC_HELP_INSERT);
    ASSERT_EQ(2u, help->m_Work[0].vText.size());
    EXPECT_EQ("#P3.は山\r\n二行目", help->m_Work[0].vText[0].strText);
    EXPECT_EQ("1 #P3.は山 二行目", Rows(HELP, IDC_HELP_TEXTS)[0]);
    SelectRows(HELP, IDC_HELP_TEXTS, {0, 1});
    Click(HELP, IDC_HELP_DELETE);
    EXPECT_EQ(1u, help->m_Work[0].vText.size()) << "the last text stays";

    CTRL_PICTURE_CLASS* preview = Picture(help, IDC_HELP_SYMBOL);
    EXPECT_EQ(4, static_cast<int>(SendMessageA(Item(HELP, IDC_HELP_SYMBOLS), CB_GETCOUNT, 0, 0)));
    Choose(HELP, IDC_HELP_SYMBOLS, 3);
    help->OnPaint();
    EXPECT_EQ(3, ShownColumn(preview));
    Choose(HELP, IDC_HELP_SYMBOLS, -1);
    help->OnPaint();
    EXPECT_EQ(-1, ShownColumn(preview)) << "no symbol chosen";
    // A sheet narrower than one symbol holds none.
    ColourSheet(SymbolSheet, 8, 64, 8);
    Choose(HELP, IDC_HELP_SYMBOLS, 1);
    help->OnPaint();
    EXPECT_EQ(-1, ShownColumn(preview));
}

// ---- World chips --------------------------------------------------------------------

TEST_F(MediaPagesTest, AWorldChipShowsTheCellTypedCutToTheSheet) {
    Open();
    auto* chips = Show<DLG_DBWORLDCHIP>(WCHIP);
    CTRL_PICTURE_CLASS* preview = Picture(chips, IDC_WCHIP_PREVIEW);
    // The copy itself keeps to the sheet (cDib::Blt clips it), through the
    // GDI from a 24-bit sheet and directly from a 32-bit one.
    const struct {
        int sheetWidth, sheetHeight;
        const char* typed;
        int top, bottom, right;  // colours at (16, 4), (16, 28) and (28, 16)
    } cases[] = {
        {256, 1024, "9", 16 + 16 * 256, 16 + 16 * 256, 16 + 16 * 256},
        {256, 1000, "255", 64 + 16 * 256, 0, 0},  // 8 rows of cell 255 lie on the sheet
        {256, 512, "255", 0, 0, 0},
        {248, 1024, "7", 64 + 8 * 256, 64 + 8 * 256, 0},                  // 24 columns of cell 7
        {256, 1024, "999", 64 + 16 * 256, 64 + 16 * 256, 64 + 16 * 256},  // stored as 255
    };
    for (int bpp : {24, 32}) {
        for (const auto& c : cases) {
            ColourSheet(g_ImageTable[IMG_WORLDMAPCHIP], c.sheetWidth, c.sheetHeight, 32, bpp);
            Type(WCHIP, IDC_WCHIP_GRAPHIC, c.typed);
            chips->OnPaint();
            const std::string where =
                std::string(c.typed) + " on " + std::to_string(c.sheetWidth) + " x " + std::to_string(c.sheetHeight);
            EXPECT_EQ(c.top, Pixel(preview, 16, 4)) << where << ", " << bpp << " bits";
            EXPECT_EQ(c.bottom, Pixel(preview, 16, 28)) << where << ", " << bpp << " bits";
            EXPECT_EQ(c.right, Pixel(preview, 28, 16)) << where << ", " << bpp << " bits";
        }
    }
    EXPECT_EQ(255, chips->m_Work[0].nGraphic);
    Click(WCHIP, IDC_DBLIST_NEW);
    Apply();
    ASSERT_EQ(chips->m_Work.size(), g_WorldMap.Chips.size());
    for (size_t i = 0; i < g_WorldMap.Chips.size(); ++i) EXPECT_EQ(static_cast<int>(i), g_WorldMap.Chips[i].nNo);
}

// ---- Up-downs ----------------------------------------------------------------------

// An arrow or an arrow key steps a whole or a decimal number by the edit's
// own step within its range, and the record gets what is shown.
TEST_F(MediaPagesTest, UpDownsStepByTheEditsOwnStep) {
    Open();
    const struct {
        int tab, spin;
        const char* typed;
        UPDOWN_WAY way;
        int times;
        const char* shown;
    } steps[] = {
        {BACK, IDC_BACK_SCROLL_X_SPIN, "1.5", UPDOWN_CLICK_UP, 1, "1.6"},
        {BACK, IDC_BACK_SCROLL_X_SPIN, "63.9", UPDOWN_CLICK_UP, 3, "64.0"},
        {BACK, IDC_BACK_SCROLL_X_SPIN, "64.0", UPDOWN_KEY_UP, 1, "64.0"},
        {BACK, IDC_BACK_SCROLL_Y_SPIN, "2.5", UPDOWN_KEY_UP, 1, "2.6"},
        {BACK, IDC_BACK_SCROLL_Y_SPIN, "1.7", UPDOWN_KEY_PRESS_UP, 1, "1.9"},
        {BACK, IDC_BACK_SCROLL_Y_SPIN, "1.9", UPDOWN_HOLD_KEY_DOWN, 1, "1.7"},
        {BACK, IDC_BACK_SCROLL_Y_SPIN, "10.0", UPDOWN_KEY_DOWN, 1, "9.9"},
        {CHARA, IDC_ANIM_GRAPHIC_SPIN, "2", UPDOWN_CLICK_DOWN, 1, "1"},
        {CHARA, IDC_ANIM_GRAPHIC_SPIN, "1", UPDOWN_KEY_UP, 1, "2"},
        {WCHIP, IDC_WCHIP_GRAPHIC_SPIN, "254", UPDOWN_KEY_UP, 2, "255"},
    };
    std::vector<int> rows(WCHIP + 1);
    for (const auto& s : steps) {
        DLG_DBLIST_PAGE* page = Show<DLG_DBLIST_PAGE>(s.tab);
        rows[s.tab] = page->List().GetDataPos();
        EXPECT_EQ(s.shown, StepUpDown(Item(s.tab, s.spin), s.typed, s.way, s.times)) << s.typed << " on " << s.spin;
    }
    Apply();
    EXPECT_DOUBLE_EQ(64.0, g_Database.Backs[rows[BACK]].dScrollX);
    EXPECT_DOUBLE_EQ(9.9, g_Database.Backs[rows[BACK]].dScrollY);
    EXPECT_EQ(2, g_Database.CharaAnims[rows[CHARA]].nGraphic);
    EXPECT_EQ(255, g_WorldMap.Chips[rows[WCHIP]].nGraphic);
}

}  // namespace
