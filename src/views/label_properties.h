// Finds an element's Name or Weight at view, graph or space level, with cached positions.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>

#include "properties/property_values.h"
#include "views/geometry.h"

namespace nx {

class ActualProperties;
class Edge;
class Graph;
class Property;
class Vertex;

// Positions of one property class among the space-level values, the graph's member
// schema and the view-level values; recomputed while all three are unknown. A class found
// at no level is remembered with the three lists' lengths, so that the common absent label
// (a Weight nobody added) costs no search per element until a list grows or shrinks. A
// shared view holds it for every document, so the positions are atomics: documents on
// other threads read and store them without a data race, and every position is checked
// before use.
struct PropertyIndexCache {
    std::atomic<std::size_t> space{kNoIndex};
    std::atomic<std::size_t> graph{kNoIndex};
    std::atomic<std::size_t> view{kNoIndex};
    std::atomic<std::uint64_t> absentFor{0};  // packed list lengths; 0 while not known absent

    void reset() {
        space.store(kNoIndex, std::memory_order_relaxed);
        graph.store(kNoIndex, std::memory_order_relaxed);
        view.store(kNoIndex, std::memory_order_relaxed);
        absentFor.store(0, std::memory_order_relaxed);
    }
};

// Prefers the view level, then the graph level, then the space level; answers the
// property only when it is of exactly the prototype's class.
const Property* findLabelProperty(const Property& prototype, PropertyIndexCache& cache,
                                  const Vertex& vertex, const Graph* graph,
                                  const ActualProperties* viewProperties);
const Property* findLabelProperty(const Property& prototype, PropertyIndexCache& cache,
                                  const Edge& edge, const Graph* graph,
                                  const ActualProperties* viewProperties);

// A label text as UTF-16: a Name's value, or any other property's text form.
std::u16string labelText(const Property& property);
// The number of characters of labelText, without building it for names and integers.
std::size_t labelLength(const Property& property);

// A vertex's update rectangle around its shape's box, whichever positions its labels take:
// with a name (6 a character) or a weight (bracketed, 6 a character), as much wider on each
// side as the longer needs and 16 higher and lower; then 2 more all round.
Rect labelledUpdateRectangle(const Rect& box, const Property* name, const Property* weight);

}  // namespace nx
