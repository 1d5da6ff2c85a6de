// Level-preferring lookup of label properties for the vertex and edge views.
#include "views/label_properties.h"

#include <algorithm>
#include <charconv>
#include <typeinfo>

#include "graph/graph.h"
#include "properties/actual_properties.h"
#include "properties/named_properties.h"
#include "properties/primitive.h"
#include "properties/string_property.h"

namespace nx {

namespace {

// A level's list is a value list or, at the graph level, the member schema, whose order
// every member's values share; both answer size() and find().
template <typename List>
std::size_t indexIn(const List* list, const Property& prototype) {
    return list ? list->find(prototype) : kNoIndex;
}

// The three list lengths in one word (a missing list counts as length 0, a present one as
// its length + 1); 0 when a list is too long to pack, which is never remembered.
std::uint64_t lengths(const ActualProperties* space, const FormalProperties* graph,
                      const ActualProperties* view) {
    constexpr std::uint64_t kLimit = (std::uint64_t{1} << 21) - 1;
    const std::uint64_t n[] = {space ? space->size() + 1 : 0, graph ? graph->size() + 1 : 0,
                               view ? view->size() + 1 : 0};
    std::uint64_t packed = 0;
    for (const std::uint64_t length : n) {
        if (length >= kLimit) return 0;
        packed = (packed << 21) | length;
    }
    return packed | (std::uint64_t{1} << 63);
}

const Property* pick(const Property* p, const Property& prototype) {
    return p && typeid(*p) == typeid(prototype) ? p : nullptr;
}

template <typename Element, typename GraphValues>
const Property* lookup(const Property& prototype, PropertyIndexCache& cache, const Element& element,
                       const FormalProperties* graphSchema, GraphValues graphValues,
                       const ActualProperties* viewProperties) {
    // One call works with one copy of the positions.
    std::size_t space = cache.space.load(std::memory_order_relaxed);
    std::size_t graph = cache.graph.load(std::memory_order_relaxed);
    std::size_t view = cache.view.load(std::memory_order_relaxed);
    if (space == kNoIndex && graph == kNoIndex && view == kNoIndex) {
        const ActualProperties* spaceList = element.properties.get();
        const std::uint64_t shape = lengths(spaceList, graphSchema, viewProperties);
        if (shape != 0 && cache.absentFor.load(std::memory_order_relaxed) == shape)
            return nullptr;  // searched these lists before and found nothing
        space = indexIn(spaceList, prototype);
        graph = indexIn(graphSchema, prototype);
        view = indexIn(viewProperties, prototype);
        cache.space.store(space, std::memory_order_relaxed);
        cache.graph.store(graph, std::memory_order_relaxed);
        cache.view.store(view, std::memory_order_relaxed);
        if (space == kNoIndex && graph == kNoIndex && view == kNoIndex) {
            cache.absentFor.store(shape, std::memory_order_relaxed);
            return nullptr;
        }
    }
    if (viewProperties && view < viewProperties->size())
        return pick(&viewProperties->at(view), prototype);
    if (graphSchema && graph < graphSchema->size()) {
        if (const ActualProperties* values = graphValues(); values && graph < values->size())
            return pick(&values->at(graph), prototype);
    }
    if (element.properties && space < element.properties->size())
        return pick(&element.properties->at(space), prototype);
    return nullptr;
}

}  // namespace

const Property* findLabelProperty(const Property& prototype, PropertyIndexCache& cache,
                                  const Vertex& vertex, const Graph* graph,
                                  const ActualProperties* viewProperties) {
    auto graphValues = [&]() -> const ActualProperties* {
        return graph && graph->contains(vertex) ? &graph->vertexProperties(vertex) : nullptr;
    };
    return lookup(prototype, cache, vertex, graph ? graph->vertexSchema() : nullptr, graphValues,
                  viewProperties);
}

const Property* findLabelProperty(const Property& prototype, PropertyIndexCache& cache,
                                  const Edge& edge, const Graph* graph,
                                  const ActualProperties* viewProperties) {
    auto graphValues = [&]() -> const ActualProperties* {
        return graph && graph->contains(edge) ? &graph->edgeProperties(edge) : nullptr;
    };
    return lookup(prototype, cache, edge, graph ? graph->edgeSchema() : nullptr, graphValues,
                  viewProperties);
}

std::u16string labelText(const Property& property) {
    if (auto* name = dynamic_cast<const String*>(&property)) return name->get();
    if (auto* number = dynamic_cast<const PropertyTemplate::Int*>(&property)) {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, number->get()).ptr;
        return std::u16string(digits, end);
    }
    const std::string text = property.toText();
    return std::u16string(text.begin(), text.end());  // text forms of numbers are ASCII
}

std::size_t labelLength(const Property& property) {
    if (auto* name = dynamic_cast<const String*>(&property)) return name->get().size();
    if (auto* number = dynamic_cast<const PropertyTemplate::Int*>(&property)) {
        char digits[16];
        return static_cast<std::size_t>(
            std::to_chars(digits, digits + sizeof digits, number->get()).ptr - digits);
    }
    return labelText(property).size();
}

Rect labelledUpdateRectangle(const Rect& box, const Property* name, const Property* weight) {
    Rect r = box;
    int n = 0;
    int m = 0;
    if (name) n = 6 * static_cast<int>(static_cast<const Name*>(name)->get().size());
    if (weight) m = 2 * (3 * static_cast<int>(labelLength(*weight)) + 6);
    if (n != 0 || m != 0) {
        const int wide = std::max(n, m);
        r.left -= wide;
        r.right += wide;
        r.top -= 16;
        r.bottom += 16;
    }
    return {r.left - 2, r.top - 2, r.right + 2, r.bottom + 2};
}

}  // namespace nx
