// The one offscreen QApplication shared by the Qt tests, created on first use.
#include "platform/qt/qt_test_app.h"

#include <QApplication>

namespace nx::test {

QApplication& testApplication() {
    static int argc = 1;
    static char name[] = "test_platform_qt";
    static char* argv[] = {name, nullptr};
    // Never destroyed: widgets and fonts may outlive the tests until process exit.
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

int countPixels(const QImage& image, QColor color) {
    const QRgb wanted = color.rgb();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == wanted) ++n;
    return n;
}

}  // namespace nx::test
