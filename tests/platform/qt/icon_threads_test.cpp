// One icon drawn by drawing tools on two threads at once, against different backgrounds so
// that each thread's faded copies replace the other's.
#include <gtest/gtest.h>

#include <barrier>
#include <thread>
#include <vector>

#include <QImage>

#include "platform/qt/qt_device_context.h"
#include "platform/qt/qt_drawing_tools.h"
#include "platform/qt/qt_test_app.h"
#include "views/icon.h"
#include "views/icon_impl.h"

namespace nx {
namespace {

// Every fading level of the icon side by side, several times over, on one surface.
QImage drawRow(Icon& icon, const RgbColor& background) {
    QImage surface(11 * 34, 34, QImage::Format_RGB32);
    surface.fill(qRgb(background.red, background.green, background.blue));
    QtDeviceContext context(&surface);
    QtDrawingTools tools;
    tools.init(&context, {0, 0});
    tools.setBackgroundColor(background);
    for (int pass = 0; pass < 100; ++pass)
        for (int level = 0; level <= 100; level += 10) {
            tools.fadingLevel = level;
            tools.fadingRatio = level / 100.0;
            tools.drawIcon(icon, {level / 10 * 34 + 1, 1}, {32, 32});
        }
    tools.endPainting();
    return surface;
}

TEST(QtIconThreads, OneIconOnTwoThreadsDrawsAsOnOne) {
    test::testApplication();
    IconImpl::setFadedCopyCount(9);
    const RgbColor backgrounds[] = {{255, 255, 255}, {0, 0, 64}};
    const std::u16string file =
        QStringLiteral(RAMULO_TEST_DATA "/icons/sizes.ico").toStdU16String();

    std::vector<QImage> alone;
    for (const RgbColor& background : backgrounds) {
        Icon icon;
        icon.setFileWithSize(file, 32);
        alone.push_back(drawRow(icon, background));
    }
    ASSERT_NE(alone[0], alone[1]);

    Icon shared;  // loaded by whichever thread draws it first
    shared.setFileWithSize(file, 32);
    std::vector<QImage> together(2);
    std::barrier start(2);
    std::vector<std::thread> threads;
    for (int t = 0; t < 2; ++t)
        threads.emplace_back([&, t] {
            start.arrive_and_wait();
            together[t] = drawRow(shared, backgrounds[t]);
        });
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(together[0], alone[0]);
    EXPECT_EQ(together[1], alone[1]);
}

}  // namespace
}  // namespace nx
