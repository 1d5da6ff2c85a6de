// nx::Progress: the sink long operations report to, and the poll their loops call.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace nx {

// What a host implements to show progress and offer a way to stop. Loops report every
// kProgressGrain items, so a sink may do real work (repaint, read the clock) per call.
class Progress {
public:
    virtual ~Progress() = default;
    // A new operation: what it does and how many items it will report (0: not known).
    virtual void begin(const std::string& text, std::uint64_t total) = 0;
    // n more items are done.
    virtual void advance(std::uint64_t n) = 0;
    // Asked after every advance: true stops the operation.
    virtual bool cancelled() = 0;
    // The operation ended (finished, failed or cancelled).
    virtual void end() {}
};

// The text every cancelled operation reports; hosts compare it.
inline constexpr const char* kOperationCancelled = "Operation cancelled";

// Whether a failure is a cancel, however many layers rewrapped it on the way up.
inline bool isCancellation(const std::exception& e) {
    return std::string(e.what()) == kOperationCancelled;
}

// Thrown from a poll when the sink asked to stop; the operation that installed the sink
// puts the document back as it was.
class OperationCancelled : public std::runtime_error {
public:
    OperationCancelled() : std::runtime_error(kOperationCancelled) {}
};

// Items between two calls of the sink: coarse enough that polling costs nothing measurable.
inline constexpr std::uint32_t kProgressGrain = 4096;

// The sink of this thread's running operation (one document belongs to one thread).
struct ProgressPoll {
    Progress* sink = nullptr;
    std::uint32_t countdown = kProgressGrain;
    bool reporting = false;  // a sink that runs an event loop must not be re-entered
};
extern thread_local constinit ProgressPoll progressPoll;

// Reports a grain to the sink and throws OperationCancelled when it asks to stop.
void reportProgress();
// Reports what the countdown has not reported yet; for the end of a stage.
void flushProgress();

// One item done: the call the loops make.
inline void progressStep() {
    ProgressPoll& poll = progressPoll;
    if (poll.sink && --poll.countdown == 0) [[unlikely]]
        reportProgress();
}

// Installs a sink for one operation on this thread and begins it; ends it and puts the
// previous sink back on leaving. A null sink installs nothing (the loops stay silent).
class ProgressScope {
public:
    ProgressScope(Progress* sink, const std::string& text, std::uint64_t total);
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    ProgressPoll saved_;
    bool active_ = false;
};

}  // namespace nx
