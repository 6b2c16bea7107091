// The editor's own settings ("e_data\EditConfig.dat") and the test-play
// settings ("e_data\Testplay.dat").
#pragma once

#include <string>

#include "base/serial.h"

// Sets `value` into low..high and returns it. The lower bound is tested
// first and alone: with low > high (an empty list) a value below low becomes
// low, any other value high.
int Clamp(int& value, int low, int high);

// One window's stored position and size.
class cWndPosInfo : public cSerial {
public:
    int Valid = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    int Sixth = 1;  // kept in its place in the file; nothing shows it

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    // Pulls x and y back onto the screen.
    int Load(HANDLE file) override;
    void Set(int x, int y, int width, int height);
};

class cEditConfig : public cSerial {
public:
    std::string LastStage;  // the stage open when the editor last ended
    // Window places, in file order.
    cWndPosInfo MainWnd;          // stage editor DLG_MAIN
    cWndPosInfo ChipWnd;          // map-chip palette DLG_CHIP
    cWndPosInfo EnemyWnd;         // enemy palette DLG_ENEMY
    cWndPosInfo EventWnd;         // stage event palette DLG_EVENT
    cWndPosInfo WorldMapWnd;      // world-map editor DLG_WORLDMAP
    cWndPosInfo WorldChipWnd;     // world-chip palette DLG_WORLDCHIP
    cWndPosInfo EventPaletteWnd;  // world-event palette DLG_WORLDEVENT
    int EditLayer = 0;            // 0 map chips, 1 enemies, 2 events
    int UndoDepth = 3;
    std::string DefaultStage;      // the stage a new stage is made from
    int StageEditIfPlaced = 1;     // event palette "配置済みなら編集"
    int StageEditBeforePlace = 1;  // event palette "配置直前に編集"
    int EditIfPlaced = 1;          // world-event palette "配置済みなら編集"
    int EditBeforePlace = 1;       // world-event palette "配置直前に編集"
    int AutoNumber = 1;            // "ステージ番号を自動で振り分け"
    int OldUseDefaultGame = 1;     // the test-play choice as old versions kept it
    std::string OldGamePath;
    std::string SpareText;  // kept in its place; nothing shows it
    int SpareInt = 0;       // likewise

    cEditConfig();
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    // Own fields, then the seven window records; old layouts are migrated.
    int Load(HANDLE file) override;
    int Save(HANDLE file) override;
    void SetDefault();
    // The window records by file position 0..6.
    cWndPosInfo& Wnd(int index);
    enum { WND_COUNT = 7 };
};

class cTestPlay : public cSerial {
public:
    int AutoFind = 1;        // "自動で取得": 1 finds the game program, 0 takes GamePath
    std::string GamePath;    // "テストプレイ用のゲームプログラムのパス"
    int NoRandomGrowth = 0;  // "ランダム能力値成長を無効化"
    int NoRandomSense = 0;   // "ランダムセンス上昇を無効化"
    int RandomSkill = 0;     // "ランダムスキル習得" (row of its word list)
    int SkillLevel = 0;      // "ランダムスキル習得におけるスキルの習得レベル"
    int Training = 2;        // "トレーニング"

    cTestPlay();
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
};

extern cEditConfig g_EditConfig;
extern cTestPlay g_TestPlay;

// ---- The settings file --------------------------------------------------------------
// Start-up reads g_EditConfig from "e_data\EditConfig.dat" (taking it over once
// from its old place in "data\"); every later write goes through
// SaveEditorSettings, so that a file that was not read is never written over
// unseen. A newer version's settings are left as they are for the whole run;
// a damaged file is kept aside under DamagedFileName, a line in the report
// log says so, and fresh settings are written from then on.

// 1 when the settings were read (their stage paths then in the project's
// form, see StoredStagePath); 0 when the defaults stand (no file, a newer
// version's, or a damaged one).
int LoadEditorSettings();
// 1 when written, or when the file holds a newer version's settings, which
// stay as they are; 0 when the write failed (the old file is then whole).
int SaveEditorSettings();
// As SaveEditorSettings, and a failure is named in the report log, or in a
// box when the log cannot be written either: for the saves nobody asked for.
int SaveEditorSettingsReported();
// "<path>.damaged", or "<path>.damaged2", "<path>.damaged3" ... when taken.
std::string DamagedFileName(const char* path);
