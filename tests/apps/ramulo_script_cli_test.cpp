// The script verb and the example scripts, run as a user would; the host's offscreen picture.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSvgRenderer>

#include "cli_fixture.h"

namespace {

using namespace ramulo::test;

TEST_F(CliTest, OrgChartExampleBuildsStylesArrangesSavesAndExports) {
    const CliRun r = ok({QStringLiteral("script"), QStringLiteral(RAMULO_EXAMPLES "/orgchart.js"),
                         dir.path()});
    EXPECT_TRUE(r.out.contains(QStringLiteral("people: 14 reporting lines: 13"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("expected failure: 0x800a03f3 Ramulo Control: "
                                              "RemoveVertex Error. Vertex 9999 cannot be found")));
    // Both saved files hold the chart.
    for (const char* saved : {"orgchart.nxx", "orgchart.nx"}) {
        const CliRun info = ok({QStringLiteral("info"), path(QString::fromLatin1(saved))});
        EXPECT_TRUE(info.out.contains(QStringLiteral("vertices: 14\nedges: 13\n"))) << saved;
        EXPECT_TRUE(info.out.contains(QStringLiteral("Weight"))) << saved;
    }
    // Three layouts, three different pictures.
    const QImage hierarchical(path(QStringLiteral("orgchart-hierarchical.png")));
    const QImage radial(path(QStringLiteral("orgchart-radial.png")));
    ASSERT_FALSE(hierarchical.isNull());
    ASSERT_FALSE(radial.isNull());
    EXPECT_GT(inkPixels(hierarchical), 500);
    EXPECT_NE(hierarchical.size(), radial.size());
    const QSvgRenderer svg(path(QStringLiteral("orgchart-force.svg")));
    EXPECT_TRUE(svg.isValid());
    EXPECT_FALSE(svg.viewBox().isEmpty());
    QFile pdf(path(QStringLiteral("orgchart.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST_F(CliTest, EventsExampleSetsUpItsItemsAndHandlers) {
    const CliRun r = ok({QStringLiteral("script"), QStringLiteral(RAMULO_EXAMPLES "/events.js")});
    EXPECT_EQ(r.out, QStringLiteral("items 0 0 ready\n"));
}

TEST_F(CliTest, ScriptFailuresAndOutput) {
    const QString js = path(QStringLiteral("s.js"));
    QFile file(js);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ctrl.LoadTest(2);\nprint(ctrl.VertexCount(0), args.join('+'));\n");
    file.close();
    // -o writes the document as the script left it, whatever the order of the arguments.
    const QString out = path(QStringLiteral("out.nx"));
    const CliRun r = ok({QStringLiteral("script"), js, QStringLiteral("a"), QStringLiteral("-o"),
                         out, QStringLiteral("b")});
    EXPECT_EQ(r.out, QStringLiteral("10 a+b\n"));
    EXPECT_TRUE(ok({QStringLiteral("info"), out}).out.contains(QStringLiteral("vertices: 10\n")));

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("print('before');\nctrl.RemoveEdge(77);\nprint('after');\n");
    file.close();
    const CliRun failed = runCli({QStringLiteral("script"), js, QStringLiteral("-o"), out});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.out, QStringLiteral("before\n"));
    EXPECT_TRUE(failed.err.contains(QStringLiteral("s.js:2: Error: Ramulo Control: RemoveEdge"))) << failed.err.toStdString();
    EXPECT_TRUE(failed.err.contains(QStringLiteral("(0x800a03f4)")));
    // A failed script writes nothing: the previous output stays.
    EXPECT_TRUE(ok({QStringLiteral("info"), out}).out.contains(QStringLiteral("vertices: 10\n")));

    EXPECT_EQ(runCli({QStringLiteral("script")}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("script"), path(QStringLiteral("missing.js"))}).exitCode, 1);
}

TEST_F(CliTest, MemberListCarriesTheHelpStrings) {
    const QString list = ok({QStringLiteral("call"), QStringLiteral("--list")}).out;
    for (const char* line :
         {"    19  method      Init()  \"method Init\"\n",
          "    24  method      Load(BSTR Pathname) -> UI2  \"method Load\"\n",
          "    36  get         VertexCount(UI2 Scope) -> UI4  \"property VertexCount\"\n",
          "  -552  method      AboutBox()\n"})
        EXPECT_TRUE(list.contains(QString::fromLatin1(line))) << line << list.toStdString();
}

#ifdef RAMULO_HOST
TEST_F(CliTest, HostWindowDrawsOffscreenWithItsConsoleRun) {
    const QString js = path(QStringLiteral("h.js"));
    QFile file(js);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ctrl.RotateRight90(); print('rotated', ctrl.VertexCount(0));\n");
    file.close();
    const QString shot = path(QStringLiteral("host.png"));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(RAMULO_HOST), {QStringLiteral("--sample"), QStringLiteral("2"),
                                           QStringLiteral("--script"), js,
                                           QStringLiteral("--screenshot"), shot,
                                           QStringLiteral("--size"), QStringLiteral("900x600")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QImage image(shot);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(900, 600));
    EXPECT_GT(inkPixels(image), 10000);
}
#endif

}  // namespace
