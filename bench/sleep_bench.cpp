// Korvalin dial tester benchmark - how long sleepMs(n) really sleeps.
// The capture's passes wait 1 ms; this prints how close the clock comes.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "platform/qt/system_clock.h"

namespace {

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

}  // namespace

int main() {
    kvl::SystemClock clock;
    for (int ms : {1, 2, 5, 10}) {
        const int rounds = ms == 1 ? 2000 : 200;
        std::vector<double> taken;
        taken.reserve(rounds);
        for (int i = 0; i < rounds; ++i) {
            const double start = nowMs();
            clock.sleepMs(ms);
            taken.push_back(nowMs() - start);
        }
        std::sort(taken.begin(), taken.end());
        double sum = 0;
        for (double t : taken) sum += t;
        std::printf("sleepMs(%2d) x %4d: mean %.3f ms  median %.3f  p99 %.3f  max %.3f\n", ms,
                    rounds, sum / rounds, taken[rounds / 2], taken[rounds * 99 / 100],
                    taken.back());
    }
    // How often the tick steps: every call within one millisecond reads the same value.
    const std::int32_t first = clock.tick();
    int steps = 0;
    std::int32_t last = first;
    while (kvl::tickDiff(last, first) < 1000) {
        const std::int32_t t = clock.tick();
        if (t != last) ++steps;
        last = t;
    }
    std::printf("tick: %d steps in 1000 ms\n", steps);
    return 0;
}
