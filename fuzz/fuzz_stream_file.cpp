// Fuzz target: the stream document reader on arbitrary bytes.
#include <exception>

#include "fuzz_input.h"
#include "persistence/space_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = nx::fuzz::writeInput(data, size, ".nx");
    nx::fuzz::Document doc;
    try {
        nx::loadStream(*doc.space, path, nullptr);
    } catch (const std::exception&) {
        return 0;
    }
    nx::fuzz::checkSavesAreStable(*doc.space, path, false);
    return 0;
}
