// Where the graph view's part of both document files plugs in.
#pragma once

#include <istream>
#include <ostream>

class TiXmlElement;

namespace nx {
class GraphView;
class Space;
}  // namespace nx

namespace nx::persistence {

// Detaches the view from its graph when that graph belongs to the space, which is about
// to delete every graph it holds; the view would otherwise keep a dangling graph.
void detachFromSpace(Space& space, GraphView* view);

// Stream file: the view-schema group and the view group, after the element group.
void writeViewGroupsStream(std::ostream& out, GraphView& view);
void readViewGroupsStream(std::istream& in, Space& space, GraphView& view);

// XML file: the view's two schema elements and "GraphView", appended to "Space";
// reading gets the "Space" element and finds them itself.
void saveViewXml(TiXmlElement& space, GraphView& view);
void loadViewXml(const TiXmlElement& spaceElement, Space& space, GraphView& view);
// The schema parts alone: the document file prints and reads "GraphView" entry by entry.
void saveViewSchemasXml(TiXmlElement& space, GraphView& view);
// Replaces the view's schemas with the ones in "Space", refreshes indices, hands the space.
void loadViewSchemasXml(const TiXmlElement& spaceElement, Space& space, GraphView& view);

}  // namespace nx::persistence
