// The graph view's "GraphView" element of the XML file.
#include "persistence/graph_view_xml.h"

#include <algorithm>
#include <stdexcept>

#include "graph/graph.h"
#include "graph/space.h"
#include "persistence/error_texts.h"
#include "persistence/graph_view_files.h"
#include "persistence/graph_view_section.h"
#include "persistence/xml_record.h"
#include "persistence/xml_values.h"
#include "properties/actual_properties.h"
#include "views/coordinate_range.h"
#include "views/edge_view_factory.h"
#include "views/graph_view.h"
#include "views/vertex_view_factory.h"
#include "views/view.h"

namespace nx {

using namespace persistence;

namespace {

constexpr const char* kPenNames[] = {"PenColorR", "PenColorG", "PenColorB"};
constexpr const char* kBackgroundNames[] = {"BackgroundColorR", "BackgroundColorG",
                                            "BackgroundColorB"};

void setColor(TiXmlElement& element, const char* const names[3], const RgbColor& color) {
    element.SetAttribute(names[0], color.red);
    element.SetAttribute(names[1], color.green);
    element.SetAttribute(names[2], color.blue);
}

// A missing channel stays as it is; a number outside 0..255 is clamped.
RgbColor readColor(const TiXmlElement& element, const char* const names[3], RgbColor color) {
    std::uint8_t* channels[] = {&color.red, &color.green, &color.blue};
    for (int i = 0; i < 3; ++i) {
        int value = 0;
        if (element.QueryIntAttribute(names[i], &value) == TIXML_SUCCESS)
            *channels[i] = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
    }
    return color;
}

template <typename V>
TiXmlElement entryElement(const char* name, ElementId id, const ActualProperties& values,
                          const V* view) {
    TiXmlElement entry(name);
    setNumberAttribute(entry, "Id", id);
    TiXmlElement properties("Properties");
    saveValuesXml(properties, values);
    entry.InsertEndChild(properties);
    TiXmlElement viewElement("View");
    if (view) view->saveToXml(viewElement);
    entry.InsertEndChild(viewElement);
    return entry;
}

// The values of an entry's "Properties" element, one child element each.
void readChildValues(const TiXmlElement& properties, ActualProperties& values,
                     const char* missing) {
    const TiXmlElement* child = nullptr;
    for (std::size_t j = 0; j < values.size(); ++j) {
        child = j == 0 ? firstChild(properties) : nextChild(*child);
        if (!child) throw std::runtime_error(missing);
        loadValueXml(values.at(j), *child);
    }
}

void readChildValues(const XmlRecord& properties, ActualProperties& values, const char* missing) {
    for (std::size_t j = 0; j < values.size(); ++j) {
        if (j >= properties.children.size()) throw std::runtime_error(missing);
        loadValueXml(values.at(j), properties.children[j]);
    }
}

const TiXmlElement* childNamed(const TiXmlElement& entry, const char* name) {
    return entry.FirstChildElement(name);
}

const XmlRecord* childNamed(const XmlEntry& entry, const char* name) {
    return entry.child(name);
}

const XmlRecord& headOf(const XmlEntry& entry) {
    return entry.head;
}

const TiXmlElement& headOf(const TiXmlElement& entry) {
    return entry;
}

template <typename Factory>
auto readViewOf(Factory& factory, const TiXmlElement& element) {
    return factory.readView(element);
}

template <typename Factory>
auto readViewOf(Factory& factory, const XmlRecord& record) {
    return factory.readView(RecordFields(record));
}

// "Properties": the count must match the entry's values; each child element fills the next.
template <typename Entry>
void readEntryValues(const Entry& entry, ActualProperties& values, const char* missing) {
    const auto* properties = childNamed(entry, "Properties");
    const long count = properties ? longAttribute(*properties, "PropertyCount") : 0;
    if (count < 0 || static_cast<unsigned long>(count) != values.size())
        throw std::runtime_error(nx::error_texts::kIncorrectPropertyCount);
    if (values.size() > 0) readChildValues(*properties, values, missing);
}

// The count's children in order; `missing` when they run out first.
template <typename Read>
void forEntries(const TiXmlElement& list, long count, const char* missing, Read read) {
    const TiXmlElement* child = nullptr;
    for (long i = 0; i < count; ++i) {
        child = i == 0 ? firstChild(list) : nextChild(*child);
        if (!child) throw std::runtime_error(missing);
        read(*child, static_cast<std::size_t>(i));
    }
}

Space& spaceOf(const GraphView& view) {
    if (!view.space()) throw std::runtime_error(nx::error_texts::kNoSpaceForView);
    return *view.space();
}

}  // namespace

namespace persistence {

TiXmlElement viewTag(const GraphView& view) {
    TiXmlElement element("GraphView");
    setNumberAttribute(element, "GraphId", view.graph() ? view.graph()->id : 0);
    setColor(element, kPenNames, view.penColor());
    setColor(element, kBackgroundNames, view.backgroundColor());
    return element;
}

TiXmlElement defaultVertexViewElement(const GraphView& view) {
    TiXmlElement element("DefaultVertexView");
    if (const VertexView* v = view.storedDefaultVertexView()) v->saveToXml(element);
    return element;
}

TiXmlElement defaultEdgeViewElement(const GraphView& view) {
    TiXmlElement element("DefaultEdgeView");
    if (const EdgeView* v = view.storedDefaultEdgeView()) v->saveToXml(element);
    return element;
}

TiXmlElement vertexEntryElement(const VertexViewEntry& entry) {
    return entryElement("Vertex", entry.vertex->id, *entry.properties, entry.view);
}

TiXmlElement edgeEntryElement(const Edge& edge, const EdgeViewData& data) {
    return entryElement("Edge", edge.id, *data.properties, data.view.get());
}

void readViewHead(GraphView& view, const TiXmlElement& element) {
    Space& space = spaceOf(view);
    view.setGraph(nullptr);
    Graph* graph = space.graphFactory().find(idAttribute(element, "GraphId"));
    if (!graph) throw std::runtime_error(nx::error_texts::kIncorrectViewGraphId);
    view.setGraph(graph);
    view.setPenColor(readColor(element, kPenNames, view.penColor()));
    view.setBackgroundColor(readColor(element, kBackgroundNames, view.backgroundColor()));
    if (const TiXmlElement* child = element.FirstChildElement("DefaultVertexView"))
        if (ViewRef<VertexView> v = vertexViewFactory().readView(*child))
            view.setDefaultVertexView(std::move(v));
    if (const TiXmlElement* child = element.FirstChildElement("DefaultEdgeView"))
        if (ViewRef<EdgeView> v = edgeViewFactory().readView(*child))
            view.setDefaultEdgeView(std::move(v));
}

void checkSequenceCount(const GraphView& view, long count) {
    checkVertexCount(count, view.vertexSequence().size(), view.vertexMap().size());
}

namespace {

template <typename Entry>
void readVertexEntryFrom(GraphView& view, const Entry& entry, std::size_t position) {
    const std::uint64_t id = idAttribute(headOf(entry), "Id");
    Vertex* vertex = spaceOf(view).vertexFactory().at(id);
    if (!vertex || view.vertexSequence()[position].vertex != vertex) {
        const std::size_t* at = vertex ? view.vertexMap().find(vertex) : nullptr;
        if (!at) throw vertexNotInView(id, view.vertexMap().size(), view.graph());
        view.placeInSequence(vertex, position);
    }
    readEntryValues(entry, *view.vertexSequence()[position].properties,
                    nx::error_texts::kErrorReadingVertexProperties);
    const auto* viewElement = childNamed(entry, "View");
    ViewRef<VertexView> v = viewElement ? readViewOf(vertexViewFactory(), *viewElement) : nullptr;
    view.setVertexViewAt(position, v ? std::move(v) : view.defaultVertexView());
}

template <typename Entry>
void readEdgeEntryFrom(GraphView& view, const Entry& entry) {
    Space& space = spaceOf(view);
    Edge* edge = nullptr;
    {
        ScopedLock lock(&space.edgeFactory().mutex());
        edge = space.edgeFactory().at(idAttribute(headOf(entry), "Id"));
    }
    const std::size_t slot = edge ? view.edgeMap().slotOf(edge) : GraphView::EdgeMap::npos;
    if (slot == GraphView::EdgeMap::npos) throw std::runtime_error(nx::error_texts::kEdgeNotFound);
    readEntryValues(entry, *view.edgeMap().atSlot(slot).properties,
                    "Error reading edge properties");
    const auto* viewElement = childNamed(entry, "View");
    ViewRef<EdgeView> v = viewElement ? readViewOf(edgeViewFactory(), *viewElement) : nullptr;
    view.setEdgeViewAt(edge, slot, v ? std::move(v) : view.defaultEdgeView());
}

}  // namespace

void readVertexEntry(GraphView& view, const TiXmlElement& entry, std::size_t position) {
    readVertexEntryFrom(view, entry, position);
}

void readVertexEntry(GraphView& view, const XmlEntry& entry, std::size_t position) {
    readVertexEntryFrom(view, entry, position);
}

void readEdgeEntry(GraphView& view, const TiXmlElement& entry) {
    readEdgeEntryFrom(view, entry);
}

void readEdgeEntry(GraphView& view, const XmlEntry& entry) {
    readEdgeEntryFrom(view, entry);
}

void finishViewRead(GraphView& view) {
    view.synchronize();
    clampVertexCoordinates(view);
    view.rebuildSelection();
}

}  // namespace persistence

void saveXml(GraphView& view, TiXmlElement& element) {
    ScopedLock lock(&view.mutex());
    const TiXmlElement tag = viewTag(view);
    for (const TiXmlAttribute* a = tag.FirstAttribute(); a; a = a->Next())
        element.SetAttribute(a->Name(), a->Value());
    element.InsertEndChild(defaultVertexViewElement(view));
    element.InsertEndChild(defaultEdgeViewElement(view));

    TiXmlElement sequence("VertexSequence");
    setNumberAttribute(sequence, "Count", view.vertexSequence().size());
    for (const VertexViewEntry entry : view.vertexSequence())
        sequence.InsertEndChild(vertexEntryElement(entry));
    element.InsertEndChild(sequence);

    TiXmlElement edges("Edges");
    setNumberAttribute(edges, "Count", view.edgeMap().size());
    for (const auto& [edge, data] : view.edgeMap())
        edges.InsertEndChild(edgeEntryElement(*edge, data));
    element.InsertEndChild(edges);
}

void loadXml(GraphView& view, const TiXmlElement& spaceElement) {
    spaceOf(view);
    for (const TiXmlElement* element = spaceElement.FirstChildElement("GraphView"); element;
         element = element->NextSiblingElement("GraphView")) {
        readViewHead(view, *element);
        if (const TiXmlElement* list = element->FirstChildElement("VertexSequence")) {
            const long count = longAttribute(*list, "Count");
            checkSequenceCount(view, count);
            forEntries(
                *list, count, "Error reading vertices",
                [&](const TiXmlElement& entry, std::size_t i) { readVertexEntry(view, entry, i); });
        }
        if (const TiXmlElement* list = element->FirstChildElement("Edges"))
            forEntries(*list, longAttribute(*list, "Count"), "Error reading edges",
                       [&](const TiXmlElement& entry, std::size_t) { readEdgeEntry(view, entry); });
        finishViewRead(view);
    }
}

}  // namespace nx
