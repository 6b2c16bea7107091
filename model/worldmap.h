// The world map ("data\database\WorldMap.dat"): its chip kinds, chip layer,
// the world events placed on it with their pages, the event palette's
// templates, the start position and the backgrounds.
#pragma once

#include <string>

#include "base/serial.h"
#include "model/fixup_inputs.h"
#include "model/map_layer.h"

// One kind of world-map chip.
class cWorldChip : public cSerial {
public:
    int nNo = 0;          // own index, rewritten by the world-chip page
    int bImpassable = 0;  // "移動不可"
    int nGraphic = 0;     // cell of the world-map chip sheet
    std::string strName;  // "名称"
    std::string strSub;   // a second text no dialog shows

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
};

// Event types of a world-event page.
enum { WEVENT_STAGE = 0, WEVENT_ROAD = 1, WEVENT_WALL = 2 };

class cWorldEventPage : public cSerial {
public:
    int Type = WEVENT_STAGE;   // "ステージ", "道", "壁"
    int Graphic = 0;           // icon row of the world-event image
    int StageNo = 0;           // 0: no number, always cleared
    int PassWithoutClear = 0;  // "クリアしなくても通行可能"
    int PlayAfterClear = 0;    // "クリア後でもプレイ可能"
    int GameClear = 0;         // 0 "しない", 1 "2周目へ突入", 2 "ゲーム終了"
    int NeedClearStage = 0;    // shown once this stage is cleared; 0 always
    int CondVar = 0;           // common variable tested before showing
    int CondValue = 0;
    int CondCompare = 0;  // comparison word
    int Variation = 0;    // "バリエーション" (from version 54)
    int SetVar = 1;       // common variable set before the stage starts
    int SetValue = 0;
    std::string StageName;  // from version 107
    std::string StageFile;  // ".stg2" path relative to the project

    cWorldEventPage();
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    // Old files: ".stg" paths become ".stg2" (before 106); the stage name is
    // empty before 107.
    int Load(HANDLE file) override;
    void Reset();  // as a new page
};

class cWorldEvent : public cSerial {
public:
    int X = 0;
    int Y = 0;
    std::string Name;  // "イベント名"
    VECTOR_CLASS<cWorldEventPage> Pages;

    cWorldEvent();  // one default page
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    void ClearToNew();  // as a new event
};

// Resize, the chips and the events of a cell: cMapRecord (model/map_layer.h).
class cWorldMap : public cSerial, public cMapRecord<cWorldMap, cWorldEvent> {
public:
    enum { MAX_WIDTH = 200, MAX_HEIGHT = 150 };

    int Width = 0;
    int Height = 0;
    int Pitch = 0;  // cells per stored row: the smallest power of two not below the width
    int Shift = 0;  // log2 of the pitch
    VECTOR_CLASS<cWorldChip> Chips;
    VECTOR_CLASS<int> Cells;                   // chip of cell (x, y) at (y << Shift) + x
    VECTOR_CLASS<cWorldEvent> Events;          // placed on the map
    VECTOR_CLASS<cWorldEvent> EventTemplates;  // the event palette ("イベントパレット")
    int StartX = 9;                            // "初期位置 X"
    int StartY = 7;
    int BackNo = 1;        // "最奥背景": a background record
    int UseBackImage = 0;  // "背景画像を使用する（最奥背景より手前）"
    std::string Name;
    std::string BackImage;  // "背景画像"

    cWorldMap();
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    // Refuses (0, the file marked failed) a size outside 1..200 × 1..150 or
    // a chip layer that does not fit it; migrates old chip tables; Fixup.
    int Load(HANDLE file) override;
    int Save(HANDLE file) override;
    void SetDefault();

    // Smallest stage number 1..999 that no stage page of a placed event other
    // than `excluded` uses; 0 when all are taken.
    int FindFreeStageNumber(const cWorldEvent* excluded) const;
    // Every stage page of `event` gets FindFreeStageNumber(excluded).
    void FixupEvents(cWorldEvent& event, const cWorldEvent* excluded);
    // Start position, cells, placed events and background into range; the
    // cell layer fitted to the size.
    void Fixup(const cFixupInputs& in);

private:
    friend class cMapRecord<cWorldMap, cWorldEvent>;
    cMapGeometry Geometry();  // the cells in 1..200 × 1..150
};

// log2 of the smallest power of two not below `width`; 0 for width 1, 1 for
// width 0.
int WorldRowShift(int width);

extern cWorldMap g_WorldMap;

// g_WorldMap.FindFreeStageNumber, as the world-map editor calls it.
int FindFreeStageNumber(const cWorldEvent* excluded);
