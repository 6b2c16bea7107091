#include "events/action_line.h"

#include "base/containers.h"
#include "events/event_words.h"
#include "model/chara.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/media_database.h"
#include "model/skill.h"
#include "ui/numtext.h"
#include "ui/record_names.h"

namespace {

// int[i], 0 when the action has no such parameter.
int P(const cEventAct& act, int i) { return i >= 0 && i < static_cast<int>(act.Ints.size()) ? act.Ints[i] : 0; }

template <class T>
std::string NameAt(const VECTOR_CLASS<T>& records, int index) {
    return index >= 0 && index < static_cast<int>(records.size()) ? RecordName(records[index]) : std::string();
}

std::string SkillName(int list, int skill) {
    if (list < 0 || list >= static_cast<int>(g_SkillLists.size())) return std::string();
    return NameAt(g_SkillLists[list].vSkill, skill);
}

std::string Signed(int value) {
    std::string text;
    FormatNumberEx(text, value, 0, 0, 1);
    return text;
}

std::string Number3(int value) {
    std::string text;
    FormatNumber(text, value, 3);
    return text;
}

const char* Str(const std::string& s) { return s.c_str(); }

typedef void (*FORMATTER)(std::string& text, const cEventAct& act);

void Message(std::string& t, const cEventAct& a) {
    if (P(a, 15) == 0)
        t += " : " + (a.Strs.empty() ? std::string() : a.Strs[0]);
    else
        t += " : メッセージの消去";
}
void Picture(std::string& t, const cEventAct& a) {
    if (P(a, 3) == 0)
        AppendFormat(t, " : %s", Str(NameAt(g_Database.Pictures, P(a, 0))));
    else
        t += " : ピクチャーの消去";
}
void Wait(std::string& t, const cEventAct& a) { AppendFormat(t, " : %d", P(a, 0)); }
void MapCursor(std::string& t, const cEventAct& a) { AppendFormat(t, " : %s", WordAt(g_WordCursorTarget, P(a, 0))); }
void Warp(std::string& t, const cEventAct& a) { AppendFormat(t, " : (%d,%d)", P(a, 1), P(a, 2)); }
void EnemyGroup(std::string& t, const cEventAct& a) {
    AppendFormat(t, P(a, 1) == 1 ? " : グループ %d を ON" : " : グループ %d を OFF", P(a, 0));
}
void CopyEnemy(std::string& t, const cEventAct& a) { AppendFormat(t, " : グループ %d", P(a, 0)); }
void PutFriend(std::string& t, const cEventAct& a) {
    AppendFormat(t, " : %s", Str(NameAt(g_FriendList, P(a, 0))));
    if (P(a, 2) == 0) AppendFormat(t, " (%d,%d)", P(a, 3), P(a, 4));
}
void EventVal(std::string& t, const cEventAct& a) {
    AppendFormat(t, " : イベント変数 %s %d", WordAt(g_WordOperator, P(a, 0)), P(a, 1));
}
void CommonVal(std::string& t, const cEventAct& a) {
    AppendFormat(t, " : コモン変数「%s」%s %d", Str(NameAt(g_GValInfo, P(a, 0))), WordAt(g_WordOperator, P(a, 1)),
                 P(a, 2));
}
void MapChip(std::string& t, const cEventAct& a) {
    const std::string from = P(a, 1) == 0 ? std::string("全て") : NameAt(g_LandList, P(a, 2));
    AppendFormat(t, " : %s の %s を %s に変更", WordAt(g_WordChipArea, P(a, 0)), Str(from),
                 Str(NameAt(g_LandList, P(a, 3))));
}
void EventPic(std::string& t, const cEventAct& a) { AppendFormat(t, " : %d 番に変更", P(a, 0)); }
void Sound(std::string& t, const cEventAct& a) { AppendFormat(t, " : %s", Str(NameAt(g_Database.Sounds, P(a, 0)))); }
void Bgm(std::string& t, const cEventAct& a) {
    AppendFormat(t, " : %s のBGMを %s に変更", WordAt(g_WordBgmScene, P(a, 0)), Str(NameAt(g_Database.Bgms, P(a, 1))));
}

// Its own order, and a full-width colon with no blank before it.
void Status(std::string& t, const cEventAct& a) {
    std::string s = "：";
    if (P(a, 0) == 0) {
        AppendFormat(s, " %s の %s を", WordAt(g_WordStatusSubject, P(a, 3)), StatusItemName(P(a, 4)));
    } else if (P(a, 0) == 1) {
        if (P(a, 1) == 0)
            AppendFormat(s, " 「%s %s」を", Str(Number3(P(a, 2))), Str(NameAt(g_GValInfo, P(a, 2))));
        else if (P(a, 1) == 1)
            s += " イベント変数 を";
    }
    AppendFormat(s, " %s", WordAt(g_WordOperator, P(a, 5)));
    switch (P(a, 6)) {
    case 0: AppendFormat(s, " %d", P(a, 7)); break;
    case 1: AppendFormat(s, " %d～%d", P(a, 8), P(a, 9)); break;
    case 2:
        if (P(a, 12) == 0)
            AppendFormat(s, " %s の %s", WordAt(g_WordStatusSubject, P(a, 12)), StatusItemName(P(a, 13)));
        break;
    case 3:
        if (P(a, 10) == 0)
            AppendFormat(s, " 「%s %s」", Str(Number3(P(a, 11))), Str(NameAt(g_GValInfo, P(a, 11))));
        else if (P(a, 10) == 1)
            s += " イベント変数";
        break;
    }
    if (P(a, 14) != 0) s += "％";
    t += s;
}
void Money(std::string& t, const cEventAct& a) { AppendFormat(t, " : %s", Str(Signed(P(a, 0)))); }
void LearnSkill(std::string& t, const cEventAct& a) { AppendFormat(t, " : %s", Str(SkillName(P(a, 0), P(a, 1)))); }
void Stock(std::string& t, const cEventAct& a) {
    AppendFormat(t, " : %s %s", Str(SkillName(P(a, 0), P(a, 1))), Str(Signed(P(a, 2))));
}
void ShopItem(std::string& t, const cEventAct& a) {
    AppendFormat(t, " : %s", Str(SkillName(P(a, 0), P(a, 1))));
    if (P(a, 2) == 0) AppendFormat(t, " %s", Str(Signed(P(a, 3))));
}
void RandomSkill(std::string& t, const cEventAct& a) {
    AppendFormat(t, " : %s ランク %d～%d の %s 回数%d", Str(NameAt(g_SkillLists, P(a, 0))), P(a, 1), P(a, 2),
                 WordAt(g_WordRandomSkill, P(a, 3)), P(a, 4));
}
void FriendCount(std::string& t, const cEventAct& a) {
    AppendFormat(t, " : %s %s", Str(NameAt(g_FriendList, P(a, 0))), Str(Signed(P(a, 1))));
}

const FORMATTER kFormatters[EACT_KIND_COUNT] = {
    nullptr,    Message,  Picture,   Wait,        MapCursor,   Warp,        EnemyGroup, CopyEnemy, PutFriend,
    nullptr,    EventVal, CommonVal, MapChip,     EventPic,    Sound,       Bgm,        Status,    Money,
    LearnSkill, Stock,    ShopItem,  RandomSkill, FriendCount, FriendCount, nullptr,    nullptr,   nullptr,
};

}  // namespace

void FormatActionLine(std::string& text, const cEventAct& act) {
    text = EventActKind(act.Kind).strName;
    if (!IsEventActKind(act.Kind)) return;
    if (FORMATTER f = kFormatters[act.Kind]) f(text, act);
}

std::string ActionLine(const cEventAct& act) {
    std::string text;
    FormatActionLine(text, act);
    return text;
}

std::string PaletteContentLine(const cEventActPlt& entry) {
    std::string text = "内容： ";
    for (size_t i = 0; i < entry.Acts.size(); ++i) {
        if (i) text += " → ";
        text += EventActKind(entry.Acts[i].Kind).strName;
    }
    return text;
}
