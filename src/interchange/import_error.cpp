// nx::ImportError: the message form every reader uses.
#include "interchange/import_error.h"

namespace nx {

void failAt(const std::string& file, std::size_t line, std::size_t column,
            const std::string& what) {
    std::string text = file;
    if (line) {
        text += ':' + std::to_string(line);
        if (column) text += ':' + std::to_string(column);
    }
    text += ": " + what;
    throw ImportError(text);
}

}  // namespace nx
