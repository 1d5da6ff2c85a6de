// Label fonts for the Qt back end: registration of the bundled face and size conversion.
#include "platform/qt/qt_label_font.h"

#include <algorithm>
#include <cstdlib>

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace nx {

namespace {

constexpr const char* kBundledTahoma = "/usr/share/wine/fonts/tahoma.ttf";

void registerBundledFaces() {
    // Application fonts belong to the running application; register again for a new one.
    static const QCoreApplication* registeredFor = nullptr;
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app || app == registeredFor) return;
    registeredFor = app;
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) return;
    if (QFile::exists(QString::fromLatin1(kBundledTahoma)))
        QFontDatabase::addApplicationFont(QString::fromLatin1(kBundledTahoma));
}

}  // namespace

int pixelSizeForPointSize(int pointSize) {
    const long long scaled = static_cast<long long>(kLogicalDpi) * std::llabs(pointSize);
    const long long pixels = (scaled + 360) / 720;  // rounds half up, as MulDiv does
    return pixels < 1 ? 1 : static_cast<int>(pixels);
}

QFont labelFont(const std::u16string& faceName, int pixelSize) {
    registerBundledFaces();
    QFont font;
    // The face draws what it has; characters it lacks come from the families after it, in
    // order (DejaVu Sans covers Latin, Greek, Cyrillic and Arabic), then from the system's own
    // fallback, so no label shows empty boxes where some installed font has the glyph.
    QStringList families{QString::fromStdU16String(faceName), QString::fromLatin1(kFallbackFamily)};
    for (const char* script : kScriptFallbackFamilies) families << QString::fromLatin1(script);
    font.setFamilies(families);
    font.setPixelSize(pixelSize < 1 ? 1 : pixelSize);
    return font;
}

QFont explicitLabelFont(const std::u16string& faceName, int height, int width, int weight,
                        bool italic, bool underline, bool strikeOut, int quality) {
    constexpr int kDefaultPixelHeight = 12;
    int pixels = height < 0 ? -height : height;
    if (pixels == 0) pixels = kDefaultPixelHeight;
    QFont font = labelFont(faceName, pixels);
    if (height > 0) {
        const int cell = QFontMetrics(font).height();
        if (cell > 0) font.setPixelSize(std::max(1, pixels * pixels / cell));
    }
    if (weight > 0) font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    if (width != 0) {
        const int natural = QFontMetrics(font).averageCharWidth();
        if (natural > 0) font.setStretch(std::clamp(100 * std::abs(width) / natural, 1, 4000));
    }
    switch (quality) {
        case 3:
            font.setStyleStrategy(QFont::NoAntialias);
            break;
        case 4:
        case 5:
        case 6:
            font.setStyleStrategy(QFont::PreferAntialias);
            break;
        default:
            break;
    }
    return font;
}

}  // namespace nx
