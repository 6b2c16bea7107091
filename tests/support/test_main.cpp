// The main of every test program. Under Windows a crash ends the program at
// once, with the exception's code as its exit code and a line naming the
// test, the exception and where it struck: left to the system, Wine's
// debugger takes the program and may wait for a click that never comes.
// A test during which an access violation was raised fails, even when the
// fault was caught: Wine swallows those inside window procedures, and the
// program would go on with freed or corrupted memory.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#ifdef _WIN32
#include <windows.h>

#include "tests/support/left_behind.h"

namespace {

LONG WINAPI EndOnCrash(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    HMODULE module = nullptr;
    char path[MAX_PATH] = "?";
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           static_cast<LPCSTR>(record->ExceptionAddress), &module))
        GetModuleFileNameA(module, path, sizeof(path));
    const char* name = path;
    for (const char* c = path; *c; ++c)
        if (*c == '\\' || *c == '/') name = c + 1;
    const auto at = reinterpret_cast<uintptr_t>(record->ExceptionAddress);
    // Written straight to the handle, past stdio, whose lock the crash may hold.
    char line[512];
    const int length = std::snprintf(
        line, sizeof(line), "%s%s%s crashed: exception %08lX at %08lX (%s+%lX)\n", test ? test->test_suite_name() : "",
        test ? "." : "", test ? test->name() : "the test program", static_cast<unsigned long>(record->ExceptionCode),
        static_cast<unsigned long>(at), name, static_cast<unsigned long>(at - reinterpret_cast<uintptr_t>(module)));
    DWORD written = 0;
    if (length > 0) WriteFile(GetStdHandle(STD_ERROR_HANDLE), line, static_cast<DWORD>(length), &written, nullptr);
    TerminateProcess(GetCurrentProcess(), record->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

volatile LONG g_nAccessViolations = 0;

// Sees every exception first, before any handler may swallow it.
LONG CALLBACK CountAccessViolation(EXCEPTION_POINTERS* info) {
    if (info->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION) InterlockedIncrement(&g_nAccessViolations);
    return EXCEPTION_CONTINUE_SEARCH;
}

class AccessViolationCheck : public ::testing::EmptyTestEventListener {
public:
    // Those raised outside every test: before the first, between tests, after the last.
    LONG Outside() const { return g_nAccessViolations - m_nInTests; }

private:
    void OnTestStart(const ::testing::TestInfo&) override { m_nAtStart = g_nAccessViolations; }
    void OnTestEnd(const ::testing::TestInfo&) override {
        const LONG raised = g_nAccessViolations - m_nAtStart;
        m_nInTests += raised;
        if (raised)
            ADD_FAILURE() << raised << " access violation(s) raised during this test"
                          << " (run it with WINEDEBUG=warn+seh to see where)";
    }
    LONG m_nAtStart = 0;
    LONG m_nInTests = 0;
};

}  // namespace
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    SetUnhandledExceptionFilter(EndOnCrash);
    AddVectoredExceptionHandler(1, CountAccessViolation);
#endif
    ::testing::InitGoogleTest(&argc, argv);
#ifdef _WIN32
    auto* check = new AccessViolationCheck;  // the listener list owns it
    ::testing::UnitTest::GetInstance()->listeners().Append(check);
    ::testing::UnitTest::GetInstance()->listeners().Append(NewLeftBehindCheck());
    const int result = RUN_ALL_TESTS();
    if (check->Outside()) {
        std::fprintf(stderr, "%ld access violation(s) raised outside the tests\n", static_cast<long>(check->Outside()));
        return 1;
    }
    return result;
#else
    return RUN_ALL_TESTS();
#endif
}
