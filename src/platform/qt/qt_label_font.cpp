// Label fonts for the Qt back end: registration of the bundled face and size conversion.
#include "platform/qt/qt_label_font.h"

#include <cstdlib>

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
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
    font.setFamilies({QString::fromStdU16String(faceName), QString::fromLatin1(kFallbackFamily)});
    font.setPixelSize(pixelSize < 1 ? 1 : pixelSize);
    return font;
}

}  // namespace nx
