// Checks the ground every other test stands on: text is Shift-JIS in the
// program and in the platform it runs on.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#ifdef _WIN32
#include <windows.h>
#endif

TEST(Foundation, LiteralsAreShiftJis) {
    // "エラー" in code page 932.
    const unsigned char expected[] = {0x83, 0x47, 0x83, 0x89, 0x81, 0x5B, 0x00};
    ASSERT_EQ(sizeof(expected), sizeof("エラー"));
    EXPECT_EQ(0, std::memcmp(expected, "エラー", sizeof(expected)));
}

#ifdef _WIN32
TEST(Foundation, AnsiCodePageIs932) {
    EXPECT_EQ(932u, GetACP());
    // The platform must agree with the compiler on what a lead byte is.
    EXPECT_TRUE(IsDBCSLeadByte(0x83));
    EXPECT_FALSE(IsDBCSLeadByte('A'));
}

TEST(Foundation, WindowOnTheDisplay) {
    HWND wnd = CreateWindowExA(0, "STATIC", "表示テスト", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, wnd);
    char text[32] = {};
    GetWindowTextA(wnd, text, sizeof(text));
    EXPECT_STREQ("表示テスト", text);
    DestroyWindow(wnd);
    // The desktop's size, for the check that a session begun without a display lends none of its own.
    std::printf("screen %dx%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

// Run only by the ctest entries that check that a crash ends its test program
// at once, as a failure naming the exception.
TEST(Foundation, DISABLED_CrashesOnPurpose) {
    auto* page = static_cast<volatile int*>(VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_NOACCESS));
    ASSERT_NE(nullptr, page);
    *page = 1;
}

namespace {

volatile int* g_pNoAccess = nullptr;

LRESULT CALLBACK FaultOnCreate(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) *g_pNoAccess = 1;
    return DefWindowProcA(wnd, message, wParam, lParam);
}

}  // namespace

// Run only by the ctest entry that checks that a test fails when Wine
// swallowed an access violation: one in WM_CREATE, which the system sends.
TEST(Foundation, DISABLED_AccessViolationInWindow) {
    g_pNoAccess = static_cast<volatile int*>(VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_NOACCESS));
    ASSERT_NE(nullptr, g_pNoAccess);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = FaultOnCreate;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "FaultOnCreate";
    ASSERT_TRUE(RegisterClassA(&windowClass));
    DestroyWindow(CreateWindowA("FaultOnCreate", "", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                windowClass.hInstance, nullptr));
    UnregisterClassA("FaultOnCreate", windowClass.hInstance);
    VirtualFree(const_cast<int*>(g_pNoAccess), 0, MEM_RELEASE);
}
#endif
