#include "base/paths.h"

#include <cstring>
#include <string>
#include <vector>

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

// ---- Paths a project keeps -------------------------------------------------------

namespace {

enum { PATH_RELATIVE, PATH_ROOTED, PATH_DRIVE_RELATIVE, PATH_FULL };

bool IsSeparatorByte(char c) { return c == '\\' || c == '/'; }

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The kind of a path, its root ("C:\", "\\" for a network share, "\" for
// a root without drive) and where the folder names after the root begin.
int PathKind(const std::string& path, std::string* root, size_t* rest) {
    if (path.size() >= 2 && IsSeparatorByte(path[0]) && IsSeparatorByte(path[1])) {
        *root = "\\\\";
        *rest = 2;
        return PATH_FULL;
    }
    if (path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':') {
        *root = path.substr(0, 2) + "\\";
        const bool full = path.size() >= 3 && IsSeparatorByte(path[2]);
        *rest = full ? 3 : 2;
        return full ? PATH_FULL : PATH_DRIVE_RELATIVE;
    }
    if (!path.empty() && IsSeparatorByte(path[0])) {
        *root = "\\";
        *rest = 1;
        return PATH_ROOTED;
    }
    root->clear();
    *rest = 0;
    return PATH_RELATIVE;
}

// Appends the names of `path` from `from` on, "." dropped and ".." taking
// the name before it away (never the root, as the system resolves it).
// A separator is a byte of its own, never the second byte of a character.
void AppendNames(const std::string& path, size_t from, std::vector<std::string>* names) {
    std::string name;
    auto flush = [&] {
        if (name == "..") {
            if (!names->empty()) names->pop_back();
        } else if (!name.empty() && name != ".") {
            names->push_back(name);
        }
        name.clear();
    };
    for (size_t i = from; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (i + 1 < path.size() && IsDoubleByteChar(c, static_cast<unsigned char>(path[i + 1]))) {
            name.append(path, i, 2);
            ++i;
        } else if (IsSeparatorByte(path[i])) {
            flush();
        } else {
            name += path[i];
        }
    }
    flush();
}

// A double-byte capital for its small letter: the full-width Latin, Greek
// and Cyrillic letters, which the file system folds as it folds ASCII.
unsigned UpperDoubleByte(unsigned code) {
    if (code >= 0x8281 && code <= 0x829A) return code - 0x21;  // ａ..ｚ
    if (code >= 0x83BF && code <= 0x83D6) return code - 0x20;  // α..ω
    if (code >= 0x8470 && code <= 0x847E) return code - 0x30;  // а..н
    if (code >= 0x8480 && code <= 0x8491) return code - 0x31;  // о..я
    return code;
}

// A name as the file system compares it. A trail byte is part of its
// character: "ヂ" (83 61) is not "ア" (83 41).
std::string Folded(const std::string& name) {
    std::string out;
    for (size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (i + 1 < name.size() && IsDoubleByteChar(c, static_cast<unsigned char>(name[i + 1]))) {
            const unsigned code = UpperDoubleByte((c << 8) | static_cast<unsigned char>(name[i + 1]));
            out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xFF);
            ++i;
        } else {
            out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c);
        }
    }
    return out;
}

std::string Joined(const std::vector<std::string>& names, size_t from) {
    std::string out;
    for (size_t i = from; i < names.size(); ++i) out += (i > from ? "\\" : "") + names[i];
    return out;
}

}  // namespace

std::string ProjectPathIn(const std::string& path, const std::string& folder, int* inside) {
    int dummy = 0;
    if (!inside) inside = &dummy;
    *inside = 0;
    if (path.empty()) return path;
    std::string folderRoot;
    size_t folderRest = 0;
    const int folderKind = PathKind(folder, &folderRoot, &folderRest);
    // Without the project folder's full path nothing can be placed in it.
    if (folderKind != PATH_FULL && folderKind != PATH_ROOTED) return path;
    std::vector<std::string> folderNames;
    AppendNames(folder, folderRest, &folderNames);

    std::string root;
    size_t rest = 0;
    const int kind = PathKind(path, &root, &rest);
    std::vector<std::string> names;
    if (kind == PATH_DRIVE_RELATIVE) {
        // Relative to the current folder of its drive, known only for the project's drive.
        if (Folded(root) != Folded(folderRoot)) return path;
        names = folderNames;
    } else if (kind == PATH_RELATIVE) {
        names = folderNames;
    }
    if (kind != PATH_FULL) root = folderRoot;
    AppendNames(path, rest, &names);

    bool below = Folded(root) == Folded(folderRoot) && names.size() > folderNames.size();
    for (size_t i = 0; below && i < folderNames.size(); ++i) below = Folded(names[i]) == Folded(folderNames[i]);
    if (below) {
        *inside = 1;
        return Joined(names, folderNames.size());
    }
    return kind == PATH_FULL ? path : root + Joined(names, 0);
}

std::string StoredStagePathIn(const std::string& stored, const std::string& folder, const std::string& fallback,
                              int (*exists)(const char* path)) {
    int inside = 0;
    const std::string path = ProjectPathIn(stored, folder, &inside);
    if (inside || stored.empty()) return path;
    std::vector<std::string> names;
    AppendNames(stored, 0, &names);
    if (names.empty()) return fallback;
    const std::string own = "data\\stg\\" + names.back();
    return exists(own.c_str()) ? own : fallback;
}

namespace {

std::string CurrentFolder() {
    char folder[MAX_PATH];
    return GetCurrentFolder(folder, sizeof(folder)) ? std::string(folder) : std::string();
}

}  // namespace

std::string ProjectPath(const std::string& path) { return ProjectPathIn(path, CurrentFolder()); }

std::string StoredStagePath(const std::string& stored, const std::string& fallback) {
    return StoredStagePathIn(stored, CurrentFolder(), fallback, FileExists);
}
