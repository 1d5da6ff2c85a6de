// The shared views' list and file sections, for the vertex and the edge view factory.
#include "views/view_registry.h"

#include <tinyxml.h>

#include "properties/text_io.h"
#include "views/view_records.h"

namespace nx {

template <typename V>
std::size_t ViewRegistry<V>::size() const {
    ScopedLock lock(&mutex_);
    return views_.size();
}

template <typename V>
V* ViewRegistry<V>::at(std::size_t id) const {
    ScopedLock lock(&mutex_);
    return id < views_.size() ? views_[id].get() : nullptr;
}

template <typename V>
void ViewRegistry<V>::saveToStream(std::ostream& out) {
    ScopedLock lock(&mutex_);
    const char sep = records::separator();
    out << defaultViewId_.load() << sep << views_.size() << sep << '\n';
    for (const std::unique_ptr<V>& view : views_) {
        view->saveToStream(out);
        out << '\n';
    }
}

template <typename V>
void ViewRegistry<V>::saveToXml(TiXmlElement& element) {
    ScopedLock lock(&mutex_);
    element.SetAttribute(defaultIdAttribute_, defaultViewId_.load());
    for (const std::unique_ptr<V>& view : views_) {
        TiXmlElement child("View");
        view->saveToXml(child);
        element.InsertEndChild(child);
    }
}

template <typename V>
void ViewRegistry<V>::resetPropertyIndices() {
    ScopedLock lock(&mutex_);
    for (const std::unique_ptr<V>& view : views_) view->resetPropertyIndices();
}

template <typename V>
void ViewRegistry<V>::loadFromStream(std::istream& in) {
    ScopedLock lock(&mutex_);
    defaultViewId_ = records::readIntField(in);
    const std::int32_t count = records::readIntField(in);
    text::readToken(in, '\n', 255);
    for (std::int32_t i = 0; i < count; ++i) (void)readView(in);
}

template class ViewRegistry<VertexView>;
template class ViewRegistry<EdgeView>;

}  // namespace nx
