#include "tests/events/event_dialog_support.h"

#include <deque>

#include "base/file.h"
#include "model/chara.h"
#include "model/gvalinfo.h"
#include "model/media_database.h"
#include "model/stage.h"

namespace {

std::deque<std::function<bool()>> g_Steps;
HHOOK g_hHook = nullptr;

LRESULT CALLBACK AfterInit(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* msg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->message == WM_INITDIALOG && !g_Steps.empty()) {
        // Taken out while it runs: it may open the next dialog.
        std::function<bool()> step = g_Steps.front();
        g_Steps.pop_front();
        if (!step()) g_Steps.push_front(step);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void QueueStep(std::function<bool()> step) {
    g_Steps.push_back(step);
    if (!g_hHook) g_hHook = SetWindowsHookExA(WH_CALLWNDPROCRET, AfterInit, nullptr, GetCurrentThreadId());
}

int DropSteps() {
    const int left = static_cast<int>(g_Steps.size());
    g_Steps.clear();
    if (g_hHook) UnhookWindowsHookEx(g_hHook);
    g_hHook = nullptr;
    return left;
}

void Click(HWND dlg, int id) {
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

void Check(HWND dlg, int id, int checked) {
    SendMessageA(GetDlgItem(dlg, id), BM_SETCHECK, checked, 0);
    Click(dlg, id);
}

void Choose(HWND dlg, int id, int row) {
    HWND combo = GetDlgItem(dlg, id);
    SendMessageA(combo, CB_SETCURSEL, row, 0);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void TypeText(HWND dlg, int id, const char* text) { SetWindowTextA(GetDlgItem(dlg, id), text); }

std::string ItemText(HWND dlg, int id) {
    char text[4096] = {};
    GetWindowTextA(GetDlgItem(dlg, id), text, sizeof(text));
    return text;
}

std::string ListRow(HWND dlg, int id, int row) {
    HWND list = GetDlgItem(dlg, id);
    const LRESULT n = SendMessageA(list, LB_GETTEXTLEN, row, 0);
    if (n == LB_ERR) return "<none>";
    std::string text(static_cast<size_t>(n) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(n));
    return text;
}

int ListCount(HWND dlg, int id) { return static_cast<int>(SendMessageA(GetDlgItem(dlg, id), LB_GETCOUNT, 0, 0)); }
int ComboRow(HWND dlg, int id) { return static_cast<int>(SendMessageA(GetDlgItem(dlg, id), CB_GETCURSEL, 0, 0)); }
int ComboCount(HWND dlg, int id) { return static_cast<int>(SendMessageA(GetDlgItem(dlg, id), CB_GETCOUNT, 0, 0)); }
bool IsItemEnabled(HWND dlg, int id) { return IsWindowEnabled(GetDlgItem(dlg, id)) != FALSE; }

EventProject::EventProject() {
    char here[MAX_PATH];
    GetCurrentDirectoryA(sizeof(here), here);
    m_Home = here;
    const std::string root = m_Home + "\\event_project_" + std::to_string(GetCurrentProcessId());
    FolderDelete(nullptr, root.c_str());
    FolderCreate(root.c_str());
    SetCurrentDirectoryA(root.c_str());
    FolderCreate("data");
    FolderCreate("data\\database");
    g_GValInfo.assign(GVALINFO_COUNT, cGValInfo());
    g_GValInfo[1].Name = "鍵";
    g_GValInfo[2].Name = "所持金";
    g_FriendList.assign(3, cFriend());
    g_FriendList[1].Name = "アレス";
    g_FriendList[2].Name = "リナ";
    g_Stage.Groups.assign(3, cGroupPos());
    g_Stage.Groups[1].Name = "南";
    g_Stage.Groups[2].Name = "北";
    g_Database.Pictures.resize(3);
    g_Database.Pictures[1].strName = "村長";
    g_Database.Pictures[2].strName = "兵士";
    g_EventActPlt.clear();
}

EventProject::~EventProject() {
    DropSteps();
    const std::string root = m_Home + "\\event_project_" + std::to_string(GetCurrentProcessId());
    SetCurrentDirectoryA(m_Home.c_str());
    FolderDelete(nullptr, root.c_str());
    g_GValInfo.clear();
    g_FriendList.clear();
    g_Stage.Groups.clear();
    g_EventActPlt.clear();
}
