// AutomationError and the text conversions at the automation boundary.
#include "control/automation_error.h"

#include <utf8.h>

namespace ramulo {

AutomationError::AutomationError(std::uint32_t code, std::u16string description,
                                 std::uint32_t helpContext)
    : code_(code),
      description_(std::move(description)),
      helpContext_(helpContext),
      utf8_(toUtf8(description_)) {}

std::u16string toUtf16(const std::string& text) {
    std::string valid;
    utf8::replace_invalid(text.begin(), text.end(), std::back_inserter(valid));
    std::u16string result;
    utf8::utf8to16(valid.begin(), valid.end(), std::back_inserter(result));
    return result;
}

std::string toUtf8(const std::u16string& text) {
    std::string result;
    auto it = text.begin();
    while (it != text.end()) {
        const char16_t c = *it++;
        std::uint32_t cp = c;
        if (c >= 0xD800 && c <= 0xDBFF && it != text.end() && *it >= 0xDC00 && *it <= 0xDFFF) {
            cp = 0x10000 + ((c - 0xD800u) << 10) + (*it++ - 0xDC00u);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            cp = 0xFFFD;  // a lone surrogate
        }
        utf8::append(static_cast<char32_t>(cp), std::back_inserter(result));
    }
    return result;
}

}  // namespace ramulo
