// Find-or-create, registration and the file sections of the vertex view factory.
#include "views/vertex_view_factory.h"

#include <memory>

#include <tinyxml.h>

#include "views/dot_shapes.h"
#include "views/icon_view.h"
#include "views/view_records.h"

namespace nx {

VertexViewFactory& vertexViewFactory() {
    static VertexViewFactory factory;
    return factory;
}

ViewRef<VertexView> VertexViewFactory::getDotView(int classId, const DotParameters& p) {
    if (classId < 1 || classId > 4) return nullptr;
    return findOrMake<DotView>(
        [&](const DotView& dot) { return dot.getClassId() == classId && dot.parameters() == p; },
        [&]() -> std::unique_ptr<VertexView> {
            switch (classId) {
                case 1:
                    return std::make_unique<SquareDotView>(p);
                case 2:
                    return std::make_unique<CircleDotView>(p);
                case 3:
                    return std::make_unique<DiamondDotView>(p);
                default:
                    return std::make_unique<TriangleDotView>(p);
            }
        });
}

ViewRef<VertexView> VertexViewFactory::getSquareDotView(bool f, int o, int i, int n, int w, int s) {
    return getDotView(1, {f, o, i, n, w, s});
}
ViewRef<VertexView> VertexViewFactory::getCircleDotView(bool f, int o, int i, int n, int w, int s) {
    return getDotView(2, {f, o, i, n, w, s});
}
ViewRef<VertexView> VertexViewFactory::getDiamondDotView(bool f, int o, int i, int n, int w,
                                                         int s) {
    return getDotView(3, {f, o, i, n, w, s});
}
ViewRef<VertexView> VertexViewFactory::getTriangleDotView(bool f, int o, int i, int n, int w,
                                                          int s) {
    return getDotView(4, {f, o, i, n, w, s});
}

ViewRef<VertexView> VertexViewFactory::readRecord(std::istream& in, bool byName) {
    const int classId = records::readIntField(in);
    if (classId == 5) return getIconView(IconParameters::readStream(in, byName));
    if (classId < 1 || classId > 4) return nullptr;
    return getDotView(classId, DotParameters::readStream(in, byName));
}

ViewRef<VertexView> VertexViewFactory::readView(std::istream& in) {
    return readRecord(in, false);
}

ViewRef<VertexView> VertexViewFactory::readViewByName(std::istream& in) {
    return readRecord(in, true);
}

ViewRef<VertexView> VertexViewFactory::readView(const TiXmlElement& element) {
    return readView(records::LibraryElementFields(element));
}

ViewRef<VertexView> VertexViewFactory::readView(const records::ElementFields& element) {
    int classId = 0;
    element.queryInt("ClassId", classId);
    if (classId == 5) return getIconView(IconParameters::readXml(element));
    if (classId < 1 || classId > 4) return nullptr;
    return getDotView(classId, DotParameters::readXml(element));
}

}  // namespace nx
