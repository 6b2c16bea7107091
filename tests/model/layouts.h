// One byte builder per stored layout of the stage, event and world-map
// files: each table lists a record's fields in file order with the first
// version that stores them, the value the tests write and the value a
// record keeps when an older file lacks them (a new record's value).
#pragma once

#include <string>
#include <vector>

#include "tests/model/records.h"

template <class R>
struct IntField {
    int from;        // first version that stores it
    int R::*member;  // where the record keeps it
    int value;       // written by the tests
    int absent;      // kept when the file is older
};

// Writes the fields in order: the value for a file of `data` or newer, else
// what the record keeps; fields a file of `layout` lacks are left out.
template <class R, size_t N>
inline void PutInts(Bytes& b, const IntField<R> (&fields)[N], int layout, int data) {
    for (const IntField<R>& f : fields)
        if (layout >= f.from) b.I32(data >= f.from ? f.value : f.absent);
}

template <class R, size_t N>
inline void CheckInts(const R& record, const IntField<R> (&fields)[N], int version, const char* what) {
    for (size_t i = 0; i < N; ++i) {
        const IntField<R>& f = fields[i];
        EXPECT_EQ(version >= f.from ? f.value : f.absent, record.*f.member)
            << what << " int " << i << ", version " << version;
    }
}

// A movement rule as a file of `v` stores it: target, destination group, the
// status condition on or off (status 1 at 50 %), common variable 7 compared
// with 8, judged by "at least one", spare 9.
inline Bytes MoveRuleBytes(int v, int target, int dest, int statusOn) {
    Bytes b;
    b.I32(2).I32(target).I32(1).I32(0).I32(1).I32(dest);
    if (v >= 113) b.I32(0);
    if (v >= 44) b.I32(0).I32(0).I32(statusOn).I32(1).I32(50).I32(1).I32(2).I32(0).I32(7).I32(8).I32(3);
    if (v >= 51) b.I32(0);
    if (v >= 112) b.I32(1);
    if (v >= 45) b.I32(9);
    return b;
}

// ---- Stage ---------------------------------------------------------------------------

// After width, height, stride and shift (20, 15, 32, 5).
inline const IntField<cStage> kStageHead[] = {
    {0, &cStage::StartGroup, 11, 0},         {87, &cStage::RewardPtVal, 12, 1},   {0, &cStage::RewardValue, 13, 0},
    {118, &cStage::RewardTurnDeduct, 14, 0}, {127, &cStage::DeductPercent, 0, 1}, {0, &cStage::RepeatRate, 15, 50},
    {0, &cStage::ExRate, 16, 100},           {0, &cStage::ExRateCleared, 17, 50}, {87, &cStage::MoneyRate, 18, 100},
    {87, &cStage::MoneyRateCleared, 19, 50},
};
// After the name.
inline const IntField<cStage> kStageTail[] = {
    {66, &cStage::Back, 20, 1},     {0, &cStage::Bgm, 21, 0},          {47, &cStage::AllGroupsAtStart, 0, 1},
    {84, &cStage::ShowClear, 0, 1}, {84, &cStage::ShowGameOver, 0, 1},
};
inline const IntField<cPutEnemy> kEnemy[] = {
    {0, &cPutEnemy::Enemy, 2, 0},    {0, &cPutEnemy::X, 4, -1},    {0, &cPutEnemy::Y, 5, -1},
    {46, &cPutEnemy::GroupOn, 1, 1}, {0, &cPutEnemy::Group, 6, 0}, {52, &cPutEnemy::CharaIdOn, 1, 0},
    {52, &cPutEnemy::CharaId, 7, 0},
};
// The position group and the ally stay below the open stage's 4 groups and
// the 5 allies. Before 27 the fields gated at 27 are simply missing.
inline const IntField<cEventPage> kPageHead[] = {
    {0, &cEventPage::Graphic, 31, 0},
    {27, &cEventPage::TurnA, 1, 0},
    {0, &cEventPage::TurnA1, 32, 0},
    {27, &cEventPage::TurnA2, 33, 0},
    {27, &cEventPage::TurnB, 1, 0},
    {27, &cEventPage::TurnB1, 34, 0},
    {27, &cEventPage::TurnB2, 35, 0},
    {0, &cEventPage::EventVarCond, 1, 0},
    {0, &cEventPage::EventVarValue, -36, 0},
    {0, &cEventPage::EventVarCompare, 7, 0},
    {0, &cEventPage::CommonVar, 37, 0},
    {0, &cEventPage::CommonVarValue, 38, 0},
    {0, &cEventPage::CommonVarCompare, 6, 0},
    {0, &cEventPage::FirstAttemptOnly, 1, 0},
    {0, &cEventPage::Area, 3, 0},
    {0, &cEventPage::Subject, 5, 0},
    {0, &cEventPage::Presence, 1, 0},
    {42, &cEventPage::Friend, 4, 0},
    {0, &cEventPage::Group, 3, 1},
    {114, &cEventPage::GroupCond, 1, 0},
    {114, &cEventPage::GroupNo, 39, 0},
    {114, &cEventPage::CharaIdCond, 1, 0},
    {114, &cEventPage::CharaId, 40, 0},
    {0, &cEventPage::Timing, 22, 0},
};
inline const IntField<cEventPage> kPageTail[] = {{75, &cEventPage::AfterPrevious, 1, 0}};  // after the command name

