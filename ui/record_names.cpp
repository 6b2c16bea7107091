#include "ui/record_names.h"

void MakeNumberRows(VECTOR_CLASS<std::string>& out, int width, int height) {
    int n = (width / 16) * (height / 16);
    out.assign(n > 0 ? n : 0, std::string());
    for (int i = 0; i < n; ++i) out[i] = std::to_string(i);
}
