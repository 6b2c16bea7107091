// Reference action counts (the simple mode is the system test's).
#include "model/action_counts.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ActionCountsTest, TimeModeTable) {
    struct Case {
        int ticks, init0, init1, share0, share1, waits;
        double want0, want1;
    };
    const Case kCases[] = {
        {10, 0, 0, 50, 50, 0, 1.0, 1.0},
        {10, 0, 0, 50, 50, 1, 1.0, -0.1},       // the interceptor waits 10 ticks plus one
        {10, 0, 0, 1, 3, 0, 0.5, 1.5},          // gains 50 and 150 per tick
        {27, 600, 500, 100, 100, 1, 3.3, 2.7},  // a new project
        {0, 1000, 2000, 100, 100, 0, 1.0, 2.0},
        {10, 0, 0, 0, 0, 0, 0.0, 0.0},  // no shares at all
        {10, 0, 0, 0, 0, 1, 0.0, 0.0},
        {10, 0, 300, 0, 100, 1, 0.0, 0.0},  // the attacker never acts, so the interceptor waits for ever
        {10, 0, 300, 0, 100, 0, 0.0, 2.3},
        {10, 0, 0, 100, -100, 0, 0.0, 0.0},   // shares cancelling out
        {10, 0, 500, -100, 50, 0, 0.0, 0.0},  // a negative sum has no shares to divide either
    };
    for (const Case& c : kCases) {
        double result[2] = {-9, -9};
        const int init[2] = {c.init0, c.init1};
        const int shares[2] = {c.share0, c.share1};
        CalcActionCountsByTime(result, c.ticks, init, shares, c.waits);
        EXPECT_DOUBLE_EQ(result[0], c.want0) << c.ticks << " " << c.share0 << "/" << c.share1 << " " << c.waits;
        EXPECT_DOUBLE_EQ(result[1], c.want1) << c.ticks << " " << c.share0 << "/" << c.share1 << " " << c.waits;
    }
}

TEST(ActionCountsTest, ExtremeValuesStayDefined) {
    // Shares and values no page allows but a file may hold.
    double result[2];
    const int init[2] = {INT_MIN, INT_MAX};
    const int shares[2] = {INT_MAX, INT_MIN + 1};
    CalcActionCountsByTime(result, INT_MAX, init, shares, 1);
    const int init2[2] = {0, 0};
    const int shares2[2] = {-1, 2};
    CalcActionCountsByTime(result, 5, init2, shares2, 1);
    SUCCEED();
}

}  // namespace
