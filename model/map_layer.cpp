#include "model/map_layer.h"

long long cMapLayer::Index(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width || y >= Height) return -1;
    const long long i = (static_cast<long long>(y) << Shift) + x;
    return i < static_cast<long long>(Cells.size()) ? i : -1;
}

int cMapLayer::At(int x, int y) const {
    const long long i = Index(x, y);
    return i < 0 ? 0 : Cells[static_cast<size_t>(i)];
}

void cMapLayer::Set(int x, int y, int value) {
    const long long i = Index(x, y);
    if (i >= 0) Cells[static_cast<size_t>(i)] = value;
}

void cMapLayer::ClearInvalid(size_t count) {
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            if (static_cast<unsigned>(At(x, y)) >= count) Set(x, y, 0);
}

void cMapLayer::CopyOverlap(const cMapLayer& from) {
    const int rows = std::min(from.Height, Height);
    const int columns = std::min(from.Width, Width);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            if (from.Index(x, y) >= 0) Set(x, y, from.At(x, y));
}

void cMapGeometry::Resize(int width, int height) const {
    VECTOR_CLASS<int> old;
    old.swap(Cells);
    const cMapLayer before{old, Width, Height, Shift};
    Width = std::clamp(width, 0, MaxWidth);
    Height = std::clamp(height, 0, MaxHeight);
    Shift = RowShift(Width);
    Stride = 1 << Shift;
    Cells.assign(static_cast<size_t>(Stride) * static_cast<size_t>(Height), 0);
    Layer().CopyOverlap(before);
}
