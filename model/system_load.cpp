// Loading and saving the system settings: the upgrade of older files to the
// current layout and the values derived from others.
#include "model/action_counts.h"
#include "model/system.h"

namespace {

// Puts `text` at `index` of a list of `size` entries, moving the later ones
// down, so that indices keep their meaning across versions.
void InsertAt(VECTOR_CLASS<std::string>& list, size_t size, int index, const char* text) {
    list.resize(size);
    ShiftDown(list, index);
    list[index] = text;
}

void InsertText(VECTOR_CLASS<std::string>& texts, int index, const char* text) {
    InsertAt(texts, SYSTEM_TEXT_COUNT, index, text);
}

void InsertSound(VECTOR_CLASS<std::string>& sounds, int index) { InsertAt(sounds, SYSTEM_SOUND_COUNT, index, ""); }

void SetKey(VECTOR_CLASS<cIni>& keys, int index, const char* key, int value) {
    keys.resize(SYSTEM_INI_COUNT);
    keys.At(index).Set(key, value);
}

}  // namespace

int cSystem::Load(HANDLE file) {
    cSerial::Load(file);
    if (g_nFileVersion < DATA_VERSION) Upgrade(g_nFileVersion);
    PadToRequiredSizes();
    if (const cFixupInputs* in = ActiveFixupInputs()) UpdateDerived(*in);
    return 1;
}

int cSystem::Save(HANDLE file) {
    PadToRequiredSizes();
    if (const cFixupInputs* in = ActiveFixupInputs()) UpdateDerived(*in);
    return cSerial::Save(file);
}

// One step per version, oldest first; each later insert moves the entries of
// the earlier ones to where the current layout has them.
void cSystem::Upgrade(uint32_t version) {
    Texts.resize(SYSTEM_TEXT_COUNT);  // every older file: exactly the current count
    if (version < 13) InsertText(Texts, 0, "威力");
    if (version < 22) SoundEffects.resize(SYSTEM_SOUND_COUNT);
    if (version < 23) SystemBgmLoop.assign(SYSTEM_BGM_COUNT, 1);  // loop flags were not stored
    if (version < 31) {                                           // stock, reserve and save texts
        InsertText(Texts, 3, "ストック");
        InsertText(Texts, 4, "リザーブ");
        InsertText(Texts, 5, "セーブデータ");
        InsertText(Texts, 9, "ＡＳキー：キャラの切替");
        InsertText(Texts, 11, "完全に復元させないと忘れられません！");
        InsertText(Texts, 12, "このスキルは忘れられません！");
        InsertText(Texts, 13, "ストックが一杯です！");
    }
    if (version < 33) {  // limits of the gained experience
        ExMin = 1;
        ExMax = 9999;
    }
    if (version < 43) {  // the test menu's retry, clear and turn skip
        InsertText(Texts, 38, "リトライする");
        InsertText(Texts, 39, "やっぱりやめる");
        InsertText(Texts, 40, "クリアする");
        InsertText(Texts, 41, "やっぱりやめる");
        InsertText(Texts, 42, "何ターン目にする？");
    }
    if (version < 55) InsertText(Texts, 20, "在庫");
    // The configuration menu came; a menu too short for the entry is left alone.
    if (version < 63 && FormationMenu.size() > 10) FormationMenu[10].Label = "コンフィグ";
    if (version < 70) {  // growth timing, distribution unit and random change
        GrowthTimingMin = -2;
        GrowthTimingMax = 2;
        GrowthDistUnit = 2;
        RandomChangeEnabled = 1;
        RandomChangeAmount = 1;
        RandomChangeCount = 10;
    }
    if (version < 72) {  // the test menu's "ゲーム終了"
        InsertText(Texts, 44, "終了する");
        InsertText(Texts, 45, "やっぱりやめる");
        MapTestMenu.resize(5);
        ShiftDown(MapTestMenu, 4);
        MapTestMenu[4].Label = "ゲーム終了";
    }
    if (version < 76) InsertText(Texts, 22, "同キャラ対戦はできません！");
    if (version < 91) FontIndex = FONT_MS_PGOTHIC;
    if (version < 92) {  // five system BGM
        SystemBgm.resize(SYSTEM_BGM_COUNT, 0);
        SystemBgmLoop.resize(SYSTEM_BGM_COUNT, 0);
    }
    if (version < 93) {  // the first "System.ini" keys
        SetKey(IniKeys, 0, "WindowMode", 2);
        SetKey(IniKeys, 1, "Color", 0);
        SetKey(IniKeys, 2, "VSync", 2);
        SetKey(IniKeys, 3, "FrameRate", 60);
        SetKey(IniKeys, 4, "ShowFps", 2);
    }
    if (version < 97) InsertSound(SoundEffects, 13);
    if (version < 105) ParamInfo.resize(SYSTEM_PARAM_COUNT);  // LV, EX and movement became parameters
    if (version < 115) InsertText(Texts, 10, "Ｆキー：位置交換");
    if (version < 117) InsertText(Texts, 3, "行動回数");
    if (version < 119) ShowTwoSkillLists = 1;
    if (version < 122) SenseDistUnit = 1;
    if (version < 123) SetKey(IniKeys, 5, "English", 0);
    if (version < 125) InsertText(Texts, 2, "必殺率");
    if (version < 128) InsertSound(SoundEffects, 7);
    if (version < 212) {  // the formation menu's help, off in old projects
        FormationMenu.resize(13);
        ShiftDown(FormationMenu, 11);
        FormationMenu[11].Label = "ヘルプ";
        FormationMenu[11].Enabled = 0;
    }
    if (version < 241) SetKey(IniKeys, 6, "Midi_DirectMusic", 1);
}

void cSystem::UpdateDerived(const cFixupInputs& in) {
    if (TurnMode == 0)
        CalcActionCountsByTime(ReferenceActionCount, BattleTime, InitialActionValue, AgilityRate,
                               NoInterceptBeforeAttack);
    else
        CalcActionCountsSimple(ReferenceActionCount, SimpleActionCount);
    if (Outside(FormationBack, in.Backs)) FormationBack = 1;
    for (int& bgm : SystemBgm)
        if (Outside(bgm, in.Bgms)) bgm = 0;
    UpdateParamDigits();
}

void cSystem::UpdateParamDigits() {
    for (cParamInfo& param : ParamInfo) param.Digits = CountDigits(param.Limit);
    if (!ParamInfo.empty()) HpLimit = ParamInfo[0].Limit;  // loading and saving pad the list
}
