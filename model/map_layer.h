// What the stage and the world map share: a cell layer stored row by row in
// rows of 1 << shift cells, events standing on cells (any record with int X
// and Y), and the operations of both maps on them.
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

// A map record's cell layer and size, by reference to the record's own
// fields, with its limits and its rule for the stored row.
struct cMapGeometry {
    VECTOR_CLASS<int>& Cells;
    int& Width;
    int& Height;
    int& Stride;  // cells per stored row, 1 << Shift
    int& Shift;
    int MaxWidth;
    int MaxHeight;
    int (*RowShift)(int width);

    cMapLayer Layer() const { return {Cells, Width, Height, Shift}; }
    // New size, each side taken into 0..its maximum; the cells of the
    // top-left rectangle both sizes share stay.
    void Resize(int width, int height) const;
};

// The cell and event operations of a map record, once for the stage and the
// world map: `Map` derives from it, gives its geometry through Geometry()
// and keeps its events in Events.
template <class Map, class Event>
class cMapRecord {
public:
    // New size (see cMapGeometry::Resize); placed events are not touched.
    void Resize(int width, int height) { Self().Geometry().Resize(width, height); }
    void ClearChips() { Self().Geometry().Cells.Fill(0); }             // the rows' padding too
    int ChipAt(int x, int y) const { return Layer().At(x, y); }        // 0 outside the map
    void SetChip(int x, int y, int chip) { Layer().Set(x, y, chip); }  // ignored outside
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Self().Width && y < Self().Height; }
    cMapLayer Layer() const { return Self().Geometry().Layer(); }

    int HasEventAt(int x, int y) const { return ::HasEventAt(Self().Events, x, y); }
    Event* FindAt(int x, int y) { return FindEventAt(Self().Events, x, y); }
    int RemoveEventsAt(int x, int y) { return ::RemoveEventsAt(Self().Events, x, y); }
    // That very object erased (not an equal one); 0 when it is not in the list.
    int RemoveEvent(const Event* event) { return event ? Self().Events.ErasePtr(*event) : 0; }
    void PlaceAt(Event& event, int x, int y) { PlaceEventAt(Self().Events, event, x, y); }

private:
    // The layer views are mutable, as cMapLayer is, also from a const map.
    Map& Self() const { return const_cast<Map&>(static_cast<const Map&>(*this)); }
};
