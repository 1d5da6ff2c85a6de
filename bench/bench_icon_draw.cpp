// Drawing 1,000 icons of 32 x 32 pixels unfaded and faded against filling as many squares,
// and loading an .ico file through the run-wide cache against reading it each time.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include "platform/qt/qt_device_context.h"
#include "platform/qt/qt_drawing_tools.h"
#include "platform/qt/qt_icon_impl.h"
#include "views/icon.h"

namespace {

constexpr int kIcons = 1000;
// The test data's icon file, found next to this source.
const QString kIcoFile = QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                         QStringLiteral("/../tests/data/icons/sizes.ico");

struct Surface {
    QImage image{1920, 1080, QImage::Format_RGB32};
    nx::QtDeviceContext context{&image};
    nx::QtDrawingTools tools;
    nx::Icon icon;

    Surface() {
        image.fill(Qt::white);
        tools.init(&context, {0, 0});
        tools.setBackgroundColor({255, 255, 255});
        tools.setBrushColor({0, 0, 200});
        icon.setFileWithSize(kIcoFile.toStdU16String(), 32);
    }
    static nx::Point at(int i) { return {(i % 50) * 38, (i / 50) * 38}; }
};

void drawIcons(benchmark::State& state, int fadingLevel) {
    Surface s;
    s.tools.fadingLevel = fadingLevel;
    s.tools.fadingRatio = fadingLevel / 100.0;
    s.tools.drawIcon(s.icon, {0, 0}, {32, 32});  // loads the image and builds the copies
    for (auto _ : state)
        for (int i = 0; i < kIcons; ++i) s.tools.drawIcon(s.icon, Surface::at(i), {32, 32});
    s.tools.endPainting();
    state.SetItemsProcessed(state.iterations() * kIcons);
}

void BM_FillSquares(benchmark::State& state) {
    Surface s;
    for (auto _ : state)
        for (int i = 0; i < kIcons; ++i) {
            const nx::Point p = Surface::at(i);
            s.tools.fillRectangle({p.x, p.y, p.x + 32, p.y + 32});
        }
    s.tools.endPainting();
    state.SetItemsProcessed(state.iterations() * kIcons);
}
BENCHMARK(BM_FillSquares)->Unit(benchmark::kMicrosecond)->MinTime(0.5);

void BM_DrawIconsUnfaded(benchmark::State& state) {
    drawIcons(state, 0);
}
BENCHMARK(BM_DrawIconsUnfaded)->Unit(benchmark::kMicrosecond)->MinTime(0.5);

void BM_DrawIconsFaded50(benchmark::State& state) {
    drawIcons(state, 50);
}
BENCHMARK(BM_DrawIconsFaded50)->Unit(benchmark::kMicrosecond)->MinTime(0.5);

void BM_LoadIcoCached(benchmark::State& state) {
    for (auto _ : state) {
        nx::QtIconImpl impl;
        impl.loadIconFile(kIcoFile.toStdU16String(), 32);
        benchmark::DoNotOptimize(impl.isLoaded());
    }
}
BENCHMARK(BM_LoadIcoCached)->Unit(benchmark::kMicrosecond)->MinTime(0.5);

void BM_ReadIcoEachTime(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(nx::QtIconImpl::readNearest(kIcoFile, 32));
}
BENCHMARK(BM_ReadIcoEachTime)->Unit(benchmark::kMicrosecond)->MinTime(0.5);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
