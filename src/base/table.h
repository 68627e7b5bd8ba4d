#pragma once

#include "error.h"

#include <array>
#include <memory>
#include <string>

namespace zor {

// A fixed-capacity table indexed from First to Last, as the project's tables are. An index
// outside the range is refused instead of reaching memory beyond the table.
template<typename T, int First, int Last>
class Table
{
public:
    static constexpr int first = First;
    static constexpr int last = Last;

    static bool contains(int index) { return index >= First && index <= Last; }
    static void check(int index)
    {
        if (!contains(index))
            throw Error("index " + std::to_string(index) + " is outside the table " +
                        std::to_string(First) + ".." + std::to_string(Last));
    }

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
    std::array<T, size_t(Last - First + 1)> m_items{};
};

// A table of texts that takes memory only once an entry is written: most of the event table's
// action lists stay empty, and a project holds thousands of them. Entries read as empty until
// written; references to entries stay valid as long as the table lives.
template<int First, int Last>
class TextTable
{
    using Items = Table<std::string, First, Last>;

public:
    TextTable() = default;
    TextTable(const TextTable &other)
        : m_items(other.m_items ? std::make_unique<Items>(*other.m_items) : nullptr)
    {}
    TextTable &operator=(const TextTable &other)
    {
        if (this != &other)
            m_items = other.m_items ? std::make_unique<Items>(*other.m_items) : nullptr;
        return *this;
    }
    TextTable(TextTable &&) = default;
    TextTable &operator=(TextTable &&) = default;

    std::string &operator[](int index)
    {
        Items::check(index);
        if (!m_items)
            m_items = std::make_unique<Items>();
        return (*m_items)[index];
    }
    const std::string &operator[](int index) const
    {
        static const std::string empty;
        Items::check(index);
        return m_items ? (*m_items)[index] : empty;
    }

    bool operator==(const TextTable &other) const
    {
        for (int index = First; index <= Last; ++index) {
            if ((*this)[index] != other[index])
                return false;
        }
        return true;
    }

private:
    std::unique_ptr<Items> m_items;
};

} // namespace zor
