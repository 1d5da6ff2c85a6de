// nx::VertexViewFactory: the process-wide owner of every vertex view, found by parameters.
#pragma once

#include <istream>
#include <string>

#include "views/dot_view.h"
#include "views/element_fields.h"
#include "views/geometry.h"
#include "views/view_registry.h"

class TiXmlElement;

namespace nx {

struct IconParameters;

// Its XML section carries the default view's ID as "DefaultVertexViewId".
class VertexViewFactory : public ViewRegistry<VertexView> {
public:
    VertexViewFactory() : ViewRegistry("DefaultVertexViewId") {}

    // A view record (a reference for the caller); null for a class id this build cannot make.
    ViewRef<VertexView> readView(std::istream& in) override;
    virtual ViewRef<VertexView> readView(const TiXmlElement& element);
    // The same from an element read either way (see records::ElementFields).
    virtual ViewRef<VertexView> readView(const records::ElementFields& element);
    // A record whose colours and positions are written as names.
    virtual ViewRef<VertexView> readViewByName(std::istream& in);

    // Find-or-create; each answers a counted reference for the caller.
    ViewRef<VertexView> getSquareDotView(bool isFilled, int outerColor, int innerColor,
                                         int namePosition, int weightPosition, int size);
    ViewRef<VertexView> getCircleDotView(bool isFilled, int outerColor, int innerColor,
                                         int namePosition, int weightPosition, int size);
    ViewRef<VertexView> getDiamondDotView(bool isFilled, int outerColor, int innerColor,
                                          int namePosition, int weightPosition, int size);
    ViewRef<VertexView> getTriangleDotView(bool isFilled, int outerColor, int innerColor,
                                           int namePosition, int weightPosition, int size);
    ViewRef<VertexView> getIconView(const std::u16string& fileName, const std::u16string& iconName,
                                    int id, int index, int size, const RgbColor& nameTextColor,
                                    int namePosition, const RgbColor& weightTextColor,
                                    int weightPosition);
    ViewRef<VertexView> getIconView(const IconParameters& parameters);
    // Dispatches on the dot class id (1 square, 2 circle, 3 diamond, 4 triangle); null otherwise.
    ViewRef<VertexView> getDotView(int classId, const DotParameters& parameters);

private:
    ViewRef<VertexView> readRecord(std::istream& in, bool byName);
};

// The process-wide factory, created on first use and destroyed at exit.
VertexViewFactory& vertexViewFactory();

}  // namespace nx
