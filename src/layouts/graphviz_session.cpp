// nx::GraphvizSession: a mutex around the library's globals and a collecting handler.
#include "layouts/graphviz_session.h"

#include <graphviz/cgraph.h>

namespace nx {

namespace {

std::mutex sessionMutex;
std::string collected;

// The library hands one message over in pieces ("Error", ": ", the text).
int collect(char* text) {
    if (text) collected += text;
    return 0;
}

}  // namespace

GraphvizSession::GraphvizSession() : lock_(sessionMutex) {
    collected.clear();
    agseterrf(collect);
    agseterr(AGWARN);
}

GraphvizSession::~GraphvizSession() {
    agseterrf(nullptr);
    agseterr(AGWARN);
}

std::string GraphvizSession::errors() const {
    std::string joined;
    std::size_t start = 0;
    while (start < collected.size()) {
        std::size_t end = collected.find('\n', start);
        if (end == std::string::npos) end = collected.size();
        std::string line = collected.substr(start, end - start);
        start = end + 1;
        for (const char* prefix : {"Error: ", "Warning: "})
            if (line.rfind(prefix, 0) == 0) line.erase(0, std::char_traits<char>::length(prefix));
        while (!line.empty() && line.back() == ' ') line.pop_back();
        if (line.empty()) continue;
        if (!joined.empty()) joined += "; ";
        joined += line;
    }
    return joined;
}

}  // namespace nx
