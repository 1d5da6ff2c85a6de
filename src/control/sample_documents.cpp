// RamuloControl: the standard property set and the five documents LoadTest builds, all
// through the automation members.
#include <array>
#include <vector>

#include "control/ramulo_control.h"

namespace ramulo {

namespace {

struct Placed {
    const char16_t* name;
    int x, y;
};

}  // namespace

void RamuloControl::createStandardPropertySet() {
    const auto type = [this](const char16_t* name) { return GetPropertyTypeID(name); };
    for (const char16_t* name : {u"X", u"Y", u"Selected"}) AddVertexProperty(type(name), 2);
    AddEdgeProperty(type(u"Selected"), 2);
    AddVertexProperty(type(u"Name"), 0);
    AddVertexProperty(type(u"Visited"), 1);
    AddEdgeProperty(type(u"Name"), 0);
    for (const char16_t* name : {u"_V1", u"_I1", u"_I2", u"_R1", u"_R2"})
        AddVertexProperty(type(name), 1);
}

void RamuloControl::buildSample(std::uint16_t id) {
    if (id == 3) engine_.ReleaseDocument();
    Init();
    createStandardPropertySet();
    NewTree();

    const std::uint16_t nameIndex = GetVertexPropertyIndex(GetPropertyTypeID(u"Name"), 0);
    const std::uint16_t xIndex = GetVertexPropertyIndex(GetPropertyTypeID(u"X"), 2);
    const std::uint16_t yIndex = GetVertexPropertyIndex(GetPropertyTypeID(u"Y"), 2);
    const auto named = [&](const char16_t* name) {
        const std::uint32_t v = AddVertex();
        SetVertexPropertyValue(v, nameIndex, 0, Variant::fromString(name));
        return v;
    };
    const auto place = [&](std::uint32_t v, int x, int y) {
        SetVertexPropertyValue(v, xIndex, 2, Variant::fromInt(x));
        SetVertexPropertyValue(v, yIndex, 2, Variant::fromInt(y));
    };
    // Documents 2 and 4: A-J as a tree of three levels below A.
    const auto treeAToJ = [&](std::vector<std::uint32_t>& v) {
        for (const char16_t* n : {u"A", u"B", u"C", u"D", u"E"}) v.push_back(named(n));
        for (int child : {1, 2, 3, 4}) AddEdge(v[0], v[child]);
        for (const char16_t* n : {u"F", u"G", u"H"}) v.push_back(named(n));
        for (int child : {5, 6, 7}) AddEdge(v[4], v[child]);
        for (const char16_t* n : {u"I", u"J"}) v.push_back(named(n));
        for (int child : {8, 9}) AddEdge(v[7], v[child]);
    };

    switch (id) {
        case 1: {
            SetDefaultVertexAppearance(8, VARIANT_TRUE, 4, 4, 1, 3);
            SetDefaultEdgeAppearance(4);
            const std::array<Placed, 11> vertices{{{u"A", 195, 50},
                                                   {u"B", 50, 130},
                                                   {u"C", 180, 130},
                                                   {u"D", 340, 130},
                                                   {u"E", 115, 210},
                                                   {u"F", 245, 210},
                                                   {u"G", 340, 210},
                                                   {u"H", 65, 290},
                                                   {u"I", 165, 290},
                                                   {u"J", 245, 290},
                                                   {u"K", 340, 290}}};
            std::vector<std::uint32_t> v;
            for (const Placed& p : vertices) {
                v.push_back(named(p.name));
                place(v.back(), p.x, p.y);
            }
            enum { A, B, C, D, E, F, G, H, I, J, K };
            for (int i : {A, B}) SetVertexAppearance(v[i], 8, VARIANT_TRUE, 4, 1, 1, 3);
            AddEdge(v[A], v[B]);
            AddEdge(v[A], v[C]);
            AddEdge(v[A], v[D]);
            AddEdge(v[C], v[E]);
            SetEdgeAppearance(AddEdge(v[C], v[F]), 0);
            for (int i : {C, F}) SetVertexAppearance(v[i], 8, VARIANT_TRUE, 0, 4, 1, 3);
            AddEdge(v[D], v[G]);
            AddEdge(v[E], v[H]);
            AddEdge(v[E], v[I]);
            AddEdge(v[F], v[J]);
            AddEdge(v[G], v[K]);
            break;
        }
        case 2: {
            SetDefaultVertexAppearance(7, VARIANT_FALSE, 4, 4, 2, 3);
            SetDefaultEdgeAppearance(4);
            std::vector<std::uint32_t> v;
            treeAToJ(v);
            SetHierarchicalLayoutParams(75, 40, 60);
            HierarchicalLayout();
            break;
        }
        case 3: {
            SetDefaultVertexAppearance(5, VARIANT_FALSE, 2, 2, 1, 3);
            SetDefaultEdgeAppearance(3);
            const std::uint32_t root = named(u"Root");
            place(root, 150, 50);
            std::vector<std::uint32_t> pool(30);
            AddVertices(30, pool.data());
            // Depth 4, two children each, recorded in pre-order.
            std::vector<std::uint32_t> sources, targets;
            std::size_t next = 0;
            const auto grow = [&](auto& self, std::uint32_t vertex, int depth) -> void {
                if (depth == 0) return;
                for (int child = 0; child < 2; ++child) {
                    const std::uint32_t c = pool[next++];
                    sources.push_back(vertex);
                    targets.push_back(c);
                    self(self, c, depth - 1);
                }
            };
            grow(grow, root, 4);
            std::vector<std::uint32_t> edges(sources.size());
            AddEdges(static_cast<std::uint16_t>(sources.size()), sources.data(), targets.data(),
                     edges.data());
            SetHierarchicalLayoutParams(55, 15, 20);
            HierarchicalLayout();
            break;
        }
        case 4: {
            SetDefaultVertexAppearance_Icon(u".", u"", 0, -1, 32, 0, 0, 4, 1);
            SetDefaultEdgeAppearance(0);
            std::vector<std::uint32_t> v;
            treeAToJ(v);
            SetVertexAppearance_Icon(v[8], u"C:", u"", 0, -1, 32, 0, 0, 4, 1);
            SetVertexAppearance_Icon(v[9], u"D:", u"", 0, -1, 32, 0, 0, 4, 1);
            SetHierarchicalLayoutParams(75, 40, 60);
            HierarchicalLayout();
            break;
        }
        default:
            SetDefaultVertexAppearance(9, VARIANT_TRUE, 4, 4, 2, 3);
            SetDefaultEdgeAppearance(4);
            break;
    }
}

}  // namespace ramulo
