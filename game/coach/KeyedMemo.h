// A memo from 64-bit keys to values for the engine's recursion: open addressing in one block, so
// that the many small lookups of a recursion cost no allocation and little probing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace game::coach {

template <class Value>
class KeyedMemo {
public:
    // The one key a memo cannot hold: it marks a free slot.
    static constexpr std::uint64_t kFree = ~std::uint64_t{0};

    // Room for about `expected` keys before the memo has to grow.
    explicit KeyedMemo(std::size_t expected = kFirstSlots / 2) {
        std::size_t slots = kFirstSlots;
        while (slots < 2 * expected) {
            slots *= 2;
        }
        Resize(slots);
    }

    const Value* Find(std::uint64_t key) const {
        if (key == kFree) {
            return nullptr;  // it would find a free slot
        }
        const std::size_t slot = SlotOf(key);
        return m_keys[slot] == key ? &m_values[slot] : nullptr;
    }

    // Keeps `value` under `key`, which must not be kept yet.
    void Add(std::uint64_t key, const Value& value) {
        if (key == kFree) {
            throw std::invalid_argument("a memo cannot keep this key");
        }
        if (2 * (m_size + 1) > m_keys.size()) {
            Resize(2 * m_keys.size());
        }
        const std::size_t slot = SlotOf(key);
        if (m_keys[slot] == key) {
            throw std::logic_error("the memo already keeps this key");
        }
        m_keys[slot] = key;
        m_values[slot] = value;
        ++m_size;
    }

    std::size_t Size() const { return m_size; }

private:
    static constexpr std::size_t kFirstSlots = 64;

    // The slot holding `key`, or the free slot where it would go.
    std::size_t SlotOf(std::uint64_t key) const {
        const std::size_t mask = m_keys.size() - 1;
        // Fibonacci hashing: the key's bits spread over the slot number's.
        std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> m_shift) & mask;
        while (m_keys[slot] != key && m_keys[slot] != kFree) {
            slot = (slot + 1) & mask;
        }
        return slot;
    }

    // Moves every key into `slots` slots, a power of two.
    void Resize(std::size_t slots) {
        std::vector<std::uint64_t> keys(slots, kFree);
        std::vector<Value> values(keys.size());
        keys.swap(m_keys);
        values.swap(m_values);
        m_shift = 64;
        for (std::size_t left = m_keys.size(); left > 1; left /= 2) {
            --m_shift;
        }
        for (std::size_t slot = 0; slot < keys.size(); ++slot) {
            if (keys[slot] != kFree) {
                const std::size_t to = SlotOf(keys[slot]);
                m_keys[to] = keys[slot];
                m_values[to] = values[slot];
            }
        }
    }

    std::vector<std::uint64_t> m_keys;  // a power of two of slots, at most half of them kept
    std::vector<Value> m_values;
    std::size_t m_size = 0;
    int m_shift = 64;
};

}  // namespace game::coach
