// nx::ViewRegistry: the list of shared views a view factory owns, and its file sections.
#pragma once

#include <atomic>
#include <cstddef>
#include <istream>
#include <memory>
#include <ostream>
#include <vector>

#include "graph/mutex.h"
#include "views/view.h"

class TiXmlElement;

namespace nx {

// Views are numbered in the order they are made; that number is their ID in the files.
// V is VertexView or EdgeView.
template <typename V>
class ViewRegistry {
public:
    ViewRegistry(const ViewRegistry&) = delete;
    ViewRegistry& operator=(const ViewRegistry&) = delete;

    // Deletes every view it made, whatever their reference counts.
    virtual ~ViewRegistry();

    virtual void saveToStream(std::ostream& out);
    // Sets the default view ID attribute and appends one "View" child per view, in ID order.
    virtual void saveToXml(TiXmlElement& element);
    virtual void resetPropertyIndices();
    // Reads a section written by saveToStream; equal records merge into one view.
    virtual void loadFromStream(std::istream& in);
    virtual V* readView(std::istream& in) = 0;

    std::size_t size() const;
    // The view with that ID, or null.
    V* at(std::size_t id) const;
    int defaultViewId() const { return defaultViewId_.load(); }

protected:
    // defaultIdAttribute names the XML attribute of the default view's ID.
    explicit ViewRegistry(const char* defaultIdAttribute)
        : defaultIdAttribute_(defaultIdAttribute) {}

    // Find-or-create: the first view of type T that `matches` accepts, else a new one from
    // `make`, registered under the next ID; either way acquired for the caller.
    template <typename T, typename Matches, typename Make>
    V* findOrMake(Matches matches, Make make) {
        // The walk runs under the lock too: a concurrent registration may grow the list.
        ScopedLock lock(&mutex_);
        for (V* view : views_) {
            auto* typed = dynamic_cast<T*>(view);
            if (typed && matches(*typed)) {
                typed->acquire();
                return typed;
            }
        }
        std::unique_ptr<V> made = make();
        made->setId(static_cast<unsigned>(views_.size()));
        views_.push_back(made.get());
        made->acquire();
        return made.release();
    }

private:
    const char* defaultIdAttribute_;
    std::vector<V*> views_;
    std::atomic<int> defaultViewId_{0};
    // Guards the list: every walk and every registration holds it, so documents on
    // several threads may share the factory.
    mutable Mutex mutex_;
};

extern template class ViewRegistry<VertexView>;
extern template class ViewRegistry<EdgeView>;

}  // namespace nx
