// Small shared rules of the editors: the stepping of a point toward a map
// cell and the record stack of the map cursor (the percentage roll,
// RandomChance, is the data model's: model/number_rules.h). Window-free, so
// they also build natively.
#pragma once

#include <vector>

// Moves (x, y) toward the cell (targetX, targetY) in up to ten sub-steps of
// speed x 0.1 along the major axis; true once the truncated point is the cell.
bool LineStep(double* x, double* y, int targetX, int targetY, double speed);

// One record of the map cursor: the cell and two values of its users
// (the pixel position).
struct cMapCursorPos {
    int nX = 0;
    int nY = 0;
    int nPixelX = 0;
    int nPixelY = 0;
};

// The map cursor shared by the stage editor and the world-map editor: a stack
// whose newest record is the live cursor. A context menu pushes a copy, so
// that the record below keeps the right-clicked cell.
class cMapCursor {
public:
    cMapCursor() { Reset(); }
    cMapCursor(const cMapCursor&) = delete;
    cMapCursor& operator=(const cMapCursor&) = delete;

    // One zeroed record.
    void Reset();
    // Appends a zeroed record (mode 1: a copy of the one below) and makes it current.
    void Push(int mode);
    // With more than one record: drops the newest; the new newest is zeroed
    // (mode 0), kept (mode 1) or takes the dropped record's values (mode 2).
    void Pop(int mode);
    int Count() const { return static_cast<int>(m_Stack.size()); }

    std::vector<cMapCursorPos> m_Stack;
    cMapCursorPos* m_pCur = nullptr;
    cMapCursorPos* m_pPrev = nullptr;  // the record below the current one, or none

private:
    void Point();
};

extern cMapCursor g_MapCursor;
