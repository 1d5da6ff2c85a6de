// View factories: find-or-create, reference counts and the stream and XML records.
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include <tinyxml.h>

#include "properties/error_texts.h"
#include "properties/list_separator.h"
#include "support/error_of.h"
#include "views/dot_shapes.h"
#include "views/edge_view_factory.h"
#include "views/error_texts.h"
#include "views/straight_edge_view.h"
#include "views/vertex_view_factory.h"
#include "views/view_ref.h"

namespace nx::test {
namespace {

using test_support::errorOf;

TEST(ViewFactory, EqualParametersShareOneViewAndNewOnesGetTheNextId) {
    VertexViewFactory factory;
    const ViewRef<VertexView> a = factory.getSquareDotView(true, 4, 4, 2, 6, 9);
    const ViewRef<VertexView> b = factory.getSquareDotView(true, 4, 4, 2, 6, 9);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a->referenceCount(), 2u);
    const ViewRef<VertexView> bigger = factory.getSquareDotView(true, 4, 4, 2, 6, 10);
    EXPECT_NE(bigger, a);
    EXPECT_EQ(bigger->id(), a->id() + 1);
    const ViewRef<VertexView> circle = factory.getCircleDotView(true, 4, 4, 2, 6, 9);
    EXPECT_NE(circle, a);
    EXPECT_EQ(circle->getClassId(), 2);
    EXPECT_EQ(factory.size(), 3u);
    EXPECT_EQ(factory.at(circle->id()), circle.get());

    EdgeViewFactory edges;
    EXPECT_EQ(edges.getStraightEdgeView(1), edges.getStraightEdgeView(1));
    EXPECT_NE(edges.getStraightEdgeView(1), edges.getStraightEdgeView(2));
    EXPECT_EQ(edges.size(), 2u);
}

TEST(ViewFactory, ReleasingAFreeViewIsALogicError) {
    VertexViewFactory factory;
    // Counted by hand here, to drive the count itself below zero.
    VertexView* view = factory.getTriangleDotView(false, 0, 0, 0, 0, 5).detach();
    EXPECT_EQ(view->release(), 0u);
    EXPECT_THROW(view->release(), std::logic_error);
    EXPECT_EQ(errorOf([&] { view->release(); }),
              "Logic error in nx::View::release() : attempt to release free object");
    EXPECT_EQ(view->referenceCount(), 0u);
    EXPECT_EQ(factory.size(), 1u);  // a free view stays in the list
}

TEST(ViewRef, EveryReferenceTakenIsGivenBackOnce) {
    VertexViewFactory factory;
    ViewRef<VertexView> held = factory.getCircleDotView(false, 1, 1, 0, 0, 5);
    VertexView* view = held.get();
    ASSERT_EQ(view->referenceCount(), 1u);
    struct Case {
        const char* what;
        std::function<void()> step;
        std::size_t count;  // the view's count after the step
    };
    ViewRef<VertexView> copy;
    ViewRef<View> base;
    VertexView* detached = nullptr;
    const Case steps[] = {
        {"copy", [&] { copy = held; }, 2},
        {"self-assignment", [&] { copy = *&copy; }, 2},
        {"move", [&] { base = std::move(copy); }, 2},
        {"moved-from is empty", [&] { EXPECT_FALSE(copy); }, 2},
        {"copy to the base class", [&] { copy = staticViewCast<VertexView>(ViewRef<View>(base)); },
         3},
        {"reset", [&] { base.reset(); }, 2},
        {"assignment replaces", [&] { copy = factory.getCircleDotView(false, 1, 1, 0, 0, 6); }, 1},
        {"detach", [&] { detached = held.detach(); }, 1},
        {"adopt", [&] { held = ViewRef<VertexView>::adopt(detached); }, 1},
        {"a copy dies", [&] { ViewRef<VertexView> passing = held; }, 1},
        {"null", [&] { held = nullptr; }, 0},
    };
    for (const Case& c : steps) {
        c.step();
        EXPECT_EQ(view->referenceCount(), c.count) << c.what;
    }
    EXPECT_EQ(copy->referenceCount(), 1u);  // the replacing view kept its own reference
    EXPECT_EQ(held, nullptr);
}

TEST(ViewFactory, DescriptorsAndParameterValues) {
    VertexViewFactory factory;
    const ViewRef<VertexView> view = factory.getDiamondDotView(true, 2, 3, 7, 4, 12);
    const auto& table = view->getParameterDescriptors();
    ASSERT_EQ(table.size(), 6u);
    EXPECT_EQ(table[0].displayName, "Is Filled");
    EXPECT_EQ(table[3].defaultValue, "NE");
    EXPECT_STREQ(table[1].choices[4], "Gray");
    EXPECT_EQ(table[1].choices[5], nullptr);
    EXPECT_EQ(view->getParameterValues(),
              (std::vector<std::string>{"True", "Green", "Yellow", "NW", "S", "12"}));
    EdgeViewFactory edges;
    EXPECT_EQ(edges.getStraightEdgeView(0)->getParameterValues(), std::vector<std::string>{"Blue"});
}

TEST(ViewFactory, StreamSectionRoundTripsAndMergesEqualRecords) {
    VertexViewFactory factory;
    factory.getCircleDotView(true, 4, 1, 2, 6, 9);
    factory.getDiamondDotView(false, 0, 3, 0, 7, 4);
    std::ostringstream out;
    factory.saveToStream(out);
    EXPECT_EQ(out.str(), "0,2,\n2,1,4,1,2,6,9,#\n3,0,0,3,0,7,4,#\n");

    VertexViewFactory loaded;
    std::istringstream in("0,3,\n2,1,4,1,2,6,9,#\n3,0,0,3,0,7,4,#\n2,1,4,1,2,6,9,#\n");
    loaded.loadFromStream(in);
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded.at(0)->referenceCount(), 0u);  // only documents that use a view count it
    std::ostringstream again;
    loaded.saveToStream(again);
    EXPECT_EQ(again.str(), out.str());

