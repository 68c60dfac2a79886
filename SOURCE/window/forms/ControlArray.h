#pragma once

#include <array>
#include <cassert>

// A set of controls of one kind under one name, told apart by an index that
// starts at First (0 for most arrays, 1 for the sound holders).
template <typename Control, int First, int Last>
class ControlArray {
public:
    static constexpr int kFirst = First;
    static constexpr int kLast = Last;

    Control*& operator()(int index)
    {
        assert(index >= First && index <= Last);
        return items[index - First];
    }
    Control* operator()(int index) const
    {
        assert(index >= First && index <= Last);
        return items[index - First];
    }

private:
    std::array<Control*, Last - First + 1> items{};
};
