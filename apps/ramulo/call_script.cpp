// Reading call lines into Variants and writing results back in the same notation.
#include "call_script.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <limits>

#include "control/automation_error.h"

namespace {

class Scanner {
public:
    explicit Scanner(const std::string& text) : s_(text) {}

    void skipSpace() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\r')) ++i_;
    }
    bool atEnd() {
        skipSpace();
        return i_ >= s_.size();
    }
    char peek() const { return s_[i_]; }
    void advance() { ++i_; }

    // A bare word: up to white space, a bracket or an equals sign.
    std::string word() {
        const std::size_t start = i_;
        while (i_ < s_.size() && s_[i_] != ' ' && s_[i_] != '\t' && s_[i_] != '\r' &&
               s_[i_] != '[' && s_[i_] != ']' && s_[i_] != '=' && s_[i_] != '"')
            ++i_;
        return s_.substr(start, i_ - start);
    }

    std::string quoted() {
        advance();  // the opening quote
        std::string out;
        while (i_ < s_.size() && s_[i_] != '"') {
            char c = s_[i_++];
            if (c == '\\') {
                if (i_ >= s_.size()) break;
                const char e = s_[i_++];
                c = e == 'n' ? '\n' : e == 't' ? '\t' : e;
            }
            out.push_back(c);
        }
        if (i_ >= s_.size()) throw ScriptSyntaxError("unterminated string");
        advance();  // the closing quote
        return out;
    }

private:
    const std::string& s_;
    std::size_t i_ = 0;
};

ramulo::Variant numberVariant(const std::string& text) {
    errno = 0;
    char* end = nullptr;
    const long long integer = std::strtoll(text.c_str(), &end, 0);
    if (end && *end == '\0' && !text.empty() && errno == 0) {
        if (integer >= std::numeric_limits<std::int32_t>::min() &&
            integer <= std::numeric_limits<std::int32_t>::max())
            return ramulo::Variant::fromI4(static_cast<std::int32_t>(integer));
        if (integer >= 0 && integer <= std::numeric_limits<std::uint32_t>::max())
            return ramulo::Variant::fromUI4(static_cast<std::uint32_t>(integer));
        ramulo::Variant v;
        v.vt = ramulo::VT_I8;
        v.llVal = integer;
        return v;
    }
    errno = 0;
    const double real = std::strtod(text.c_str(), &end);
    if (end && *end == '\0' && !text.empty() && errno == 0) return ramulo::Variant::fromR8(real);
    throw ScriptSyntaxError("'" + text + "' is no value (strings go in double quotes)");
}

std::uint32_t arrayElement(const std::string& text) {
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0' || errno != 0 || v < 0 ||
        v > std::numeric_limits<std::uint32_t>::max())
        throw ScriptSyntaxError("'" + text + "' is no 32-bit unsigned value");
    return static_cast<std::uint32_t>(v);
}

ScriptArgument argument(Scanner& in) {
    ScriptArgument a;
    if (in.peek() == '"') {
        a.value = ramulo::Variant::fromString(ramulo::toUtf16(in.quoted()));
        return a;
    }
    if (in.peek() == '[') {
        in.advance();
        a.array.emplace();
        while (!in.atEnd() && in.peek() != ']') a.array->push_back(arrayElement(in.word()));
        if (in.atEnd()) throw ScriptSyntaxError("unterminated array");
        in.advance();
        return a;
    }
    const std::string w = in.word();
    if (w.empty()) throw ScriptSyntaxError(std::string("unexpected '") + in.peek() + "'");
    if (w == "true" || w == "false")
        a.value = ramulo::Variant::fromBool(w == "true");
    else
        a.value = numberVariant(w);
    return a;
}

std::string quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out.push_back('\\');
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out.push_back(c);
    }
    return out + '"';
}

}  // namespace

std::optional<ScriptCall> parseCallLine(const std::string& line) {
    Scanner in(line);
    if (in.atEnd() || in.peek() == '#') return std::nullopt;
    ScriptCall call;
    call.name = in.word();
    if (call.name.empty()) throw ScriptSyntaxError("a call starts with a member name");
    while (!in.atEnd()) {
        if (in.peek() == '=') {
            in.advance();
            if (in.atEnd()) throw ScriptSyntaxError("'=' needs a value");
            call.putValue = argument(in);
            if (!in.atEnd()) throw ScriptSyntaxError("nothing may follow the value after '='");
            break;
        }
        call.arguments.push_back(argument(in));
    }
    return call;
}

std::string formatVariant(const ramulo::Variant& v) {
    switch (v.vt) {
        case ramulo::VT_EMPTY:
            return "ok";
        case ramulo::VT_NULL:
            return "null";
        case ramulo::VT_I1:
            return std::to_string(v.cVal);
        case ramulo::VT_UI1:
            return std::to_string(v.bVal);
        case ramulo::VT_I2:
            return std::to_string(v.iVal);
        case ramulo::VT_UI2:
            return std::to_string(v.uiVal);
        case ramulo::VT_I4:
        case ramulo::VT_INT:
            return std::to_string(v.lVal);
        case ramulo::VT_UI4:
        case ramulo::VT_UINT:
            return std::to_string(v.ulVal);
        case ramulo::VT_I8:
            return std::to_string(v.llVal);
        case ramulo::VT_UI8:
            return std::to_string(v.ullVal);
        case ramulo::VT_R4:
            return std::to_string(v.fltVal);
        case ramulo::VT_R8: {
            char buffer[32];
            const auto r = std::to_chars(buffer, buffer + sizeof buffer, v.dblVal);
            return std::string(buffer, r.ptr);
        }
        case ramulo::VT_BOOL:
            return v.boolVal ? "true" : "false";
        case ramulo::VT_BSTR:
            return quote(ramulo::toUtf8(v.bstrVal));
        default:
            return "(VT " + std::to_string(v.vt) + ")";
    }
}
