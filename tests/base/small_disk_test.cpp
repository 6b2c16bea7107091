// A real small file system, filled up: the settings' save fails without
// touching the file it would replace, and a report log that cannot take a
// line lets the failure come up in a box. The file system is a private tmpfs
// in a user and mount namespace of a child process, which needs no root
// where the kernel allows unprivileged namespaces; elsewhere the test is
// skipped and the Windows tests' fault seams stand in for it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "base/editor_settings.h"
#include "base/paths.h"
#include "base/report.h"
#include "tests/support/seams.h"

namespace {

bool WriteProcFile(const char* path, const std::string& text) {
    const int fd = open(path, O_WRONLY);
    if (fd < 0) return false;
    const bool ok = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fd);
    return ok;
}

// Mounts a tmpfs of `size` on `folder` in a namespace of this process alone
// and makes it the current folder; the reason when it cannot.
std::string MountSmallDisk(const std::string& folder, const char* size) {
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return "no user namespace";
    WriteProcFile("/proc/self/setgroups", "deny");
    if (!WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
        !WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
        return "no id map";
    if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return "no private mounts";
    const std::string options = std::string("size=") + size;
    if (mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) return "no tmpfs";
    if (chdir(folder.c_str()) != 0) return "cannot enter the file system";
    return "";
}

// Fills the current file system to its last byte.
void FillDisk() {
    const int fd = open("filler", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    char block[4096] = {};
    while (fd >= 0 && write(fd, block, sizeof(block)) > 0) {
    }
    while (fd >= 0 && write(fd, block, 1) > 0) {
    }
    if (fd >= 0) close(fd);
}

// What the user and the disk see, line by line.
std::string FullDiskScenario() {
    std::string seen;
    ScopedBoxes boxes;
    FolderCreate("e_data");
    ReportOpen("Report_Editor.txt");
    g_EditConfig.SetDefault();
    g_EditConfig.LastStage = "data\\stg\\a.stg2";
    g_EditConfig.SaveFile(g_PathTable.EditConfig);
    const std::string before = ReadFileBytes(g_PathTable.EditConfig);
    seen += "read " + std::to_string(LoadEditorSettings()) + "\n";
    FillDisk();
    g_EditConfig.LastStage = "data\\stg\\b.stg2";
    const int saved = SaveEditorSettings();
    seen += "saved " + std::to_string(saved) + "\n";
    seen += std::string("file ") + (ReadFileBytes(g_PathTable.EditConfig) == before ? "whole" : "changed") + "\n";
    seen += std::string("temporary ") + (FileExists("e_data\\EditConfig.dat.tmp") ? "left" : "gone") + "\n";
    if (!saved)
        seen += "logged " + std::to_string(ReportOrBox("%s の保存に失敗しました！", g_PathTable.EditConfig)) + "\n";
    for (const std::string& text : boxes.Texts()) seen += "box " + text + "\n";
    return seen;
}

// Runs the scenario in a child process on a file system of its own; what it
// saw, or "skip: <reason>".
std::string OnSmallDisk(const std::string& folder, std::string (*scenario)()) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return "skip: no pipe";
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) return "skip: no child process";
    if (child == 0) {
        close(pipeFds[0]);
        const std::string reason = MountSmallDisk(folder, "64k");
        const std::string seen = reason.empty() ? scenario() : "skip: " + reason;
        const ssize_t put = write(pipeFds[1], seen.data(), seen.size());
        _exit(put == static_cast<ssize_t>(seen.size()) ? 0 : 1);
    }
    close(pipeFds[1]);
    std::string seen;
    char buffer[512];
    ssize_t got;
    while ((got = read(pipeFds[0], buffer, sizeof(buffer))) > 0) seen.append(buffer, static_cast<size_t>(got));
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) seen += "child failed\n";
    return seen;
}

}  // namespace

TEST(SmallDisk, AFullDiskLosesNoSettingsAndHidesNoFailure) {
    g_nDataVersion = DATA_VERSION;
    ScratchFolder folder("small_disk");
    std::string system = folder.Path();
    for (char& c : system)
        if (c == '\\') c = '/';
    const std::string seen = OnSmallDisk(system, FullDiskScenario);
    if (seen.compare(0, 5, "skip:") == 0) GTEST_SKIP() << "no small file system here (" << seen.substr(6) << ")";
    EXPECT_EQ(
        "read 1\n"
        "saved 0\n"
        "file whole\n"
        "temporary gone\n"
        "logged 0\n"
        "box e_data\\EditConfig.dat の保存に失敗しました！\n",
        seen);
}
