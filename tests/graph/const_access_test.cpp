// Const owners hand out const values; writers reach members' values through a non-const graph.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>

#include "document_fixture.h"
#include "graph/graph.h"
#include "properties/owned.h"
#include "properties/property_list.h"

namespace nx {
namespace {

// What dereferencing P gives, and whether that is const.
template <typename P>
constexpr bool givesConst = std::is_const_v<std::remove_reference_t<decltype(*std::declval<P>())>>;

// The owner: const in, const out; otherwise as wide as a unique_ptr.
static_assert(std::is_same_v<decltype(std::declval<const Owned<Property>&>().get()),
                             const Property*>);
static_assert(std::is_same_v<decltype(std::declval<const Owned<Property>&>().operator->()),
                             const Property*>);
static_assert(givesConst<const Owned<Property>&>);
static_assert(!givesConst<Owned<Property>&>);
static_assert(std::is_same_v<decltype(std::declval<Owned<Property>&>().get()), Property*>);
static_assert(!std::is_copy_constructible_v<Owned<Property>>);
static_assert(sizeof(Owned<Property>) == sizeof(std::unique_ptr<Property>));
static_assert(sizeof(MemberValues) == sizeof(std::unique_ptr<ActualProperties>));

// A value list's slots.
static_assert(givesConst<decltype(std::declval<const detail::PropertyList&>()[0])>);
static_assert(givesConst<decltype(*std::declval<const detail::PropertyList&>().begin())>);
static_assert(!givesConst<decltype(std::declval<detail::PropertyList&>()[0])>);
static_assert(sizeof(detail::PropertyList) == sizeof(void*) + 2 * sizeof(std::uint32_t));
static_assert(std::is_same_v<decltype(std::declval<const PropertyValues&>().at(0)),
                             const Property&>);

// A const graph's members, iterated and looked up.
using ConstVertexSlot = decltype(*std::declval<const Graph&>().vertices().begin());
using ConstEdgeSlot = decltype(*std::declval<const Graph&>().edges().begin());
static_assert(givesConst<decltype((std::declval<ConstVertexSlot>().second.properties))>);
static_assert(givesConst<decltype((std::declval<ConstEdgeSlot>().second))>);
static_assert(
    givesConst<decltype((std::declval<const Graph&>().vertices().find(nullptr)->properties))>);
static_assert(givesConst<decltype(*std::declval<const Graph&>().edges().find(nullptr))>);
static_assert(std::is_same_v<decltype(std::declval<const Graph&>().vertexProperties(
                                 std::declval<const Vertex&>())),
                             const ActualProperties&>);
static_assert(std::is_same_v<decltype(std::declval<const Graph&>().edgeProperties(
                                 std::declval<const Edge&>())),
                             const ActualProperties&>);
static_assert(givesConst<decltype(std::declval<const Graph&>().graphProperties())>);

// The writers' path: values writable, keys handed out by copy.
using VertexMember = decltype(*std::declval<Graph&>().vertexMembers().begin());
using EdgeMember = decltype(*std::declval<Graph&>().edgeMembers().begin());
static_assert(!std::is_reference_v<VertexMember> && !std::is_reference_v<EdgeMember>);
static_assert(!givesConst<decltype((std::declval<VertexMember>().value.properties))>);
static_assert(!givesConst<decltype((std::declval<EdgeMember>().value))>);

TEST(Owned, PassesOwnershipToAndFromUniquePointers) {
    // The only owner that deletes is the last one holding the object.
    struct Counted {
        explicit Counted(int& live) : live(live) { ++live; }
        ~Counted() { --live; }
        int& live;
    };
    int live = 0;
    Owned<Counted> owner = std::make_unique<Counted>(live);
    ASSERT_EQ(live, 1);
    Counted* object = owner.get();
    std::unique_ptr<Counted> back = std::move(owner);
    EXPECT_EQ(back.get(), object);
    EXPECT_TRUE(owner == nullptr);
    EXPECT_EQ(live, 1);

    owner = std::move(back);
    EXPECT_EQ(owner.get(), object);
    Counted* let = owner.release();  // a borrower lets go without deleting
    EXPECT_EQ(live, 1);
    owner.reset(let);
    owner = nullptr;
    EXPECT_EQ(live, 0);
}

using MemberAccessTest = testing::DocumentFixture;

TEST_F(MemberAccessTest, WritesReachTheValuesTheConstMapsShowInTheSameOrder) {
    Graph* g = space.graphFactory().create();
    std::vector<Vertex*> vs;
    for (int i = 0; i < 40; ++i) vs.push_back(vertex());
    for (int i = 0; i + 1 < 40; ++i) g->addEdge(*edge(vs[i], vs[i + 1]));
    for (int i = 0; i < 40; i += 3) g->removeVertex(*vs[i]);  // leaves erased slots behind

    int next = 0;
    for (auto [vertex, entry] : g->vertexMembers()) entry.properties->get<X>(2).value = ++next;
    for (auto [edge, values] : g->edgeMembers()) values->get<Weight>(0).value = ++next;

    const Graph& seen = *g;
    int expected = 0;
    std::size_t vertices = 0, edges = 0;
    for (const auto& [vertex, entry] : seen.vertices()) {
        EXPECT_EQ(entry.properties->get<X>(2).value, ++expected);
        EXPECT_EQ(&seen.vertexProperties(*vertex), entry.properties.get());
        ++vertices;
    }
    for (const auto& [edge, values] : seen.edges()) {
        EXPECT_EQ(values->get<Weight>(0).value, ++expected);
        ++edges;
    }
    EXPECT_EQ(vertices, g->vertexMembers().size());
    EXPECT_EQ(edges, g->edgeMembers().size());
    EXPECT_EQ(g->vertexMembers().find(vs[0]), nullptr) << "a removed vertex";
    ASSERT_NE(g->vertexMembers().find(vs[1]), nullptr);
    EXPECT_EQ(g->vertexMembers().find(vs[1])->properties.get(), &seen.vertexProperties(*vs[1]));
}

}  // namespace
}  // namespace nx
