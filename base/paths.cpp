#include "base/paths.h"

#include <cstring>
#include <string>

#include "base/platform.h"

const char* const g_ProjectFolders[] = {
    "e_data", "user_data", "data", "data\\database", "data\\stg", "data\\random_name", nullptr,
};

int CreateProjectFolders() {
    int ok = 1;
    for (const char* const* folder = g_ProjectFolders; *folder; ++folder)
        if (!FolderCreate(*folder)) ok = 0;
    return ok;
}

int CreateDefaultData(HWND owner, int* created) {
    *created = 0;
    if (FolderExists(g_PathTable.Data)) return 1;
    if (!FolderExists(g_PathTable.Default)) return 0;
    if (ShowMessageBox(owner, "データが存在しません！デフォルトデータを作成しますか？\n", "デフォルトデータ作成の確認",
                       MB_YESNO) != IDYES)
        return 0;
    *created = -1;  // until the copy is whole
    char source[MAX_PATH];
    char destination[MAX_PATH];
    std::strcpy(source, g_PathTable.Default);
    std::strcpy(destination, g_PathTable.Data);
    if (!MakeAbsolutePath(source) || !MakeAbsolutePath(destination)) return 0;
    source[std::strlen(source) - 1] = '\0';  // the folder itself, not its contents
    // A file where the folder should go stops the copy; it is the user's.
    std::string target(destination);
    if (!target.empty() && target.back() == '\\') target.pop_back();
    const bool occupied = FileExists(target.c_str());
    if (FolderCopy(owner, source, destination)) {
        *created = 1;
        return 1;
    }
    // Only what the copy itself began is taken away again.
    if (!occupied) FolderDelete(owner, destination);
    return 0;
}

// ---- Path functions ------------------------------------------------------------

int IsDoubleByteChar(unsigned char lead, unsigned char trail) {
    const bool isLead = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
    const bool isTrail = (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC);
    return isLead && isTrail;
}

// Walks the characters from the start: only so can a byte be known to be the
// second half of a double-byte character (a trail byte may look like a lead
// byte, as in "キャラ\").
int FindLastSeparator(const char* path, int before) {
    const auto* p = reinterpret_cast<const unsigned char*>(path);
    int last = -1;
    for (int i = 0; i < before && p[i]; ++i) {
        if (p[i + 1] && IsDoubleByteChar(p[i], p[i + 1])) {
            ++i;
        } else if (p[i] == '\\') {
            last = i;
        }
    }
    return last;
}

namespace {

// The last "." of the file-name part, or null.
const char* FindDot(const char* name) {
    const int start = FindLastSeparator(name, static_cast<int>(std::strlen(name))) + 1;
    const char* dot = std::strrchr(name + start, '.');
    return dot;
}

void CopyPath(char* destination, const std::string& text) {
    const size_t n = std::min(text.size(), static_cast<size_t>(MAX_PATH - 1));
    std::memcpy(destination, text.data(), n);
    destination[n] = '\0';
}

}  // namespace

int MakeRelativePath(char* path) {
    if (IsRelativePath(path)) return 1;
    char folder[MAX_PATH];
    char relative[MAX_PATH];
    if (!GetCurrentFolder(folder, sizeof(folder))) return 0;
    if (!RelativePathTo(relative, folder, path)) return 0;
    std::strcpy(path, relative);
    return 1;
}

int MakeAbsolutePath(char* path) {
    if (!IsRelativePath(path)) return 1;
    char full[MAX_PATH];
    if (!GetFullPath(path, full, sizeof(full))) return 0;
    std::strcpy(path, full);
    return 1;
}

int MakeRelativePathStr(std::string* path) {
    char buffer[MAX_PATH];
    CopyPath(buffer, *path);
    const int ok = MakeRelativePath(buffer);
    if (ok) *path = buffer;
    return ok;
}

void StripFolderPart(char* path) {
    const int length = static_cast<int>(std::strlen(path));
    const int last = FindLastSeparator(path, length - 1);  // a separator at the end is never taken
    if (last >= 0) std::memmove(path, path + last + 1, std::strlen(path + last + 1) + 1);
}

std::string& StripFolderPartStr(std::string& path) {
    const int last = FindLastSeparator(path.c_str(), static_cast<int>(path.size()) - 1);
    if (last >= 0) path.erase(0, static_cast<size_t>(last) + 1);
    return path;
}

void StripFileNamePart(char* path) { path[FindLastSeparator(path, static_cast<int>(std::strlen(path))) + 1] = '\0'; }

int ReplaceExtension(char* destination, const char* name, const char* extension) {
    std::string result(name);
    const char* dot = FindDot(name);
    if (!dot) {
        CopyPath(destination, result);
        return 0;
    }
    result.resize(static_cast<size_t>(dot - name));
    if (extension) result += std::string(".") + extension;
    CopyPath(destination, result);
    return 1;
}

int GetExtension(char* destination, const char* name) {
    const char* dot = FindDot(name);
    if (!dot) return 0;
    CopyPath(destination, dot + 1);
    return 1;
}

int IsExtension(const char* name, const char* extension) {
    const char* dot = FindDot(name);
    return dot && std::strcmp(dot + 1, extension) == 0;
}

int RemoveExtension(char* name) {
    char* dot = const_cast<char*>(FindDot(name));
    if (!dot) return 0;
    *dot = '\0';
    return 1;
}

int RemoveExtensionStr(std::string& name) {
    const char* dot = FindDot(name.c_str());
    if (!dot) return 0;
    name.resize(static_cast<size_t>(dot - name.c_str()));
    return 1;
}

int ListFiles(VECTOR_CLASS<std::string>& files, const char* folder, const char* extension) {
    std::vector<std::string> names;
    if (!FindFiles(folder, extension, &names)) return 0;
    for (const std::string& name : names) files.push_back(std::string(folder) + "\\" + name);
    return 1;
}
