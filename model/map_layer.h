// What the stage and the world map share: a cell layer stored row by row in
// rows of 1 << shift cells, and events standing on cells (any record with
// int X and Y).
#pragma once

#include <algorithm>

#include "base/containers.h"

// The cells of a map of width × height inside its layer.
struct cMapLayer {
    VECTOR_CLASS<int>& Cells;
    int Width;
    int Height;
    int Shift;

    // The element of cell (x, y); -1 outside the map or the layer.
    long long Index(int x, int y) const;
    int At(int x, int y) const;  // 0 outside
    void Set(int x, int y, int value);
    // Every map cell whose value is not below `count` (negative ones too) becomes 0.
    void ClearInvalid(size_t count);
    // Cells of the rectangle both maps share copied from `from`; the rest of
    // this layer is left as it is.
    void CopyOverlap(const cMapLayer& from);
};

template <class E>
bool StandsAt(const E& e, int x, int y) {
    return e.X == x && e.Y == y;
}

template <class E>
int HasEventAt(const VECTOR_CLASS<E>& events, int x, int y) {
    return std::any_of(events.begin(), events.end(), [&](const E& e) { return StandsAt(e, x, y); });
}

template <class E>
E* FindEventAt(VECTOR_CLASS<E>& events, int x, int y) {
    for (E& e : events)
        if (StandsAt(e, x, y)) return &e;
    return nullptr;
}

// Erases every event for which `outside` holds; 1 when one was erased.
template <class E, class Pred>
int EraseEvents(VECTOR_CLASS<E>& events, Pred outside) {
    const size_t before = events.size();
    events.erase(std::remove_if(events.begin(), events.end(), outside), events.end());
    return events.size() != before;
}

template <class E>
int RemoveEventsAt(VECTOR_CLASS<E>& events, int x, int y) {
    return EraseEvents(events, [&](const E& e) { return StandsAt(e, x, y); });
}

// Takes what stands on the cell away and appends a copy of `event` there.
// The event may be one of the list's own, which the removal moves or erases:
// the copy is taken first and only an event from outside is written.
template <class E>
void PlaceEventAt(VECTOR_CLASS<E>& events, E& event, int x, int y) {
    const bool outside = events.IndexOf(event) < 0;
    E copy;
    copy = event;
    copy.X = x;
    copy.Y = y;
    RemoveEventsAt(events, x, y);
    if (outside) {
        event.X = x;
        event.Y = y;
    }
    events.push_back(copy);
}
