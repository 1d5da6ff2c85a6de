// The per-thread progress poll and the scope that installs a sink.
#include "graph/progress.h"

namespace nx {

thread_local constinit ProgressPoll progressPoll;

namespace {

void report(std::uint64_t n) {
    ProgressPoll& poll = progressPoll;
    poll.countdown = kProgressGrain;
    if (!poll.sink || poll.reporting) return;
    poll.reporting = true;
    bool stop = false;
    try {
        if (n) poll.sink->advance(n);
        stop = poll.sink->cancelled();
    } catch (...) {
        poll.reporting = false;
        throw;
    }
    poll.reporting = false;
    if (stop) throw OperationCancelled();
}

}  // namespace

void reportProgress() {
    report(kProgressGrain);
}

void flushProgress() {
    report(kProgressGrain - progressPoll.countdown);
}

ProgressScope::ProgressScope(Progress* sink, const std::string& text, std::uint64_t total)
    : saved_(progressPoll) {
    if (!sink) return;
    // A nested operation reports to its own sink; the outer one's comes back after it.
    progressPoll = ProgressPoll{sink, kProgressGrain, false};
    active_ = true;
    sink->begin(text, total);
}

ProgressScope::~ProgressScope() {
    if (!active_) return;
    Progress* sink = progressPoll.sink;
    progressPoll = saved_;
    sink->end();
}

}  // namespace nx
