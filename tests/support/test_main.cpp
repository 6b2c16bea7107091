// The main of every test program. Under Windows a crash ends the program at
// once, as every program of ours ends (base/crash_end.h), its line naming
// the test that crashed.
// A test during which an access violation was raised fails, even when the
// fault was caught: Wine swallows those inside window procedures, and the
// program would go on with freed or corrupted memory.
#include <gtest/gtest.h>

#include <cstdio>

#ifdef _WIN32
#include <windows.h>

#include "base/crash_end.h"
#include "tests/support/left_behind.h"

namespace {

void NameCrashedTest(char* out, size_t size) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (test)
        std::snprintf(out, size, "%s.%s", test->test_suite_name(), test->name());
    else
        std::snprintf(out, size, "the test program");
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
    EndOnCrash(NameCrashedTest);
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
