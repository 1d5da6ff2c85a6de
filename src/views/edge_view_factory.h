// nx::EdgeViewFactory: the process-wide owner of every edge view, found by parameters.
#pragma once

#include <istream>

#include "views/element_fields.h"
#include "views/view_registry.h"

class TiXmlElement;

namespace nx {

// Its XML section carries the default view's ID as "DefaultEdgeViewId".
class EdgeViewFactory : public ViewRegistry<EdgeView> {
public:
    EdgeViewFactory() : ViewRegistry("DefaultEdgeViewId") {}

    // A view record; null for a class id other than 1.
    ViewRef<EdgeView> readView(std::istream& in) override;
    virtual ViewRef<EdgeView> readView(const TiXmlElement& element);
    // The same from an element read either way (see records::ElementFields).
    virtual ViewRef<EdgeView> readView(const records::ElementFields& element);
    virtual ViewRef<EdgeView> readViewByName(std::istream& in);

    // Find-or-create; answers a counted reference for the caller.
    ViewRef<EdgeView> getStraightEdgeView(int color);

private:
    ViewRef<EdgeView> readRecord(std::istream& in, bool byName);
};

// The process-wide factory, created on first use and destroyed at exit.
EdgeViewFactory& edgeViewFactory();

}  // namespace nx
