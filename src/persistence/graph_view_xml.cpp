// The graph view's "GraphView" element of the XML file.
#include <tinyxml.h>

#include <algorithm>
#include <stdexcept>

#include "graph/graph.h"
#include "graph/space.h"
#include "persistence/graph_view_section.h"
#include "persistence/xml_values.h"
#include "properties/actual_properties.h"
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
void readColor(const TiXmlElement& element, const char* const names[3], RgbColor& color) {
    std::uint8_t* channels[] = {&color.red, &color.green, &color.blue};
    for (int i = 0; i < 3; ++i) {
        int value = 0;
        if (element.QueryIntAttribute(names[i], &value) == TIXML_SUCCESS)
            *channels[i] = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
    }
}

TiXmlElement entryElement(const char* name, ElementId id, const ActualProperties& values,
                          const auto* view) {
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

// "Properties": the count must match the entry's values; each child element fills the next.
void readEntryValues(const TiXmlElement& entry, ActualProperties& values, const char* missing) {
    const TiXmlElement* properties = entry.FirstChildElement("Properties");
    const long count = properties ? longAttribute(*properties, "PropertyCount") : 0;
    if (count < 0 || static_cast<unsigned long>(count) != values.size())
        throw std::runtime_error("Incorrect number of properties");
    const TiXmlElement* child = nullptr;
    for (std::size_t j = 0; j < values.size(); ++j) {
        child = j == 0 ? firstChild(*properties) : nextChild(*child);
        if (!child) throw std::runtime_error(missing);
        loadValueXml(values.at(j), *child);
    }
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

}  // namespace

void GraphView::saveXml(TiXmlElement& element) {
    ScopedLock lock(&mutex_);
    setNumberAttribute(element, "GraphId", graph_ ? graph_->id : 0);
    setColor(element, kPenNames, penColor);
    setColor(element, kBackgroundNames, backgroundColor);

    TiXmlElement defaultVertex("DefaultVertexView");
    if (defaultVertexView_) defaultVertexView_->saveToXml(defaultVertex);
    element.InsertEndChild(defaultVertex);
    TiXmlElement defaultEdge("DefaultEdgeView");
    if (defaultEdgeView_) defaultEdgeView_->saveToXml(defaultEdge);
    element.InsertEndChild(defaultEdge);

    TiXmlElement sequence("VertexSequence");
    setNumberAttribute(sequence, "Count", sequence_.size());
    for (const VertexViewEntry& entry : sequence_)
        sequence.InsertEndChild(
            entryElement("Vertex", entry.vertex->id, *entry.properties, entry.view));
    element.InsertEndChild(sequence);

    TiXmlElement edges("Edges");
    setNumberAttribute(edges, "Count", edgeMap_.size());
    for (const auto& [edge, data] : edgeMap_)
        edges.InsertEndChild(entryElement("Edge", edge->id, *data.properties, data.view));
    element.InsertEndChild(edges);
}

void GraphView::loadXml(const TiXmlElement& spaceElement) {
    if (!space_) throw std::runtime_error("nx::GraphView error: no space to read the view into");
    for (const TiXmlElement* element = spaceElement.FirstChildElement("GraphView"); element;
         element = element->NextSiblingElement("GraphView")) {
        setGraph(nullptr);
        Graph* graph = space_->graphFactory().find(idAttribute(*element, "GraphId"));
        if (!graph)
            throw std::runtime_error(
                "Incorrect GraphId found file reading GraphView from xml file");
        setGraph(graph);
        readColor(*element, kPenNames, penColor);
        readColor(*element, kBackgroundNames, backgroundColor);

        if (const TiXmlElement* child = element->FirstChildElement("DefaultVertexView"))
            if (VertexView* view = vertexViewFactory().readView(*child)) setDefaultVertexView(view);
        if (const TiXmlElement* child = element->FirstChildElement("DefaultEdgeView"))
            if (EdgeView* view = edgeViewFactory().readView(*child)) setDefaultEdgeView(view);

        if (const TiXmlElement* list = element->FirstChildElement("VertexSequence")) {
            const long count = longAttribute(*list, "Count");
            checkVertexCount(count, sequence_.size(), vertexMap_.size());
            forEntries(*list, count, "Error reading vertices",
                       [&](const TiXmlElement& entry, std::size_t i) {
                           const std::uint64_t id = idAttribute(entry, "Id");
                           Vertex* vertex = space_->vertexFactory().at(id);
                           if (!vertex || !vertexMap_.find(vertex))
                               throw vertexNotInView(id, vertexMap_.size(), graph_);
                           placeInSequence(vertex, i);
                           readEntryValues(entry, *sequence_[i].properties,
                                           "Error reading vertex properties");
                           const TiXmlElement* viewElement = entry.FirstChildElement("View");
                           VertexView* view =
                               viewElement ? vertexViewFactory().readView(*viewElement) : nullptr;
                           setVertexView(vertex, view ? view : defaultVertexView());
                       });
        }

        if (const TiXmlElement* list = element->FirstChildElement("Edges")) {
            forEntries(*list, longAttribute(*list, "Count"), "Error reading edges",
                       [&](const TiXmlElement& entry, std::size_t) {
                           Edge* edge = nullptr;
                           {
                               ScopedLock lock(&space_->edgeFactory().mutex());
                               edge = space_->edgeFactory().at(idAttribute(entry, "Id"));
                           }
                           EdgeViewData* data = edge ? edgeMap_.find(edge) : nullptr;
                           if (!data) throw std::runtime_error("Edge not found");
                           readEntryValues(entry, *data->properties,
                                           "Error reading edge properties");
                           const TiXmlElement* viewElement = entry.FirstChildElement("View");
                           EdgeView* view =
                               viewElement ? edgeViewFactory().readView(*viewElement) : nullptr;
                           setEdgeView(edge, view ? view : defaultEdgeView());
                       });
        }

        synchronize();
        rebuildSelection();
    }
}

}  // namespace nx
