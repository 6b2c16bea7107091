// MakeSample <folder>: writes a sample game project that the editor can open.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tools/sample/sample_database.h"
#include "tools/sample/sample_images.h"
#include "tools/sample/sample_stage.h"
#include "tools/sample/sample_units.h"

namespace {

bool MakeFolder(const std::string& path) {
    if (CreateDirectoryA(path.c_str(), nullptr)) return true;
    return GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeSample <folder>\n");
        return 2;
    }
    const std::string root = argv[1];
    static const char* const kFolders[] = {
        "",       "\\default", "\\default\\database", "\\default\\stg", "\\default\\random_name",
        "\\default\\plt", "\\image", "\\e_image", "\\bgm", "\\wave",
    };
    for (const char* folder : kFolders) {
        if (!MakeFolder(root + folder)) {
            std::fprintf(stderr, "MakeSample: cannot create %s%s\n", root.c_str(), folder);
            return 1;
        }
    }
    if (!WriteDefaultDatabase(root)) return 1;
    if (!WriteDefaultUnits(root)) return 1;
    if (!WriteDefaultStages(root)) return 1;
    if (!WriteSampleImages(root)) return 1;
    return 0;
}
