#pragma once

#include "error.h"

#include <array>
#include <string>

namespace zor {

// A fixed-capacity table indexed from First to Last, as the project's tables are. An index
// outside the range is refused instead of reaching memory beyond the table.
template<typename T, int First, int Last> class Table
{
public:
    static constexpr int first = First;
    static constexpr int last = Last;

    static bool contains(int index) { return index >= First && index <= Last; }

    T &operator[](int index)
    {
        check(index);
        return m_items[size_t(index - First)];
    }
    const T &operator[](int index) const
    {
        check(index);
        return m_items[size_t(index - First)];
    }

    bool operator==(const Table &) const = default;

private:
    static void check(int index)
    {
        if (!contains(index))
            throw Error("index " + std::to_string(index) + " is outside the table " +
                        std::to_string(First) + ".." + std::to_string(Last));
    }

    std::array<T, size_t(Last - First + 1)> m_items{};
};

} // namespace zor
