// nx::ImportError: a file that cannot be read, with where and what was expected.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace nx {

class ImportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "<file>:<line>:<column>: <what>"; a zero line or column is left out.
[[noreturn]] void failAt(const std::string& file, std::size_t line, std::size_t column,
                         const std::string& what);

}  // namespace nx
