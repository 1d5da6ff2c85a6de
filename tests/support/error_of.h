// The text of the exception a call raises, for tests that compare error texts.
#pragma once

#include <exception>
#include <string>

namespace test_support {

// The text of the exception a call raises, or "" when it raises none.
template <typename F>
std::string errorOf(F&& call) {
    try {
        call();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

}  // namespace test_support
