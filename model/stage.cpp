// The stage record, its file layouts by version and its fix-up.
#include "model/stage.h"

#include <algorithm>

// ---- cEndCond --------------------------------------------------------------------

int cEndCond::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cEndCond);
    SERIAL(Target);
    SERIAL(CharaId);
    SERIAL(CursorGroup);
    SERIAL(X);
    SERIAL(Y);
    SERIAL(ShownGroup);
    SERIAL(Text);
    return 1;
}

// ---- cStage ------------------------------------------------------------------------

int StageRowShift(int width) {
    int shift = 0;
    for (int w = width; w > 0; w /= 2) ++shift;
    return shift;
}

cStage::cStage() { SetDefault(); }

int cStage::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cStage);
    SERIAL(Width);
    SERIAL(Height);
    SERIAL(Stride);
    SERIAL(Shift);
    SERIAL(StartGroup);
    if (version >= 87) SERIAL(RewardPtVal);
    SERIAL(RewardValue);
    if (version >= 118) SERIAL(RewardTurnDeduct);
    if (version >= 127) SERIAL(DeductPercent);
    SERIAL(RepeatRate);
    SERIAL(ExRate);
    SERIAL(ExRateCleared);
    if (version >= 87) {
        SERIAL(MoneyRate);
        SERIAL(MoneyRateCleared);
    }
    SERIAL(Name);
    if (version >= 66) SERIAL(Back);
    SERIAL(Bgm);
    if (version >= 47) SERIAL(AllGroupsAtStart);
    if (version >= 84) {
        SERIAL(ShowClear);
        SERIAL(ShowGameOver);
    }
    SERIAL(Chips);
    if (version < 68) {
        // 68: position groups moved ahead of the enemies.
        SERIAL(PutEnemies);
        SERIAL(Events);
        SERIAL(OldEvents);
        SERIAL(Groups);
    } else if (version < 108) {
        // 108: the second event list was dropped.
        SERIAL(Groups);
        SERIAL(PutEnemies);
        SERIAL(OldEvents);
        SERIAL(Events);
    } else {
        SERIAL(Groups);
        SERIAL(PutEnemies);
        SERIAL(Events);
    }
    SERIAL(WinConds);
    SERIAL(LoseConds);
    SERIAL(OtherConds);
    return 1;
}

int cStage::Load(HANDLE file) {
    {
        // The bounds the records on the stage fix up against are known only
        // once the stage is read: width and height come first, but files
        // before 68 hold the position groups after the enemies and events.
        cFixupScope deferred(nullptr);
        cSerial::Load(file);
    }
    OldEvents.clear();  // nothing uses it
    // The geometry is derived from the width, never taken from the file.
    const bool sized = Width >= 1 && Width <= MAX_SIZE && Height >= 1 && Height <= MAX_SIZE;
    if (sized) {
        Shift = StageRowShift(Width);
        Stride = 1 << Shift;
    }
    if (!sized || Chips.size() != static_cast<size_t>(Stride) * static_cast<size_t>(Height)) {
        FileSetFailed(file);
        return 0;
    }
    const cFixupInputs* database = ActiveFixupInputs();
    const cFixupInputs in = OnThisStage(database ? *database : ProjectFixupInputs());
    // Placed enemies and position groups are fixed up by Fixup.
    for (cEvent& event : Events) {
        for (cEventPage& page : event.Pages) {
            for (cEventAct& act : page.Acts) act.FixupParams(in);
            page.Fixup(in);
        }
    }
    Fixup(in);
    return 1;
}

int cStage::Save(HANDLE file) {
    const cFixupInputs* database = ActiveFixupInputs();
    const cFixupInputs in = OnThisStage(database ? *database : ProjectFixupInputs());
    Fixup(in);
    cFixupScope onThisStage(&in);
    return cSerial::Save(file);
}

cFixupInputs cStage::OnThisStage(const cFixupInputs& database) const {
    cFixupInputs in = database;
    in.Stage = Bounds();
    return in;
}

void cStage::SetDefault() {
    Clear();
    OldEvents.clear();
    Name = "ステージ";
    Resize(20, 15);
    PutEnemies.clear();
    Events.clear();
    Groups.assign(2, cGroupPos());
    WinConds.clear();
    LoseConds.clear();
    OtherConds.clear();
    RewardPtVal = 1;
    RewardValue = 0;
    RewardTurnDeduct = 0;
    DeductPercent = 1;
    RepeatRate = 50;
    ExRate = 100;
    ExRateCleared = 50;
    MoneyRate = 100;
    MoneyRateCleared = 50;
    Back = 1;
    AllGroupsAtStart = 1;
    ShowClear = 1;
    ShowGameOver = 1;
}

cMapGeometry cStage::Geometry() { return {Chips, Width, Height, Stride, Shift, MAX_SIZE, MAX_SIZE, StageRowShift}; }

void cStage::Fixup(const cFixupInputs& database) {
    const cFixupInputs in = OnThisStage(database);
    // A chip layer that does not fit the size (an undo step from before a
    // resize) is fitted, so that no file is written that cannot be read.
    Chips.resize(static_cast<size_t>(Stride) * static_cast<size_t>(std::max(Height, 0)), 0);
    if (Outside(StartGroup, Groups.size())) StartGroup = 0;
    if (Outside(RewardPtVal, in.PtVals)) RewardPtVal = 1;
    Layer().ClearInvalid(in.Lands);
    for (cPutEnemy& enemy : PutEnemies) {
        enemy.Fixup(in);
        if (enemy.X >= Width || enemy.Y >= Height) {
            enemy.X = -1;
            enemy.Y = -1;
        }
    }
    EraseEvents(Events, [&](const cEvent& e) { return e.X >= Width || e.Y >= Height; });
    for (cGroupPos& group : Groups) group.Fixup(Width, Height);
    for (VECTOR_CLASS<cEndCond>* lines : {&WinConds, &LoseConds, &OtherConds}) {
        for (cEndCond& line : *lines) {
            if (Outside(line.CursorGroup, Groups.size())) line.CursorGroup = 1;
            if (line.X >= Width) line.X = Width - 1;
            if (line.Y >= Height) line.Y = Height - 1;
            if (Outside(line.ShownGroup, Groups.size())) line.ShownGroup = 0;
        }
    }
    if (Outside(Back, in.Backs)) Back = 1;
    if (Outside(Bgm, in.Bgms)) Bgm = 0;
}
