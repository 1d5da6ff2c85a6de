// The resource menus 202-207 as tables: their items' command IDs and texts.
#include "engine/menu_resources.h"

#include <iterator>

namespace ramulo {

namespace {

using namespace menu_id;

constexpr MenuResourceItem kTreeBase[] = {{NewVertex, u"New Vertex"}};
constexpr MenuResourceItem kVertexBase[] = {{NewOutcomingEdge, u"New Outcoming Edge"},
                                            {NewIncomingEdge, u"New Incoming Edge"},
                                            {DeleteVertex, u"Delete Vertex"}};
constexpr MenuResourceItem kEdgeBase[] = {{DeleteEdge, u"Delete Edge"}};
constexpr MenuResourceItem kVertexText[] = {{VertexAppearance, u"Vertex Appearance..."},
                                            {VertexProperties, u"Vertex Properties..."},
                                            {CenterOfRadialLayout, u"Center of Radial Layout"},
                                            {Action, u"Action"}};
constexpr MenuResourceItem kEdgeText[] = {{EdgeAppearance, u"Edge Appearance..."},
                                          {EdgeProperties, u"Edge Properties..."}};
constexpr MenuResourceItem kTreeText[] = {{TreeAppearance, u"Tree Appearance..."},
                                          {TreeProperties, u"Tree Properties..."},
                                          {HierarchicalLayout, u"Hierarchical Layout"},
                                          {RadialLayout, u"Radial Layout"},
                                          {ForceDirectedLayout, u"Force-Directed Layout"},
                                          {RotateRight90, u"Rotate Right 90\u00B0"},
                                          {RotateLeft90, u"Rotate Left 90\u00B0"},
                                          {FlipVertical, u"Flip Vertical"},
                                          {FlipHorizontal, u"Flip Horizontal"},
                                          {SelectAllVertices, u"Select All Vertices"},
                                          {FileNew, u"&New"},
                                          {FileOpen, u"&Open..."},
                                          {FileSave, u"&Save"},
                                          {FileSaveAs, u"Save &As..."},
                                          {CustomGraphCommand, u"Custom Graph Command"},
                                          {CustomVertexCommand, u"Custom Vertex Command"},
                                          {CustomEdgeCommand, u"Custom Edge Command"}};

template <std::size_t N>
MenuResource resource(const MenuResourceItem (&items)[N]) {
    return {items, N};
}

}  // namespace

MenuResource menuResource(int resourceId) {
    switch (resourceId) {
        case kTreePopupMenu:
            return resource(kTreeBase);
        case kVertexPopupMenu:
            return resource(kVertexBase);
        case kEdgePopupMenu:
            return resource(kEdgeBase);
        case kVertexTextMenu:
            return resource(kVertexText);
        case kEdgeTextMenu:
            return resource(kEdgeText);
        case kTreeTextMenu:
            return resource(kTreeText);
        default:
            return {nullptr, 0};
    }
}

std::u16string menuString(int resourceId, std::uint32_t commandId) {
    const MenuResource r = menuResource(resourceId);
    for (std::size_t i = 0; i < r.count; ++i)
        if (r.items[i].commandId == commandId) return r.items[i].text;
    return {};
}

}  // namespace ramulo
