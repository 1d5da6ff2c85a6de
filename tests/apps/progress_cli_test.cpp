// The tool's progress line: with --progress on stderr, without it (no terminal) nothing.
#include <QFile>

#include "cli_fixture.h"

namespace {

using ramulo::test::CliTest;

class ProgressCli : public CliTest {
protected:
    // An edge list of a binary tree big enough for many progress reports.
    QString bigTree() {
        const QString file = path(QStringLiteral("tree.csv"));
        QFile csv(file);
        EXPECT_TRUE(csv.open(QIODevice::WriteOnly));
        QByteArray text = "source,target\n";
        for (int i = 1; i < 20000; ++i)
            text += QByteArray::number((i - 1) / 2) + ',' + QByteArray::number(i) + '\n';
        csv.write(text);
        return file;
    }
};

TEST_F(ProgressCli, TheLineAppearsOnlyWhenAskedForAndLeavesStdoutAlone) {
    const QString tree = bigTree();
    const QString nx = path(QStringLiteral("tree.nx"));
    const auto quiet = ok({QStringLiteral("convert"), tree, nx});
    EXPECT_FALSE(quiet.err.contains(QLatin1Char('\r'))) << quiet.err.toStdString();
    EXPECT_FALSE(quiet.err.contains(QStringLiteral("%"))) << quiet.err.toStdString();

    struct Case {
        QStringList args;
        QStringList lines;  // the last state of each operation's line
    };
    const Case cases[] = {
        {{QStringLiteral("convert"), tree, nx, QStringLiteral("--progress")},
         {QStringLiteral("ramulo: Loading "), QStringLiteral("ramulo: Saving 100%")}},
        {{QStringLiteral("render"), QStringLiteral("--progress"), nx, QStringLiteral("-o"),
          path(QStringLiteral("tree.svg")), QStringLiteral("--layout"), QStringLiteral("radial")},
         {QStringLiteral("ramulo: Loading "), QStringLiteral("ramulo: Arranging 100%"),
          QStringLiteral("ramulo: Drawing 100%")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const auto run = ok(c.args);
        for (const QString& line : c.lines)
            EXPECT_TRUE(run.err.contains(line)) << run.err.toStdString();
        // Each line ends once, after its last update.
        EXPECT_EQ(run.err.count(QStringLiteral("%\n")) + run.err.count(QStringLiteral("items\n")),
                  run.err.count(QLatin1Char('\r')) > 0 ? c.lines.size() : 0)
            << run.err.toStdString();
        EXPECT_EQ(run.out, quiet.out);
    }
}

}  // namespace
