// The one offscreen QApplication shared by the Qt tests, created on first use.
#pragma once

#include <QColor>
#include <QImage>

class QApplication;

namespace nx::test {

QApplication& testApplication();

// Number of pixels of exactly this colour.
int countPixels(const QImage& image, QColor color);

}  // namespace nx::test
