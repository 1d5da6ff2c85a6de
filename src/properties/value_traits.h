// Text forms of the primitive value types: names, writing, parsing, error texts.
#pragma once

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>

#include "properties/error_texts.h"
#include "properties/text_io.h"

namespace nx::PropertyTemplate {

template <typename T>
struct ValueTraits;

// A decimal as std::to_string writes it.
template <typename I>
void appendDecimal(std::string& text, I v) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
    text.append(digits, static_cast<std::size_t>(end - digits));  // by length: no temporary
}

template <>
struct ValueTraits<bool> {
    static constexpr const char* name = "bool";
    static constexpr const char* error = nx::error_texts::kFailedToReadInt;
    static void write(std::ostream& out, bool v) { out << (v ? '1' : '0'); }
    static void append(std::string& text, bool v) { text.push_back(v ? '1' : '0'); }
    static bool parse(const std::string& s, bool& v) {
        std::int32_t i = 0;
        if (!text::parseInt32(s, i)) return false;
        v = i != 0;
        return true;
    }
};

template <>
struct ValueTraits<std::int32_t> {
    static constexpr const char* name = "int";
    static constexpr const char* error = nx::error_texts::kFailedToReadInt;
    static void write(std::ostream& out, std::int32_t v) { out << std::to_string(v); }
    static void append(std::string& text, std::int32_t v) { appendDecimal(text, v); }
    static bool parse(const std::string& s, std::int32_t& v) { return text::parseInt32(s, v); }
};

template <>
struct ValueTraits<double> {
    static constexpr const char* name = "double";
    static constexpr const char* error = "Failed to read a value of type 'double'";
    static void write(std::ostream& out, double v) { out << text::formatDouble(v); }
    static void append(std::string& text, double v) { text += text::formatDouble(v); }
    static bool parse(const std::string& s, double& v) { return text::parseDouble(s, v); }
};

template <>
struct ValueTraits<void*> {
    static constexpr const char* name = "void*";
    static constexpr const char* error = "Failed to read a value of type 'void*'";
    static void write(std::ostream& out, void* v) {
        char buffer[24];
        std::snprintf(buffer, sizeof buffer, "%016llX",
                      static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(v)));
        out << buffer;
    }
    static void append(std::string& text, void* v) {
        char buffer[24];
        std::snprintf(buffer, sizeof buffer, "%016llX",
                      static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(v)));
        text += buffer;
    }
    static bool parse(const std::string& s, void*& v) {
        std::uint64_t bits = 0;
        if (!text::parseHex64(s, bits)) return false;
        v = reinterpret_cast<void*>(static_cast<std::uintptr_t>(bits));
        return true;
    }
};

template <>
struct ValueTraits<std::uint32_t> {
    static constexpr const char* name = "unsigned int";
    static constexpr const char* error = nx::error_texts::kFailedToReadUnsigned;
    static void write(std::ostream& out, std::uint32_t v) { out << std::to_string(v); }
    static void append(std::string& text, std::uint32_t v) { appendDecimal(text, v); }
    static bool parse(const std::string& s, std::uint32_t& v) { return text::parseUInt32(s, v); }
};

template <>
struct ValueTraits<std::int64_t> {
    static constexpr const char* name = "__int64";
    static constexpr const char* error = "Failed to read a value of type 'long long'";
    static void write(std::ostream& out, std::int64_t v) { out << std::to_string(v); }
    static void append(std::string& text, std::int64_t v) { appendDecimal(text, v); }
    static bool parse(const std::string& s, std::int64_t& v) { return text::parseInt64(s, v); }
};

template <>
struct ValueTraits<std::uint64_t> {
    static constexpr const char* name = "unsigned __int64";
    static constexpr const char* error = "Failed to read a value of type 'unsigned long long'";
    static void write(std::ostream& out, std::uint64_t v) { out << std::to_string(v); }
    static void append(std::string& text, std::uint64_t v) { appendDecimal(text, v); }
    static bool parse(const std::string& s, std::uint64_t& v) { return text::parseUInt64(s, v); }
};

template <>
struct ValueTraits<std::int8_t> {
    static constexpr const char* name = "char";
    static constexpr const char* error = "Failed to read a value of type 'char'";
    static void write(std::ostream& out, std::int8_t v) { out << std::to_string(v); }
    static void append(std::string& text, std::int8_t v) {
        appendDecimal(text, static_cast<int>(v));
    }
    static bool parse(const std::string& s, std::int8_t& v) { return text::parseInt8(s, v); }
};

}  // namespace nx::PropertyTemplate
