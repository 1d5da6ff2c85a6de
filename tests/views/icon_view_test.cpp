// nx::IconView: label rectangles, geometry, drawing, find-or-create and the file records.
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>

#include <tinyxml.h>

#include "properties/error_texts.h"
#include "support/error_of.h"
#include "views/error_texts.h"
#include "views/icon_view.h"
#include "views/recording_graph_view.h"
#include "views/vertex_view_factory.h"
#include "views/view_records.h"

namespace nx::test {
namespace {

using test_support::errorOf;

// Records the icon requests instead of drawing a placeholder.
class IconRecordingTools : public RecordingDrawingTools {
public:
    struct IconCall {
        Icon* icon;
        Point at;
        Size size;
    };
    std::vector<IconCall> icons;
    void drawIcon(Icon& icon, const Point& p, const Size& s) override {
        icons.push_back({&icon, p, s});
    }
};

class IconGraphView : public RecordingGraphView {
public:
    using RecordingGraphView::RecordingGraphView;
    IconRecordingTools iconTools;
    DrawingTools* drawingTools() override { return &iconTools; }
};

const RgbColor kBlack{0, 0, 0};
const RgbColor kTeal{0, 128, 128};

IconParameters fileIcon(const std::u16string& file, int size = 32) {
    return {file, u"", 0, -1, size, kBlack, IconView::S, kBlack, IconView::NE};
}

// A request with default label parameters (NE and E, black).
IconParameters source(const std::u16string& file, const std::u16string& name, int id, int index,
                      int size) {
    return {file, name, id, index, size, kBlack, IconView::NE, kBlack, IconView::E};
}

// One named vertex at (100, 50).
struct IconFixture : ::testing::Test {
    Document doc;
    VertexViewFactory factory;  // outlives the view, which releases its views
    std::unique_ptr<IconGraphView> view;
    Vertex* v = nullptr;

    void SetUp() override {
        doc.vertexSchema.add(Name());
        doc.vertexSchema.add(Weight());
        v = doc.addVertex();
        view = std::make_unique<IconGraphView>(&doc.vertexViewSchema, &doc.edgeViewSchema);
        view->setGraph(doc.graph);
        view->setX(v, props(), 100);
        view->setY(v, props(), 50);
    }
    ActualProperties* props() { return view->vertexViewProperties(v); }
    IconView* icon(const IconParameters& p) {
        ViewRef<VertexView> made = factory.getIconView(p);
        auto* icon = dynamic_cast<IconView*>(made.get());
        view->setVertexView(v, std::move(made));
        return icon;
    }
};

TEST(IconViewText, RectanglesForEveryPosition) {
    IconView view(fileIcon(u"a.ico"));
    const IconGeometry g = view.geometry(1.0, 1.0);
    // Text (20, 10) beside a 32-pixel icon at (100, 50): halves 16, gaps 2, 4 and 5.
    const Rect expected[] = {
        {90, 22, 111, 34}, {120, 22, 141, 34}, {120, 45, 141, 56}, {120, 71, 141, 81},
        {90, 71, 111, 81}, {60, 71, 80, 81},   {60, 45, 80, 56},   {60, 19, 80, 34},
        {90, 45, 111, 56}, {90, 34, 111, 46},  {96, 34, 116, 46},  {96, 45, 116, 56},
        {96, 56, 116, 68}, {90, 56, 111, 68},  {84, 56, 104, 68},  {84, 45, 104, 56},
        {84, 34, 104, 46},
    };
    for (int position = 0; position < 17; ++position)
        EXPECT_EQ(view.getTextRectangle(g, 100, 50, {20, 10}, position), expected[position])
            << IconView::kPositionNames[position];
    for (int bad : {-1, 17})
        EXPECT_EQ(errorOf([&] {
                      view.getTextRectangle(g, 100, 50, {20, 10}, bad);
                  }),
                  nx::error_texts::kIconViewTextPosition);
}

TEST(IconViewText, PrintScaleWidensHalvesAndGaps) {
    IconView view(fileIcon(u"a.ico"));
    const IconGeometry g = view.geometry(2.5, 2.0);
    EXPECT_EQ(g.halfWidth, 40);
    EXPECT_EQ(g.halfHeight, 32);
    EXPECT_EQ(g.penUnit, 2);
    EXPECT_EQ(g.offset(2), (Point{5, 4}));
    EXPECT_EQ(g.offset(5), (Point{12, 10}));
    EXPECT_EQ(view.getTextRectangle(g, 0, 0, {20, 10}, IconView::SE),
              (Rect{40 + 10, 32 + 10, 40 + 10 + 21, 32 + 10 + 10}));
}

TEST_F(IconFixture, DrawsTheIconCentredAndTheNameAtItsPosition) {
    valueOf<Name>(v->properties).set(u"Disk");
    valueOf<Weight>(v->properties).set(7);
    IconParameters p = fileIcon(u"C:");
    p.nameTextColor = kTeal;
    p.namePosition = IconView::CENTER;
    IconView* icon = this->icon(p);
    icon->draw(v, *view, props());
    auto& tools = view->iconTools;
    ASSERT_EQ(tools.icons.size(), 1u);
    EXPECT_EQ(tools.icons[0].icon, &icon->icon());
    EXPECT_EQ(tools.icons[0].at, (Point{84, 34}));
    EXPECT_EQ(tools.icons[0].size, (Size{32, 32}));
    // Only the name is written, centred on the vertex: text (28, 12) at (100, 50).
    const auto texts = tools.callsNamed("drawTextWithSelectedFont");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, u"Disk");
    EXPECT_EQ(texts[0].rect, (Rect{86, 44, 115, 57}));
    EXPECT_EQ(texts[0].colour, kTeal);
    EXPECT_EQ(texts[0].pointSize, 75);
    EXPECT_TRUE(tools.callsNamed("drawText").empty());
    EXPECT_EQ(tools.selectedFont(), nullptr);

