// Writes the automation member reference (docs/AUTOMATION.md) from the dispatch table.
#include <fstream>
#include <iostream>
#include <string_view>

#include "control/automation_reference.h"

int main(int argc, char** argv) {
    // An option is never taken for a file name: "--help" must not create a file called that.
    if (argc != 2 || std::string_view(argv[1]).starts_with('-')) {
        const bool asked = argc == 2 && (std::string_view(argv[1]) == "--help" ||
                                         std::string_view(argv[1]) == "-h");
        (asked ? std::cout : std::cerr) << "usage: automation_reference OUTPUT.md\n";
        return asked ? 0 : 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << ramulo::automationReference();
    if (!out) {
        std::cerr << "automation_reference: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
