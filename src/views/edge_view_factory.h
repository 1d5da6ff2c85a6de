// nx::EdgeViewFactory: the process-wide owner of every edge view, found by parameters.
#pragma once

#include <atomic>
#include <cstddef>
#include <istream>
#include <ostream>
#include <vector>

#include "graph/mutex.h"
#include "views/view.h"

class TiXmlElement;

namespace nx {

class EdgeViewFactory {
public:
    EdgeViewFactory() = default;
    EdgeViewFactory(const EdgeViewFactory&) = delete;
    EdgeViewFactory& operator=(const EdgeViewFactory&) = delete;
    virtual ~EdgeViewFactory();

    virtual void saveToStream(std::ostream& out);
    // Sets "DefaultEdgeViewId" and appends one "View" child per view, in id order.
    virtual void saveToXml(TiXmlElement& element);
    virtual void resetPropertyIndices();
    virtual void loadFromStream(std::istream& in);
    // A view record; null for a class id other than 1.
    virtual EdgeView* readView(std::istream& in);
    virtual EdgeView* readView(const TiXmlElement& element);
    virtual EdgeView* readViewByName(std::istream& in);

    // Find-or-create; answers a view acquired for the caller.
    EdgeView* getStraightEdgeView(int color);

    std::size_t size() const;
    EdgeView* at(std::size_t id) const;
    int defaultViewId() const { return defaultViewId_.load(); }

private:
    EdgeView* readRecord(std::istream& in, bool byName);

    std::vector<EdgeView*> views_;
    std::atomic<int> defaultViewId_{0};
    // Guards the list: every walk and every registration holds it, so documents on
    // several threads may share the factory.
    mutable Mutex mutex_;
};

// The process-wide factory, created on first use and destroyed at exit.
EdgeViewFactory& edgeViewFactory();

}  // namespace nx
