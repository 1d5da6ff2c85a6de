// ramulo-widget-demo: the control on a form, editable, with its events shown in the title.
#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

#include "control/qt/overview_widget.h"
#include "control/qt/ramulo_ctrl.h"

namespace {

// Opens the context menu of the vertex at a logical point as a right click would, saves a
// picture of the whole screen while it is open, then closes it and quits.
void screenshotWithMenu(ramulo::CRamuloCtrl& ctrl, QPoint vertex, const QString& path) {
    QTimer::singleShot(300, &ctrl, [&ctrl, vertex, path] {
        QTimer::singleShot(500, &ctrl, [path] {
            QScreen* screen = QGuiApplication::primaryScreen();
            screen->grabWindow(0).save(path);
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
            QTimer::singleShot(0, qApp, &QApplication::quit);
        });
        const QPointF at = vertex - ctrl.scrollPosition();
        const QPointF global = ctrl.viewport()->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::RightButton, Qt::RightButton,
                          Qt::NoModifier);
        QApplication::sendEvent(ctrl.viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::RightButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(ctrl.viewport(), &release);  // the menu runs in here
    });
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // --language L: the control's menus and questions in that language (de), else English.
    if (const QStringList a = app.arguments(); a.indexOf(QStringLiteral("--language")) > 0) {
        const qsizetype i = a.indexOf(QStringLiteral("--language"));
        if (i + 1 < a.size() && !ramulo::CRamuloCtrl::installTranslator(QLocale(a[i + 1])))
            std::fprintf(stderr, "ramulo-widget-demo: no translation for %s\n", qPrintable(a[i + 1]));
    }
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* ctrl = new ramulo::CRamuloCtrl;
    ctrl->setEditingEnabled(true);
    ctrl->setRotationEnabled(true);
    ctrl->setHierarchicalLayoutEnabled(true);
    ctrl->setRadialLayoutEnabled(true);
    ctrl->setDoubleClickEnabled(true);
    ctrl->AddVertexMenuItem(QStringLiteral("Show ID"));
    QObject::connect(ctrl, &ramulo::CRamuloCtrl::VertexMenuCommand, &window,
                     [&window](quint16, quint32 id) {
                         window.setWindowTitle(QStringLiteral("Vertex %1").arg(id));
                     });
    // The control with its overview map beside it.
    auto* row = new QHBoxLayout;
    row->addWidget(ctrl, 1);
    auto* overview = new ramulo::RamuloOverview;
    overview->setControl(ctrl);
    overview->setFixedWidth(160);
    row->addWidget(overview, 0, Qt::AlignTop);
    overview->setFixedHeight(120);
    layout->addLayout(row);
    window.setWindowTitle(QStringLiteral("Ramulo"));
    // --size WxH: the window's size (480x380 unless given).
    const QStringList args = app.arguments();
    QSize size(480, 380);
    if (const qsizetype i = args.indexOf(QStringLiteral("--size")); i > 0 && i + 1 < args.size()) {
        const QStringList wh = args[i + 1].split(QLatin1Char('x'));
        if (wh.size() == 2) size = QSize(wh[0].toInt(), wh[1].toInt()).expandedTo(QSize(50, 50));
    }
    window.resize(size);
    window.show();
    ctrl->setFocus();
    // --zoom Z: start at that zoom.
    if (const qsizetype i = args.indexOf(QStringLiteral("--zoom")); i > 0 && i + 1 < args.size())
        ctrl->setZoom(args[i + 1].toDouble());
    // --window-shot FILE: a picture of the window once it has settled, then quit.
    if (const qsizetype i = args.indexOf(QStringLiteral("--window-shot"));
        i > 0 && i + 1 < args.size()) {
        const QString path = args[i + 1];
        QTimer::singleShot(500, &window, [&window, path] {
            window.grab().save(path);
            QApplication::quit();
        });
    }

    // --screenshot FILE: a picture of sample 1 with the vertex menu of C open.
    const qsizetype at = args.indexOf(QStringLiteral("--screenshot"));
    if (at > 0 && at + 1 < args.size()) screenshotWithMenu(*ctrl, {180, 130}, args[at + 1]);
    return app.exec();
}