    // SE_INSIDE sits in the lower right corner of the icon.
    p.namePosition = IconView::SE_INSIDE;
    tools.calls.clear();
    this->icon(p)->draw(v, *view, props());
    EXPECT_EQ(tools.callsNamed("drawTextWithSelectedFont")[0].rect, (Rect{88, 54, 116, 68}));
}

TEST_F(IconFixture, EmptyNameDrawsOnlyTheIcon) {
    IconView* icon = this->icon(fileIcon(u"a.ico"));
    icon->draw(v, *view, props());
    EXPECT_EQ(view->iconTools.icons.size(), 1u);
    EXPECT_TRUE(view->iconTools.callsNamed("drawTextWithSelectedFont").empty());
}

TEST_F(IconFixture, SizeZeroIsTheDefaultSizeEverywhere) {
    IconView* icon = this->icon({u"", u"", 101, -1, 0, kBlack, 4, kBlack, 1});
    EXPECT_EQ(icon->icon().getSize(), 0);
    EXPECT_EQ(icon->iconSize(), 32);
    EXPECT_EQ(icon->getSize(), (Size{32, 32}));
    EXPECT_EQ(icon->getParameterValues()[4], "32");
    EXPECT_EQ(icon->getBoundingRectangle(v, *view, props()), (Rect{84, 34, 116, 66}));
    icon->draw(v, *view, props());
    EXPECT_EQ(view->iconTools.icons.at(0).size, (Size{32, 32}));
}

TEST_F(IconFixture, BoundsHitTestAndUpdateRectangle) {
    IconView* icon = this->icon(fileIcon(u"a.ico", 48));
    EXPECT_EQ(icon->getBoundingRectangle(v, *view, props()), (Rect{76, 26, 124, 74}));
    EXPECT_TRUE(icon->hitTest({100, 50}, {124, 26}));
    EXPECT_FALSE(icon->hitTest({100, 50}, {125, 50}));
    EXPECT_FALSE(icon->hitTest({100, 50}, {100, 75}));
    // Name "Disk" (4 characters, 24) and weight "7" (2 x (3 + 6) = 18): the wider wins.
    valueOf<Name>(v->properties).set(u"Disk");
    EXPECT_EQ(icon->getUpdateRectangle(v, *view, props()), (Rect{50, 8, 150, 92}));
    // While printing at 2 x 2 the box doubles.
    view->setScale(2.0f, 2.0f);
    EXPECT_EQ(icon->getBoundingRectangle(v, *view, props()), (Rect{152, 52, 248, 148}));
}

TEST_F(IconFixture, ContourIsTheBoxOneOutsideTheIcon) {
    IconView* icon = this->icon(fileIcon(u"a.ico", 32));
    EXPECT_EQ(icon->contour().width(), 32u);
    struct Case {
        Point direction, point, companion;
    };
    const Case cases[] = {
        {{0, 0}, {17, 17}, {17, 17}},    {{100, 50}, {17, 8}, {17, 9}},
        {{-100, 0}, {-17, 0}, {-17, 1}}, {{0, 10}, {0, 17}, {1, 17}},
        {{10, 20}, {8, 17}, {7, 17}},    {{-10, -20}, {-8, -17}, {-9, -17}},
    };
    for (const Case& c : cases) {
        Point companion;
        EXPECT_EQ(icon->getContourPoint(c.direction, *view, companion), c.point) << c.direction;
        EXPECT_EQ(companion, c.companion) << c.direction;
    }
    view->setScaleX(2.0f);
    Point companion;
    EXPECT_EQ(icon->getContourPoint({10, 0}, *view, companion), (Point{33, 0}));
}

TEST(IconViewFactory, SameRequestSameViewButAnIndexAlwaysMakesANewOne) {
    VertexViewFactory factory;
    const IconParameters drive = fileIcon(u"C:");
    const ViewRef<VertexView> first = factory.getIconView(drive);
    const ViewRef<VertexView> again = factory.getIconView(drive);
    EXPECT_EQ(again, first);
    EXPECT_EQ(first->referenceCount(), 2u);
    EXPECT_EQ(first->getClassId(), 5);

    // The index is not recorded, so a request with one never finds its view again.
    IconParameters indexed = drive;
    indexed.index = 3;
    const ViewRef<VertexView> a = factory.getIconView(indexed);
    const ViewRef<VertexView> b = factory.getIconView(indexed);
    EXPECT_NE(a, first);
    EXPECT_NE(a, b);
    EXPECT_EQ(b->id(), 2u);

    IconParameters other = drive;
    other.weightTextColor = kTeal;
    EXPECT_NE(factory.getIconView(other), first);
    // Sizes 0 and 32 are different requests, even though both draw 32 pixels.
    EXPECT_NE(factory.getIconView({u"", u"", 7, -1, 0, kBlack, 4, kBlack, 1}),
              factory.getIconView({u"", u"", 7, -1, 32, kBlack, 4, kBlack, 1}));
}

TEST(IconViewFactory, ConstructorRecordsTheSourceAndTheParameterValues) {
    struct Case {
        IconParameters request;
        std::vector<std::string> values;  // file, name, id, index, size
    };
    const Case cases[] = {
        {source(u"", u"", 101, 2, 0), {"", "", "101", "-1", "32"}},
        {source(u"", u"", 101, -1, 48), {"", "", "101", "-1", "48"}},
        {source(u"d\u00e9j\u00e0.ico", u"x", 5, 4, 16),
         {"d\xc3\xa9j\xc3\xa0.ico", "", "0", "-1", "16"}},
        // A resource name alone is kept, so it is drawn and saved.
        {source(u"", u"folder", 0, -1, 24), {"", "folder", "0", "-1", "24"}},
        // Nothing to record: the icon keeps its initial size.
        {source(u"", u"", 0, -1, 48), {"", "", "0", "-1", "32"}},
    };
    for (const Case& c : cases) {
        IconView view(c.request);
        const auto& values = view.getParameterValues();
        ASSERT_EQ(values.size(), 9u);
        EXPECT_EQ(std::vector<std::string>(values.begin(), values.begin() + 5), c.values)
            << c.values[0] << c.values[1];
        EXPECT_EQ(values[5], "0,0,0");
        EXPECT_EQ(values[6], "NE");
        EXPECT_EQ(values[8], "E");
    }
    const auto& table = IconView(fileIcon(u"a.ico")).getParameterDescriptors();
    ASSERT_EQ(table.size(), 9u);
    EXPECT_EQ(table[0].displayName, "File");
    EXPECT_EQ(table[6].kind, ParameterDescriptor::Choice);
    EXPECT_STREQ(table[6].choices[16], "NW_INSIDE");
    EXPECT_EQ(table[6].choices[17], nullptr);
    EXPECT_EQ(table[8].defaultValue, "E");
}

TEST(IconViewFactory, StreamRecordReadsBackAsTheSameView) {
    VertexViewFactory factory;
    IconParameters p = fileIcon(u"dir/\u00e9t\u00e9.ico", 48);
    p.nameTextColor = {1, 2, 3};
    p.namePosition = IconView::NW_INSIDE;
    p.weightTextColor = {250, 128, 0};
    const ViewRef<VertexView> view = factory.getIconView(p);
    std::ostringstream out;
    view->saveToStream(out);
    const char s = records::separator();
    const std::string sep(1, s);
    EXPECT_EQ(out.str(), "5" + sep + "dir/\xc3\xa9t\xc3\xa9.ico" + sep + sep + "0" + sep + "-1" +
                             sep + "48" + sep + "1,2,3" + sep + "16" + sep + "250,128,0" + sep +
                             "1" + sep + "#");
    std::istringstream in(out.str() + "\n");
    const ViewRef<VertexView> read = factory.readView(in);
    EXPECT_EQ(read, view);
    EXPECT_EQ(view->referenceCount(), 2u);

    // The named form writes the two positions as names.
    std::istringstream namedIn("5" + sep + "a.ico" + sep + sep + "0" + sep + "-1" + sep + "32" +
                               sep + "0,0,0" + sep + "S_INSIDE" + sep + "0,0,0" + sep + "W" + sep +
                               "#\n");
    const ViewRef<VertexView> named = factory.readViewByName(namedIn);
    auto* byName = dynamic_cast<IconView*>(named.get());
    ASSERT_NE(byName, nullptr);
    EXPECT_EQ(byName->namePosition(), IconView::S_INSIDE);
    EXPECT_EQ(byName->weightPosition(), IconView::W);

    std::istringstream badEnd("5" + sep + "a.ico" + sep + sep + "0" + sep + "-1" + sep + "32" +
                              sep + "0,0,0" + sep + "4" + sep + "0,0,0" + sep + "1" + sep + "X\n");
    EXPECT_EQ(errorOf([&] { factory.readView(badEnd); }), nx::error_texts::kFailedToReadEndMark);
}

TEST(IconViewFactory, XmlRecordReadsBackAsTheSameView) {
    VertexViewFactory factory;
    const ViewRef<VertexView> view =
        factory.getIconView({u"C:", u"", 0, -1, 32, {9, 8, 7}, 8, kBlack, 12});
    TiXmlElement element("View");
    view->saveToXml(element);
    EXPECT_STREQ(element.Attribute("ClassId"), "5");
    EXPECT_STREQ(element.Attribute("ClassName"), "IconView");
    std::vector<std::string> children;
    for (const TiXmlElement* c = element.FirstChildElement(); c; c = c->NextSiblingElement())
        children.push_back(std::string(c->Value()) + "=" + (c->GetText() ? c->GetText() : ""));
    EXPECT_EQ(children,
              (std::vector<std::string>{"FileName=C:", "Name=", "Id=0", "Index=-1", "Size=32",
                                        "NameTextColor=9,8,7", "NamePos=CENTER",
                                        "WeightTextColor=0,0,0", "WeightPos=SE_INSIDE"}));
    // Through a printed and parsed document, where the empty Name has no text at all.
    TiXmlPrinter printer;
    element.Accept(&printer);
    TiXmlDocument doc;
    doc.Parse(printer.CStr());
    EXPECT_EQ(factory.readView(*doc.RootElement()), view);
}

TEST(IconViewFactory, XmlReadErrors) {
    VertexViewFactory factory;
    auto parse = [&](const std::string& body) {
        TiXmlDocument doc;
        doc.Parse(("<View ClassId=\"5\">" + body + "</View>").c_str());
        return factory.readView(*doc.RootElement());
    };
    const std::string head =
        "<FileName>a.ico</FileName><Name/><Id>0</Id><Index>-1</Index><Size>32</Size>"
        "<NameTextColor>0,0,0</NameTextColor>";
    const std::string tail = "<WeightTextColor>0,0,0</WeightTextColor><WeightPos>E</WeightPos>";
    EXPECT_NE(parse(head + "<NamePos>SE</NamePos>" + tail), nullptr);
    EXPECT_EQ(errorOf([&] { parse(head + "<NamePos>se</NamePos>" + tail); }),
              nx::error_texts::kUnknownIconTextPos);
    EXPECT_EQ(errorOf([&] { parse(head + tail); }), "Failed to read \"NamePos\" from XML element");
    EXPECT_EQ(errorOf([&] { parse("<FileName>a.ico</FileName><Id>0</Id>"); }),
              "Failed to read \"Name\" from XML element");
}

}  // namespace
}  // namespace nx::test
