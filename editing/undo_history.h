// The map editors' undo and redo: whole copies of the edited layers, kept to
// a depth, and only while free memory stays above what a copy needs. The
// stage editor and the world-map editor keep two histories each, of their
// own layers.
#pragma once

#include <cstddef>
#include <tuple>

#include "base/containers.h"

// 1 when free physical memory (the system seam) is above `size` bytes.
int FreeMemoryAbove(unsigned size);
// A size estimate in bytes; a sum that would pass 4 GB is taken as 4 GB,
// which no free memory is above.
unsigned CappedSize(unsigned long long sum);

// One history: step i is element i of every layer's list, the newest last.
template <class... Layers>
class cUndoHistory {
public:
    size_t Size() const { return std::get<0>(m_steps).size(); }
    bool Empty() const { return Size() == 0; }
    void Clear() {
        std::apply([](auto&... lists) { (lists.clear(), ...); }, m_steps);
    }
    // Layer I of every step, oldest first.
    template <size_t I>
    const auto& Steps() const {
        return std::get<I>(m_steps);
    }

    // Copies of the layers become the newest step, first layer first.
    void Append(const VECTOR_CLASS<Layers>&... layers) {
        std::apply([&](auto&... lists) { (lists.push_back(layers), ...); }, m_steps);
    }
    void DropOldest() {
        std::apply([](auto&... lists) { (lists.pop_front(), ...); }, m_steps);
    }
    // The newest step replaces the layers and leaves the history.
    void TakeNewest(VECTOR_CLASS<Layers>&... layers) {
        std::apply([&](auto&... lists) { ((layers.Assign(lists.back()), lists.pop_back()), ...); }, m_steps);
    }

private:
    std::tuple<LIST_CLASS<VECTOR_CLASS<Layers>>...> m_steps;
};

// What a push, an undo and a redo do with an editor's two histories. The
// editor builds one over its histories for each call.
template <class... Layers>
struct cUndoStore {
    using History = cUndoHistory<Layers...>;

    History& Undo;
    History& Redo;
    size_t Depth;                                          // steps a history keeps, at least 1
    unsigned (*StepSize)(const VECTOR_CLASS<Layers>&...);  // bytes a step is taken to need

    // A copy of the layers becomes the newest step of `history`, the oldest
    // dropped when it holds Depth already (one only, so a history longer
    // than a lowered depth keeps its length). 0 when free memory is not
    // above the step's size: nothing stored, both histories emptied.
    int Push(History& history, const VECTOR_CLASS<Layers>&... layers) const {
        if (!FreeMemoryAbove(StepSize(layers...))) {
            Clear();
            return 0;
        }
        if (history.Size() >= Depth) history.DropOldest();
        history.Append(layers...);
        return 1;
    }
    // The newest step of `from` replaces the layers, whose present state
    // becomes the newest step of `to`. Nothing when `from` is empty; the
    // layers stay as they are when that push fails, the step being gone.
    void Step(History& from, History& to, VECTOR_CLASS<Layers>&... layers) const {
        if (from.Empty() || !Push(to, layers...)) return;
        from.TakeNewest(layers...);
    }
    void Clear() const {
        Undo.Clear();
        Redo.Clear();
    }
};
