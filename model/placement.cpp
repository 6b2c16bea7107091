#include "model/placement.h"

#include <algorithm>

// ---- Cell lists ---------------------------------------------------------------------

int SerialCellList(int op, VECTOR_CLASS<cCellPos>* field, const VECTOR_CLASS<cCellPos>* other, HANDLE file) {
    return SerialEach(op, field, other, file, 8, [](int op, cCellPos* cell, const cCellPos* o, HANDLE file) {
        int32_t pair[2] = {cell->X, cell->Y};
        if (op == SERIAL_COMPARE) return static_cast<int>(o && *cell == *o);
        if (op == SERIAL_READ && FileRead(file, pair, 8)) *cell = {pair[0], pair[1]};
        if (op == SERIAL_WRITE) FileWrite(file, pair, 8);
        return 1;
    });
}

// ---- cGroupPos ------------------------------------------------------------------------

int cGroupPos::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cGroupPos);
    SERIAL(CenterX);
    SERIAL(CenterY);
    SERIAL(Name);
    SERIAL(Cells);
    return 1;
}

int cGroupPos::Load(HANDLE file) {
    cSerial::Load(file);
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(in->Stage.Width, in->Stage.Height);
    return 1;
}

int cGroupPos::Save(HANDLE file) {
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(in->Stage.Width, in->Stage.Height);
    return cSerial::Save(file);
}

void cGroupPos::Fixup(int width, int height) {
    Cells.erase(std::remove_if(Cells.begin(), Cells.end(),
                               [&](const cCellPos& cell) { return cell.X >= width || cell.Y >= height; }),
                Cells.end());
    if (CenterX >= width) CenterX = 0;
    if (CenterY >= height) CenterY = 0;
}

// ---- cPutEnemy --------------------------------------------------------------------------

cPutEnemy::cPutEnemy() {
    Clear();
    X = -1;
    Y = -1;
}

int cPutEnemy::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cPutEnemy);
    SERIAL(Enemy);
    SERIAL(X);
    SERIAL(Y);
    if (version >= 46) SERIAL(GroupOn);
    SERIAL(Group);
    if (version >= 52) {
        SERIAL(CharaIdOn);
        SERIAL(CharaId);
    }
    SERIAL(MoveAI);
    return 1;
}

int cPutEnemy::Load(HANDLE file) {
    cSerial::Load(file);
    // Before 46 a group number alone put the enemy in a group.
    if (g_nFileVersion < 46) GroupOn = Group != 0;
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
    return 1;
}

int cPutEnemy::Save(HANDLE file) {
    if (const cFixupInputs* in = ActiveFixupInputs()) Fixup(*in);
    return cSerial::Save(file);
}

void cPutEnemy::Fixup(const cFixupInputs& in) {
    if (Outside(Enemy, in.Enemies)) Enemy = 0;
    for (cMoveAI& rule : MoveAI) rule.Fixup(in);
}
