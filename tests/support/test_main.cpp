// The main of every test program. Under Windows a crash ends the program at
// once, with the exception's code as its exit code and a line naming the
// test, the exception and where it struck: left to the system, Wine's
// debugger takes the program and may wait for a click that never comes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#ifdef _WIN32
#include <windows.h>

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

}  // namespace
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    SetUnhandledExceptionFilter(EndOnCrash);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
