// The built-in file, folder, drive and program icons, drawn on a 32-unit grid and scaled.
#include "platform/qt/qt_builtin_icons.h"

#include <map>
#include <mutex>
#include <utility>

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

namespace nx {

namespace {

void drawFile(QPainter& p) {
    QPainterPath page;
    page.moveTo(7, 2);
    page.lineTo(19, 2);
    page.lineTo(26, 9);
    page.lineTo(26, 30);
    page.lineTo(7, 30);
    page.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1.2));
    p.setBrush(QColor(250, 250, 250));
    p.drawPath(page);
    p.setBrush(QColor(210, 210, 210));
    p.drawPolygon(QPolygonF({QPointF(19, 2), QPointF(19, 9), QPointF(26, 9)}));
    p.setPen(QPen(QColor(150, 160, 190), 1.4));
    for (int y = 14; y <= 26; y += 4) p.drawLine(QPointF(10, y), QPointF(23, y));
}

void drawFolder(QPainter& p) {
    p.setPen(QPen(QColor(150, 110, 20), 1.2));
    p.setBrush(QColor(230, 180, 60));
    QPainterPath back;
    back.moveTo(2, 8);
    back.lineTo(12, 8);
    back.lineTo(15, 5);
    back.lineTo(2, 5);
    back.closeSubpath();
    p.drawPath(back);
    p.drawRect(QRectF(2, 8, 28, 20));
    p.setBrush(QColor(250, 210, 90));
    p.drawPolygon(QPolygonF({QPointF(2, 28), QPointF(6, 13), QPointF(31, 13), QPointF(30, 28)}));
}

void drawDrive(QPainter& p) {
    p.setPen(QPen(QColor(70, 70, 80), 1.2));
    p.setBrush(QColor(200, 200, 210));
    p.drawRoundedRect(QRectF(2, 11, 28, 13), 2, 2);
    p.setBrush(QColor(150, 150, 160));
    p.drawRect(QRectF(4, 24, 24, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 190, 60));
    p.drawEllipse(QRectF(23, 16, 4, 4));
    p.setPen(QPen(QColor(110, 110, 120), 1.4));
    p.drawLine(QPointF(6, 18), QPointF(18, 18));
}

void drawProgram(QPainter& p) {
    p.setPen(QPen(QColor(40, 50, 90), 1.2));
    p.setBrush(QColor(245, 245, 250));
    p.drawRect(QRectF(3, 5, 26, 22));
    p.setBrush(QColor(50, 90, 190));
    p.drawRect(QRectF(3, 5, 26, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 80, 60));
    p.drawRect(QRectF(24, 7, 3, 2));
    p.setBrush(QColor(120, 150, 210));
    p.drawRect(QRectF(7, 15, 9, 8));
}

QImage render(FileIconKind kind, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    switch (kind) {
        case FileIconKind::File:
            drawFile(p);
            break;
        case FileIconKind::Folder:
            drawFolder(p);
            break;
        case FileIconKind::Drive:
            drawDrive(p);
            break;
        case FileIconKind::Program:
            drawProgram(p);
            break;
    }
    p.end();
    return image;
}

}  // namespace

FileIconKind fileIconKind(const QString& path) {
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]?$"));
    if (path == QLatin1String("/") || drive.match(path).hasMatch()) return FileIconKind::Drive;
    const QFileInfo info(path);
    if (info.isDir()) return FileIconKind::Folder;
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("exe") || suffix == QLatin1String("com") ||
        suffix == QLatin1String("bat") || suffix == QLatin1String("cmd") ||
        (info.isFile() && info.isExecutable()))
        return FileIconKind::Program;
    return FileIconKind::File;
}

QImage builtinFileIcon(FileIconKind kind, int size) {
    static std::mutex mutex;
    static std::map<std::pair<int, int>, QImage> cache;
    if (size < 1) size = 32;
    const std::lock_guard lock(mutex);
    QImage& image = cache[{static_cast<int>(kind), size}];
    if (image.isNull()) image = render(kind, size);
    return image;
}

}  // namespace nx
