// Writes the automation member reference (docs/AUTOMATION.md) from the dispatch table.
#include <fstream>
#include <iostream>

#include "control/automation_reference.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: automation_reference OUTPUT.md\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << automationReference();
    if (!out) {
        std::cerr << "automation_reference: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
