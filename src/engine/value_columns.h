// ValueColumns: the plain values (flags, integers, reals) of many elements' value sets, kept
// column by column: a column that did not change is not kept, one that held a single value
// keeps just that value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <typeinfo>
#include <vector>

namespace nx {
class ActualProperties;
}

namespace ramulo {

class ValueColumns {
public:
    // Takes every plain value of the sets (one per element, in a fixed order), except the
    // coordinates X and Y, which the caller keeps apart.
    void capture(const std::vector<nx::ActualProperties*>& sets);
    // Keeps only the columns some set changed since capture; false when none did.
    bool keepChanged(const std::vector<nx::ActualProperties*>& sets);
    // Swaps the kept values with those in the sets (the same sets, in the same order).
    void swapWith(const std::vector<nx::ActualProperties*>& sets);
    std::size_t bytes() const;

private:
    struct Column {
        std::size_t index = 0;
        std::size_t width = 0;
        // Values of this class hold their bytes at this offset (the common case is read
        // without a cast per value).
        const std::type_info* type = nullptr;
        std::ptrdiff_t offset = 0;
        bool constant = false;           // bytes hold one value shared by every set
        std::vector<unsigned char> bytes;  // width bytes per set (or one value)
    };
    static unsigned char* valueAt(nx::ActualProperties* set, const Column& column);
    std::vector<Column> columns_;
};

}  // namespace ramulo
