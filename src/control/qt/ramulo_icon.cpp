// ramuloIcon: a root with two children and a grandchild, in the control's dot colours.
#include "control/qt/ramulo_icon.h"

#include <QPainter>
#include <QPixmap>

namespace ramulo {

namespace {

QPixmap drawIcon(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 32.0, side / 32.0);
    const QPointF root(16, 6), left(7, 17), right(25, 17), leaf(25, 27);
    p.setPen(QPen(QColor(64, 64, 64), 2));
    p.drawLine(root, left);
    p.drawLine(root, right);
    p.drawLine(right, leaf);
    const auto dot = [&p](QPointF at, QColor fill) {
        p.setPen(QPen(QColor(0, 0, 128), 1.5));
        p.setBrush(fill);
        p.drawEllipse(at, 4.5, 4.5);
    };
    dot(root, QColor(255, 0, 0));
    dot(left, QColor(0, 0, 255));
    dot(right, QColor(0, 0, 255));
    dot(leaf, QColor(0, 160, 0));
    return pixmap;
}

}  // namespace

QIcon ramuloIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64}) icon.addPixmap(drawIcon(side));
    return icon;
}

}  // namespace ramulo
