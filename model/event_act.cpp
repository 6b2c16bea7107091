// The action kinds, the load migration of actions from older files and the
// per-kind fix-ups of their parameters.
#include "base/editor_settings.h"
#include "model/event.h"

const cEventActKind g_EventActKind[EACT_KIND_COUNT] = {
    {"", 0, 0, 0},
    {"メッセージ", 26, 1, 0},
    {"ピクチャー", 18, 0, 0},
    {"ウエイト", 1, 0, 0},
    {"マップカーソルの移動", 4, 0, 0},
    {"ワープ", 4, 0, 0},
    {"敵グループの操作", 3, 0, 0},
    {"敵のコピー", 3, 0, 0},
    {"味方の配置", 6, 0, 0},
    {"初期位置の変更", 1, 0, 0},
    {"イベント変数の操作", 2, 0, 0},
    {"コモン変数の操作", 3, 0, 1},
    {"マップチップの変更", 5, 0, 0},
    {"イベントのグラフィックを変更", 1, 0, 0},
    {"効果音の再生", 1, 0, 0},
    {"BGMの変更", 2, 0, 1},
    {"ステータスの操作", 16, 0, 1},
    {"所持金の操作", 1, 0, 1},
    {"スキルの習得", 2, 0, 0},
    {"ストックの操作", 3, 0, 1},
    {"商品の追加", 4, 0, 1},
    {"スキルをランダムに獲得", 5, 0, 1},
    {"仲間屋の変更", 2, 0, 1},
    {"パーティーの変更", 2, 0, 1},
    {"ステージクリア", 0, 0, 0},
    {"ゲームオーバー", 0, 0, 0},
    {"引き返す", 0, 0, 0},
};

const cEventActKind& EventActKind(int kind) { return g_EventActKind[IsEventActKind(kind) ? kind : 0]; }

void ShiftParamsUp(VECTOR_CLASS<int>& params, int at) {
    if (at < 0) return;
    for (int i = static_cast<int>(params.size()) - 1; i > at; --i) params[i] = params[i - 1];
}

namespace {

int Last(size_t count) { return static_cast<int>(count) - 1; }

// Position groups are offered from 1; cells lie inside the stage.
void ClampGroup(int& group, const cFixupInputs& in) { Clamp(group, 1, in.Stage.GroupCount - 1); }
void ClampX(int& x, const cFixupInputs& in) { Clamp(x, 0, in.Stage.Width - 1); }
void ClampY(int& y, const cFixupInputs& in) { Clamp(y, 0, in.Stage.Height - 1); }
void ClampFriend(int& ally, const cFixupInputs& in) { Clamp(ally, 1, Last(in.Friends)); }

// A skill list outside the lists becomes 0 with skill 1; a skill outside its
// list becomes 1.
void FixSkillRef(int& list, int& skill, const cFixupInputs& in) {
    if (Outside(list, in.SkillListCount())) {
        list = 0;
        skill = 1;
    }
    if (Outside(skill, in.SkillCount(list))) skill = 1;
}

typedef void (*ParamFixup)(VECTOR_CLASS<int>& p, const cFixupInputs& in);

void FixPicture(VECTOR_CLASS<int>& p, const cFixupInputs& in) { Clamp(p.At(0), 0, Last(in.Pictures)); }
void FixMapCursor(VECTOR_CLASS<int>& p, const cFixupInputs& in) {
    ClampGroup(p.At(1), in);
    ClampX(p.At(2), in);
    ClampY(p.At(3), in);
}
void FixWarp(VECTOR_CLASS<int>& p, const cFixupInputs& in) {
    ClampX(p.At(1), in);
    ClampY(p.At(2), in);
}
void FixPutFriend(VECTOR_CLASS<int>& p, const cFixupInputs& in) {
    ClampFriend(p.At(0), in);
    ClampX(p.At(3), in);
    ClampY(p.At(4), in);
}
void FixStartPos(VECTOR_CLASS<int>& p, const cFixupInputs& in) { ClampGroup(p.At(0), in); }
void FixMapChip(VECTOR_CLASS<int>& p, const cFixupInputs& in) {
    Clamp(p.At(2), 0, Last(in.Lands));
    Clamp(p.At(3), 0, Last(in.Lands));
    ClampGroup(p.At(4), in);
}
void FixNothing(VECTOR_CLASS<int>&, const cFixupInputs&) {}
void FixSound(VECTOR_CLASS<int>& p, const cFixupInputs& in) { Clamp(p.At(0), 1, Last(in.Sounds)); }
// BGM 0 is "なし", a choice of its own.
void FixBgm(VECTOR_CLASS<int>& p, const cFixupInputs& in) { Clamp(p.At(1), 0, Last(in.Bgms)); }
void FixSkill(VECTOR_CLASS<int>& p, const cFixupInputs& in) { FixSkillRef(p.At(0), p.At(1), in); }
void FixRandomSkill(VECTOR_CLASS<int>& p, const cFixupInputs& in) {
    if (Outside(p.At(0), in.SkillListCount())) p.At(0) = 0;
}
void FixFriend(VECTOR_CLASS<int>& p, const cFixupInputs& in) { ClampFriend(p.At(0), in); }

const ParamFixup kParamFixups[EACT_KIND_COUNT] = {
    nullptr,         // none
    nullptr,         // message
    FixPicture,      // picture
    nullptr,         // wait
    FixMapCursor,    // map cursor
    FixWarp,         // warp
    nullptr,         // enemy group
    nullptr,         // enemy copy
    FixPutFriend,    // place ally
    FixStartPos,     // start position
    nullptr,         // event variable
    nullptr,         // common variable
    FixMapChip,      // map chip
    FixNothing,      // event graphic
    FixSound,        // sound effect
    FixBgm,          // BGM
    FixNothing,      // status
    nullptr,         // money
    FixSkill,        // learn skill
    FixSkill,        // stock
    FixSkill,        // shop item
    FixRandomSkill,  // random skill
    FixFriend,       // ally shop
    FixFriend,       // party
    nullptr,         // stage clear
    nullptr,         // game over
    nullptr,         // turn back
};

void SizeParams(cEventAct& act, int kind) {
    const cEventActKind& shape = EventActKind(kind);
    act.Ints.resize(static_cast<size_t>(shape.nIntNum), 0);
    act.Strs.resize(static_cast<size_t>(shape.nStrNum));
}

// Shifts up from `at` and puts `value` there; the list grows when `at` lies
// beyond it (a damaged file can bring any kind here).
void InsertParam(VECTOR_CLASS<int>& params, int at, int value) {
    if (static_cast<size_t>(at) >= params.size()) params.resize(static_cast<size_t>(at) + 1, 0);
    ShiftParamsUp(params, at);
    params[static_cast<size_t>(at)] = value;
}

}  // namespace

