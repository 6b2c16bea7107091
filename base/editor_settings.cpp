#include "base/editor_settings.h"

#include <cstring>

#include "base/paths.h"
#include "base/platform.h"
#include "base/report.h"

cEditConfig g_EditConfig;
cTestPlay g_TestPlay;

int Clamp(int& value, int low, int high) {
    if (value < low)
        value = low;
    else if (value > high)
        value = high;
    return value;
}

// ---- cWndPosInfo -----------------------------------------------------------------

int cWndPosInfo::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cWndPosInfo);
    SERIAL(Valid);
    SERIAL(X);
    SERIAL(Y);
    SERIAL(Width);
    SERIAL(Height);
    SERIAL(Sixth);
    return 1;
}

int cWndPosInfo::Load(HANDLE file) {
    cSerial::Load(file);
    int screenWidth, screenHeight;
    GetFullScreenSize(&screenWidth, &screenHeight);
    Clamp(X, 0, screenWidth);
    Clamp(Y, 0, screenHeight);
    return 1;
}

void cWndPosInfo::Set(int x, int y, int width, int height) {
    X = x;
    Y = y;
    Width = width;
    Height = height;
    Valid = 1;
}

// ---- cEditConfig -----------------------------------------------------------------

cEditConfig::cEditConfig() { SetDefault(); }

void cEditConfig::SetDefault() {
    Clear();
    UndoDepth = 3;
    StageEditIfPlaced = StageEditBeforePlace = EditIfPlaced = EditBeforePlace = AutoNumber = 1;
    OldUseDefaultGame = 1;
    OldGamePath.clear();
    DefaultStage = g_PathTable.DefaultStage;
}

cWndPosInfo& cEditConfig::Wnd(int index) {
    cWndPosInfo* const windows[WND_COUNT] = {&MainWnd,     &ChipWnd,      &EnemyWnd,       &EventWnd,
                                             &WorldMapWnd, &WorldChipWnd, &EventPaletteWnd};
    return *windows[index >= 0 && index < WND_COUNT ? index : 0];
}

int cEditConfig::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cEditConfig);
    SERIAL(LastStage);
    SERIAL(EditLayer);
    if (version < 74) SerialDropInts(op, 2, file);  // two settings that left in version 74
    SERIAL(UndoDepth);
    SERIAL(StageEditIfPlaced);
    SERIAL(StageEditBeforePlace);
    SERIAL(EditIfPlaced);
    SERIAL(EditBeforePlace);
    SERIAL(AutoNumber);
    if (version < 77) SerialDropInts(op, 1, file);  // a setting that left in version 77
    SERIAL(OldUseDefaultGame);
    SERIAL(OldGamePath);
    SERIAL(DefaultStage);
    SERIAL(SpareText);
    if (version >= 26) SERIAL(SpareInt);
    return 1;
}

namespace {

// Stage files took the extension "stg2" in version 106.
void ToStg2(std::string& path) {
    if (path.size() >= MAX_PATH) return;
    char renamed[MAX_PATH];
    if (ReplaceExtension(renamed, path.c_str(), g_ExtTable.Stage)) path = renamed;
}

}  // namespace

int cEditConfig::Load(HANDLE file) {
    const uint32_t version = g_nFileVersion;
    cSerial::Load(file);
    // The window records follow the own fields; they are taken only whole.
    cWndPosInfo windows[WND_COUNT];
    for (int i = 0; i < WND_COUNT; ++i) {
        windows[i] = Wnd(i);
        windows[i].Load(file);
    }
    if (FileFailed(file)) return 1;
    for (int i = 0; i < WND_COUNT; ++i) Wnd(i) = windows[i];
    if (version < 106) {
        ToStg2(LastStage);
        ToStg2(DefaultStage);
    }
    return 1;
}

int cEditConfig::Save(HANDLE file) {
    cSerial::Save(file);
    for (int i = 0; i < WND_COUNT; ++i) Wnd(i).Save(file);
    return 1;
}

// ---- cTestPlay -------------------------------------------------------------------

cTestPlay::cTestPlay() {
    Clear();
    AutoFind = 1;
    Training = 2;
}

int cTestPlay::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cTestPlay);
    if (version >= 221) SERIAL(AutoFind);
    if (version >= 221) SERIAL(GamePath);
    SERIAL(NoRandomGrowth);
    SERIAL(NoRandomSense);
    SERIAL(RandomSkill);
    SERIAL(SkillLevel);
    SERIAL(Training);
    return 1;
}

// ---- The settings file --------------------------------------------------------------

namespace {

// Cleared until start-up has read the settings or found none to read.
int g_bEditConfigWritable = 0;

// A file whose version word is above the program's: another editor's, to be kept.
bool IsNewerFile(const char* path) {
    std::string bytes;
    uint32_t version = 0;
    if (!FileReadAll(path, &bytes) || bytes.size() < 4) return false;
    std::memcpy(&version, bytes.data(), 4);
    return version > static_cast<uint32_t>(g_nDataVersion);
}

// The stages the settings name, as this project knows them: a full path in
// the project becomes relative; one in another folder (settings that came
// with a copied or moved project) gives way to the project's own stage.
int ResolveStoredStages() {
    g_EditConfig.LastStage = StoredStagePath(g_EditConfig.LastStage, std::string());
    g_EditConfig.DefaultStage = StoredStagePath(g_EditConfig.DefaultStage, g_PathTable.DefaultStage);
    return 1;
}

}  // namespace

std::string DamagedFileName(const char* path) {
    const std::string base = std::string(path) + ".damaged";
    std::string name = base;
    for (int n = 2; FileExists(name.c_str()) || FolderExists(name.c_str()); ++n) name = base + std::to_string(n);
    return name;
}

int LoadEditorSettings() {
    const cPathTable& p = g_PathTable;
    g_bEditConfigWritable = 1;
    if (g_EditConfig.LoadFile(p.EditConfig)) return ResolveStoredStages();
    if (FileExists(p.EditConfig)) {
        if (IsNewerFile(p.EditConfig)) {
            g_bEditConfigWritable = 0;
            ECSP("EditConfig.Load 失敗");
            return 0;
        }
        const std::string aside = DamagedFileName(p.EditConfig);
        if (FileReplace(p.EditConfig, aside.c_str())) {
            ReportOrBox("%s が壊れていたため %s に移し、エディターの設定を初期値に戻しました。", p.EditConfig,
                        aside.c_str());
        } else {
            g_bEditConfigWritable = 0;
            ReportOrBox("%s が壊れていますが %s に移せません。エディターの設定は保存されません。", p.EditConfig,
                        aside.c_str());
        }
        return 0;
    }
    if (!g_EditConfig.LoadFile(p.OldEditConfig)) {
        ECSP("EditConfig.Load 失敗 (旧パス)");
        return 0;
    }
    ResolveStoredStages();
    if (SaveEditorSettings() && !FileDelete(p.OldEditConfig)) ECSP("EditConfig.DeleteFile 失敗 (旧パス)");
    return 1;
}

int SaveEditorSettings() {
    if (!g_bEditConfigWritable) return 1;
    return g_EditConfig.SaveFile(g_PathTable.EditConfig);
}

int SaveEditorSettingsReported() {
    if (SaveEditorSettings()) return 1;
    ReportOrBox(kSaveFailedText, g_PathTable.EditConfig);
    return 0;
}
