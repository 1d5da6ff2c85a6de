// A small graph of icon vertices rendered by QtView: drive, folder, .ico file and a missing file.
#include <gtest/gtest.h>

#include <algorithm>

#include <QDir>
#include <QImage>

#include "graph/graph.h"
#include "graph/space.h"
#include "platform/qt/qt_device_context.h"
#include "platform/qt/qt_test_app.h"
#include "platform/qt/qt_view.h"
#include "properties/properties.h"
#include "support/document_schemas.h"
#include "views/icon_view.h"
#include "views/vertex_view_factory.h"

namespace nx {
namespace {

struct IconDrawing : test::SchemasAndSpace, test::ViewSchemas {
    Graph* graph = nullptr;

    IconDrawing() {
        vertexSchema.add(Name());
        vertexViewSchema.add(X());
        vertexViewSchema.add(Y());
        edgeViewSchema.add(AuxInt1());
        graph = space.graphFactory().create();
    }
    Vertex* add(const std::u16string& name) {
        Vertex* v = space.vertexFactory().create();
        static const Name prototype;
        v->properties->get<Name>(v->properties->find(prototype)).set(name);
        graph->addVertex(*v);
        return v;
    }
};

TEST(QtIconRender, SmallGraphShowsIconsLabelsAndThePlaceholder) {
    test::testApplication();
    IconDrawing d;
    struct Node {
        std::u16string name, file;
        int x, y;
        Vertex* v = nullptr;
    };
    Node nodes[] = {
        {u"C:", u"C:", 60, 50},
        {u"Folder", u".", 180, 50},
        {u"sizes.ico", QStringLiteral(RAMULO_TEST_DATA "/icons/sizes.ico").toStdU16String(), 60,
         140},
        {u"missing.ico", u"/no/such/dir/missing.ico", 180, 140},
    };
    for (Node& n : nodes) n.v = d.add(n.name);
    for (int i = 1; i < 4; ++i)
        d.graph->addEdge(*d.space.edgeFactory().create(nodes[0].v, nodes[i].v));

    QtView view(&d.vertexViewSchema, &d.edgeViewSchema);
    view.setGraph(d.graph);
    for (Node& n : nodes) {
        view.setX(n.v, view.vertexViewProperties(n.v), n.x);
        view.setY(n.v, view.vertexViewProperties(n.v), n.y);
        view.setVertexView(
            n.v, vertexViewFactory().getIconView(n.file, u"", 0, -1, 32, {0, 0, 0}, IconView::S,
                                                 {0, 0, 0}, IconView::NE));
    }
    QImage surface(240, 190, QImage::Format_RGB32);
    QtDeviceContext context(&surface);
    QtDrawingTools& tools = view.qtDrawingTools();
    tools.setBackgroundColor(view.backgroundColor());
    tools.enableMemoryBuffer();
    tools.init(&context, {0, 0});
    view.eraseBackground({0, 0, 240, 190});
    view.draw({0, 0, 240, 190});
    QDir().mkpath(RAMULO_TEST_OUTPUT);
    ASSERT_TRUE(surface.save(QStringLiteral(RAMULO_TEST_OUTPUT "/icon_graph.png")));

    const QRgb white = qRgb(255, 255, 255);
    EXPECT_EQ(surface.pixel(60, 140), qRgb(0, 0, 200)) << "the .ico image";
    EXPECT_EQ(surface.pixel(180 - 16, 140 - 16), qRgb(80, 80, 80)) << "placeholder frame";
    EXPECT_EQ(surface.pixel(180 + 15, 140 + 15), qRgb(80, 80, 80)) << "placeholder frame";
    for (const Node& n : nodes) {
        // Something of the icon is drawn inside its box...
        int inked = 0;
        for (int y = n.y - 16; y < n.y + 16; ++y)
            for (int x = n.x - 16; x < n.x + 16; ++x) inked += surface.pixel(x, y) != white;
        EXPECT_GT(inked, 50) << n.x << "," << n.y;
        // ...and the name below it, in black.
        int darkest = 255;
        for (int y = n.y + 21; y < n.y + 36; ++y)
            for (int x = n.x - 20; x < n.x + 20; ++x)
                darkest = std::min(darkest, qGreen(surface.pixel(x, y)));
        EXPECT_LT(darkest, 100) << n.x << "," << n.y;
    }
}

}  // namespace
}  // namespace nx