// ---- cEventAct -------------------------------------------------------------------

cEventAct::cEventAct() { SetDefault(); }

int cEventAct::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cEventAct);
    SERIAL(Kind);
    SERIAL(Ints);
    SERIAL(Strs);
    // The old shop list is only ever read; the other operations skip it.
    if (op == SERIAL_READ && version < 55) SERIAL(OldShop);
    return 1;
}

void cEventAct::SetDefault() {
    Clear();
    Ints.clear();
    Strs.clear();
    // A cleared action is of kind none, whose parameters name no list.
    FixupParams(cFixupInputs());
}

void cEventAct::FixupParams(const cFixupInputs& in) {
    if (!IsEventActKind(Kind)) Kind = EACT_NONE;
    SizeParams(*this, Kind);
    if (ParamFixup fixup = kParamFixups[Kind]) fixup(Ints, in);
}

void cEventAct::Migrate(int version) {
    const int V = version;
    int& K = Kind;
    SizeParams(*this, K);  // by the kind as stored
    // A kind beyond the table only grows below and ends as none; held at the
    // table's end so that a damaged file cannot overflow it.
    if (K > EACT_KIND_COUNT) K = EACT_KIND_COUNT;
    // 25: kinds 5 and 7 were inserted.
    if (V < 25) {
        if (K >= 5) ++K;
        if (K >= 7) ++K;
    }
    // 57: the message's picture got a display scale.
    if (V < 57 && K == EACT_MESSAGE) Ints.At(21) = 100;
    // 59: horizontal and vertical flips of message and picture.
    if (V < 59) {
        if (K == EACT_MESSAGE) {
            InsertParam(Ints, 20, 0);
            InsertParam(Ints, 21, 0);
        }
        if (K == EACT_PICTURE) {
            InsertParam(Ints, 9, 0);
            InsertParam(Ints, 10, 0);
        }
    }
    // 60: the A-key show/hide switch.
    if (V < 60) {
        if (K == EACT_MESSAGE) InsertParam(Ints, 9, 0);
        if (K == EACT_PICTURE) InsertParam(Ints, 16, 0);
    }
    // 62: transparency.
    if (V < 62) {
        if (K == EACT_MESSAGE) InsertParam(Ints, 23, 255);
        if (K == EACT_PICTURE) InsertParam(Ints, 11, 255);
    }
    // 67: kind 8 was inserted.
    if (V < 67 && K >= 8) ++K;
    // 71: the status action (then kind 15) got a new parameter layout.
    if (V < 71 && K == 15) Ints.assign(15, 0);
    // 95: another kind at 8.
    if (V < 95 && K >= 8) ++K;
    // 103: kind 21 was inserted.
    if (V < 103 && K >= 21) ++K;
    // 126: the map-chip change got a source parameter.
    if (V < 126 && K == EACT_CHANGEMAPCHIP) InsertParam(Ints, 1, 0);
}

int cEventAct::Load(HANDLE file) {
    const int version = static_cast<int>(g_nFileVersion);
    cSerial::Load(file);
    OldShop.clear();  // nothing uses it
    if (version < DATA_VERSION) Migrate(version);
    if (const cFixupInputs* in = ActiveFixupInputs()) FixupParams(*in);
    return 1;
}

int cEventAct::Save(HANDLE file) {
    if (const cFixupInputs* in = ActiveFixupInputs()) FixupParams(*in);
    return cSerial::Save(file);
}
