#include "model/random_names.h"

#include "base/paths.h"

const char* const g_szRandomNameFolder = "data\\random_name";

namespace {

const char kNoList[] = "！ファイルが不正です";

int CompareNames(const std::string& a, const std::string& b) { return CompareFileNames(a.c_str(), b.c_str()); }

}  // namespace

void LoadRandomNames(VECTOR_CLASS<std::string>& list) {
    list.clear();
    VECTOR_CLASS<std::string> files;
    if (!ListFiles(files, g_szRandomNameFolder, "txt")) {
        list.push_back(kNoList);
        return;
    }
    for (size_t i = 0; i < files.size(); ++i)
        for (size_t j = i + 1; j < files.size(); ++j)
            if (CompareNames(files[i], files[j]) > 0) files[i].swap(files[j]);
    for (size_t k = 0; k < files.size(); ++k) {
        std::string name = files[k];
        StripFolderPartStr(name);
        std::string prefix;
        StringPrintf(prefix, "RandomName%.3d_", static_cast<int>(k));
        if (name.compare(0, prefix.size(), prefix) != 0) break;
        std::string title = StrMid(name, static_cast<int>(prefix.size()), -1);
        RemoveExtensionStr(title);
        std::string entry;
        list.push_back(StringPrintf(entry, "%.3d %s", static_cast<int>(k), title.c_str()));
    }
    if (list.empty()) list.push_back(kNoList);
}

std::string StrMid(const std::string& text, int start, int count) {
    const bool rest = count == -1;
    if (start < 0) {
        if (!rest) count += start;
        start = 0;
    }
    const int length = static_cast<int>(text.size());
    if (start >= length) return std::string();
    if (rest || (count > 0 && count > length - start)) return text.substr(static_cast<size_t>(start));
    if (count <= 0) return std::string();
    return text.substr(static_cast<size_t>(start), static_cast<size_t>(count));
}