    EdgeViewFactory edges;
    std::istringstream edgeIn("0,2,\n1,3,#\n1,3,#\n");
    edges.loadFromStream(edgeIn);
    ASSERT_EQ(edges.size(), 1u);
    EXPECT_EQ(edges.at(0)->referenceCount(), 0u);
}

TEST(ViewFactory, RecordsFollowTheListSeparatorAndReadByName) {
    ScopedListSeparator semicolon(';');
    VertexViewFactory factory;
    std::ostringstream out;
    factory.getSquareDotView(false, 1, 2, 3, 4, 5)->saveToStream(out);
    EXPECT_EQ(out.str(), "1;0;1;2;3;4;5;#");
    std::istringstream named("1;0;Red;Green;SE;S;5;#\n");
    EXPECT_EQ(factory.readViewByName(named), factory.at(0));

    EdgeViewFactory edges;
    std::istringstream edgeNamed("1;Yellow;#\n");
    const ViewRef<EdgeView> e = edges.readViewByName(edgeNamed);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(static_cast<StraightEdgeView*>(e.get())->color(), 3);
}

TEST(ViewFactory, ReadingFailuresAndUnknownClasses) {
    VertexViewFactory vertices;
    EdgeViewFactory edges;
    struct Case {
        const char* record;
        bool edge;
        const char* error;  // null: reads as no view
    };
    const Case cases[] = {
        {"6,1,4,4,2,6,9,#\n", false, nullptr},
        {"0,1,4,4,2,6,9,#\n", false, nullptr},
        {"2,3,#\n", true, nullptr},
        {"2,1,4,4,2,6,9,x\n", false, nx::error_texts::kFailedToReadEndMark},
        {"1,3,\n", true, nx::error_texts::kFailedToReadEndMark},
        {"2,1,4,4,2,6\n", false, nx::error_texts::kFailedToReadInt},
        {"2,1,4,7,2,6,9,#\n", false, nx::error_texts::kDotViewIncorrectColor},
        {"1,9,#\n", true, nx::error_texts::kStraightEdgeIncorrectColor},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.record);
        ViewRef<View> read;
        const std::string error = errorOf([&] {
            read =
                c.edge ? ViewRef<View>(edges.readView(in)) : ViewRef<View>(vertices.readView(in));
        });
        if (c.error) {
            EXPECT_EQ(error, c.error) << c.record;
        } else {
            EXPECT_EQ(error, "") << c.record;
            EXPECT_EQ(read, nullptr) << c.record;
        }
    }
    struct Named {
        const char* record;
        bool edge;
        const char* error;
    };
    const Named names[] = {
        {"2,1,Grey,Gray,N,N,9,#\n", false, nx::error_texts::kUnknownDotColor},
        {"2,1,Gray,Gray,North,N,9,#\n", false, nx::error_texts::kUnknownDotTextPos},
        {"2,1,Gray,Gray,N,n,9,#\n", false, nx::error_texts::kUnknownDotTextPos},
        {"1,gray,#\n", true, nx::error_texts::kUnknownStraightEdgeView},
    };
    for (const Named& c : names) {
        std::istringstream in(c.record);
        EXPECT_EQ(errorOf([&] {
                      if (c.edge)
                          (void)edges.readViewByName(in);
                      else
                          (void)vertices.readViewByName(in);
                  }),
                  c.error)
            << c.record;
    }
}

