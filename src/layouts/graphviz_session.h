// nx::GraphvizSession: Graphviz's process-wide error reporting, captured for one use.
#pragma once

#include <mutex>
#include <string>

namespace nx {

// Graphviz keeps its error handler and file name in globals: one session at a time holds
// them, collecting every error text instead of letting the library print it.
class GraphvizSession {
public:
    GraphvizSession();
    ~GraphvizSession();
    GraphvizSession(const GraphvizSession&) = delete;
    GraphvizSession& operator=(const GraphvizSession&) = delete;

    // The error texts reported since the session began, trimmed, joined by "; ".
    std::string errors() const;

private:
    std::unique_lock<std::mutex> lock_;
};

}  // namespace nx
