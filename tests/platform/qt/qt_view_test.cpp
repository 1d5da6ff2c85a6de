// QtView renders a small graph through the memory buffer; pixels that the views fix are checked.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include <QDir>
#include <QImage>

#include "graph/graph.h"
#include "graph/space.h"
#include "platform/qt/qt_device_context.h"
#include "platform/qt/qt_test_app.h"
#include "platform/qt/qt_view.h"
#include "properties/properties.h"
#include "support/document_schemas.h"

namespace nx {
namespace {

template <typename P>
P& valueOf(ActualProperties* properties) {
    static const P prototype;
    return properties->get<P>(properties->find(prototype));
}

// Two named vertices, A above B, joined by one edge; A selected, B faded by half.
struct SmallDrawing : test::SchemasAndSpace, test::ViewSchemas {
    Graph* graph = nullptr;
    Vertex* a = nullptr;
    Vertex* b = nullptr;

    SmallDrawing() {
        vertexSchema.add(Name());
        addStandardViewValues();
        graph = space.graphFactory().create();
        a = addVertex(u"A");
        b = addVertex(u"B");
        Edge* e = space.edgeFactory().create(a, b);
        graph->addEdge(*e);
    }
    Vertex* addVertex(const std::u16string& name) {
        Vertex* v = space.vertexFactory().create();
        valueOf<Name>(v->properties.get()).set(name);
        graph->addVertex(*v);
        return v;
    }
    void place(GraphView& view) {
        view.setGraph(graph);
        view.setX(a, view.vertexViewProperties(a), 80);
        view.setY(a, view.vertexViewProperties(a), 40);
        view.setX(b, view.vertexViewProperties(b), 80);
        view.setY(b, view.vertexViewProperties(b), 120);
        view.setSelected(*view.findVertexEntry(a), true);
        valueOf<Fading>(view.vertexViewProperties(b)).set(50);
    }
};

QImage render(SmallDrawing& drawing, QtView& view, const Rect& area, QSize surfaceSize) {
    QImage surface(surfaceSize, QImage::Format_RGB32);
    surface.fill(qRgb(255, 0, 255));  // whatever the background does not cover shows
    QtDeviceContext context(&surface);
    QtDrawingTools& tools = view.qtDrawingTools();
    tools.setBackgroundColor(view.backgroundColor());
    tools.enableMemoryBuffer();
    drawing.place(view);
    tools.init(&context, {0, 0});
    view.eraseBackground(area);
    view.draw(area);
    return surface;
}

TEST(QtView, RendersASmallGraphThroughTheMemoryBuffer) {
    test::testApplication();
    SmallDrawing drawing;
    QtView view(&drawing.vertexViewSchema, &drawing.edgeViewSchema);
    const QImage image = render(drawing, view, {0, 0, 200, 160}, {200, 160});
    QDir().mkpath(RAMULO_TEST_OUTPUT);
    ASSERT_TRUE(image.save(QString(RAMULO_TEST_OUTPUT) + "/qt_view_small_graph.png"));

    struct Expected {
        const char* what;
        QPoint at;
        QRgb color;
    };
    const Expected pixels[] = {
        {"background", {5, 5}, qRgb(255, 255, 255)},
        {"background far corner", {199, 159}, qRgb(255, 255, 255)},
        {"fill of the filled grey square A", {80, 40}, qRgb(130, 130, 130)},
        {"fill of B faded by half", {80, 120}, qRgb(192, 192, 192)},
        {"edge, dark tone of its main line", {80, 80}, qRgb(142, 142, 142)},
        {"edge, light tone one pixel inside", {81, 80}, qRgb(224, 224, 224)},
        {"selection handle of A, top-left", {70, 30}, qRgb(0, 0, 0)},
        {"selection handle of A, bottom-right", {91, 51}, qRgb(0, 0, 0)},
        {"white outline of the handle", {67, 27}, qRgb(255, 255, 255)},
        {"no handle on B", {70, 110}, qRgb(255, 255, 255)},
    };
    for (const Expected& e : pixels)
        EXPECT_EQ(QColor(image.pixel(e.at)), QColor(e.color)) << e.what;

    // The names stand east of their squares, A in the outer dark tone, B blended.
    auto darkest = [&image](QRect area) {
        int low = 255;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                low = std::min(low, qGreen(image.pixel(x, y)));
        return low;
    };
    EXPECT_LT(darkest(QRect(93, 32, 12, 16)), 130);
    const int faded = darkest(QRect(93, 112, 12, 16));
    EXPECT_GT(faded, 150);
    EXPECT_LT(faded, 255);

    EXPECT_EQ(view.origin(), (Point{0, 0}));
    EXPECT_EQ(view.visibleWidth(), 200u);
    EXPECT_EQ(view.visibleHeight(), 160u);
}

TEST(QtView, ScrolledPaintCopiesOnlyItsRectangle) {
    test::testApplication();
    SmallDrawing drawing;
    QtView view(&drawing.vertexViewSchema, &drawing.edgeViewSchema);
    // The window shows logical (60, 20) at its top-left and repaints a 40 x 40 part.
    QImage surface(100, 80, QImage::Format_RGB32);
    surface.fill(qRgb(255, 0, 255));
    QtDeviceContext context(&surface, {-60, -20});
    QtDrawingTools& tools = view.qtDrawingTools();
    tools.setBackgroundColor(view.backgroundColor());
    tools.enableMemoryBuffer();
    drawing.place(view);
    tools.init(&context, {0, 0});
    view.eraseBackground({100, 60, 60, 20});  // given the wrong way round
    view.draw({100, 60, 60, 20});
    EXPECT_EQ(view.origin(), (Point{60, 20}));
    EXPECT_EQ(view.visibleWidth(), 40u);
    EXPECT_EQ(QColor(surface.pixel(20, 20)), QColor(130, 130, 130)) << "A's fill";
    EXPECT_EQ(QColor(surface.pixel(10, 10)), QColor(0, 0, 0)) << "A's handle at (70, 30)";
    EXPECT_EQ(QColor(surface.pixel(45, 45)), QColor(255, 0, 255)) << "outside the repaint";
}

TEST(QtView, AFailedDrawLeavesNoPainterOpen) {
    test::testApplication();
    SmallDrawing drawing;
    QtView view(&drawing.vertexViewSchema, &drawing.edgeViewSchema);
    QImage surface(50, 50, QImage::Format_RGB32);
    QtDeviceContext context(&surface);
    view.qtDrawingTools().enableMemoryBuffer();
    view.setGraph(drawing.graph);
    view.qtDrawingTools().init(&context, {0, 0});
    view.setVertexView(drawing.a, nullptr);
    EXPECT_THROW(view.draw({0, 0, 50, 50}), std::runtime_error);
    EXPECT_FALSE(surface.paintingActive());
    EXPECT_FALSE(view.qtDrawingTools().memoryBuffer().paintingActive());
}

}  // namespace
}  // namespace nx
