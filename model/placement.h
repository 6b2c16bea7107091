// What a stage places on its map: position groups (named sets of cells with a
// centre) and enemies with their movement-AI rules. Both repair themselves
// against the bounds of the stage they lie on (cFixupInputs::Stage).
#pragma once

#include <string>

#include "base/serial.h"
#include "model/ai.h"
#include "model/fixup_inputs.h"

// ---- Position groups ---------------------------------------------------------------

struct cCellPos {
    int X = 0;
    int Y = 0;
    bool operator==(const cCellPos& other) const { return X == other.X && Y == other.Y; }
    bool operator!=(const cCellPos& other) const { return !(*this == other); }
};

// u32 count, then (X, Y) int32 pairs.
int SerialCellList(int op, VECTOR_CLASS<cCellPos>* field, const VECTOR_CLASS<cCellPos>* other, HANDLE file);
inline int SerialField(int op, VECTOR_CLASS<cCellPos>* f, const VECTOR_CLASS<cCellPos>* o, HANDLE file, int) {
    return SerialCellList(op, f, o, file);
}

class cGroupPos : public cSerial {
public:
    int CenterX = 0;
    int CenterY = 0;
    std::string Name;
    VECTOR_CLASS<cCellPos> Cells;

    cGroupPos() { SetDefault(); }
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    int Load(HANDLE file) override;  // then Fixup against the stage's bounds
    int Save(HANDLE file) override;  // Fixup against the stage's bounds first
    void SetDefault() { Clear(); }
    // Cells at or beyond the width or height go (negative ones stay); a centre
    // coordinate at or beyond them becomes 0.
    void Fixup(int width, int height);
};

// ---- Placed enemies ----------------------------------------------------------------

class cPutEnemy : public cSerial {
public:
    int Enemy = 0;  // index into the enemy list; 0 not set
    int X = -1;     // -1: not on the map
    int Y = -1;
    int GroupOn = 0;    // (46)
    int Group = 0;      // 1 .. 100
    int CharaIdOn = 0;  // (52)
    int CharaId = 0;    // 1 .. 999 (52)
    VECTOR_CLASS<cMoveAI> MoveAI;

    cPutEnemy();
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    int Load(HANDLE file) override;
    int Save(HANDLE file) override;
    // An enemy outside the enemy list becomes 0; then every rule's Fixup.
    void Fixup(const cFixupInputs& in);
};