// Where a file's map stands: its size, the row pitch it claims and the
// cells it holds (-1: pitch x height).
struct MapGeometry {
    int width = 20, height = 15, pitch = 32, cells = -1;
    size_t Cells() const { return static_cast<size_t>(cells >= 0 ? cells : pitch * (height > 0 ? height : 0)); }
};

// A count, then the ints: chip and cell layers.
inline Bytes IntList(const std::vector<int>& values) {
    Bytes b;
    b.U32(static_cast<uint32_t>(values.size()));
    for (int v : values) b.I32(v);
    return b;
}

// The settings before the lists of a stage file of `layout` holding what a
// file of `data` told (data -1: what a new stage holds).
inline Bytes StageSettings(int layout, int data, const std::string& name, MapGeometry g = MapGeometry()) {
    Bytes b;
    b.I32(g.width).I32(g.height).I32(g.pitch).I32(5);
    PutInts(b, kStageHead, layout, data);
    b.Str(name);
    PutInts(b, kStageTail, layout, data);
    return b;
}

// Position groups: filled ones hold a name and one cell, empty ones nothing.
inline Bytes GroupList(int count, bool filled) {
    Bytes b;
    b.U32(static_cast<uint32_t>(count));
    for (int i = 0; i < count; ++i) {
        if (filled)
            b.I32(i % 20).I32(i % 15).Str("群").U32(1).I32(i % 20).I32(1);
        else
            b.I32(0).I32(0).Str("").U32(0);
    }
    return b;
}

// A page with one wait action (kind 3 is never renumbered).
inline Bytes PageBytes(int layout, int data) {
    Bytes b;
    PutInts(b, kPageHead, layout, data);
    b.Str("必殺");
    PutInts(b, kPageTail, layout, data);
    b.U32(1).I32(EACT_WAIT).U32(1).I32(45).U32(0);
    if (layout < 55) b.U32(0);  // the old shop list
    return b;
}

inline Bytes EventBytes(int layout, int data, int x, int y, const char* name) {
    Bytes b;
    b.U32(1).I32(x).I32(y).I32(1).I32(4).I32(5).I32(6).Str(name).U32(1);
    return b.Append(PageBytes(layout, data));
}

enum { GROUPS = 30 };

