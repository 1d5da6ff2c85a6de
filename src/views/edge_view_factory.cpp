// Find-or-create, registration and the file sections of the edge view factory.
#include "views/edge_view_factory.h"

#include <memory>

#include <tinyxml.h>

#include "properties/text_io.h"
#include "views/straight_edge_view.h"
#include "views/view_records.h"

namespace nx {

EdgeViewFactory& edgeViewFactory() {
    static EdgeViewFactory factory;
    return factory;
}

EdgeViewFactory::~EdgeViewFactory() {
    for (EdgeView* view : views_) delete view;
}

EdgeView* EdgeViewFactory::getStraightEdgeView(int color) {
    ScopedLock lock(&mutex_);
    for (EdgeView* view : views_) {
        auto* straight = dynamic_cast<StraightEdgeView*>(view);
        if (straight && straight->color() == color) {
            straight->acquire();
            return straight;
        }
    }
    auto made = std::make_unique<StraightEdgeView>(color);
    made->setId(static_cast<unsigned>(views_.size()));
    views_.push_back(made.get());
    made->acquire();
    return made.release();
}

std::size_t EdgeViewFactory::size() const {
    ScopedLock lock(&mutex_);
    return views_.size();
}

EdgeView* EdgeViewFactory::at(std::size_t id) const {
    ScopedLock lock(&mutex_);
    return id < views_.size() ? views_[id] : nullptr;
}

void EdgeViewFactory::saveToStream(std::ostream& out) {
    ScopedLock lock(&mutex_);
    const char sep = records::separator();
    out << defaultViewId_.load() << sep << views_.size() << sep << '\n';
    for (const EdgeView* view : views_) {
        view->saveToStream(out);
        out << '\n';
    }
}

void EdgeViewFactory::saveToXml(TiXmlElement& element) {
    ScopedLock lock(&mutex_);
    element.SetAttribute("DefaultEdgeViewId", defaultViewId_.load());
    for (const EdgeView* view : views_) {
        TiXmlElement child("View");
        view->saveToXml(child);
        element.InsertEndChild(child);
    }
}

void EdgeViewFactory::resetPropertyIndices() {
    ScopedLock lock(&mutex_);
    for (EdgeView* view : views_) view->resetPropertyIndices();
}

void EdgeViewFactory::loadFromStream(std::istream& in) {
    ScopedLock lock(&mutex_);
    defaultViewId_ = records::readIntField(in);
    const std::int32_t count = records::readIntField(in);
    text::readToken(in, '\n', 255);
    for (std::int32_t i = 0; i < count; ++i) readView(in);
}

EdgeView* EdgeViewFactory::readRecord(std::istream& in, bool byName) {
    if (records::readIntField(in) != 1) return nullptr;
    return getStraightEdgeView(StraightEdgeView::readStream(in, byName));
}

EdgeView* EdgeViewFactory::readView(std::istream& in) {
    return readRecord(in, false);
}

EdgeView* EdgeViewFactory::readViewByName(std::istream& in) {
    return readRecord(in, true);
}

EdgeView* EdgeViewFactory::readView(const TiXmlElement& element) {
    int classId = 0;
    element.Attribute("ClassId", &classId);
    if (classId != 1) return nullptr;
    return getStraightEdgeView(StraightEdgeView::readXml(element));
}

}  // namespace nx
