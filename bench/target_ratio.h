// Times a measured form against its baseline in the same run and reports both with the ratio.
#pragma once

#include <benchmark/benchmark.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

namespace bench {

// CPU time of the whole process, so that other work on the machine counts less.
inline double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Appends one line to the run's list of the performance targets, the file that the
// environment variable RAMULO_BENCH_TARGETS names ('make bench' prints it at the end);
// nothing without it.
inline void recordTarget(const std::string& line) {
    const char* path = std::getenv("RAMULO_BENCH_TARGETS");
    if (!path || !*path) return;
    std::ofstream(path, std::ios::app) << line << '\n';
}

// "1.23" with the given decimals.
inline std::string fixed(double value, int decimals = 2) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// A target line: what was measured against its limit (smaller is better), with the
// baseline of the same run and the ratio.
inline void recordTarget(const std::string& target, const std::string& what, double measured,
                         double limit, const std::string& unit, const std::string& baselineName,
                         double baseline) {
    const bool met = measured <= limit;
    recordTarget("target " + target + "  " + what + ": " + fixed(measured) + " " + unit +
                 " (target " + fixed(limit) + " " + unit + ") - " + (met ? "met" : "not met") +
                 "; baseline " + baselineName + " " + fixed(baseline) + " " + unit + ", ratio " +
                 fixed(baseline > 0 ? measured / baseline : 0));
}

// A target line for a limit on the ratio itself.
inline void recordRatioTarget(const std::string& target, const std::string& what, double measured,
                              double baseline, double limit, const std::string& unit,
                              const std::string& baselineName) {
    const double ratio = baseline > 0 ? measured / baseline : 0;
    recordTarget("target " + target + "  " + what + ": ratio " + fixed(ratio) + " (target " +
                 fixed(limit) + ") - " + (baseline > 0 && ratio <= limit ? "met" : "not met") +
                 "; " + fixed(measured) + " " + unit + " against " + baselineName + " " +
                 fixed(baseline) + " " + unit);
}

// Runs baseline then measured once per iteration (each after its own untimed setup) and
// reports their CPU milliseconds and measured / baseline. limit, when given, is the ratio
// the measured form must stay within: the counter "met" is 1 when it does, and with a target
// name the result joins the run's list of targets.
inline void compareWithBaseline(benchmark::State& state, const std::function<void()>& setupBaseline,
                                const std::function<void()>& baseline,
                                const std::function<void()>& setupMeasured,
                                const std::function<void()>& measured, double limit = 0,
                                const std::string& target = "", const std::string& what = "") {
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
        if (!target.empty())
            recordRatioTarget(target, what, form / n * 1e3, base / n * 1e3, limit, "ms",
                              "baseline");
    }
}

}  // namespace bench
