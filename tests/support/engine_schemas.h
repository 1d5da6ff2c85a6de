// The schemas engine tests and benchmarks open their documents with.
#pragma once

#include "engine/control_engine.h"

namespace engine_test {

// Name and Weight in the space, the layouts' working values in the graph, X, Y and
// Selected in the view.
inline void addStandardVertexSchemas(ramulo::ControlEngine& engine) {
    for (const char16_t* name : {u"Name", u"Weight"}) engine.AddVertexPropertyByName(name, 0);
    for (const char16_t* name : {u"_V1", u"_I1", u"_I2", u"_I3", u"_R1", u"_R2"})
        engine.AddVertexPropertyByName(name, 1);
    for (const char16_t* name : {u"X", u"Y", u"Selected"}) engine.AddVertexPropertyByName(name, 2);
}

// Name in the space, _V1 in the graph, Selected and _I1 in the view.
inline void addStandardEdgeSchemas(ramulo::ControlEngine& engine) {
    engine.AddEdgePropertyByName(u"Name", 0);
    engine.AddEdgePropertyByName(u"_V1", 1);
    engine.AddEdgePropertyByName(u"Selected", 2);
    engine.AddEdgePropertyByName(u"_I1", 2);
}

}  // namespace engine_test