TEST(ViewFactory, XmlRecordsRoundTrip) {
    VertexViewFactory factory;
    const ViewRef<VertexView> view = factory.getTriangleDotView(true, 3, 0, 5, 1, 7);
    TiXmlElement element("View");
    view->saveToXml(element);
    EXPECT_STREQ(element.Attribute("ClassId"), "4");
    EXPECT_STREQ(element.Attribute("ClassName"), "TriangleDotView");
    const char* children[] = {"IsFilled", "Color", "InnerColor", "NamePos", "WeightPos", "Size"};
    const char* texts[] = {"True", "Yellow", "Blue", "SW", "NE", "7"};
    const TiXmlElement* child = element.FirstChildElement();
    for (int i = 0; i < 6; ++i, child = child->NextSiblingElement()) {
        ASSERT_NE(child, nullptr);
        EXPECT_STREQ(child->Value(), children[i]);
        EXPECT_STREQ(child->GetText(), texts[i]);
    }
    EXPECT_EQ(factory.readView(element), view);

    EdgeViewFactory edges;
    const ViewRef<EdgeView> edge = edges.getStraightEdgeView(2);
    TiXmlElement edgeElement("View");
    edge->saveToXml(edgeElement);
    EXPECT_STREQ(edgeElement.Attribute("ClassName"), "StraightEdgeView");
    EXPECT_STREQ(edgeElement.FirstChildElement("Color")->GetText(), "Green");
    EXPECT_EQ(edges.readView(edgeElement), edge);
}

TEST(ViewFactory, XmlIsFilledIsFalseOnlyForExactlyFalse) {
    VertexViewFactory factory;
    auto parse = [&](const char* xml) {
        TiXmlDocument doc;
        doc.Parse(xml);
        return factory.readView(*doc.RootElement());
    };
    const char* tail =
        "<Color>Gray</Color><InnerColor>Gray</InnerColor><NamePos>NE</NamePos>"
        "<WeightPos>E</WeightPos><Size>9abc</Size></View>";
    auto record = [&](const char* filled) {
        return std::string("<View ClassId=\"2\"><IsFilled>") + filled + "</IsFilled>" + tail;
    };
    auto* lower = dynamic_cast<DotView*>(parse(record("false").c_str()).get());
    ASSERT_NE(lower, nullptr);
    EXPECT_TRUE(lower->parameters().isFilled);
    EXPECT_EQ(lower->parameters().size, 9);
    auto* exact = dynamic_cast<DotView*>(parse(record("False").c_str()).get());
    EXPECT_FALSE(exact->parameters().isFilled);
    EXPECT_EQ(parse("<View ClassId=\"6\"/>"), nullptr);
    EXPECT_EQ(errorOf([&] { parse("<View ClassId=\"2\"><IsFilled>True</IsFilled></View>"); }),
              "Failed to read \"Color\" from XML element");
}

TEST(ViewFactory, XmlSectionGivesEveryViewItsOwnElement) {
    VertexViewFactory factory;
    factory.getSquareDotView(true, 4, 4, 2, 6, 9);
    factory.getCircleDotView(true, 4, 4, 2, 6, 9);
    TiXmlElement section("VertexViews");
    factory.saveToXml(section);
    EXPECT_STREQ(section.Attribute("DefaultVertexViewId"), "0");
    const TiXmlElement* first = section.FirstChildElement("View");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(factory.readView(*first), factory.at(0));
    EXPECT_EQ(factory.readView(*first->NextSiblingElement("View")), factory.at(1));
}

}  // namespace
}  // namespace nx::test
