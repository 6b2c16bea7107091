// Events: an event placed on a stage (or held by the event palette, or the
// start event), its pages with their conditions, the actions of a page, and
// the entries of the action palette. Also the table of action kinds that
// fixes how many parameters each kind carries.
#pragma once

#include <string>

#include "base/paths.h"
#include "base/serial.h"
#include "model/fixup_inputs.h"
#include "model/skill.h"

// ---- Action kinds ------------------------------------------------------------

enum {
    EACT_NONE = 0,
    EACT_MESSAGE = 1,
    EACT_PICTURE = 2,
    EACT_WAIT = 3,
    EACT_SETMAPCURSOR = 4,
    EACT_WARP = 5,
    EACT_CREASEENEMYGROUP = 6,
    EACT_COPYENEMY = 7,
    EACT_PUTFRIEND = 8,
    EACT_CHANGESTARTPOS = 9,
    EACT_CREASEEVENTVAL = 10,
    EACT_CREASEGVAL = 11,
    EACT_CHANGEMAPCHIP = 12,
    EACT_CHANGEEVENTPIC = 13,
    EACT_PLAYSOUND = 14,
    EACT_CHANGEBGM = 15,
    EACT_STATUS = 16,
    EACT_CREASESALT = 17,
    EACT_ACQUIRESKILL = 18,
    EACT_CREASESTOCK = 19,
    EACT_ADDSHOPSKILL = 20,
    EACT_GETRANDOMSKILL = 21,
    EACT_CHANGEFRIENDSHOP = 22,
    EACT_CHANGEPARTY = 23,
    EACT_STAGECLEAR = 24,
    EACT_GAMEOVER = 25,
    EACT_TURNBACK = 26,
    EACT_KIND_COUNT = 27,
};

// The shape of one action kind. Constant data, so that it is usable while
// other globals are built.
struct cEventActKind {
    const char* strName;  // never null
    int nIntNum;          // int parameters of an action of this kind
    int nStrNum;          // string parameters
    int bStartEvent;      // 1: allowed in the start event

    constexpr cEventActKind(const char* name, int intNum, int strNum, int startEvent)
        : strName(name ? name : ""), nIntNum(intNum), nStrNum(strNum), bStartEvent(startEvent) {}
};

extern const cEventActKind g_EventActKind[EACT_KIND_COUNT];

// 1 for a kind the table holds.
inline bool IsEventActKind(int kind) { return kind >= 0 && kind < EACT_KIND_COUNT; }
// The table entry of `kind`; kind 0's for anything outside the table.
const cEventActKind& EventActKind(int kind);

// One target of the status action ("HP", "SP"): its name and value range.
struct cStatusOpInfo {
    const char* strName;
    int nMin;
    int nMax;
    int nValue1;
    int nValue2;

    constexpr cStatusOpInfo(const char* name, int min, int max, int value1, int value2)
        : strName(name ? name : ""), nMin(min), nMax(max), nValue1(value1), nValue2(value2) {}
};

// Moves params[at .. count-2] up by one; the last value is lost, params[at]
// keeps its value for the caller to overwrite. Nothing when `at` is not
// below the count.
void ShiftParamsUp(VECTOR_CLASS<int>& params, int at);

// ---- Records -----------------------------------------------------------------

// One action of a page: its kind and the kind's parameters.
class cEventAct : public cSerial {
public:
    int Kind = EACT_NONE;
    VECTOR_CLASS<int> Ints;          // int[0] .. as many as the kind has
    VECTOR_CLASS<std::string> Strs;  // str[0] ..
    // Read from files before version 55 only; never used, compared or written.
    VECTOR_CLASS<cShopSkill> OldShop;

    cEventAct();
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    // Older files: kinds renumbered and parameters moved to today's places;
    // then FixupParams.
    int Load(HANDLE file) override;
    int Save(HANDLE file) override;
    void SetDefault();
    // Sizes the parameters to the kind and clamps those that name records of
    // the database or cells of the stage. A kind outside the table becomes 0.
    void FixupParams(const cFixupInputs& in);
    // The load migration alone, for an action read from a file of `version`.
    void Migrate(int version);
};

class cEventPage : public cSerial {
public:
    int Graphic = 0;  // cell of the event sheet, 0..511
    int TurnA = 0;    // "ターン数条件A"
    int TurnA1 = 0;
    int TurnA2 = 0;
    int TurnB = 0;  // "ターン数条件B"
    int TurnB1 = 0;
    int TurnB2 = 0;
    int EventVarCond = 0;  // "イベント変数条件"
    int EventVarValue = 0;
    int EventVarCompare = 0;  // comparison word
    int CommonVar = 0;        // 0: no common-variable condition
    int CommonVarValue = 0;
    int CommonVarCompare = 0;
    int FirstAttemptOnly = 0;  // "ステージ初挑戦時のみ出現"
    int Area = 0;              // area word
    int Subject = 0;           // subject word
    int Presence = 0;          // presence word
    int Friend = 0;            // ally index; 0 no ally condition
    int Group = 1;             // the stage's position group
    int GroupCond = 0;         // "グループ"
    int GroupNo = 0;
    int CharaIdCond = 0;  // "キャラID"
    int CharaId = 0;
    int Timing = 0;           // trigger-timing word
    std::string CommandName;  // special command, at most 4 bytes
    int AfterPrevious = 0;    // runs after the page above with the same timing
    VECTOR_CLASS<cEventAct> Acts;

    cEventPage();
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    int Load(HANDLE file) override;
    int Save(HANDLE file) override;
    void SetDefault();
    // A position group outside the stage's, or an ally outside the ally
    // list, becomes 0.
    void Fixup(const cFixupInputs& in);
};

class cEvent : public cSerial {
public:
    int X = 0;  // the event's cell on the stage
    int Y = 0;
    int Carried = 0;  // "キャラにこのイベントを所持させる"
    int Value4 = 0;   // stored and copied; no editor shows them
    int Value5 = 0;
    int Value6 = 0;
    std::string Name;  // at most 40 bytes
    VECTOR_CLASS<cEventPage> Pages;

    cEvent();  // one default page
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    void SetDefault();
};

// One entry of the action palette: named, described actions to paste.
class cEventActPlt : public cSerial {
public:
    std::string Name;         // at most 64 bytes
    std::string Description;  // at most 256 bytes
    VECTOR_CLASS<cEventAct> Acts;

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    void SetDefault();
};

// ---- The project's events ----------------------------------------------------

extern VECTOR_CLASS<cEvent> g_EventPlt;           // "data\EventPlt.dat"
extern VECTOR_CLASS<cEventActPlt> g_EventActPlt;  // "data\EventActionPlt.dat"
extern cEvent g_StartEvent;                       // "data\database\StartEvent.dat"

// The palettes hold at most this many entries.
enum { PALETTE_MAX = 999 };

// The event palette as the project opens it: `path`; when that cannot be
// read, one event "デフォルト" replaced by "data\plt\default.plt" when that
// file reads. 1 when `path` was read; g_bFileOutOfMemory tells of `path`.
int LoadEventPalette(VECTOR_CLASS<cEvent>& palette, const char* path = g_PathTable.EventPlt);
// The palette file and the folder of event palettes.
extern const char* const g_szDefaultEventPalette;  // "data\plt\default.plt"
