// The world map, its chip kinds and its world events.
#include "model/worldmap.h"

#include <algorithm>

#include "base/paths.h"

namespace {

// Stage files took the extension "stg2"; the same rule as for the editor
// settings' stage paths. Paths that do not fit a path buffer stay as they are.
void UpgradeStageExtension(std::string& path) {
    if (path.empty() || path.size() >= MAX_PATH) return;
    char renamed[MAX_PATH];
    if (ReplaceExtension(renamed, path.c_str(), g_ExtTable.Stage)) path = renamed;
}

}  // namespace

// ---- cWorldChip ------------------------------------------------------------------

int cWorldChip::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cWorldChip);
    SERIAL(nNo);
    SERIAL(bImpassable);
    SERIAL(nGraphic);
    SERIAL(strName);
    SERIAL(strSub);
    return 1;
}

// ---- cWorldEventPage -----------------------------------------------------------------

cWorldEventPage::cWorldEventPage() { Reset(); }

int cWorldEventPage::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cWorldEventPage);
    SERIAL(Type);
    SERIAL(Graphic);
    SERIAL(StageNo);
    SERIAL(PassWithoutClear);
    SERIAL(PlayAfterClear);
    SERIAL(GameClear);
    SERIAL(NeedClearStage);
    SERIAL(CondVar);
    SERIAL(CondValue);
    SERIAL(CondCompare);
    if (version >= 54) {
        SERIAL(Variation);
        SERIAL(SetVar);
        SERIAL(SetValue);
    }
    if (version >= 107) SERIAL(StageName);
    SERIAL(StageFile);
    return 1;
}

int cWorldEventPage::Load(HANDLE file) {
    const uint32_t version = g_nFileVersion;
    cSerial::Load(file);
    // 106: stage files got the extension "stg2".
    if (version < 106) UpgradeStageExtension(StageFile);
    // 107: the stage name was added.
    if (version < 107) StageName.clear();
    return 1;
}

void cWorldEventPage::Reset() {
    Clear();
    SetVar = 1;
}

// ---- cWorldEvent ------------------------------------------------------------------------

cWorldEvent::cWorldEvent() { ClearToNew(); }

int cWorldEvent::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cWorldEvent);
    SERIAL(X);
    SERIAL(Y);
    SERIAL(Name);
    SERIAL(Pages);
    return 1;
}

void cWorldEvent::ClearToNew() {
    Clear();
    Pages.resize(1);
}

// ---- cWorldMap ----------------------------------------------------------------------------

int WorldRowShift(int width) {
    if (width == 1) return 0;
    // Every other width halves width - 1 at least once, so 0 gets a row of 2.
    int shift = 1;
    for (long long w = (static_cast<long long>(width) - 1) / 2; w != 0; w /= 2) ++shift;
    return shift;
}

int FindFreeStageNumber(const cWorldEvent* excluded) { return g_WorldMap.FindFreeStageNumber(excluded); }

cWorldMap::cWorldMap() { SetDefault(); }

int cWorldMap::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cWorldMap);
    SERIAL(Width);
    SERIAL(Height);
    SERIAL(Pitch);
    SERIAL(Shift);
    SERIAL(StartX);
    SERIAL(StartY);
    if (version >= 66) {
        SERIAL(BackNo);
    } else if (version >= 20) {
        // A colour of three bytes stood here before 66; dropped.
        unsigned char dropped[3] = {};
        for (unsigned char& byte : dropped) SERIAL_FIELD(SerialByte(op, &byte, nullptr, file));
    } else {
        SERIAL_FIELD(SerialDropInts(op, 1, file));
    }
    SERIAL(UseBackImage);
    SERIAL(Name);
    SERIAL(BackImage);
    SERIAL(Chips);
    SERIAL(Cells);
    SERIAL(Events);
    SERIAL(EventTemplates);
    return 1;
}

int cWorldMap::Load(HANDLE file) {
    const uint32_t version = g_nFileVersion;
    cSerial::Load(file);
    const bool sized = Width >= 1 && Width <= MAX_WIDTH && Height >= 1 && Height <= MAX_HEIGHT;
    if (sized) {
        Shift = WorldRowShift(Width);
        Pitch = 1 << Shift;
    }
    if (!sized || Cells.size() != static_cast<size_t>(Pitch) * static_cast<size_t>(Height)) {
        FileSetFailed(file);
        return 0;
    }
    // 98: the chip kinds became editable; before, ten fixed kinds.
    if (version < 98) {
        Chips.assign(10, cWorldChip());
        for (int i = 0; i < 10; ++i) {
            Chips[i].nGraphic = i;
            Chips[i].bImpassable = i < 5;
            Chips[i].strSub.clear();
        }
    }
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
    return 1;
}

int cWorldMap::Save(HANDLE file) {
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
    return cSerial::Save(file);
}

void cWorldMap::SetDefault() {
    Clear();
    Name = "ワールド";
    StartX = 9;
    StartY = 7;
    BackNo = 1;
    UseBackImage = 0;
    Resize(20, 15);
    Events.clear();
    EventTemplates.assign(1, cWorldEvent());
    EventTemplates[0].Name = "デフォルト";
}

cMapGeometry cWorldMap::Geometry() {
    return {Cells, Width, Height, Pitch, Shift, MAX_WIDTH, MAX_HEIGHT, WorldRowShift};
}

int cWorldMap::FindFreeStageNumber(const cWorldEvent* excluded) const {
    enum { LAST = 999 };
    bool taken[LAST + 1] = {};
    for (const cWorldEvent& event : Events) {
        if (&event == excluded) continue;
        for (const cWorldEventPage& page : event.Pages)
            if (page.Type == WEVENT_STAGE && page.StageNo >= 1 && page.StageNo <= LAST) taken[page.StageNo] = true;
    }
    for (int n = 1; n <= LAST; ++n)
        if (!taken[n]) return n;
    return 0;
}

void cWorldMap::FixupEvents(cWorldEvent& event, const cWorldEvent* excluded) {
    const int number = FindFreeStageNumber(excluded);
    for (cWorldEventPage& page : event.Pages)
        if (page.Type == WEVENT_STAGE) page.StageNo = number;
}

void cWorldMap::Fixup(const cFixupInputs& in) {
    // As the stage's: a cell layer of another size is fitted to this one.
    Cells.resize(static_cast<size_t>(Pitch) * static_cast<size_t>(std::max(Height, 0)), 0);
    if (StartX >= Width) StartX = Width - 1;
    if (StartY >= Height) StartY = Height - 1;
    Layer().ClearInvalid(Chips.size());
    EraseEvents(Events, [&](const cWorldEvent& e) { return e.X >= Width || e.Y >= Height; });
    if (Outside(BackNo, in.Backs)) BackNo = 1;
}
