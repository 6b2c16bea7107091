// MakeSample <folder>: writes a sample game project that the editor opens
// straight into the stage editor.
#include <cstdio>
#include <string>

#include "tools/sample/sample_project.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeSample <folder>\n");
        return 2;
    }
    const std::string root = argv[1];
    if (!WriteSampleDefaults(root)) return 1;
    if (!WriteSampleData(root)) return 1;
    return 0;
}
