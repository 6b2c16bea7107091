#include "tests/support/left_behind.h"

#include <set>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>

namespace {

std::vector<void (*)()>& Checks() {
    static std::vector<void (*)()> checks;
    return checks;
}

// "<name>_<process id>", as ScratchFolder names its folders.
bool IsScratchFolder(const std::string& name) {
    const size_t cut = name.rfind('_');
    return cut != std::string::npos && cut + 1 < name.size() &&
           name.find_first_not_of("0123456789", cut + 1) == std::string::npos;
}

// The files and folders in `root` + `folder` (and below them when `deep`),
// as paths relative to `root`; folders end with '\'.
void ListFolder(const std::string& root, const std::string& folder, bool deep, std::set<std::string>* found) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((root + "\\" + folder + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            found->insert(folder + name);
        } else if (!folder.empty() || !IsScratchFolder(name)) {
            found->insert(folder + name + "\\");
            if (deep) ListFolder(root, folder + name + "\\", deep, found);
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

std::string CurrentFolder() {
    char path[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof(path), path);
    return path;
}

BOOL CALLBACK AddWindow(HWND wnd, LPARAM windows) {
    reinterpret_cast<std::set<HWND>*>(windows)->insert(wnd);
    return TRUE;
}

std::set<HWND> ThreadWindows() {
    std::set<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), AddWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

void ReportWindowsSince(const std::set<HWND>& before, const char* what) {
    for (HWND wnd : ThreadWindows()) {
        if (before.count(wnd)) continue;
        char name[64] = {}, title[128] = {};
        GetClassNameA(wnd, name, sizeof(name));
        GetWindowTextA(wnd, title, sizeof(title));
        ADD_FAILURE() << "a window of class " << name << " \"" << title << "\" outlived its " << what;
    }
}

class LeftBehindCheck : public ::testing::EmptyTestEventListener {
    void OnTestSuiteStart(const ::testing::TestSuite&) override {
        m_SuiteWindows = ThreadWindows();
        m_bFirstTest = true;
    }

    void OnTestStart(const ::testing::TestInfo&) override {
        m_Windows = ThreadWindows();
        // Windows its SetUpTestSuite opened serve every test of the suite,
        // which may close and open them again: the suite's end checks them.
        if (m_bFirstTest) m_bSuiteWindows = m_Windows != m_SuiteWindows;
        m_bFirstTest = false;
        m_strFolder = CurrentFolder();
        m_bDeep = IsScratchFolder(m_strFolder.substr(m_strFolder.rfind('\\') + 1));
        m_Entries.clear();
        ListFolder(m_strFolder, "", m_bDeep, &m_Entries);
    }

    void OnTestEnd(const ::testing::TestInfo&) override {
        RunTestEndChecks();
        if (!m_bSuiteWindows) ReportWindowsSince(m_Windows, "test");
        // A program may keep the scratch folder its first test made current.
        const std::string folder = CurrentFolder();
        if (folder != m_strFolder && !IsScratchFolder(folder.substr(folder.rfind('\\') + 1)))
            ADD_FAILURE() << "the test left the current folder " << folder << " (was " << m_strFolder << ")";
        std::set<std::string> entries;
        ListFolder(m_strFolder, "", m_bDeep, &entries);
        for (const std::string& entry : entries)
            if (!m_Entries.count(entry)) ADD_FAILURE() << "the test left " << entry << " in " << m_strFolder;
        for (const std::string& entry : m_Entries)
            if (!entries.count(entry)) ADD_FAILURE() << "the test removed " << entry << " from " << m_strFolder;
    }

    void OnTestSuiteEnd(const ::testing::TestSuite&) override { ReportWindowsSince(m_SuiteWindows, "test suite"); }

    std::set<HWND> m_SuiteWindows, m_Windows;
    bool m_bFirstTest = false;
    bool m_bSuiteWindows = false;
    std::string m_strFolder;
    // A scratch folder is this program's alone, and checked to its bottom;
    // the folder the program started in is shared, and checked at its top.
    bool m_bDeep = false;
    std::set<std::string> m_Entries;
};

}  // namespace

void AddTestEndCheck(void (*check)()) { Checks().push_back(check); }

void RunTestEndChecks() {
    for (void (*check)() : Checks()) check();
}

::testing::TestEventListener* NewLeftBehindCheck() { return new LeftBehindCheck; }

#endif
