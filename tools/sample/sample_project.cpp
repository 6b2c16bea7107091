#include "tools/sample/sample_project.h"

#include <windows.h>

#include <cstdio>

#include "base/editor_settings.h"
#include "model/system.h"
#include "tools/bench/scratch_folder.h"
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

bool Missing(const std::string& path) { return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES; }

// Every file under `from` that `to` lacks, the folders made; nothing in `to`
// is replaced.
int CopyMissing(const std::string& from, const std::string& to, cSampleCount* count) {
    if (!MakeFolder(to)) return Fail(to);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((from + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 1;
    int ok = 1;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string source = from + "\\" + name, target = to + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ok &= CopyMissing(source, target, count);
        else if (!Missing(target))
            ++count->kept;
        else if (CopyFileA(source.c_str(), target.c_str(), TRUE))
            ++count->written;
        else
            ok = Fail(target);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return ok;
}

int WriteEditConfig(const std::string& path) {
    cEditConfig config;
    config.LastStage = "data\\stg\\Sample.stg2";
    return config.SaveFile(path);
}

int WriteSystemIni(const std::string& path) {
    HANDLE file;
    if (!FileCreate(&file, path.c_str())) return 0;
    const std::string text = SystemIniText();
    const int written = FileWrite(file, text.data(), static_cast<unsigned>(text.size()));
    return FileClose(&file) && written;
}

// The editor settings opening the sample stage and "System.ini"; with
// `missingOnly`, only those that are not there.
int WriteSampleSettings(const std::string& root, bool missingOnly, cSampleCount* count) {
    if (!MakeFolder(root + "\\e_data")) return Fail(root + "\\e_data");
    const struct {
        std::string path;
        int (*write)(const std::string&);
    } files[] = {{root + "\\e_data\\EditConfig.dat", WriteEditConfig}, {root + "\\System.ini", WriteSystemIni}};
    for (const auto& file : files) {
        if (missingOnly && !Missing(file.path)) {
            ++count->kept;
            continue;
        }
        if (!file.write(file.path)) return Fail(file.path);
        ++count->written;
    }
    return 1;
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
        "\\csv",  // where the skill lists' CSV files go; their export makes no folder
    };
    for (const char* folder : kFolders)
        if (!MakeFolder(root + folder)) return Fail(root + folder);
    return WriteDefaultDatabase(root) && WriteDefaultUnits(root) && WriteDefaultStages(root) && WriteSampleImages(root);
}

int WriteSampleData(const std::string& root) {
    const std::string data = root + "\\data";
    if (!FolderDelete(nullptr, data.c_str()) || !FolderCopy(nullptr, (root + "\\default").c_str(), data.c_str()))
        return Fail(data);
    cSampleCount count;
    return WriteSampleSettings(root, false, &count);
}

int WriteSampleWhereMissing(const std::string& root, cSampleCount* count) {
    {
        // A whole fresh sample is written aside, apart from the scratch
        // folder's mark (no file of the sample); only what `root` lacks is taken.
        const cScratchFolder fresh("orr_sample");
        if (fresh.Path().empty()) return Fail("a scratch folder");
        const std::string sample = fresh.Path() + "\\sample";
        if (!(WriteSampleDefaults(sample) && CopyMissing(sample, root, count))) return 0;
    }
    // "data\" is the user's project as a whole: made only when there is none.
    const std::string data = root + "\\data";
    if (Missing(data)) {
        if (!FolderCopy(nullptr, (root + "\\default").c_str(), data.c_str())) return Fail(data);
        count->dataMade = true;
    }
    return WriteSampleSettings(root, true, count);
}
