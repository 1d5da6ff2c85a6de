// The progress poll: grains, flushes, nested scopes, re-entry and cancels.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "graph/progress.h"

namespace {

struct Recorder : nx::Progress {
    void begin(const std::string& text, std::uint64_t total) override {
        log.push_back("begin " + text + " " + std::to_string(total));
    }
    void advance(std::uint64_t n) override {
        log.push_back("advance " + std::to_string(n));
        if (onAdvance) onAdvance();
    }
    bool cancelled() override { return stop; }
    void end() override { log.push_back("end"); }

    std::vector<std::string> log;
    std::function<void()> onAdvance;
    bool stop = false;
};

void steps(std::uint64_t n) {
    for (std::uint64_t i = 0; i < n; ++i) nx::progressStep();
}

const std::string kGrain = "advance " + std::to_string(nx::kProgressGrain);

TEST(ProgressPoll, ReportsWholeGrainsThenTheRestAndNestsScopes) {
    steps(3 * nx::kProgressGrain);  // no sink: nothing to report to
    Recorder outer, inner;
    {
        nx::ProgressScope scope(&outer, "Saving", 100);
        steps(2 * nx::kProgressGrain + 5);
        {
            nx::ProgressScope nested(&inner, "Loading", 0);
            steps(nx::kProgressGrain);
            nx::ProgressScope silent(nullptr, "ignored", 0);  // keeps the inner sink
            steps(nx::kProgressGrain);
        }
        nx::flushProgress();
    }
    steps(3 * nx::kProgressGrain);
    EXPECT_EQ(outer.log,
              (std::vector<std::string>{"begin Saving 100", kGrain, kGrain, "advance 5", "end"}));
    EXPECT_EQ(inner.log, (std::vector<std::string>{"begin Loading 0", kGrain, kGrain, "end"}));
}

TEST(ProgressPoll, ASinkThatRunsPolledWorkIsNotReentered) {
    Recorder sink;
    // A sink whose event loop draws: the drawing polls as well.
    sink.onAdvance = [] { steps(2 * nx::kProgressGrain); };
    nx::ProgressScope scope(&sink, "Drawing", 0);
    steps(2 * nx::kProgressGrain);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"begin Drawing 0", kGrain, kGrain}));
}

TEST(ProgressPoll, ACancelThrowsAtTheNextGrainAndStillEndsTheScope) {
    Recorder sink;
    std::uint64_t done = 0;
    try {
        nx::ProgressScope scope(&sink, "Arranging", 10);
        for (;; ++done) {
            if (done == nx::kProgressGrain + 1) sink.stop = true;
            nx::progressStep();
        }
    } catch (const nx::OperationCancelled& e) {
        EXPECT_TRUE(nx::isCancellation(e));
        EXPECT_STREQ(e.what(), "Operation cancelled");
    }
    EXPECT_EQ(done, 2 * nx::kProgressGrain - 1);
    EXPECT_EQ(sink.log.back(), "end");
    steps(nx::kProgressGrain);  // the sink is gone from the thread with its scope
    EXPECT_EQ(sink.log.size(), 4u);
}

}  // namespace
