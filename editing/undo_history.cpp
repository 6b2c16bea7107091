#include "editing/undo_history.h"

#include <algorithm>

#include "base/platform.h"

int FreeMemoryAbove(unsigned size) { return GetAvailPhysMemory() > size; }

unsigned CappedSize(unsigned long long sum) {
    return static_cast<unsigned>(std::min<unsigned long long>(sum, 0xFFFFFFFFull));
}
