// The memory and file property bags.
#include "control/property_bag.h"

#include <fstream>
#include <stdexcept>

namespace ramulo {

std::optional<std::string> MemoryPropertyBag::read(const std::string& key) const {
    const auto it = values_.find(key);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

void MemoryPropertyBag::write(const std::string& key, const std::string& value) {
    values_[key] = value;
}

namespace {

std::string escaped(const std::string& value) {
    std::string out;
    for (char c : value) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string unescaped(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

}  // namespace

bool FilePropertyBag::load() {
    clear();
    std::ifstream in(path_, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        write(line.substr(0, eq), unescaped(line.substr(eq + 1)));
    }
    return true;
}

void FilePropertyBag::save() const {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("Failed to open property file " + path_ + " for writing");
    for (const auto& [key, value] : values()) out << key << '=' << escaped(value) << '\n';
    if (!out) throw std::runtime_error("Failed to write property file " + path_);
}

}  // namespace ramulo
