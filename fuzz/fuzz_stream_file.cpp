// Fuzz target: the stream document reader on arbitrary bytes.
#include <exception>

#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = nx::fuzz::writeInput(data, size, ".nx");
    nx::fuzz::Document doc;
    try {
        doc.space->loadStream(path, nullptr);
    } catch (const std::exception&) {
        return 0;
    }
    nx::fuzz::checkSavesAreStable(*doc.space, path, false);
    return 0;
}
