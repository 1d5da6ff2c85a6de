// nx::MemberAccess: a non-const graph's members in order with their values writable.
#pragma once

#include <cstddef>

namespace nx {

// A graph's membership maps are const to everyone else, and a const map hands out const
// values. Writers of members' values (walk flags, layout marks, undo) get this instead from
// a non-const graph: it iterates and looks up like the map, hands out each key by copy and
// its value writable, but can neither add nor remove a member. A vertex entry's incidence
// list stays the graph's to keep: read it, never write it.
template <typename Map>
class MemberAccess {
public:
    using Key = typename Map::value_type::first_type;
    using Value = typename Map::value_type::second_type;
    struct Member {
        Key key;
        Value& value;
    };

    class Iterator {
    public:
        explicit Iterator(typename Map::iterator at) : at_(at) {}
        Member operator*() const { return {at_->first, at_->second}; }
        Iterator& operator++() {
            ++at_;
            return *this;
        }
        bool operator==(const Iterator& o) const { return at_ == o.at_; }

    private:
        typename Map::iterator at_;
    };

    explicit MemberAccess(Map& map) : map_(&map) {}
    std::size_t size() const { return map_->size(); }
    Iterator begin() const { return Iterator(map_->begin()); }
    Iterator end() const { return Iterator(map_->end()); }
    // The member's value, or null for a non-member.
    Value* find(typename Map::ConstKey key) const { return map_->find(key); }

private:
    Map* map_;
};

}  // namespace nx
