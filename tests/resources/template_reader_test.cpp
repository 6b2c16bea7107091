#include <gtest/gtest.h>

#include "resources/event_actions_ids.h"
#include "resources/events_ids.h"
#include "tests/support/dialog_template.h"

// The reader itself: a template whose every figure is known from its source.
TEST(TemplateReader, ReadsSizeFontAndEveryControl) {
    const dialog_template::Template wait = dialog_template::Load(IDD_EACT_WAIT);
    ASSERT_TRUE(wait.found);
    EXPECT_EQ("ウエイト", wait.caption);
    EXPECT_EQ(180, wait.cx);
    EXPECT_EQ(49, wait.cy);
    EXPECT_EQ(9, wait.pointSize);
    EXPECT_EQ("MS UI Gothic", wait.font);
    const dialog_template::Item* label = wait.WithText("実行時間(1/10s)");
    ASSERT_NE(nullptr, label);
    EXPECT_EQ("Static", label->kind);
    EXPECT_EQ(7, label->x);
    EXPECT_EQ(9, label->y);
    EXPECT_EQ(60, label->cx);
    EXPECT_EQ(8, label->cy);
    ASSERT_EQ(1u, wait.WithId(IDC_WAIT_TIME_SPIN).size());
    EXPECT_EQ("msctls_updown32", wait.WithId(IDC_WAIT_TIME_SPIN)[0]->kind);
    ASSERT_EQ(1u, wait.WithId(IDC_EVENTS_OK).size());
    const dialog_template::Item& ok = *wait.WithId(IDC_EVENTS_OK)[0];
    EXPECT_EQ("Button", ok.kind);
    EXPECT_EQ("OK", ok.text);
    EXPECT_EQ(68, ok.x);
    EXPECT_EQ(28, ok.y);
    EXPECT_EQ(50, ok.cx);
    EXPECT_EQ(14, ok.cy);
    EXPECT_FALSE(dialog_template::Load(1).found);
}
