// Running the ramulo binary on temporary files, as a user or a script would.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

namespace ramulo::test {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Without a display, as on a build machine: the tool must pick the offscreen platform itself.
// childSetup runs in the child before the tool starts (limits, signal dispositions).
inline CliRun runCli(const QStringList& args, const QByteArray& input = {},
                     const std::function<void()>& childSetup = {}) {
    QProcess p;
    if (childSetup) p.setChildProcessModifier(childSetup);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(RAMULO_CLI), args);
    EXPECT_TRUE(p.waitForStarted());
    if (!input.isEmpty()) p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(120000));
    CliRun r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// Reading drawings back (SVG text needs fonts) wants a GUI application in this process.
inline void guiApplication() {
    if (QGuiApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_apps";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

class CliTest : public ::testing::Test {
public:
    void SetUp() override { guiApplication(); }
    QString path(const QString& name) const { return dir.filePath(name); }
    // Runs and expects success, showing stderr when it fails.
    CliRun ok(const QStringList& args, const QByteArray& input = {}) {
        CliRun r = runCli(args, input);
        EXPECT_EQ(r.exitCode, 0) << args.join(' ').toStdString() << "\n" << r.err.toStdString();
        return r;
    }
    QTemporaryDir dir;
};

// Pixels that differ from the white background.
inline int inkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ++n;
    return n;
}

}  // namespace ramulo::test
