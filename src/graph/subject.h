// nx::Subject and nx::Observer: graphs tell their attached views about changes.
#pragma once

#include <algorithm>
#include <vector>

namespace nx {

class Edge;
class Graph;
class Vertex;

class Observer {
public:
    virtual ~Observer() = default;
    virtual void update() = 0;
    // Told right after one member joined or left the graph. Changes made in bulk
    // (clearing, removing a subtree, subgraph building) are told by no call: the graph's
    // membership stamp moves on without one.
    virtual void vertexAdded(const Graph&, Vertex&) {}
    virtual void edgeAdded(const Graph&, Edge&) {}
    virtual void vertexRemoved(const Graph&, Vertex&) {}
    virtual void edgeRemoved(const Graph&, Edge&) {}
};

class Subject {
public:
    virtual ~Subject() = default;
    // Reserved hook; graphs leave it empty.
    virtual void changed() = 0;
    virtual void notifyObservers() = 0;

    // Appends the observer unless it is already attached.
    void attach(Observer* observer) {
        if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
            observers_.push_back(observer);
    }
    // Views detach themselves before they go away.
    void detach(Observer* observer) {
        observers_.erase(std::remove(observers_.begin(), observers_.end(), observer),
                         observers_.end());
    }
    const std::vector<Observer*>& observers() const { return observers_; }

protected:
    std::vector<Observer*> observers_;
};

}  // namespace nx
