// The command-line tool with graph files: convert in and out of every format, --from,
// warnings on stderr, unknown output extensions refused, the layered layout.
#include <QFile>

#include "cli_fixture.h"

namespace ramulo::test {
namespace {

void write(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

TEST_F(CliTest, ConvertRefusesAnOutputExtensionItDoesNotKnow) {
    ok({"sample", "1", "-o", path("s.nxx")});
    for (const char* name : {"x.txt", "x.png", "x"}) {
        SCOPED_TRACE(name);
        const CliRun r = runCli({"convert", path("s.nxx"), path(name)});
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains("known extensions are nx, nxx, xml, graphml, dot, gv, csv, "
                                   "tsv, json"))
            << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(path(name)));
    }
    const CliRun sample = runCli({"sample", "1", "-o", path("x.txt")});
    EXPECT_EQ(sample.exitCode, 2);
    EXPECT_TRUE(sample.err.contains("tsv, json, png, svg, pdf")) << sample.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("x.txt")));
    ok({"sample", "1", "-o", path("s.gv")});
    EXPECT_TRUE(ok({"info", path("s.gv")}).out.startsWith("vertices: 11\nedges: 10\n"));
}

TEST_F(CliTest, ConvertGoesThroughEveryGraphFormatAndBack) {
    ok({"sample", "3", "-o", path("s.nxx")});
    for (const char* ext : {"graphml", "dot", "gv", "csv", "tsv", "json"}) {
        SCOPED_TRACE(ext);
        const QString out = path(QString("tree.%1").arg(ext));
        ok({"convert", path("s.nxx"), out});
        ok({"convert", out, path("back.nx")});
        const CliRun info = ok({"info", path("back.nx")});
        EXPECT_TRUE(info.out.startsWith("vertices: 31\nedges: 30\n")) << info.out.toStdString();
    }
    // --from names the format when the extension does not.
    QFile::copy(path("tree.csv"), path("tree.txt"));
    EXPECT_TRUE(ok({"info", path("tree.txt"), "--from", "csv"}).out.startsWith("vertices: 31\n"));
    // --header no takes the first row as an edge "source" -> "target".
    EXPECT_TRUE(ok({"info", path("tree.csv"), "--header", "no"}).out.startsWith(
        "vertices: 33\nedges: 31\n"));
    const CliRun wrong = runCli({"info", path("tree.txt"), "--from", "xls"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.err.contains("unknown format 'xls'")) << wrong.err.toStdString();
}

TEST_F(CliTest, IgnoredAttributesAndBadFilesAreReported) {
    write(path("styled.dot"), "digraph { a [shape=box]; a -> b [color=red] }");
    const CliRun r = ok({"convert", path("styled.dot"), path("styled.json")});
    EXPECT_TRUE(r.err.contains("warning: ignored 1 node attribute: shape")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("warning: ignored 1 edge attribute: color"));
    write(path("broken.json"), "{\"elements\": [}");
    const CliRun bad = runCli({"render", path("broken.json"), "-o", path("x.png")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains("broken.json:1:15: syntax error")) << bad.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("x.png")));
}

TEST_F(CliTest, LayeredLayoutDrawsADagAndKeepsToItsLimit) {
    write(path("dag.gv"), "digraph { a -> b; a -> c; b -> d; c -> d; a -> d }");
    ok({"render", path("dag.gv"), "-o", path("dag.png"), "--layout", "layered"});
    EXPECT_GT(inkPixels(QImage(path("dag.png"))), 100);
    const CliRun refused = runCli(
        {"render", path("dag.gv"), "-o", path("big.png"), "--layout", "layered", "--layered-limit", "3"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("the graph has 4 vertices, more than the limit of 3"))
        << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("big.png")));
    ok({"render", path("dag.gv"), "-o", path("raised.png"), "--layout", "layered",
        "--layered-limit", "4"});
}

}  // namespace
}  // namespace ramulo::test
