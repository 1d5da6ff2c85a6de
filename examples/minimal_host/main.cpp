// minimal_host: builds a small tree with Ramulo, lays it out, saves it and draws it as PNG.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <ramulo/render.h>
#include <ramulo/widget.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    try {
        ramulo::CRamuloCtrl ctrl;
        ctrl.setTestID(0);    // start from an empty document
        ctrl.createWindow();  // the control's window exists without being shown
        ctrl.NewTree();
        const quint32 root = ctrl.AddVertex();
        for (int i = 0; i < 3; ++i) {
            const quint32 child = ctrl.AddVertex();
            ctrl.AddEdge(root, child);
            ctrl.AddEdge(child, ctrl.AddVertex());
        }
        ctrl.HierarchicalLayout();
        if (!ctrl.SaveToXml(out.filePath(QStringLiteral("tree.nxx")))) return 1;
        ramulo::renderPng(ctrl.control(), out.filePath(QStringLiteral("tree.png")));
        std::printf("%u vertices, %u edges\n", ctrl.VertexCount(0), ctrl.EdgeCount(0));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "minimal_host: %s\n", e.what());
        return 1;
    }
    return 0;
}
