// Find-or-create, registration and the file sections of the vertex view factory.
#include "views/vertex_view_factory.h"

#include <memory>

#include <tinyxml.h>

#include "properties/text_io.h"
#include "views/dot_shapes.h"
#include "views/icon_view.h"
#include "views/view_records.h"

namespace nx {

VertexViewFactory& vertexViewFactory() {
    static VertexViewFactory factory;
    return factory;
}

VertexViewFactory::~VertexViewFactory() {
    for (VertexView* view : views_) delete view;
}

VertexView* VertexViewFactory::getDotView(int classId, const DotParameters& p) {
    if (classId < 1 || classId > 4) return nullptr;
    // The walk runs under the lock too: a concurrent registration may grow the list.
    ScopedLock lock(&mutex_);
    for (VertexView* view : views_) {
        auto* dot = dynamic_cast<DotView*>(view);
        if (dot && dot->getClassId() == classId && dot->parameters() == p) {
            dot->acquire();
            return dot;
        }
    }
    std::unique_ptr<VertexView> made;
    switch (classId) {
        case 1:
            made = std::make_unique<SquareDotView>(p);
            break;
        case 2:
            made = std::make_unique<CircleDotView>(p);
            break;
        case 3:
            made = std::make_unique<DiamondDotView>(p);
            break;
        default:
            made = std::make_unique<TriangleDotView>(p);
            break;
    }
    made->setId(static_cast<unsigned>(views_.size()));
    views_.push_back(made.get());
    made->acquire();
    return made.release();
}

VertexView* VertexViewFactory::getSquareDotView(bool f, int o, int i, int n, int w, int s) {
    return getDotView(1, {f, o, i, n, w, s});
}
VertexView* VertexViewFactory::getCircleDotView(bool f, int o, int i, int n, int w, int s) {
    return getDotView(2, {f, o, i, n, w, s});
}
VertexView* VertexViewFactory::getDiamondDotView(bool f, int o, int i, int n, int w, int s) {
    return getDotView(3, {f, o, i, n, w, s});
}
VertexView* VertexViewFactory::getTriangleDotView(bool f, int o, int i, int n, int w, int s) {
    return getDotView(4, {f, o, i, n, w, s});
}

std::size_t VertexViewFactory::size() const {
    ScopedLock lock(&mutex_);
    return views_.size();
}

VertexView* VertexViewFactory::at(std::size_t id) const {
    ScopedLock lock(&mutex_);
    return id < views_.size() ? views_[id] : nullptr;
}

void VertexViewFactory::saveToStream(std::ostream& out) {
    ScopedLock lock(&mutex_);
    const char sep = records::separator();
    out << defaultViewId_.load() << sep << views_.size() << sep << '\n';
    for (const VertexView* view : views_) {
        view->saveToStream(out);
        out << '\n';
    }
}

void VertexViewFactory::saveToXml(TiXmlElement& element) {
    ScopedLock lock(&mutex_);
    element.SetAttribute("DefaultVertexViewId", defaultViewId_.load());
    for (const VertexView* view : views_) {
        TiXmlElement child("View");
        view->saveToXml(child);
        element.InsertEndChild(child);
    }
}

void VertexViewFactory::resetPropertyIndices() {
    ScopedLock lock(&mutex_);
    for (VertexView* view : views_) view->resetPropertyIndices();
}

void VertexViewFactory::loadFromStream(std::istream& in) {
    ScopedLock lock(&mutex_);
    defaultViewId_ = records::readIntField(in);
    const std::int32_t count = records::readIntField(in);
    text::readToken(in, '\n', 255);
    for (std::int32_t i = 0; i < count; ++i) readView(in);
}

VertexView* VertexViewFactory::readRecord(std::istream& in, bool byName) {
    const int classId = records::readIntField(in);
    if (classId == 5) return getIconView(IconParameters::readStream(in, byName));
    if (classId < 1 || classId > 4) return nullptr;
    return getDotView(classId, DotParameters::readStream(in, byName));
}

VertexView* VertexViewFactory::readView(std::istream& in) {
    return readRecord(in, false);
}

VertexView* VertexViewFactory::readViewByName(std::istream& in) {
    return readRecord(in, true);
}

VertexView* VertexViewFactory::readView(const TiXmlElement& element) {
    int classId = 0;
    element.Attribute("ClassId", &classId);
    if (classId == 5) return getIconView(IconParameters::readXml(element));
    if (classId < 1 || classId > 4) return nullptr;
    return getDotView(classId, DotParameters::readXml(element));
}

}  // namespace nx
