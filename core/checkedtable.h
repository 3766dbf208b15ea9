#pragma once
// A fixed table indexed First..Last, as the games keep their piles, places
// and cells: a bad index raises run-time error 9 ("Subscript out of range")
// instead of touching memory that is not the table's. Tables nest for two
// dimensions: CheckedTable<CheckedTable<CardPlace, 1, 18>, 1, 12>.

#include "core/errors.h"

#include <array>
#include <cstddef>

template <class T, int First, int Last>
class CheckedTable {
    static_assert(Last >= First, "a table holds at least one entry");

public:
    static constexpr int kFirst = First;
    static constexpr int kLast = Last;

    T& operator[](int aintIndex)
    {
        if (aintIndex < First || aintIndex > Last)
            gsRaiseSubscript();
        return mItems[static_cast<std::size_t>(aintIndex - First)];
    }
    const T& operator[](int aintIndex) const
    {
        if (aintIndex < First || aintIndex > Last)
            gsRaiseSubscript();
        return mItems[static_cast<std::size_t>(aintIndex - First)];
    }

    static constexpr bool contains(int aintIndex) { return aintIndex >= First && aintIndex <= Last; }
    void fill(const T& value) { mItems.fill(value); }

    auto begin() { return mItems.begin(); }
    auto end() { return mItems.end(); }
    auto begin() const { return mItems.begin(); }
    auto end() const { return mItems.end(); }

private:
    std::array<T, static_cast<std::size_t>(Last - First + 1)> mItems{};
};
