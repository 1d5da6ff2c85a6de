// Find-or-create, registration and the file sections of the edge view factory.
#include "views/edge_view_factory.h"

#include <memory>

#include <tinyxml.h>

#include "views/straight_edge_view.h"
#include "views/view_records.h"

namespace nx {

EdgeViewFactory& edgeViewFactory() {
    static EdgeViewFactory factory;
    return factory;
}

ViewRef<EdgeView> EdgeViewFactory::getStraightEdgeView(int color) {
    return findOrMake<StraightEdgeView>(
        [&](const StraightEdgeView& straight) { return straight.color() == color; },
        [&] { return std::make_unique<StraightEdgeView>(color); });
}

ViewRef<EdgeView> EdgeViewFactory::readRecord(std::istream& in, bool byName) {
    if (records::readIntField(in) != 1) return nullptr;
    return getStraightEdgeView(StraightEdgeView::readStream(in, byName));
}

ViewRef<EdgeView> EdgeViewFactory::readView(std::istream& in) {
    return readRecord(in, false);
}

ViewRef<EdgeView> EdgeViewFactory::readViewByName(std::istream& in) {
    return readRecord(in, true);
}

ViewRef<EdgeView> EdgeViewFactory::readView(const TiXmlElement& element) {
    return readView(records::LibraryElementFields(element));
}

ViewRef<EdgeView> EdgeViewFactory::readView(const records::ElementFields& element) {
    int classId = 0;
    element.queryInt("ClassId", classId);
    if (classId != 1) return nullptr;
    return getStraightEdgeView(StraightEdgeView::readXml(element));
}

}  // namespace nx
