#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <iterator>

namespace coilwise {

// Items numbered 1 to Last as the window numbers its controls, so that a handler reads
// labvsec[Index]. An index out of range is a fault of the program: asserted, never thrown out of a
// handler.
template <typename Item, int Last> class ControlArray {
public:
    Item& operator[](int index) { return items_[slot(index)]; }
    const Item& operator[](int index) const { return items_[slot(index)]; }

    // Items 1 to Last, in order.
    auto begin() { return std::next(items_.begin()); }
    auto end() { return items_.end(); }

private:
    static std::size_t slot(int index) {
        assert(index >= 1 && index <= Last);
        return static_cast<std::size_t>(index);
    }

    std::array<Item, static_cast<std::size_t>(Last) + 1> items_{};
};

} // namespace coilwise
