#include "tools/sample/sample_project.h"

#include <windows.h>

#include <cstdio>

#include "base/editor_settings.h"
#include "model/system.h"
#include "tools/sample/sample_database.h"
#include "tools/sample/sample_images.h"
#include "tools/sample/sample_stage.h"
#include "tools/sample/sample_units.h"

namespace {

bool MakeFolder(const std::string& path) {
    if (CreateDirectoryA(path.c_str(), nullptr)) return true;
    return GetLastError() == ERROR_ALREADY_EXISTS;
}

bool Fail(const std::string& what) {
    std::fprintf(stderr, "MakeSample: cannot write %s\n", what.c_str());
    return false;
}

// The keys the game reads, with their defaults, ended by the line "Exit".
std::string SystemIniText() {
    cSystem system;
    std::string text;
    for (const cIni& key : system.IniKeys) text += key.Key + "=" + std::to_string(key.Default) + "\r\n";
    return text + "Exit\r\n";
}

}  // namespace

int WriteSampleDefaults(const std::string& root) {
    static const char* const kFolders[] = {
        "",
        "\\default",
        "\\default\\database",
        "\\default\\stg",
        "\\default\\random_name",
        "\\default\\plt",
        "\\image",
        "\\e_image",
        "\\bgm",
        "\\wave",
    };
    for (const char* folder : kFolders)
        if (!MakeFolder(root + folder)) return Fail(root + folder);
    return WriteDefaultDatabase(root) && WriteDefaultUnits(root) && WriteDefaultStages(root) && WriteSampleImages(root);
}

int WriteSampleData(const std::string& root) {
    const std::string data = root + "\\data";
    if (!FolderDelete(nullptr, data.c_str()) || !FolderCopy(nullptr, (root + "\\default").c_str(), data.c_str()))
        return Fail(data);
    if (!MakeFolder(root + "\\e_data")) return Fail(root + "\\e_data");
    cEditConfig config;
    config.LastStage = "data\\stg\\Sample.stg2";
    const std::string configPath = root + "\\e_data\\EditConfig.dat";
    if (!config.SaveFile(configPath)) return Fail(configPath);
    const std::string ini = root + "\\System.ini";
    HANDLE file;
    if (!FileCreate(&file, ini.c_str())) return Fail(ini);
    const std::string text = SystemIniText();
    const int written = FileWrite(file, text.data(), static_cast<unsigned>(text.size()));
    if (!FileClose(&file) || !written) return Fail(ini);
    return 1;
}
