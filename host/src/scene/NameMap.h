#ifndef MAYAHOST_NAMEMAP_H
#define MAYAHOST_NAMEMAP_H

#include "NameHash.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace mayahost {

// Names to values: a node's values by plug key, a type's attributes by name. One flat table,
// probed from the name's hash, that keeps each entry's hash, so that a probe compares names only
// when the hashes agree. A miss, the usual answer when an exporter asks a node for an optional
// attribute, mostly ends at one bit per name's hash, before the table: the run of full slots a
// miss would walk is long in a table three quarters full. An empty map is three words, since most
// of a big level's nodes hold few values. Entries live apart and never move, as in a standard map;
// iteration order is unspecified.
template <class Value>
class NameMap {
public:
    using Entry = std::pair<const std::string, Value>;

    template <bool Const>
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;
        using pointer = std::conditional_t<Const, const Entry*, Entry*>;
        using reference = std::conditional_t<Const, const Entry&, Entry&>;

        Iterator(const NameMap* map, std::uint32_t at) : map_(map), at_(at) { skipFree(); }
        reference operator*() const { return *map_->slots_[at_].entry; }
        pointer operator->() const { return map_->slots_[at_].entry; }
        Iterator& operator++() {
            ++at_;
            skipFree();
            return *this;
        }
        template <bool OtherConst>
        bool operator==(const Iterator<OtherConst>& other) const { return at_ == other.at_; }
        template <bool OtherConst>
        bool operator!=(const Iterator<OtherConst>& other) const { return at_ != other.at_; }

    private:
        template <bool>
        friend class Iterator;
        void skipFree() {
            while (at_ < map_->capacity_ && !map_->slots_[at_].entry) ++at_;
        }
        const NameMap* map_;
        std::uint32_t at_;
    };
    using iterator = Iterator<false>;
    using const_iterator = Iterator<true>;

    NameMap() = default;
    NameMap(const NameMap&) = delete;
    NameMap& operator=(const NameMap&) = delete;
    NameMap(NameMap&& other) noexcept { swap(other); }
    NameMap& operator=(NameMap&& other) noexcept {
        NameMap(std::move(other)).swap(*this);
        return *this;
    }
    ~NameMap() {
        for (std::uint32_t at = 0; at < capacity_; ++at) delete slots_[at].entry;
    }

    iterator find(std::string_view name) { return iterator(this, slotOf(name, keyHash(name))); }
    const_iterator find(std::string_view name) const { return const_iterator(this, slotOf(name, keyHash(name))); }
    // With the name's keyHash already worked out, for callers that ask several maps for one name.
    const_iterator find(std::string_view name, std::uint32_t hash) const { return const_iterator(this, slotOf(name, hash)); }
    std::size_t count(std::string_view name) const { return slotOf(name, keyHash(name)) == capacity_ ? 0 : 1; }

    // Adds `name` with `value` unless the map holds the name already; the entry and whether it was added.
    std::pair<iterator, bool> emplace(std::string_view name, Value value) {
        const std::uint32_t hash = keyHash(name);
        const std::uint32_t found = slotOf(name, hash);
        if (found != capacity_) return {iterator(this, found), false};
        return {iterator(this, add(name, hash, std::move(value))), true};
    }
    Value& operator[](std::string_view name) { return emplace(name, Value()).first->second; }

    // Room for `count` entries at most half full, for a table that is read far more than it is
    // written: a miss then ends within a slot or two.
    void reserveSparse(std::size_t count) {
        while (capacity_ < count * 2) grow();
    }

    iterator begin() { return iterator(this, 0); }
    iterator end() { return iterator(this, capacity_); }
    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, capacity_); }
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }

    void swap(NameMap& other) noexcept {
        std::swap(slots_, other.slots_);
        std::swap(capacity_, other.capacity_);
        std::swap(count_, other.count_);
        std::swap(hashBits_, other.hashBits_);
    }

private:
    struct Slot {
        Entry* entry = nullptr;  // null marks a free slot
        std::uint32_t hash = 0;
    };

    // The filter takes the hash's top bits: the slot comes from its low ones.
    static std::uint64_t hashBit(std::uint32_t hash) { return std::uint64_t(1) << (hash >> 26); }

    // The slot holding `name`, or capacity_ when none does.
    std::uint32_t slotOf(std::string_view name, std::uint32_t hash) const {
        if (!(hashBits_ & hashBit(hash))) return capacity_;
        const std::uint32_t mask = capacity_ - 1;
        for (std::uint32_t at = hash & mask; slots_[at].entry; at = (at + 1) & mask) {
            if (slots_[at].hash == hash && slots_[at].entry->first == name) return at;
        }
        return capacity_;
    }

    std::uint32_t add(std::string_view name, std::uint32_t hash, Value value) {
        // At most three quarters full, so that a probe soon meets a free slot.
        if ((count_ + 1) * 4 > capacity_ * 3) grow();
        auto entry = std::make_unique<Entry>(std::string(name), std::move(value));
        const std::uint32_t at = freeSlot(slots_.get(), capacity_, hash);
        slots_[at] = {entry.release(), hash};
        ++count_;
        hashBits_ |= hashBit(hash);
        return at;
    }

    static std::uint32_t freeSlot(const Slot* slots, std::uint32_t capacity, std::uint32_t hash) {
        std::uint32_t at = hash & (capacity - 1);
        while (slots[at].entry) at = (at + 1) & (capacity - 1);
        return at;
    }

    void grow() {
        const std::uint32_t capacity = capacity_ == 0 ? 4 : capacity_ * 2;
        std::unique_ptr<Slot[]> slots(new Slot[capacity]);
        for (std::uint32_t at = 0; at < capacity_; ++at) {
            if (slots_[at].entry) slots[freeSlot(slots.get(), capacity, slots_[at].hash)] = slots_[at];
        }
        slots_ = std::move(slots);
        capacity_ = capacity;
    }

    std::unique_ptr<Slot[]> slots_;
    std::uint32_t capacity_ = 0;
    std::uint32_t count_ = 0;
    std::uint64_t hashBits_ = 0;  // one bit per entry's hash; an empty map has none
};

}  // namespace mayahost

#endif
