// Reference action counts.
#include "model/action_counts.h"

#include <climits>
#include <cmath>
#include <cstdint>

#include "model/number_rules.h"

namespace {

// int32 arithmetic that wraps as the stored values always have.
int WrapAdd(int a, int b) { return static_cast<int>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b)); }
int WrapMul(int a, int b) { return static_cast<int>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b)); }

}  // namespace

void CalcActionCountsByTime(double result[2], int ticks, const int initial[2], const int shares[2],
                            int interceptorWaits) {
    result[0] = result[1] = 0.0;
    const double a = shares[0] * 1000.0 / 100.0;
    const double b = shares[1] * 1000.0 / 100.0;
    const double total = a + b;
    if (total <= 0.0) return;  // no positive share to divide
    const int ga = TruncToInt(a / total * 200.0);
    const int gb = TruncToInt(200.0 * (b / total));

    result[0] = WrapAdd(WrapMul(ga, ticks), initial[0]) / 1000.0;
    int n = ticks;
    if (interceptorWaits) {
        if (ga == 0) return;  // the attacker never acts, so neither does the interceptor
        // Ticks the attacker needs to reach 1000, rounded up.
        const int c = TruncToInt((1000.0 - initial[0]) / ga + 0.99999999999);
        n = WrapAdd(WrapAdd(ticks, WrapMul(c, -1)), -1);
    }
    result[1] = WrapAdd(WrapMul(n, gb), initial[1]) / 1000.0;
}

void CalcActionCountsSimple(double result[2], const int counts[2]) {
    result[0] = counts[0];
    result[1] = counts[1];
}
