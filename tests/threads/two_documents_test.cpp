// Documents on two threads at once: the shared registry, view factories and views stay
// consistent, and each document draws and saves exactly what it does alone.
#include <gtest/gtest.h>

#include <barrier>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include <tinyxml.h>

#include "engine/control_engine.h"
#include "engine/scripted_host_window.h"
#include "engine/window_graph_view.h"
#include "properties/property_registry.h"
#include "support/engine_schemas.h"
#include "views/dot_view.h"
#include "views/edge_view_factory.h"
#include "views/icon_view.h"
#include "views/recording_drawing_tools.h"
#include "views/straight_edge_view.h"
#include "views/vertex_view_factory.h"

using namespace ramulo;

namespace {

using nx::test::DrawCall;
using nx::test::RecordingDrawingTools;

// Runs body(0) .. body(count - 1) on threads of their own, released together.
void onThreads(int count, const std::function<void(int)>& body) {
    std::barrier start(count);
    std::vector<std::thread> threads;
    for (int t = 0; t < count; ++t)
        threads.emplace_back([&, t] {
            start.arrive_and_wait();
            body(t);
        });
    for (std::thread& thread : threads) thread.join();
}

// Every document's view records what it draws.
class RecordingHost : public ScriptedHostWindow {
public:
    std::unique_ptr<nx::WindowGraphView> createGraphView(
        nx::FormalProperties* vertexFormals, nx::FormalProperties* edgeFormals) override {
        return std::make_unique<nx::WindowGraphView>(vertexFormals, edgeFormals,
                                                     std::make_unique<RecordingDrawingTools>());
    }
};

std::string describe(const DrawCall& c) {
    std::ostringstream out;
    out << c.op << ' ' << c.rect.left << ',' << c.rect.top << ',' << c.rect.right << ','
        << c.rect.bottom << ' ' << c.from << ' ' << c.to << ' ' << c.radius << ' ' << c.colour
        << ' ' << c.width << ' ' << std::string(c.text.begin(), c.text.end()) << ' ' << c.pointSize
        << ' ' << c.xorMode;
    return out.str();
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What one run of the script produced: every drawing and every saved file.
struct Outcome {
    std::vector<std::string> drawings;
    std::vector<std::string> files;
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

// Draws the whole document and keeps the calls.
void record(ControlEngine& engine, Outcome& outcome) {
    auto* tools = static_cast<RecordingDrawingTools*>(engine.view()->drawingTools());
    tools->calls.clear();
    const nx::Size extent = engine.GetExtent();
    engine.view()->draw({0, 0, static_cast<int>(extent.cx), static_cast<int>(extent.cy)});
    std::string all;
    for (const DrawCall& c : tools->calls) all += describe(c) + '\n';
    outcome.drawings.push_back(all);
}

// A tree of named, weighted vertices with appearances from a small set that every variant
// shares in part; laid out three ways, transformed, drawn, saved in both forms and read
// back into a second document.
Outcome runDocument(int variant, const std::string& stem) {
    Outcome outcome;
    RecordingHost host;
    ControlEngine engine;
    engine.Init();
    engine_test::addStandardVertexSchemas(engine);
    engine_test::addStandardEdgeSchemas(engine);
    engine.NewTree(true, &host);

    engine.SetDefaultVertexAppearance({DotAppearance::Shape::Square, 9, variant % 2 == 0,
                                       static_cast<std::uint16_t>(variant % 5), 4, 1, 2});
    engine.SetDefaultEdgeAppearance(static_cast<std::uint16_t>(variant % 5));
    const int n = 24 + 3 * variant;
    std::vector<std::uint32_t> ids;
    for (int i = 0; i < n; ++i) {
        const std::uint32_t id = engine.AddVertex();
        ids.push_back(id);
        // Inner and outer spaces, which an XML reader that condenses white space loses.
        const std::u16string name = u" v  " + std::u16string(1, char16_t(u'a' + i % 26)) + u" ";
        engine.SetVertexPropertyValueByName(id, u"Name", 0, Variant::fromString(name));
        engine.SetVertexPropertyValueByName(id, u"Weight", 0, Variant::fromInt(i * 7 + variant));
        if (i > 0) {
            const std::uint32_t edge = engine.AddEdge(ids[(i - 1) / 3], id);
            engine.SetEdgeAppearance(edge, static_cast<std::uint16_t>((i + variant) % 5));
            engine.SetEdgePropertyValueByName(edge, u"Name", 0, Variant::fromString(u"e"));
        }
        const auto size = static_cast<std::uint16_t>(5 + (i + variant) % 4);
        const auto colour = static_cast<std::uint16_t>(i % 5);
        const auto position = static_cast<std::uint16_t>(i % 8);
        switch ((i + variant) % 5) {
            case 0:
                engine.SetVertexAppearance(id,
                                           {DotAppearance::Shape::Square, size, true, colour,
                                            static_cast<std::uint16_t>(4 - colour), position, 2});
                break;
            case 1:
                engine.SetVertexAppearance(
                    id, {DotAppearance::Shape::Square, size, i % 2 != 0, colour, 1, 3, position});
                break;
            case 2:
                engine.SetVertexAppearance(
                    id, {DotAppearance::Shape::Diamond, size, true, 2, colour, 0, 4});
                break;
            case 3:
                engine.SetVertexAppearance_Icon(id,
                                                {u"missing.ico", u"", 0, -1, 32, 0x0000ff, 0x00ff00,
                                                 static_cast<std::uint16_t>(i % 17), 2});
                break;
            default:
                break;  // the default view
        }
    }

    engine.HierarchicalLayout();
    record(engine, outcome);
    engine.RadialLayout();
    engine.RotateRight90();
    record(engine, outcome);
    engine.ForceDirectedLayout();
    engine.FlipVertical();
    engine.FlipHorizontal();
    engine.view()->setScale(1.5f, 1.5f);  // as printing does
    record(engine, outcome);
    engine.view()->setScale(1.0f, 1.0f);

    const std::string stream = stem + ".nx";
    const std::string xml = stem + ".nxx";
    engine.SaveStream(stream);
    engine.SaveXml(xml);
    outcome.files.push_back(slurp(stream));
    outcome.files.push_back(slurp(xml));

    ControlEngine again;
    again.Init();
    again.LoadStream(stream, true, &host);
    record(again, outcome);
    again.SaveStream(stem + ".again.nx");
    outcome.files.push_back(slurp(stem + ".again.nx"));
    again.LoadXml(xml, true, &host);
    record(again, outcome);
    again.SaveXml(stem + ".again.nxx");
    outcome.files.push_back(slurp(stem + ".again.nxx"));
    return outcome;
}

std::string outputStem(const std::string& name) {
    const std::filesystem::path dir = std::filesystem::path(RAMULO_TEST_OUTPUT) / "threads";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

TEST(TwoDocuments, EachDrawsAndSavesOnItsThreadExactlyAsAlone) {
    // Alone first: this also makes every view the scripts ask for, so the files (which
    // list the process-wide views) cannot change while the threads run.
    constexpr int kVariants = 2;
    std::vector<Outcome> alone;
    for (int v = 0; v < kVariants; ++v)
        alone.push_back(runDocument(v, outputStem("alone" + std::to_string(v))));
    ASSERT_EQ(alone[0].drawings.size(), 5u);
    ASSERT_FALSE(alone[0].drawings[0].empty());
    ASSERT_NE(alone[0].files[0], alone[1].files[0]);

    constexpr int kRounds = 3;
    std::vector<std::vector<Outcome>> together(kVariants);
    onThreads(kVariants, [&](int t) {
        for (int round = 0; round < kRounds; ++round)
            together[t].push_back(runDocument(
                t, outputStem("thread" + std::to_string(t) + "_" + std::to_string(round))));
    });
    for (int v = 0; v < kVariants; ++v)
        for (int round = 0; round < kRounds; ++round) {
            const Outcome& o = together[v][round];
            ASSERT_EQ(o.drawings.size(), alone[v].drawings.size());
            for (std::size_t i = 0; i < o.drawings.size(); ++i)
                EXPECT_EQ(o.drawings[i], alone[v].drawings[i]) << v << " drawing " << i;
            for (std::size_t i = 0; i < o.files.size(); ++i)
                EXPECT_EQ(o.files[i], alone[v].files[i]) << v << " file " << i;
        }
}

// Parameters of every view in a factory, to find duplicates.
std::vector<std::string> vertexViewKeys() {
    std::vector<std::string> keys;
    nx::VertexViewFactory& factory = nx::vertexViewFactory();
    for (std::size_t id = 0; id < factory.size(); ++id) {
        nx::VertexView* view = factory.at(id);
        EXPECT_EQ(view->id(), id);
        std::string key = std::to_string(view->getClassId());
        for (const std::string& value : view->getParameterValues()) key += "|" + value;
        keys.push_back(key);
    }
    return keys;
}

TEST(SharedViews, FindOrCreateFromManyThreadsMakesEachViewOnceAndBalancesCounts) {
    // Both threads ask for the same parameters in opposite orders, plus some of their
    // own, while they walk the lists, save the sections and drop their references.
    struct Held {
        nx::ViewRef<nx::VertexView> vertex;
        nx::ViewRef<nx::EdgeView> edge;
        int size;
    };
    constexpr int kThreads = 4;
    constexpr int kSizes = 40;
    std::vector<std::vector<Held>> held(kThreads);
    std::vector<std::size_t> counts(kThreads);
    onThreads(kThreads, [&](int t) {
        nx::VertexViewFactory& vertices = nx::vertexViewFactory();
        nx::EdgeViewFactory& edges = nx::edgeViewFactory();
        for (int k = 0; k < kSizes; ++k) {
            // Sizes far above what documents use, so the views are new to this test.
            const int size = 1000 + (t % 2 ? kSizes - 1 - k : k);
            nx::ViewRef<nx::VertexView> vertex =
                size % 3 == 0 ? vertices.getIconView(u"shared.ico", u"", 0, -1, size, {1, 2, 3}, 1,
                                                     {4, 5, 6}, 2)
                              : vertices.getCircleDotView(true, 1, 2, 3, 4, size);
            held[t].push_back({std::move(vertex), edges.getStraightEdgeView(size % 5), size});
            (void)vertices.getSquareDotView(false, t % 5, 0, 0, 0, 2000 + t * kSizes + k);
            std::ostringstream sections;
            vertices.saveToStream(sections);
            edges.saveToStream(sections);
            counts[t] = vertices.size();
        }
        for (const Held& h : held[t]) {
            const nx::ViewRef<nx::VertexView> copy = h.vertex;
            EXPECT_EQ(copy, h.vertex);
        }
    });

    // The same parameters answered the same view on every thread.
    std::map<int, nx::VertexView*> bySize;
    for (const auto& list : held)
        for (const Held& h : list) {
            auto [it, fresh] = bySize.emplace(h.size, h.vertex.get());
            EXPECT_EQ(it->second, h.vertex.get()) << h.size;
            if (auto* dot = dynamic_cast<nx::DotView*>(h.vertex.get()))
                EXPECT_EQ(dot->parameters().size, h.size);
            else
                EXPECT_EQ(dynamic_cast<nx::IconView*>(h.vertex.get())->size(), h.size);
        }
    // Each view was made once, numbered by its position, counted once per holder.
    const std::vector<std::string> keys = vertexViewKeys();
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size());
    for (const auto& [size, view] : bySize)
        EXPECT_EQ(view->referenceCount(), std::size_t{kThreads});
    for (auto& list : held)
        for (Held& h : list) {
            h.vertex.reset();
            h.edge.reset();
        }
    for (const auto& [size, view] : bySize) EXPECT_EQ(view->referenceCount(), 0u);
}

TEST(SharedViews, ConcurrentReleasesNeverGoBelowZero) {
    // Parameters no other test asks for: this test holds the only reference, and counts it
    // by hand to drive the count itself past zero.
    nx::VertexView* view =
        nx::vertexViewFactory().getIconView(u"released.ico", u"", 0, -1, 77, {}, 1, {}, 2).detach();
    ASSERT_EQ(view->referenceCount(), 1u);
    constexpr int kThreads = 4;
    constexpr int kEach = 2000;
    constexpr int kExtra = 10;
    for (int i = 0; i < kThreads * kEach - 1; ++i) view->acquire();
    std::vector<int> refused(kThreads);
    onThreads(kThreads, [&](int t) {
        for (int i = 0; i < kEach + kExtra; ++i) {
            try {
                view->release();
            } catch (const std::logic_error&) {
                ++refused[t];
            }
        }
    });
    EXPECT_EQ(view->referenceCount(), 0u);
    int total = 0;
    for (int r : refused) total += r;
    EXPECT_EQ(total, kThreads * kExtra);
}

TEST(PropertyRegistry, FirstUseFromSeveralThreadsMakesOneRegistry) {
    CPropertyRegistry::destroyInstance();
    constexpr int kThreads = 4;
    std::vector<const CPropertyRegistry*> seen(kThreads);
    std::vector<std::size_t> ids(kThreads);
    onThreads(kThreads, [&](int t) {
        seen[t] = &CPropertyRegistry::instance();
        ids[t] = CPropertyRegistry::instance().typeIdOf("Weight");
    });
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(seen[t], seen[0]);
        EXPECT_EQ(ids[t], 6u);
    }
    EXPECT_EQ(seen[0]->typeCount(), 19u);
}

}  // namespace
