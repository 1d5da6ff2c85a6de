// Property types, schemas, and element values read and written by index and by type name.
#include <gtest/gtest.h>

#include <functional>

#include "engine/control_engine.h"
#include "engine/error_texts.h"
#include "engine/property_variant.h"
#include "engine_fixture.h"
#include "graph/error_texts.h"
#include "properties/error_texts.h"

using namespace ramulo;

namespace {

using namespace engine_test;

const char* const kLevelRule =
    "\nPropertyLevel can only be 0 (space-level), 1 (graph-level) or 2 (view-level).";

// A Variant's value in one comparable form.
std::string show(const Variant& v) {
    switch (v.vt) {
        case VT_INT:
            return "INT " + std::to_string(v.intVal);
        case VT_BOOL:
            return "BOOL " + std::to_string(v.boolVal);
        case VT_R8:
            return "R8 " + std::to_string(v.dblVal);
        case VT_BSTR:
            return "BSTR " + std::string(v.bstrVal.begin(), v.bstrVal.end());
        case VT_EMPTY:
            return "EMPTY";
        default:
            return "VT " + std::to_string(v.vt);
    }
}

Variant fromVt(VARTYPE vt, std::int64_t bits) {
    Variant v;
    v.vt = vt;
    v.llVal = bits;
    return v;
}

TEST(PropertyRegistryMembers, NamesAndIdsMatchCaseSensitively) {
    ASSERT_EQ(ControlEngine::PropertyTypeCount(), 19u);
    for (std::uint32_t id = 0; id < 19; ++id)
        EXPECT_EQ(ControlEngine::PropertyTypeID(ControlEngine::PropertyTypeName(id)), id);
    EXPECT_EQ(ControlEngine::PropertyTypeName(2), u"X");
    EXPECT_EQ(errorOf([] { ControlEngine::PropertyTypeID(u"name"); }),
              "Ramulo Control: Property name does not exist.");
    EXPECT_THROW(ControlEngine::PropertyTypeName(19), std::runtime_error);
}

TEST(PropertyAccessWithoutDocument, AnswersZeroAndEmpty) {
    ControlEngine engine;
    EXPECT_EQ(engine.GraphPropertyCount(), 0u);
    EXPECT_EQ(engine.VertexPropertyCount(0), 0u);
    EXPECT_EQ(engine.FindVertexPropertyIndex(2, 3), 0u);  // no schemas: not even a level check
    EXPECT_EQ(engine.FindGraphPropertyIndex(0), 0u);
    EXPECT_EQ(engine.GetGraphPropertyValue(0).vt, VT_EMPTY);
    EXPECT_EQ(engine.GetVertexPropertyValue(0, 0, 0).vt, VT_EMPTY);
    engine.AddVertexProperty(2, 0);
    engine.SetGraphPropertyValue(0, Variant::fromInt(1));
    engine.Init();
    EXPECT_EQ(engine.VertexPropertyCount(0), 0u);
    // Initialised but not open: schemas answer, values do not.
    engine.AddVertexProperty(2, 0);
    EXPECT_EQ(engine.VertexPropertyCount(0), 1u);
    EXPECT_EQ(engine.GetVertexPropertyValue(0, 0, 0).vt, VT_EMPTY);
}

TEST_F(OpenDocument, SchemasGrowByTypeAndAnswerFirstIndices) {
    EXPECT_EQ(engine.VertexPropertyCount(1), 6u);
    EXPECT_EQ(engine.EdgePropertyCount(2), 2u);
    EXPECT_EQ(engine.GraphPropertyCount(), 2u);
    EXPECT_EQ(engine.VertexPropertyCount(3), 0u);
    const std::uint32_t x = ControlEngine::PropertyTypeID(u"X");
    EXPECT_EQ(engine.FindVertexPropertyIndex(x, 2), 0u);
    EXPECT_EQ(engine.FindVertexPropertyIndex(x, 0), kNoPropertyIndex);
    engine.AddVertexProperty(x, 2);  // the same type twice: the first one answers
    EXPECT_EQ(engine.VertexPropertyCount(2), 4u);
    EXPECT_EQ(engine.FindVertexPropertyIndex(x, 2), 0u);
    engine.AddEdgeProperty(x, 9);  // no such level: nothing
    EXPECT_EQ(engine.EdgePropertyCount(0) + engine.EdgePropertyCount(1), 2u);
    // Exact class: the Int family's base type is not found through X.
    EXPECT_EQ(engine.FindGraphPropertyIndex(ControlEngine::PropertyTypeID(u"Int")), 1u);
    EXPECT_EQ(engine.FindGraphPropertyIndex(x), kNoPropertyIndex);

    // The automation forms ignore the element, the graph's level and the starting point.
    const std::uint32_t name = ControlEngine::PropertyTypeID(u"Name");
    for (std::uint32_t element : {0u, 77u, kNoElement})
        for (std::uint16_t from : {0, 1, 500}) {
            EXPECT_EQ(engine.FindGraphPropertyIndex(element, name, from, from), 0u);
            EXPECT_EQ(engine.FindVertexPropertyIndex(element, x, 2, from), 0u);
            EXPECT_EQ(engine.FindEdgePropertyIndex(element, name, 0, from), 0u);
        }
    EXPECT_EQ(errorOf([&] { engine.FindEdgePropertyIndex(0, name, 4, 0); }),
              errorOf([&] { engine.FindEdgePropertyIndex(name, 4); }));
}

TEST_F(OpenDocument, ErrorsNameTheirOperationAsHostsSeeThem) {
    const std::uint32_t v = engine.AddVertex();
    const std::uint32_t e = engine.AddEdge(v, v);
    const Variant one = Variant::fromInt(1);
    struct Case {
        const char* what;
        std::function<void()> call;
        std::string text;
    } cases[] = {
        {"vertex get, unknown ID", [&] { engine.GetVertexPropertyValue(12345, 0, 0); },
         nx::error_texts::kControlIncorrectVertexId},
        {"vertex put, unknown ID", [&] { engine.SetVertexPropertyValue(12345, 0, 0, one); },
         nx::error_texts::kIncorrectVertexId},
        {"edge get, unknown ID", [&] { engine.GetEdgePropertyValue(99, 0, 0); },
         nx::error_texts::kIncorrectEdgeId},
        {"edge put, unknown ID", [&] { engine.SetEdgePropertyValue(99, 0, 0, one); },
         nx::error_texts::kIncorrectEdgeId},
        {"vertex index, level 3", [&] { engine.FindVertexPropertyIndex(2, 3); },
         std::string("Ramulo Control: Error in FindVertexPropertyIndex. PropertyLevel is 3.") +
             kLevelRule},
        {"edge index, level 3", [&] { engine.FindEdgePropertyIndex(2, 3); },
         std::string("Ramulo Control: Error in FindEdgePropertyIndex. PropertyLevel is 3.") +
             kLevelRule},
        {"vertex get, level 5", [&] { engine.GetVertexPropertyValue(v, 0, 5); },
         std::string("Ramulo Control: Error in GetVertexPropertyValue. PropertyLevel is 5.") +
             kLevelRule},
        {"vertex put, level 5", [&] { engine.SetVertexPropertyValue(v, 0, 5, one); },
         nx::error_texts::kIncorrectPropertyIndex},
        {"edge get, level 5", [&] { engine.GetEdgePropertyValue(e, 0, 5); },
         nx::error_texts::kIncorrectPropertyIndex},
        {"vertex get, index past the end", [&] { engine.GetVertexPropertyValue(v, 3, 2); },
         nx::error_texts::kControlIncorrectPropertyIndex},
        {"vertex put, index past the end", [&] { engine.SetVertexPropertyValue(v, 3, 2, one); },
         nx::error_texts::kIncorrectPropertyIndex},
        {"graph get, index past the end", [&] { engine.GetGraphPropertyValue(2); },
         nx::error_texts::kIncorrectPropertyIndex},
        {"vertex by name, type not in the list",
         [&] { engine.GetVertexPropertyValueByName(v, u"Z", 2); },
         nx::error_texts::kControlIncorrectPropertyIndex},
        {"edge by name, type not in the list",
         [&] { engine.SetEdgePropertyValueByName(e, u"X", 0, one); },
         nx::error_texts::kIncorrectPropertyIndex},
        {"by name, unknown type", [&] { engine.GetGraphPropertyValueByName(u"x"); },
         "Ramulo Control: Property x does not exist."},
        {"Int reader", [&] { engine.SetVertexPropertyValueByName(v, u"X", 2, {}); },
         nx::error_texts::kFailedToReadInt},
    };
    for (const Case& c : cases) EXPECT_EQ(errorOf(c.call), c.text) << c.what;
    EXPECT_EQ(engine.FindVertexPropertyIndex(ControlEngine::PropertyTypeID(u"Z"), 2),
              kNoPropertyIndex);
}

TEST_F(OpenDocument, PlainErrorsAreNeitherRuntimeNorLogicErrors) {
    try {
        engine.GetVertexPropertyValue(12345, 0, 0);
        FAIL();
    } catch (const std::runtime_error&) {
        FAIL() << "runtime error";
    } catch (const PlainError&) {
    }
}

TEST_F(OpenDocument, ValuesOfElementsOutsideTheGraphOrOlderThanTheSchemaFail) {
    const std::uint32_t old = engine.AddVertex();
    engine.AddVertexPropertyByName(u"Z", 2);
    const std::uint16_t z = engine.FindVertexPropertyIndex(ControlEngine::PropertyTypeID(u"Z"), 2);
    EXPECT_EQ(errorOf([&] { engine.GetVertexPropertyValue(old, z, 2); }),
              nx::error_texts::kControlIncorrectPropertyIndex);
    const std::uint32_t young = engine.AddVertex();
    EXPECT_EQ(show(engine.GetVertexPropertyValue(young, z, 2)), "INT 0");

    engine.NewTree(true, &host);  // old and young stay in the space only
    EXPECT_EQ(errorOf([&] { engine.GetVertexPropertyValue(old, 0, 1); }),
              nx::error_texts::kVertexPropertiesNotFound);
    EXPECT_EQ(errorOf([&] { engine.GetVertexPropertyValue(old, 0, 2); }),
              nx::error_texts::kVertexPropertiesNotFound);
    EXPECT_EQ(show(engine.GetVertexPropertyValue(young, 0, 0)), "BSTR ");
}

// Every registered type, written through one VT and read back as its class's VT.
struct KindCase {
    const char16_t* type;
    Variant written;
    std::string read;
};

std::vector<KindCase> everyKind() {
    return {
        {u"Name", Variant::fromString(u"Ann"), "BSTR Ann"},
        {u"Color", Variant::fromString(u"White"), "INT 2"},  // colours read by name
        {u"X", Variant::fromString(u"17"), "INT 17"},
        {u"Y", Variant::fromI4(-5), "INT -5"},
        {u"Z", Variant::fromUI2(7), "INT 7"},
        {u"Selected", Variant::fromBool(true), "BOOL -1"},
        {u"Weight", Variant::fromR8(3), "INT 3"},
        {u"Visited", Variant::fromI2(1), "BOOL -1"},
        {u"String", Variant::fromString(u"a b"), "BSTR a b"},
        {u"Int", Variant::fromBool(true), "INT -1"},
        {u"Real", Variant::fromR4(2.5f), "R8 2.500000"},
        {u"Bool", Variant::fromI4(0), "BOOL 0"},
        {u"Pointer", Variant::fromString(u"00000000000000ff"), "BSTR 00000000000000ff"},
        {u"_I1", Variant::fromUI4(9), "INT 9"},
        {u"_I2", fromVt(VT_I8, -3), "INT -3"},
        {u"_I3", fromVt(VT_UI1, '7'), "INT 7"},
        {u"_R1", Variant::fromString(u"1.25"), "R8 1.250000"},
        {u"_R2", fromVt(VT_INT, 4), "R8 4.000000"},
        {u"_V1", fromVt(VT_INT, 0), "BOOL 0"},
    };
}

TEST(PropertyAccessOfEveryKind, ByIndexAndByNameAtEveryLevel) {
    ControlEngine engine;
    engine.Init();
    const std::vector<KindCase> kinds = everyKind();
    ASSERT_EQ(kinds.size(), ControlEngine::PropertyTypeCount());
    for (const KindCase& k : kinds) {
        for (std::uint16_t level : {0, 1, 2}) {
            engine.AddVertexPropertyByName(k.type, level);
            engine.AddEdgePropertyByName(k.type, level);
        }
        engine.AddGraphPropertyByName(k.type);
    }
    ScriptedHostWindow host;
    engine.NewTree(true, &host);
    const std::uint32_t v = engine.AddVertex();
    const std::uint32_t e = engine.AddEdge(v, v);
    for (std::uint16_t i = 0; i < kinds.size(); ++i) {
        const KindCase& k = kinds[i];
        const std::string type(k.type, k.type + std::char_traits<char16_t>::length(k.type));
        for (std::uint16_t level : {0, 1, 2}) {
            engine.SetVertexPropertyValue(v, i, level, k.written);
            EXPECT_EQ(show(engine.GetVertexPropertyValueByName(v, k.type, level)), k.read)
                << type << " vertex level " << level;
            engine.SetEdgePropertyValueByName(e, k.type, level, k.written);
            EXPECT_EQ(show(engine.GetEdgePropertyValue(e, i, level)), k.read)
                << type << " edge level " << level;
        }
        engine.SetGraphPropertyValueByName(k.type, k.written);
        EXPECT_EQ(show(engine.GetGraphPropertyValue(i)), k.read) << type << " graph";
    }
}

TEST_F(OpenDocument, PutsReachOnlyTheAddressedLevel) {
    const std::uint32_t v = engine.AddVertex();
    engine.SetVertexPropertyValueByName(v, u"_I1", 1, Variant::fromInt(5));
    engine.SetVertexPropertyValueByName(v, u"X", 2, Variant::fromInt(40));
    EXPECT_EQ(engine.graph()->vertexProperties(*vertex(v)).size(), 6u);
    EXPECT_EQ(show(engine.GetVertexPropertyValue(v, 1, 1)), "INT 5");
    EXPECT_EQ(engine.view()->getX(vertex(v), engine.view()->vertexViewProperties(vertex(v))), 40);
    // A host string keeps the separator and line feeds it carries.
    engine.SetVertexPropertyValueByName(v, u"Name", 0, Variant::fromString(u"a,b;c\nd"));
    EXPECT_EQ(show(engine.GetVertexPropertyValueByName(v, u"Name", 0)), "BSTR a,b;c\nd");
}

// Positions the view draws (graph and view level) are clamped to the coordinate range;
// a space-level X is a plain value and keeps what the host gave.
TEST_F(OpenDocument, PutPositionsAreKeptInsideTheCoordinateRange) {
    engine.AddVertexPropertyByName(u"X", 0);
    engine.AddVertexPropertyByName(u"Y", 1);
    const std::uint32_t v = engine.AddVertex();
    struct Case {
        const char16_t* type;
        std::uint16_t level;
        Variant written;
        const char* read;
    } cases[] = {
        {u"X", 2, Variant::fromI4(2147483647), "INT 1000000000"},
        {u"Y", 2, Variant::fromString(u"-2000000000"), "INT -1000000000"},
        {u"X", 2, Variant::fromI4(-1000000000), "INT -1000000000"},
        {u"Y", 1, Variant::fromI4(1500000000), "INT 1000000000"},
        {u"X", 0, Variant::fromI4(2147483647), "INT 2147483647"},
    };
    for (const Case& c : cases) {
        engine.SetVertexPropertyValueByName(v, c.type, c.level, c.written);
        EXPECT_EQ(show(engine.GetVertexPropertyValueByName(v, c.type, c.level)), c.read)
            << c.read << " at level " << c.level;
    }
}

}  // namespace
