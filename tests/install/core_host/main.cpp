// core_host: the Qt-free control and its graph files from an installed Ramulo.
#include <cstdio>
#include <exception>
#include <ramulo/control.h>
#include <ramulo/graph_files.h>

int main() {
    ramulo::RamuloControl control;  // no window yet, so no document
    try {
        ramulo::exportGraphFile(control, "none.graphml");
    } catch (const std::exception& e) {
        std::printf("%s\n", e.what());
        return 0;
    }
    return 1;
}
