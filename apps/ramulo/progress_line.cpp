// The progress line: "ramulo: Arranging 42%", rewritten in place at most five times a second.
#include "progress_line.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <exception>
#include <string>

namespace {

std::atomic<bool> interrupted{false};

extern "C" void onInterrupt(int) {
    interrupted = true;
    std::signal(SIGINT, SIG_DFL);  // a second Ctrl+C ends the tool
}

class ProgressLine : public nx::Progress {
public:
    void begin(const std::string& text, std::uint64_t total) override {
        text_ = text;
        total_ = total;
        done_ = 0;
        shown_ = false;
    }
    void advance(std::uint64_t n) override {
        done_ += n;
        const auto now = std::chrono::steady_clock::now();
        if (shown_ && now - last_ < std::chrono::milliseconds(200)) return;
        last_ = now;
        print('\r');
    }
    bool cancelled() override { return interrupted.load(); }
    void end() override {
        // Only operations long enough to have shown a line finish it.
        if (!shown_) return;
        // Finished, not failed or cancelled (the scope ends while its exception passes).
        if (total_ && std::uncaught_exceptions() == 0) done_ = total_;
        print('\r');
        std::fputc('\n', stderr);
        shown_ = false;
    }

private:
    void print(char start) {
        shown_ = true;
        if (total_)
            std::fprintf(stderr, "%cramulo: %s %3u%%", start, text_.c_str(),
                         static_cast<unsigned>(std::min(done_, total_) * 100 / total_));
        else
            std::fprintf(stderr, "%cramulo: %s %llu items", start, text_.c_str(),
                         static_cast<unsigned long long>(done_));
        std::fflush(stderr);
    }

    std::string text_;
    std::uint64_t total_ = 0, done_ = 0;
    bool shown_ = false;
    std::chrono::steady_clock::time_point last_;
};

ProgressLine line;
bool enabled = false;

}  // namespace

nx::Progress* progressLine() {
    return enabled ? &line : nullptr;
}

void enableProgressLine(bool forced) {
    enabled = forced || ::isatty(STDERR_FILENO);
    if (enabled) std::signal(SIGINT, onInterrupt);
}