// A stage file of `layout` holding what a file of `data` told: chips i % 5,
// 30 filled groups, one placed enemy, one event (and one of the old list
// before 108), and 1, 2 and 3 victory, defeat and other rules.
inline Bytes StageBytes(int layout, int data) {
    Bytes b = StageSettings(layout, data, "砦");
    const char* order = layout < 68 ? "CEVOGWLX" : layout < 108 ? "CGEOVWLX" : "CGEVWLX";
    for (const char* list = order; *list; ++list) {
        switch (*list) {
        case 'C': {
            std::vector<int> chips(480);
            for (int i = 0; i < 480; ++i) chips[static_cast<size_t>(i)] = i % 5;
            b.Append(IntList(chips));
            break;
        }
        case 'G': b.Append(GroupList(GROUPS, true)); break;
        case 'E':
            b.U32(1);
            PutInts(b, kEnemy, layout, data);
            b.U32(0);  // no movement AI
            break;
        case 'V': b.Append(EventBytes(layout, data, 6, 7, "新")); break;
        case 'O': b.Append(EventBytes(layout, data, 1, 1, "旧")); break;
        default: {
            const int count = *list == 'W' ? 1 : *list == 'L' ? 2 : 3;
            b.U32(static_cast<uint32_t>(count));
            for (int i = 0; i < count; ++i) b.I32(4).I32(8).I32(2).I32(19).I32(14).I32(29).Str("条件");
        }
        }
    }
    return b;
}

inline const IntField<cWorldEventPage> kWorldPage[] = {
    {0, &cWorldEventPage::Type, 0, 0},           {0, &cWorldEventPage::Graphic, 2, 0},
    {0, &cWorldEventPage::StageNo, 3, 0},        {0, &cWorldEventPage::PassWithoutClear, 1, 0},
    {0, &cWorldEventPage::PlayAfterClear, 1, 0}, {0, &cWorldEventPage::GameClear, 2, 0},
    {0, &cWorldEventPage::NeedClearStage, 4, 0}, {0, &cWorldEventPage::CondVar, 5, 0},
    {0, &cWorldEventPage::CondValue, 6, 0},      {0, &cWorldEventPage::CondCompare, 7, 0},
    {54, &cWorldEventPage::Variation, 1, 0},     {54, &cWorldEventPage::SetVar, 8, 1},
    {54, &cWorldEventPage::SetValue, 9, 0},
};

// A world-event page. Before 106 pages named ".stg" files; a load makes
// them ".stg2".
inline Bytes WorldPageBytes(int layout, int data, const std::string& file) {
    Bytes b;
    PutInts(b, kWorldPage, layout, data);
    if (layout >= 107) b.Str(data >= 107 ? "洞窟" : "");
    return b.Str(file);
}

inline Bytes WorldEventBytes(int layout, int data, int x, const char* name) {
    Bytes b;
    b.I32(x).I32(1).Str(name).U32(1);
    return b.Append(WorldPageBytes(layout, data, layout < 106 ? ".\\data\\stg\\洞窟.stg" : ".\\data\\stg\\洞窟.stg2"));
}

// WorldMap.dat of `layout` holding what a file of `data` told. Before 98 a
// load replaces the chip table with the ten fixed kinds.
inline Bytes WorldBytes(int layout, int data, MapGeometry g = MapGeometry()) {
    Bytes b;
    b.I32(g.width).I32(g.height).I32(g.pitch).I32(5).I32(3).I32(4);
    if (layout >= 66)
        b.I32(data >= 66 ? 2 : 1);  // deepest background
    else if (layout >= 20)
        b.U8(9).U8(8).U8(7);
    else
        b.I32(0x070809);
    b.I32(1).Str("大陸").Str(".\\image\\大陸.png");
    if (layout >= 98 && data < 98) {
        b.U32(10);
        for (int i = 0; i < 10; ++i) b.I32(0).I32(i < 5).I32(i).Str("").Str("");
    } else {
        b.U32(3);
        for (int i = 0; i < 3; ++i) b.I32(i).I32(i % 2).I32(i + 10).Str("草原").Str("副");
    }
    std::vector<int> cells(g.Cells());
    for (size_t i = 0; i < cells.size(); ++i) cells[i] = static_cast<int>(i % 3);
    b.Append(IntList(cells));
    b.U32(1).Append(WorldEventBytes(layout, data, 1, "町"));
    b.U32(1).Append(WorldEventBytes(layout, data, 0, "デフォルト"));
    return b;
}
