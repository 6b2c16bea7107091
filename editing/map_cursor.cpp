#include "editing/map_cursor.h"

#include <cstdlib>

cMapCursor g_MapCursor;

bool LineStep(double* x, double* y, int targetX, int targetY, double speed) {
    int dx = targetX - static_cast<int>(*x), dy = targetY - static_cast<int>(*y);
    double sx = dx < 0 ? speed * -0.1 : speed * 0.1;
    double sy = dy < 0 ? speed * -0.1 : speed * 0.1;
    dx = std::abs(dx);
    dy = std::abs(dy);
    // Bresenham along the major axis; the minor axis steps when the error overflows.
    const bool xMajor = dx > dy;
    const int major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    double* pMajor = xMajor ? x : y;
    double* pMinor = xMajor ? y : x;
    const double sMajor = xMajor ? sx : sy, sMinor = xMajor ? sy : sx;
    int err = major / 2;
    for (int i = 0; i < 10; ++i) {
        err += minor;
        if (err >= major) {
            *pMinor += sMinor;
            err -= major;
        }
        *pMajor += sMajor;
        if (static_cast<int>(*x) == targetX && static_cast<int>(*y) == targetY) return true;
    }
    return false;
}

void cMapCursor::Point() {
    m_pCur = &m_Stack.back();
    m_pPrev = m_Stack.size() >= 2 ? &m_Stack[m_Stack.size() - 2] : nullptr;
}

void cMapCursor::Reset() {
    m_Stack.assign(1, cMapCursorPos());
    Point();
}

void cMapCursor::Push(int mode) {
    m_Stack.push_back(cMapCursorPos());
    if (mode == 1 && m_Stack.size() >= 2) m_Stack.back() = m_Stack[m_Stack.size() - 2];
    Point();
}

void cMapCursor::Pop(int mode) {
    if (m_Stack.size() <= 1) return;
    cMapCursorPos dropped = m_Stack.back();
    m_Stack.pop_back();
    if (mode == 0) m_Stack.back() = cMapCursorPos();
    if (mode == 2) m_Stack.back() = dropped;
    Point();
}
