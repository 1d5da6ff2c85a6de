// ValueColumns: reading and writing plain values as bytes, column by column.
#include "engine/value_columns.h"

#include <algorithm>
#include <cstring>
#include <typeinfo>

#include "properties/actual_properties.h"
#include "properties/large_pages.h"
#include "properties/named_properties.h"
#include "properties/primitive.h"

namespace ramulo {

namespace {

using nx::PropertyTemplate::Primitive;

// The bytes of a plain value and their number; null for any other property.
unsigned char* plainBytes(nx::Property& p, std::size_t& width) {
    if (dynamic_cast<nx::X*>(&p) || dynamic_cast<nx::Y*>(&p)) return nullptr;
    if (auto* b = dynamic_cast<Primitive<bool>*>(&p)) {
        width = sizeof(b->value);
        return reinterpret_cast<unsigned char*>(&b->value);
    }
    if (auto* i = dynamic_cast<Primitive<std::int32_t>*>(&p)) {
        width = sizeof(i->value);
        return reinterpret_cast<unsigned char*>(&i->value);
    }
    if (auto* r = dynamic_cast<Primitive<double>*>(&p)) {
        width = sizeof(r->value);
        return reinterpret_cast<unsigned char*>(&r->value);
    }
    return nullptr;
}

}  // namespace

unsigned char* ValueColumns::valueAt(nx::ActualProperties* set, const Column& column) {
    if (!set || column.index >= set->size()) return nullptr;
    nx::Property& p = set->at(column.index);
    if (typeid(p) == *column.type) return reinterpret_cast<unsigned char*>(&p) + column.offset;
    std::size_t w = 0;
    unsigned char* at = plainBytes(p, w);
    return at && w == column.width ? at : nullptr;
}

void ValueColumns::capture(const std::vector<nx::ActualProperties*>& sets) {
    columns_.clear();
    std::size_t widest = 0;
    for (nx::ActualProperties* set : sets)
        if (set) widest = std::max(widest, set->size());
    for (std::size_t index = 0; index < widest; ++index) {
        Column column;
        column.index = index;
        // The column's kind is that of the first set holding a plain value there.
        for (nx::ActualProperties* set : sets) {
            if (!set || index >= set->size()) continue;
            nx::Property& p = set->at(index);
            if (unsigned char* at = plainBytes(p, column.width)) {
                column.type = &typeid(p);
                column.offset = at - reinterpret_cast<unsigned char*>(&p);
                break;
            }
        }
        if (column.width == 0) continue;
        nx::assignInLargePages(column.bytes, sets.size() * column.width,
                               static_cast<unsigned char>(0));
        columns_.push_back(std::move(column));
    }
    // Set by set, so that each element's values are read together.
    for (std::size_t k = 0; k < sets.size(); ++k)
        for (Column& column : columns_)
            if (const unsigned char* at = valueAt(sets[k], column))
                std::memcpy(&column.bytes[k * column.width], at, column.width);
}

bool ValueColumns::keepChanged(const std::vector<nx::ActualProperties*>& sets) {
    // Set by set as in capture; a column is compared until it shows a change.
    std::vector<char> changed(columns_.size(), 0);
    std::size_t open = columns_.size();
    for (std::size_t k = 0; open > 0 && k < sets.size(); ++k)
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            if (changed[c]) continue;
            const Column& column = columns_[c];
            const unsigned char* at = valueAt(sets[k], column);
            if (at && std::memcmp(at, &column.bytes[k * column.width], column.width) != 0) {
                changed[c] = 1;
                --open;
            }
        }
    std::size_t kept = 0;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (!changed[c]) continue;
        if (kept != c) columns_[kept] = std::move(columns_[c]);
        ++kept;
    }
    columns_.resize(kept);
    columns_.shrink_to_fit();
    for (Column& column : columns_) {
        const std::size_t w = column.width;
        bool same = true;
        for (std::size_t k = 1; same && k < sets.size(); ++k)
            same = std::memcmp(&column.bytes[k * w], &column.bytes[0], w) == 0;
        if (same && !sets.empty()) {
            column.constant = true;
            column.bytes.resize(w);
        }
        column.bytes.shrink_to_fit();
    }
    return !columns_.empty();
}

void ValueColumns::swapWith(const std::vector<nx::ActualProperties*>& sets) {
    for (Column& column : columns_) {
        const std::size_t w = column.width;
        if (column.constant) {
            // The values in place differ from set to set: the column becomes a full one.
            std::vector<unsigned char> now(sets.size() * w, 0);
            for (std::size_t k = 0; k < sets.size(); ++k)
                if (unsigned char* at = valueAt(sets[k], column)) {
                    std::memcpy(&now[k * w], at, w);
                    std::memcpy(at, column.bytes.data(), w);
                }
            column.bytes.swap(now);
            column.constant = false;
            continue;
        }
        unsigned char held[8];
        for (std::size_t k = 0; k < sets.size(); ++k)
            if (unsigned char* at = valueAt(sets[k], column)) {
                std::memcpy(held, at, w);
                std::memcpy(at, &column.bytes[k * w], w);
                std::memcpy(&column.bytes[k * w], held, w);
            }
        // A full column of one value shrinks back.
        bool same = !sets.empty();
        for (std::size_t k = 1; same && k < sets.size(); ++k)
            same = std::memcmp(&column.bytes[k * w], &column.bytes[0], w) == 0;
        if (same) {
            column.constant = true;
            column.bytes.resize(w);
            column.bytes.shrink_to_fit();
        }
    }
}

std::size_t ValueColumns::bytes() const {
    std::size_t total = columns_.capacity() * sizeof(Column);
    for (const Column& column : columns_) total += column.bytes.capacity();
    return total;
}

}  // namespace ramulo
