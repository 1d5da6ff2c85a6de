// Label-aware spacing: on random forests with random names no two labels overlap.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "layouts/label_extent.h"
#include "layouts/layout_fixture.h"
#include "layouts/radial_layout.h"
#include "layouts/tree_layout.h"
#include "properties/named_properties.h"

namespace nx::test {
namespace {

// A random forest whose vertices carry random names and weights, so that the dot views
// draw a name on one side and a weight on the other.
struct LabelledForest {
    LayoutDocument d{0};

    explicit LabelledForest(std::uint32_t seed) {
        std::mt19937 random(seed);
        d.doc.vertexSchema.add(Name());
        d.doc.vertexSchema.add(Weight());
        const int n = std::uniform_int_distribution<int>(2, 60)(random);
        for (int i = 0; i < n; ++i) d.vertices.push_back(d.doc.addVertex());
        d.view->synchronize();
        EdgeList edges;
        for (int i = 1; i < n; ++i) {
            // Now and then a new tree; otherwise a child of an earlier vertex, often of
            // one of the last few, so that some parents have many children.
            if (random() % 9 == 0) continue;
            const int parent = random() % 2 ? std::max(0, i - 1 - static_cast<int>(random() % 3))
                                            : static_cast<int>(random() % i);
            edges.push_back({static_cast<std::size_t>(parent), static_cast<std::size_t>(i)});
        }
        d.edges(edges);
        for (int i = 0; i < n; ++i) {
            std::u16string name(random() % 14, u'a');
            for (char16_t& c : name) c = static_cast<char16_t>(u'a' + random() % 26);
            valueOf<Name>(d.vertices[i]->properties).set(name);
            valueOf<Weight>(d.vertices[i]->properties).set(static_cast<int>(random() % 100000));
        }
    }

    // What the view draws of vertex i (shape and every label), from the drawing calls.
    Rect drawn(std::size_t i) {
        Vertex* v = d.vertices[i];
        ActualProperties* values = d.view->vertexViewProperties(v);
        VertexView* view = d.view->vertexView(v);
        Rect r = view->getBoundingRectangle(v, *d.view, values);
        d.view->tools.calls.clear();
        view->draw(v, *d.view, values);
        for (const DrawCall& call : d.view->tools.calls)
            if (call.op == "drawText" || call.op == "drawTextWithSelectedFont")
                r = {std::min(r.left, call.rect.left), std::min(r.top, call.rect.top),
                     std::max(r.right, call.rect.right), std::max(r.bottom, call.rect.bottom)};
        return r;
    }

    // Pairs of vertices on the same level whose drawings overlap.
    int overlaps(const std::function<int(std::size_t)>& level) {
        std::map<int, std::vector<std::size_t>> levels;
        for (std::size_t i = 0; i < d.vertices.size(); ++i) levels[level(i)].push_back(i);
        int found = 0;
        for (const auto& [depth, members] : levels)
            for (std::size_t a = 0; a < members.size(); ++a)
                for (std::size_t b = a + 1; b < members.size(); ++b) {
                    const Rect p = drawn(members[a]), q = drawn(members[b]);
                    if (p.left < q.right && q.left < p.right && p.top < q.bottom &&
                        q.top < p.bottom)
                        ++found;
                }
        return found;
    }
};

void arrangeTree(LabelledForest& f, bool labels) {
    f.d.graph().updateIncidence();
    TreeLayout layout(*f.d.view, 80, 20, 20);
    if (labels) layout.labelExtent = drawnLabels(*f.d.view);
    layout.arrange();
}

void arrangeRadial(LabelledForest& f, bool labels) {
    f.d.graph().updateIncidence();
    RadialLayout layout(*f.d.view, 60, 0.95);
    if (labels) layout.labelExtent = drawnLabels(*f.d.view);
    layout.arrange();
}

// The tree layout puts a level on one row; the radial layout notes each ring in _I2. Without
// the option labels of a level meet; with it no two labels meet anywhere, across levels too
// (a ring's labels against those of the ring inside it and the centre's).
TEST(LabelAwareSpacing, NoTwoLabelsOverlapInTreeAndRadialLayouts) {
    struct Case {
        const char* layout;
        void (*arrange)(LabelledForest&, bool);
        bool byRow;
    };
    for (const Case& c : {Case{"tree", arrangeTree, true}, Case{"radial", arrangeRadial, false}}) {
        int overlappingWithout = 0;
        for (std::uint32_t seed = 1; seed <= 200; ++seed) {
            SCOPED_TRACE(std::string(c.layout) + " seed " + std::to_string(seed));
            LabelledForest f(seed);
            auto level = [&](std::size_t i) {
                return c.byRow ? f.d.at(i).second : f.d.working<AuxInt2>(i);
            };
            c.arrange(f, false);
            overlappingWithout += f.overlaps(level);
            c.arrange(f, true);
            EXPECT_EQ(f.overlaps([](std::size_t) { return 0; }), 0);
        }
        // The forests are crowded enough that spacing by the shapes alone lets labels meet.
        EXPECT_GT(overlappingWithout, 0) << c.layout;
    }
}

// Siblings step by the sides of their labels that face each other, whatever the shapes.
TEST(LabelAwareSpacing, SiblingsStepByTheFacingSidesOfTheirLabels) {
    LayoutDocument d(3);
    d.edges({{0, 1}, {0, 2}});
    d.graph().updateIncidence();
    TreeLayout layout(*d.view, 80, 10, 10);
    layout.labelExtent = [&](Vertex& v) {
        return &v == d[1] ? LabelExtent{5, 0, 40, 0} : LabelExtent{12, 0, 50, 0};
    };
    layout.arrange();
    // 10 apart beyond the right side of 1 (40) and the left side of 2 (12).
    EXPECT_EQ(d.at(2).first - d.at(1).first, 62);
    EXPECT_EQ(d.at(1).first - 5, 50) << "the leftmost label starts where the layout starts";
}

}  // namespace
}  // namespace nx::test
