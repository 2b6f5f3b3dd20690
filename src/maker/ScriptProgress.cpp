// Progress figures of the make step.
#include "maker/ScriptProgress.h"

#include <cmath>
#include <cstdio>

namespace quen {

ProgressFigures ProgressAfter(int i, int n) {
    if (n <= 0) return {100, "100.0"};
    // Exact tenths from integers: the label must not drift with floating point.
    long long tenthsTimes = 1000LL * i;  // percent * 10 * n
    long long whole = tenthsTimes / n, rest = tenthsTimes % n;
    long long tenths = whole + (2 * rest >= n ? 1 : 0);  // "##0.0" rounds halves up
    ProgressFigures f;
    long long hundredTimes = 100LL * i;
    long long bar = hundredTimes / n, barRest = hundredTimes % n;
    if (2 * barRest > n || (2 * barRest == n && bar % 2 == 1)) ++bar;
    f.bar = static_cast<int>(bar);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld.%lld", tenths / 10, tenths % 10);
    f.label = buf;
    return f;
}

}  // namespace quen
