// The ramulo tool end to end: every output kind, the document round trip, rendering options,
// the call host, and the errors a user meets.
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include "apps/cli_fixture.h"

namespace ramulo::test {
namespace {

QByteArray head(const QString& file, int n) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

QString info(CliTest& t, const QString& file) {
    return t.ok({"info", file}).out;
}

TEST_F(CliTest, SampleWritesEveryKindByExtension) {
    struct Case {
        const char* file;
        QByteArray magic;
    };
    const Case cases[] = {{"doc.nx", "Nodalyx"}, {"doc.nxx", "<?xml"},   {"doc.xml", "<?xml"},
                          {"doc.NX", "Nodalyx"}, {"doc.png", "\x89PNG"}, {"doc.svg", "<?xml"},
                          {"doc.pdf", "%PDF"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ok({"sample", "2", "-o", path(c.file)});
        EXPECT_TRUE(head(path(c.file), c.magic.size()) == c.magic);
    }
    EXPECT_TRUE(head(path("doc.svg"), 400).contains("<svg"));
}

TEST_F(CliTest, SamplesSurviveBothFormatsWithTheirCountsAndSchemas) {
    struct Case {
        const char* id;
        const char* vertices;
        const char* edges;
    };
    const Case cases[] = {{"0", "0", "0"}, {"1", "11", "10"}, {"3", "31", "30"}, {"4", "10", "9"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        ok({"sample", c.id, "-o", path("a.nxx")});
        ok({"convert", path("a.nxx"), path("b.nx")});
        ok({"convert", path("b.nx"), path("c.xml")});
        const QString text = info(*this, path("c.xml"));
        EXPECT_TRUE(text.contains(QString("vertices: %1\n").arg(c.vertices))) << text.toStdString();
        EXPECT_TRUE(text.contains(QString("edges: %1\n").arg(c.edges)));
        EXPECT_TRUE(text.contains("graphs: 1\n"));
        EXPECT_TRUE(text.contains("GraphVertexFormalProperties: Visited _V1 _I1 _I2 _R1 _R2\n"));
        EXPECT_TRUE(text.contains("VertexViewFormalProperties: X Y Selected\n"));
        EXPECT_EQ(text, info(*this, path("a.nxx")));
    }
}

TEST_F(CliTest, InfoPrintsSevenSchemasAndTheExtent) {
    ok({"sample", "1", "-o", path("s.nx")});
    const QString text = info(*this, path("s.nx"));
    for (const char* schema : {"VertexFormalProperties: Name\n", "EdgeFormalProperties: Name\n",
                               "GraphFormalProperties:\n", "GraphEdgeFormalProperties:\n",
                               "EdgeViewFormalProperties: Selected\n"})
        EXPECT_TRUE(text.contains(schema)) << schema;
    // Sample 1's vertices span A (195, 50) to the corners; the extent adds 50 and 30.
    const QRegularExpressionMatch m = QRegularExpression("extent: (\\d+) x (\\d+)").match(text);
    ASSERT_TRUE(m.hasMatch()) << text.toStdString();
    EXPECT_GT(m.captured(1).toInt(), 290 + 50);
    EXPECT_GT(m.captured(2).toInt(), 240 + 30);
}

TEST_F(CliTest, LoadedDocumentDrawsLikeTheBuiltOneAndTransformsApplyInOrder) {
    ok({"sample", "1", "-o", path("built.png")});
    ok({"sample", "1", "-o", path("s.nxx")});
    ok({"render", path("s.nxx"), "-o", path("loaded.png")});
    const QImage built(path("built.png"));
    ASSERT_FALSE(built.isNull());
    EXPECT_EQ(QImage(path("loaded.png")), built);
    EXPECT_GT(inkPixels(built), 1000);

    ok({"render", path("s.nxx"), "-o", path("right.png"), "--rotate-right"});
    EXPECT_EQ(QImage(path("right.png")).size(), built.size().transposed());
    ok({"render", path("s.nxx"), "-o", path("back.png"), "--rotate-right", "--rotate-left"});
    EXPECT_EQ(QImage(path("back.png")), built);
    ok({"render", path("s.nxx"), "-o", path("flipped.png"), "--flip-horizontal"});
    EXPECT_NE(QImage(path("flipped.png")), built);
}

TEST_F(CliTest, EveryLayoutArrangesTheDocument) {
    ok({"sample", "1", "-o", path("s.nx")});
    ok({"render", path("s.nx"), "-o", path("plain.png")});
    for (const char* layout : {"hierarchical", "radial", "force"}) {
        SCOPED_TRACE(layout);
        const QString out = path(QString("%1.png").arg(layout));
        ok({"render", path("s.nx"), "-o", out, "--layout", layout});
        const QImage image(out);
        ASSERT_FALSE(image.isNull());
        EXPECT_NE(image, QImage(path("plain.png")));
        EXPECT_GT(inkPixels(image), 1000);
    }
}

// The vector outputs carry the same drawing as the image: same size and about the same ink.
TEST_F(CliTest, SvgDrawsTheSameGraphAsThePng) {
    ok({"sample", "3", "-o", path("s.png")});
    ok({"sample", "3", "-o", path("s.svg")});
    const QImage png(path("s.png"));
    QSvgRenderer svg(path("s.svg"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox().size(), png.size());
    QImage raster(png.size(), QImage::Format_RGB32);
    raster.fill(Qt::white);
    QPainter painter(&raster);
    svg.render(&painter);
    painter.end();
    // Solid ink only: the SVG renderer's smoothing puts light fringes beside every line.
    const auto solid = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += qGray(image.pixel(x, y)) < 200;
        return n;
    };
    const int a = solid(png), b = solid(raster);
    EXPECT_GT(a, 1000);
    EXPECT_NEAR(b, a, a / 4);
    // Labels stay text, not outlines or empty elements.
    EXPECT_TRUE(head(path("s.svg"), 1 << 20).contains(">Root</text>"));
}

// The size options scale the drawing (proportions kept); paper options print it on pages.
TEST_F(CliTest, DrawingOptionsSizeImagesAndLayOutPages) {
    ok({"sample", "1", "-o", path("s.png")});
    ok({"sample", "1", "-o", path("s.svg")});
    const QSize base = QImage(path("s.png")).size();
    const QSize baseSvg = QSvgRenderer(path("s.svg")).defaultSize();
    struct ImageCase {
        QStringList options;
        double scale;
    };
    const ImageCase images[] = {
        {{"--scale", "2"}, 2.0},
        {{"--dpi", "48"}, 0.5},
        {{"--width", "100"}, 100.0 / base.width()},
        // Both sides: the largest drawing inside them.
        {{"--width", "5000", "--height", QString::number(base.height() / 2)}, 0.5},
    };
    for (const ImageCase& c : images) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        ok(QStringList{"sample", "1", "-o", path("scaled.png")} + c.options);
        const QImage image(path("scaled.png"));
        EXPECT_NEAR(image.width(), base.width() * c.scale, 1.0);
        EXPECT_NEAR(image.height(), base.height() * c.scale, 1.0);
        EXPECT_GT(inkPixels(image), 100);
        ok(QStringList{"sample", "1", "-o", path("scaled.svg")} + c.options);
        // The SVG's size scales alike; its view box keeps the drawing's units.
        const QSize svg = QSvgRenderer(path("scaled.svg")).defaultSize();
        EXPECT_NEAR(svg.width(), baseSvg.width() * c.scale, 2.0);
        EXPECT_EQ(QSvgRenderer(path("scaled.svg")).viewBox().size(), base);
    }

    // Points of each page's media box, and the number of pages.
    struct PageCase {
        QStringList options;
        QSizeF page;
        int pages;
    };
    const QSizeF a4(595, 842);
    const PageCase pages[] = {
        {{"--fit"}, a4, 1},
        {{"--page", "a4", "--landscape"}, a4.transposed(), 1},
        // The drawing is wider and higher than A4 in millimetres: two pages each way.
        {{"--tiles"}, a4, 4},
    };
    for (const PageCase& c : pages) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        ok(QStringList{"sample", "1", "-o", path("paged.pdf")} + c.options);
        QFile pdf(path("paged.pdf"));
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(pdf.readAll());
        EXPECT_EQ(text.count(QRegularExpression("/Type /Page\\b(?!s)")), c.pages);
        auto boxes = QRegularExpression("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]").globalMatch(text);
        int count = 0;
        for (; boxes.hasNext(); ++count) {
            const QRegularExpressionMatch m = boxes.next();
            EXPECT_NEAR(m.captured(1).toDouble(), c.page.width(), 1.0);
            EXPECT_NEAR(m.captured(2).toDouble(), c.page.height(), 1.0);
        }
        EXPECT_EQ(count, c.pages);
    }
}

// Printed, one screen pixel becomes one millimetre: the page is the drawing's size in mm.
TEST_F(CliTest, PdfPageHasTheDrawingsSizeInMillimetres) {
    ok({"sample", "1", "-o", path("s.png")});
    ok({"sample", "1", "-o", path("s.pdf")});
    const QImage png(path("s.png"));
    QFile pdf(path("s.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(pdf.readAll());
    const QRegularExpressionMatch m =
        QRegularExpression("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]").match(text);
    ASSERT_TRUE(m.hasMatch());
    EXPECT_NEAR(m.captured(1).toDouble(), png.width() * 72.0 / 25.4, 1.0);
    EXPECT_NEAR(m.captured(2).toDouble(), png.height() * 72.0 / 25.4, 1.0);
}

TEST_F(CliTest, CallRunsMembersAndReportsErrorsWithTheirCodes) {
    const QByteArray script =
        "# a new control shows document 1\n"
        "VertexCount 0\n"
        "AddVertices 2 []\n"
        "32\n"
        "VertexPropertyValueByName 12 \"Name\" 0 = \"n\\\"ew\"\n"
        "VertexPropertyValueByName 12 \"Name\" 0\n"
        "RemoveVertex 999\n"
        "BorderStyle = 2\n"
        "\n"
        "LoadTest 3\n"
        "EdgeCount 0\n"
        "FileExt = \"\"\n"
        "FileExt\n"
        "VertexCount \"zero\"\n"
        "Nonsense 1\n"
        "AddEdge 1 \"unterminated\n";
    const CliRun r = runCli({"call", "-o", path("after.nx")}, script);
    EXPECT_EQ(r.exitCode, 1);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    const QStringList expected = {
        "VertexCount: 11",
        "AddVertices: ok [12 13]",
        "32: 14",
        "VertexPropertyValueByName: ok",
        "VertexPropertyValueByName: \"n\\\"ew\"",
        "RemoveVertex: error 0x800A03F3: Ramulo Control: RemoveVertex Error. Vertex 999 "
        "cannot be found",
        "BorderStyle: error 0x800A017C: (no description)",
        "LoadTest: 3",
        "EdgeCount: 30",
        "FileExt: ok",
        "FileExt: \"nxx\"",
        "VertexCount: error 0x80020005: Type mismatch.",
        "Nonsense: error 0x80020006: Unknown name.",
        "line 16: syntax error: unterminated string",
    };
    EXPECT_EQ(lines, expected) << r.out.toStdString();
    // The document the calls left behind is written afterwards.
    EXPECT_TRUE(info(*this, path("after.nx")).contains("vertices: 31\n"));
}

TEST_F(CliTest, CallReadsAFileAndListsEveryMember) {
    QFile script(path("calls.txt"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("LoadTest 7\nVertexCount 0\nSave \"" + path("saved.nx").toUtf8() + "\"\n");
    script.close();
    const CliRun r = ok({"call", path("calls.txt")});
    EXPECT_EQ(r.out, "LoadTest: 0\nVertexCount: 0\nSave: 1\n");
    EXPECT_TRUE(info(*this, path("saved.nx")).contains("vertices: 0\n"));

    const QString list = ok({"call", "--list"}).out;
    for (const char* member : {"    24  method      Load(BSTR Pathname) -> UI2",
                               "AddEdges(UI2 N, UI4* VertexID1", "put         FileName("})
        EXPECT_TRUE(list.contains(member)) << member << "\n" << list.toStdString();
}

TEST_F(CliTest, FailuresExitNonZeroWithAMessage) {
    ok({"sample", "1", "-o", path("s.nxx")});
    QFile broken(path("broken.nxx"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("<?xml version=\"1.0\"?><Nodalyx><VertexFactory");
    broken.close();
    struct Case {
        QStringList args;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {{"frobnicate"}, 2, "unknown verb 'frobnicate'"},
        {{}, 2, "usage: ramulo <verb>"},
        {{"sample", "5", "-o", path("x.nx")}, 2, "must be 0, 1, 2, 3 or 4"},
        {{"sample", "1"}, 2, "missing -o OUT"},
        {{"render", path("s.nxx"), "-o", path("x.txt")}, 2, ".png, .svg or .pdf"},
        {{"render", path("s.nxx"), "-o", path("x.png"), "--layout", "spiral"},
         2,
         "unknown layout 'spiral'"},
        {{"render", path("s.nxx"), "-o", path("x.png"), "--rotate"}, 2, "unknown option"},
        {{"render", path("s.nxx"), "-o", path("x.png"), "--scale", "0"},
         2,
         "--scale needs a number above 0, not '0'"},
        {{"render", path("s.nxx"), "-o", path("x.png"), "--width", "40000"},
         2,
         "--width needs a whole number of pixels from 1 to 32767, not '40000'"},
        {{"render", path("s.nxx"), "-o", path("x.png"), "--scale", "2", "--height", "9"},
         2,
         "give one of --scale, --dpi or --width/--height"},
        {{"render", path("s.nxx"), "-o", path("x.png"), "--fit", "--tiles"},
         2,
         "--fit and --tiles cannot be combined"},
        {{"render", path("s.nxx"), "-o", path("x.png"), "--page", "B9"},
         2,
         "unknown page size 'B9' (A3, A4, A5, Letter or Legal)"},
        {{"info", path("missing.nxx")}, 1, "missing.nxx"},
        {{"info", path("broken.nxx")}, 1, "error:"},
        {{"convert", path("s.nxx"), "/no/such/dir/out.nx"}, 1, "error:"},
        {{"call", path("no-script.txt")}, 1, "Cannot open"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun r = runCli(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("x.png")));
}

// A vertex at (2e9, 2e9) is clamped to the coordinate range on loading; the drawing is
// still 32767 pixels square, so an image of it is refused before anything is allocated.
// Any limit counts: the sample's own image is refused under a limit of 1000 pixels.
TEST_F(CliTest, ImagesOverThePixelLimitAreRefusedWithoutAFile) {
    ok({"sample", "1", "-o", path("s.nxx")});
    QFile sample(path("s.nxx"));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(sample.readAll());
    for (const char* tag : {"X", "Y"}) {
        const auto m = QRegularExpression(QString("<%1>[0-9]+</%1>").arg(tag)).match(text);
        ASSERT_TRUE(m.hasMatch());
        text.replace(m.capturedStart(), m.capturedLength(),
                     QString("<%1>2000000000</%1>").arg(tag));
    }
    QFile far(path("far.nxx"));
    ASSERT_TRUE(far.open(QIODevice::WriteOnly));
    far.write(text.toUtf8());
    far.close();
    EXPECT_TRUE(info(*this, path("far.nxx")).contains("extent: 1000000032 x 999999952\n"));

    struct Case {
        QStringList args;
        QString output;
        int exitCode;
        QString message;
    };
    const Case cases[] = {
        {{"render", path("far.nxx"), "-o", path("far.png")},
         "far.png",
         1,
         "the drawing is 32767 x 32767 pixels (1073676289), more than the limit of 268435456 "
         "pixels for an image; draw it into a .svg or .pdf file, draw it smaller with --scale, "
         "--width or --height, make the drawing smaller (a layout, or vertices nearer to each "
         "other), or raise the limit with --max-pixels N"},
        {{"render", path("s.nxx"), "-o", path("small.png"), "--max-pixels", "1000"},
         "small.png",
         1,
         "more than the limit of 1000 pixels"},
        {{"sample", "1", "-o", path("sample.png"), "--max-pixels", "1000"},
         "sample.png",
         1,
         "more than the limit of 1000 pixels"},
        {{"call", "-o", path("called.png"), "--max-pixels", "1000"},
         "called.png",
         1,
         "more than the limit of 1000 pixels"},
        {{"render", path("s.nxx"), "-o", path("zero.png"), "--max-pixels", "0"},
         "zero.png",
         2,
         "--max-pixels needs a whole number of pixels above 0, not '0'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun r = runCli(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(path(c.output)));
    }
    // Vector drawings allocate no image; the limit leaves them alone.
    ok({"render", path("far.nxx"), "-o", path("far.svg")});
    ok({"render", path("s.nxx"), "-o", path("raised.png"), "--max-pixels", "200000"});
    ok({"render", path("s.nxx"), "-o", path("narrow.png"), "--max-pixels", "1000", "--width", "30"});
}

TEST_F(CliTest, EveryVerbHasHelp) {
    for (const char* verb : {"sample", "render", "convert", "info", "call"}) {
        const CliRun r = ok({verb, "--help"});
        EXPECT_TRUE(r.out.startsWith(QString("usage: ramulo %1").arg(verb))) << verb;
    }
    EXPECT_TRUE(ok({"--help"}).out.contains("verbs:"));
}

}  // namespace
}  // namespace ramulo::test
