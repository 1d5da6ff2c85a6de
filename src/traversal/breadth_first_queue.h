// nx::BreadthFirstQueue: the first-in, first-out queue of the breadth-first walks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "graph/element.h"

namespace nx {

class BreadthFirstQueue {
public:
    // Separates levels inside the queue; never dereferenced.
    static Element* levelMarker() { return reinterpret_cast<Element*>(std::uintptr_t{1}); }
    static bool isLevelMarker(const Element* element) {
        return reinterpret_cast<std::uintptr_t>(element) == 1;
    }

    void push(Element* element) { queue_.push_back(element); }
    // Removes and answers the front element; null when the queue is empty.
    Element* pop() {
        if (queue_.empty()) return nullptr;
        Element* front = queue_.front();
        queue_.pop_front();
        return front;
    }
    void clear() { queue_.clear(); }
    bool empty() const { return queue_.empty(); }
    std::size_t size() const { return queue_.size(); }

private:
    std::deque<Element*> queue_;
};

}  // namespace nx
