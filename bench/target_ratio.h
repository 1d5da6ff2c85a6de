// Times a measured form against its baseline in the same run and reports both with the ratio.
#pragma once

#include <benchmark/benchmark.h>
#include <time.h>

#include <functional>

namespace bench {

// CPU time of the whole process, so that other work on the machine counts less.
inline double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Runs baseline then measured once per iteration (each after its own untimed setup) and
// reports their CPU milliseconds and measured / baseline. limit, when given, is the ratio
// the measured form must stay within: the counter "met" is 1 when it does.
inline void compareWithBaseline(benchmark::State& state, const std::function<void()>& setupBaseline,
                                const std::function<void()>& baseline,
                                const std::function<void()>& setupMeasured,
                                const std::function<void()>& measured, double limit = 0) {
    double base = 0, form = 0;
    for (auto _ : state) {
        setupBaseline();
        double t = cpuSeconds();
        baseline();
        base += cpuSeconds() - t;
        setupMeasured();
        t = cpuSeconds();
        measured();
        form += cpuSeconds() - t;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["baseline_ms"] = base / n * 1e3;
    state.counters["ms"] = form / n * 1e3;
    state.counters["ratio"] = base > 0 ? form / base : 0;
    if (limit > 0) {
        state.counters["limit"] = limit;
        state.counters["met"] = base > 0 && form / base <= limit ? 1 : 0;
    }
}

}  // namespace bench
