// Token reading and locale-independent number parsing and formatting.
#include "properties/text_io.h"

#include <locale.h>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace nx::text {

namespace {

// The one reading loop of both token readers: hands each byte to put until the delimiter,
// the end of input or the limit, and answers the token's length.
template <typename Put>
std::size_t readTokenWith(std::istream& in, char delimiter, std::size_t maxBytes, Put put) {
    std::streambuf* buf = in.rdbuf();
    if (!buf) return 0;
    using traits = std::char_traits<char>;
    std::size_t length = 0;
    while (length < maxBytes) {
        const int c = buf->sbumpc();
        if (c == traits::eof()) {
            in.setstate(std::ios::eofbit);
            return length;
        }
        if (static_cast<char>(c) == delimiter) return length;
        put(length++, static_cast<char>(c));
    }
    // The limit was reached: take the delimiter too when it comes next.
    const int c = buf->sgetc();
    if (c != traits::eof() && static_cast<char>(c) == delimiter) buf->sbumpc();
    return length;
}

}  // namespace

std::size_t readTokenInto(std::istream& in, char delimiter, char* out, std::size_t maxBytes) {
    return readTokenWith(in, delimiter, maxBytes, [out](std::size_t at, char c) { out[at] = c; });
}

bool plainDecimal(const char* text, std::size_t length, std::size_t maxDigits,
                  std::uint64_t& magnitude, bool& negative) {
    negative = length > 0 && text[0] == '-';
    const std::size_t from = negative ? 1 : 0;
    if (length == from || length - from > maxDigits) return false;
    std::uint64_t value = 0;
    for (std::size_t i = from; i < length; ++i) {
        const unsigned digit = static_cast<unsigned>(text[i] - '0');
        if (digit > 9) return false;
        value = value * 10 + digit;
    }
    magnitude = value;
    return true;
}

std::string readToken(std::istream& in, char delimiter, std::size_t maxBytes) {
    std::string token;
    readTokenWith(in, delimiter, maxBytes, [&token](std::size_t, char c) { token.push_back(c); });
    return token;
}

std::string stripQuotes(const std::string& token) {
    if (!token.empty() && token.front() == '"' && token.back() == '"') {
        if (token.size() == 1) return std::string();
        return token.substr(1, token.size() - 2);
    }
    return token;
}

namespace {

// Splits optional leading white space and sign off a decimal integer.
// Returns the position of the first digit, or npos when the form is wrong.
std::size_t signedDigits(const std::string& text, bool allowMinus, bool& negative) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        if (negative && !allowMinus) return std::string::npos;
        ++i;
    }
    if (i == text.size()) return std::string::npos;
    for (std::size_t j = i; j < text.size(); ++j)
        if (!std::isdigit(static_cast<unsigned char>(text[j]))) return std::string::npos;
    return i;
}

// Magnitude of a digit run, false on overflow past limit.
bool magnitude(const std::string& text, std::size_t from, std::uint64_t limit, std::uint64_t& out) {
    std::uint64_t value = 0;
    for (std::size_t j = from; j < text.size(); ++j) {
        const unsigned digit = static_cast<unsigned>(text[j] - '0');
        if (value > (limit - digit) / 10) return false;
        value = value * 10 + digit;
    }
    out = value;
    return true;
}

template <typename T>
bool parseSigned(const std::string& text, T& out) {
    bool negative = false;
    const std::size_t from = signedDigits(text, true, negative);
    if (from == std::string::npos) return false;
    const std::uint64_t maxPositive = static_cast<std::uint64_t>(std::numeric_limits<T>::max());
    std::uint64_t value = 0;
    if (!magnitude(text, from, negative ? maxPositive + 1 : maxPositive, value)) return false;
    if (negative) {
        out = value == maxPositive + 1 ? std::numeric_limits<T>::min()
                                       : static_cast<T>(-static_cast<std::int64_t>(value));
    } else {
        out = static_cast<T>(value);
    }
    return true;
}

template <typename T>
bool parseUnsigned(const std::string& text, T& out) {
    bool negative = false;
    const std::size_t from = signedDigits(text, false, negative);
    if (from == std::string::npos) return false;
    std::uint64_t value = 0;
    if (!magnitude(text, from, std::numeric_limits<T>::max(), value)) return false;
    out = static_cast<T>(value);
    return true;
}

locale_t classicLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return loc;
}

}  // namespace

bool parseInt32(const std::string& text, std::int32_t& out) {
    return parseSigned(text, out);
}
bool parseInt64(const std::string& text, std::int64_t& out) {
    return parseSigned(text, out);
}
bool parseInt8(const std::string& text, std::int8_t& out) {
    return parseSigned(text, out);
}
bool parseUInt32(const std::string& text, std::uint32_t& out) {
    return parseUnsigned(text, out);
}
bool parseUInt64(const std::string& text, std::uint64_t& out) {
    return parseUnsigned(text, out);
}

bool parseDouble(const std::string& text, double& out) {
    if (text.empty()) return false;
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const double value = strtod_l(begin, &end, classicLocale());
    if (end == begin || static_cast<std::size_t>(end - begin) != text.size()) return false;
    if (errno == ERANGE && std::isinf(value)) return false;
    out = value;
    return true;
}

bool parseHex64(const std::string& text, std::uint64_t& out) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
        i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 2])))
        i += 2;
    std::uint64_t value = 0;
    auto [ptr, ec] = std::from_chars(text.data() + i, text.data() + text.size(), value, 16);
    if (ptr == text.data() + i) return false;
    // Like scanf, an out-of-range value saturates instead of failing.
    out = ec == std::errc::result_out_of_range ? std::numeric_limits<std::uint64_t>::max() : value;
    return true;
}

std::string formatDouble(double value) {
    char buffer[64];
    auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    if (ec != std::errc()) return std::string();
    return std::string(buffer, ptr);
}

}  // namespace nx::text
