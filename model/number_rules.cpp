#include "model/number_rules.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

int TruncToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

int AddClamped(int& value, int add, int low, int high) {
    const long long sum = static_cast<long long>(value) + add;
    value = static_cast<int>(std::max<long long>(low, std::min<long long>(sum, high)));
    return value;
}

int PercentOf(int a, int pct) {
    const double x = static_cast<double>(static_cast<long long>(a) * pct) / 100.0;
    return TruncToInt(x >= 0 ? x + 0.5 : x - 0.5);
}

bool RandomChance(double percent, int digits) {
    if (!(percent > 0.0)) return false;
    long long m = 1;
    for (int i = 0; i < std::min(digits, 7); ++i) m *= 10;
    const long long r = std::rand() % (100 * m) + 1;
    return r <= TruncToInt(percent * static_cast<double>(m));
}

int RandomInRange(int low, int high) {
    const long long range = static_cast<long long>(high) - low + 1;
    if (range <= 0) return low;
    return static_cast<int>(std::rand() % range + low);
}
