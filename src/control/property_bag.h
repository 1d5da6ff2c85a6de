// Property bags: where the control's persisted state goes: one in memory, one in a plain
// key=value file.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "ramulo/property_bag.h"

namespace ramulo {

class MemoryPropertyBag : public PropertyBag {
public:
    std::optional<std::string> read(const std::string& key) const override;
    void write(const std::string& key, const std::string& value) override;
    const std::map<std::string, std::string>& values() const { return values_; }
    void clear() { values_.clear(); }

private:
    std::map<std::string, std::string> values_;
};

// One "key=value" line per entry, UTF-8; backslash, line feed and carriage return in values
// are escaped as \\, \n and \r. Lines without '=' are ignored.
class FilePropertyBag : public MemoryPropertyBag {
public:
    explicit FilePropertyBag(std::string path) : path_(std::move(path)) {}
    // False when the file cannot be read (the bag is then empty).
    bool load();
    // Fails with a runtime error when the file cannot be written.
    void save() const;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace ramulo
