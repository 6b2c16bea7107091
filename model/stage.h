// The stage: one battle map of the game with its land chips, placed enemies,
// events, position groups, end-condition lines and settings, stored in a
// stage file ("*.stg2" under "data\stg\").
#pragma once

#include <string>

#include "base/serial.h"
#include "model/event.h"
#include "model/map_layer.h"
#include "model/placement.h"

// Cursor targets of an end-condition line (cEndCond::Target).
enum { ENDCOND_NONE = 0, ENDCOND_LEADER = 1, ENDCOND_ENEMY = 2, ENDCOND_GROUP = 3, ENDCOND_CELL = 4 };

// One line of the victory, defeat or other-rule explanations, and what
// selecting it in the game shows.
class cEndCond : public cSerial {
public:
    int Target = ENDCOND_NONE;  // "カーソルを合わせる対象"
    int CharaId = 0;            // target 2: the enemy's character id
    int CursorGroup = 0;        // target 3: a position group
    int X = 0;                  // target 4: a cell
    int Y = 0;
    int ShownGroup = 0;  // "表示する位置グループ"; 0 none
    std::string Text;    // "テキスト", at most 30 bytes

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
};

// Resize, the chips and the events of a cell: cMapRecord (model/map_layer.h).
class cStage : public cSerial, public cMapRecord<cStage, cEvent> {
public:
    enum { MAX_SIZE = 64 };  // width and height of a stage, 1..64

    int Width = 0;
    int Height = 0;
    int Stride = 0;           // cells per stored row, 1 << Shift
    int Shift = 0;            // bits of the width
    VECTOR_CLASS<int> Chips;  // land index of cell (x, y) at (y << Shift) + x
    VECTOR_CLASS<cPutEnemy> PutEnemies;
    VECTOR_CLASS<cEvent> Events;
    VECTOR_CLASS<cEvent> OldEvents;  // only files before 108 hold it; never written
    int StartGroup = 0;              // "味方の初期位置": a position group
    VECTOR_CLASS<cGroupPos> Groups;
    VECTOR_CLASS<cEndCond> WinConds;    // "勝利条件の説明"
    VECTOR_CLASS<cEndCond> LoseConds;   // "敗北条件の説明"
    VECTOR_CLASS<cEndCond> OtherConds;  // "その他（特別ルール等）の説明"
    int RewardPtVal = 1;                // party variable that receives the reward
    int RewardValue = 0;                // 0..999999
    int RewardTurnDeduct = 0;           // "－経過ターン数×", 0..99999
    int DeductPercent = 1;              // the deduction is a percentage
    int RepeatRate = 50;                // "クリア2回目以降の修正(%)"
    int ExRate = 100;                   // "獲得EXの修正(%)"
    int ExRateCleared = 50;             // "クリア済みなら(%)"
    int MoneyRate = 100;                // "敵の獲得金の修正(%)"
    int MoneyRateCleared = 50;
    std::string Name;
    int Back = 1;              // background record
    int Bgm = 0;               // BGM record; 0 none
    int AllGroupsAtStart = 1;  // "最初から全てのグループの敵を出現させる"
    int ShowClear = 1;         // "CLEAR !" text image
    int ShowGameOver = 1;      // "GAMEOVER" text image

    cStage();
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    // Refuses (0, the file marked failed) a size outside 1..64 or a chip
    // layer that does not fit the size; then fixes up the events' pages and
    // actions against this stage, and Fixup.
    int Load(HANDLE file) override;
    // Fixup; the records written meanwhile fix themselves up against this
    // stage.
    int Save(HANDLE file) override;
    void SetDefault();  // a new stage of 20 × 15

    // Brings every reference to the database and every position into range,
    // and fits the chip layer to the size. `database` gives the lists; the
    // bounds are this stage's own.
    void Fixup(const cFixupInputs& database);
    cStageBounds Bounds() const { return {Width, Height, static_cast<int>(Groups.size())}; }
    // `database` with this stage's bounds: what the records on it fix up against.
    cFixupInputs OnThisStage(const cFixupInputs& database) const;

private:
    friend class cMapRecord<cStage, cEvent>;
    cMapGeometry Geometry();  // the chips in 1..64 × 1..64
};

// Bits of the width: 20 gives 5, 32 gives 6, 0 gives 0; the stored row is
// 1 << that long, always wider than the map.
int StageRowShift(int width);

extern cStage g_Stage;
