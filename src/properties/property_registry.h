// CPropertyRegistry: the catalogue of the 19 property types a host can name by type ID.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "properties/property.h"

class CPropertyRegistry {
public:
    // The process-wide registry, created with all prototypes on first use.
    static CPropertyRegistry& instance();
    // Deletes the process-wide registry (module shutdown); the next instance() makes a new one.
    static void destroyInstance();

    virtual ~CPropertyRegistry();

    std::size_t typeCount() const { return prototypes_.size(); }
    // Fails with a runtime error for an ID at or past typeCount().
    const std::string& typeNameOf(std::size_t typeId) const;
    // Fails with "Ramulo Control: Property <name> does not exist."
    std::size_t typeIdOf(const std::string& typeName) const;
    const nx::Property& prototypeOf(std::size_t typeId) const;

private:
    CPropertyRegistry();
    void checkId(std::size_t typeId) const;

    std::vector<std::unique_ptr<nx::Property>> prototypes_;
    std::vector<std::string> names_;
};

namespace nx {
// Start-up of the module: creates the registry (failing with "PropertyRegistry is
// empty" when it holds no type) and chooses the list separator.
void initPropertySystem();
}  // namespace nx
