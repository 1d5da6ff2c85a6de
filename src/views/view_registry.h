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
#include "views/view_ref.h"

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
    virtual ~ViewRegistry() = default;

    virtual void saveToStream(std::ostream& out);
    // Sets the default view ID attribute and appends one "View" child per view, in ID order.
    virtual void saveToXml(TiXmlElement& element);
    virtual void resetPropertyIndices();
    // Reads a section written by saveToStream; equal records merge into one view.
    virtual void loadFromStream(std::istream& in);
    virtual ViewRef<V> readView(std::istream& in) = 0;

    std::size_t size() const;
    // The view with that ID, or null.
    V* at(std::size_t id) const;
    int defaultViewId() const { return defaultViewId_.load(); }

protected:
    // defaultIdAttribute names the XML attribute of the default view's ID.
    explicit ViewRegistry(const char* defaultIdAttribute)
        : defaultIdAttribute_(defaultIdAttribute) {}

    // Find-or-create: the first view of type T that `matches` accepts, else a new one from
    // `make`, registered under the next ID; either way a reference for the caller.
    template <typename T, typename Matches, typename Make>
    ViewRef<V> findOrMake(Matches matches, Make make) {
        // The walk runs under the lock too: a concurrent registration may grow the list.
        ScopedLock lock(&mutex_);
        for (const std::unique_ptr<V>& view : views_) {
            auto* typed = dynamic_cast<T*>(view.get());
            if (typed && matches(*typed)) return ViewRef<V>(view.get());
        }
        std::unique_ptr<V> made = make();
        made->setId(static_cast<unsigned>(views_.size()));
        views_.push_back(std::move(made));
        return ViewRef<V>(views_.back().get());
    }

private:
    const char* defaultIdAttribute_;
    std::vector<std::unique_ptr<V>> views_;
    std::atomic<int> defaultViewId_{0};
    // Guards the list: every walk and every registration holds it, so documents on
    // several threads may share the factory.
    mutable Mutex mutex_;
};

extern template class ViewRegistry<VertexView>;
extern template class ViewRegistry<EdgeView>;

}  // namespace nx
