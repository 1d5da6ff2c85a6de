// Fuzz target: the XML document reader on arbitrary bytes.
#include <exception>

#include "fuzz_input.h"
#include "persistence/space_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = nx::fuzz::writeInput(data, size, ".nxx");
    nx::fuzz::Document doc;
    try {
        nx::loadXml(*doc.space, path, nullptr);
    } catch (const std::exception&) {
        return 0;
    }
    nx::fuzz::checkSavesAreStable(*doc.space, path, true);
    return 0;
}
