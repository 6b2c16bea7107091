// A test that leaves something behind fails: a later test would meet it, and
// pass or fail by the order the tests ran in. Checked when each test ends:
// the top-level windows of the test's thread (when its suite's set-up opened
// windows for every test, when the suite ends), the current folder and what
// it holds: the files and folders below a scratch folder, those at the top of
// a folder shared with other programs (their scratch folders, named after
// their process id, aside); and what the test helpers register (a step of
// the UI driver still waiting, state that outlives the editor's stop in a
// process, such as the row the palettes keep for the next one).
#pragma once

#include <gtest/gtest.h>

// `check` runs when each test ends: it reports what it finds with
// ADD_FAILURE and puts it away, so that nothing reaches the next test.
void AddTestEndCheck(void (*check)());
// Runs them now, as the end of a test does.
void RunTestEndChecks();

// The listener of the checks, for the test main to append.
::testing::TestEventListener* NewLeftBehindCheck();
