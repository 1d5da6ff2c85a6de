// Where a control's persisted state goes: the seam a host implements to store it.
#pragma once

/// @file
/// PropertyBag, the store RamuloControl::exchangeProperties loads from and saves to: text
/// values under text keys (UTF-8), as a host keeps them in its form or settings file.

#include <optional>
#include <string>

#include "ramulo/export.h"

namespace ramulo {

/// A key-value store of the control's persisted properties.
class RAMULO_EXPORT PropertyBag {
public:
    virtual ~PropertyBag() = default;
    /// The stored text of a key, or nothing when the key is absent.
    virtual std::optional<std::string> read(const std::string& key) const = 0;
    /// Stores the text of a key, replacing an earlier one.
    virtual void write(const std::string& key, const std::string& value) = 0;
};

}  // namespace ramulo
