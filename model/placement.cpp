#include "model/placement.h"

#include <algorithm>

#include "model/chara.h"

namespace {

StageBoundsSource s_stageBounds = nullptr;

}  // namespace

StageBoundsSource SetStageBoundsSource(StageBoundsSource source) {
    StageBoundsSource old = s_stageBounds;
    s_stageBounds = source;
    return old;
}

cStageBounds CurrentStageBounds() { return s_stageBounds ? s_stageBounds() : cStageBounds(); }

// ---- Cell lists ---------------------------------------------------------------------

int SerialCellList(int op, VECTOR_CLASS<cCellPos>* field, const VECTOR_CLASS<cCellPos>* other, HANDLE file) {
    switch (op) {
    case SERIAL_CLEAR:
        field->clear();
        return 1;
    case SERIAL_COPY:
        if (other) field->Assign(*other);
        return 1;
    case SERIAL_COMPARE:
        return other && *field == *other;
    case SERIAL_READ: {
        const long long count = serial_detail::ReadCount(file, 8);
        if (count < 0) return 1;
        field->assign(static_cast<size_t>(count), cCellPos());
        for (cCellPos& cell : *field) {
            int32_t pair[2] = {0, 0};
            FileRead(file, pair, 8);
            cell.X = pair[0];
            cell.Y = pair[1];
        }
        return 1;
    }
    case SERIAL_WRITE: {
        const uint32_t count = static_cast<uint32_t>(field->size());
        FileWrite(file, &count, 4);
        for (const cCellPos& cell : *field) {
            const int32_t pair[2] = {cell.X, cell.Y};
            FileWrite(file, pair, 8);
        }
        return 1;
    }
    default:
        return 1;
    }
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
    Fixup();
    return 1;
}

int cGroupPos::Save(HANDLE file) {
    Fixup();
    return cSerial::Save(file);
}

void cGroupPos::Fixup(int width, int height) {
    Cells.erase(std::remove_if(Cells.begin(), Cells.end(),
                               [&](const cCellPos& cell) { return cell.X >= width || cell.Y >= height; }),
                Cells.end());
    if (CenterX >= width) CenterX = 0;
    if (CenterY >= height) CenterY = 0;
}

void cGroupPos::Fixup() {
    const cStageBounds bounds = CurrentStageBounds();
    Fixup(bounds.Width, bounds.Height);
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
    Fixup();
    return 1;
}

int cPutEnemy::Save(HANDLE file) {
    Fixup();
    return cSerial::Save(file);
}

void cPutEnemy::Fixup() {
    if (static_cast<unsigned>(Enemy) >= g_EnemyList.size()) Enemy = 0;
    for (cMoveAI& rule : MoveAI) rule.Fixup();
}
