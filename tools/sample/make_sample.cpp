// MakeSample <folder>: completes the sample game project in the folder, which
// the editor then opens straight into the stage editor. Only what is missing
// is written: a stage the user saved there, or any edit of the sample, stays.
#include <cstdio>
#include <string>

#include "tools/sample/sample_project.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeSample <folder>\n");
        return 2;
    }
    const std::string root = argv[1];
    cSampleCount count;
    if (!WriteSampleWhereMissing(root, &count)) return 1;
    std::printf("MakeSample: %d missing files written, %d files kept%s\n", count.written, count.kept,
                count.dataMade ? "; data\\ copied from default\\" : "");
    return 0;
}
