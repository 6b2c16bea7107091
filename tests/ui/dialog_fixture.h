// A registry and the test dialog over it, fresh for every test that opens it.
#pragma once

#include <gtest/gtest.h>

#include "tests/ui/test_dialogs.h"
#include "ui/wnd_list.h"

class DialogTest : public ::testing::Test {
protected:
    WND_LIST_CLASS reg;
    TEST_DLG dlg{&reg};
};
